// SPDX-License-Identifier: MIT
// The picture as an SVG document, element for element the desktop's: a
// 500 × 500 viewBox in picture units (x = 250 + u to the right, y = 250 − v
// downwards), the black square with its white 1-unit border, then one
// <polyline> per path of the program's picture paths in its pen's colour,
// every stroke 1 unit wide and not scaled. Built with the DOM and written
// out by XMLSerializer, so that the document is well formed whatever it
// holds.
//
// With "Desarrollo" on, the two pictures side by side, as the desktop saves
// them: a viewBox one gap wider than two pictures, each picture in a nested
// 500 × 500 <svg> that shows nothing outside its square, the figure's at
// x = 0 and the flat one a picture and a gap to its right. The flat one
// holds <g id="flat" transform="matrix(k 0 0 -k e f)"> with one <polyline>
// per piece in development units, class "outline", "wire" or "curve", its
// stroke one picture unit (1/k development units) wide.

const kSvgNamespace = 'http://www.w3.org/2000/svg';

// "rgb(0,0,255)" for a 0xAARRGGBB pen colour.
function SvgColour(colour) {
    return 'rgb(' + ((colour >>> 16) & 0xff) + ',' + ((colour >>> 8) & 0xff) + ',' +
           (colour & 0xff) + ')';
}

// Six decimals, as the desktop writes them: far finer than a pixel, and no
// coordinate of a path needs an exponent.
function SvgPoints(points) {
    const pairs = [];
    for (let i = 0; i + 1 < points.length; i += 2)
        pairs.push(points[i].toFixed(6) + ',' + points[i + 1].toFixed(6));
    return pairs.join(' ');
}

// Nine decimals in development units, as the desktop's flat pieces.
function FlatPoints(piece) {
    const pairs = [];
    for (let i = 0; i < piece.x.length; ++i)
        pairs.push(piece.x[i].toFixed(9) + ',' + piece.y[i].toFixed(9));
    return pairs.join(' ');
}

// A new element `name` with `attributes` (pairs), appended to `parent`.
function SvgElement(parent, name, attributes) {
    const element = document.createElementNS(kSvgNamespace, name);
    for (const [key, value] of attributes)
        element.setAttribute(key, value);
    if (parent)
        parent.appendChild(element);
    return element;
}

function Stroke(colour) {
    return [
        ['fill', 'none'], ['stroke', SvgColour(colour)], ['stroke-width', '1'],
        ['vector-effect', 'non-scaling-stroke']
    ];
}

// The black square of side `square.side`, with its white border.
function AddSquare(parent, square) {
    const side = square.side;
    SvgElement(
        parent, 'rect',
        [['width', String(side)], ['height', String(side)], ['fill', SvgColour(square.black)]]);
    // A 1-unit stroke lies half each side of its line: centred half a unit
    // inside the edges, it covers exactly the outer columns and rows.
    SvgElement(parent, 'rect', [
        ['x', '0.5'], ['y', '0.5'], ['width', String(side - 1)], ['height', String(side - 1)],
        ...Stroke(square.white)
    ]);
}

// `paths` is a list of {colour, points, part, dashed} with the points as
// x, y pairs; with the hidden parts shown, `part` is the path's class and a
// dashed path has `dashes` ([on, off] units) as its dash array.
function AddPaths(parent, paths, dashes) {
    for (const path of paths)
        SvgElement(parent, 'polyline', [
            ...(path.part ? [['class', path.part]] : []), ['points', SvgPoints(path.points)],
            ...Stroke(path.colour), ...(path.dashed ? [['stroke-dasharray', dashes.join(' ')]] : [])
        ]);
}

// `flat` is {fit: {k, e, f}, pieces: [{what, colour, x, y}]}.
function AddFlatPicture(parent, flat, marks, square) {
    const fit = flat.fit;
    const group = SvgElement(parent, 'g', [
        ['id', 'flat'],
        ['transform', 'matrix(' + [fit.k, 0, 0, -fit.k, fit.e, fit.f].map(String).join(' ') + ')']
    ]);
    // One picture unit in the group's units: written out rather than as a
    // stroke that does not scale, which not every renderer honours.
    const width = String(1 / fit.k);
    for (const piece of flat.pieces)
        SvgElement(group, 'polyline', [
            ['class', piece.what], ['points', FlatPoints(piece)], ['fill', 'none'],
            ['stroke', SvgColour(piece.colour)], ['stroke-width', width]
        ]);
    AddFlatMark(group, marks, fit, square);
}

// A number a document can hold: finite and within 2^24 of the origin, as
// the desktop's paths are kept.
const kPathReach = 16777216;
const Writable = (x, y) => Number.isFinite(x) && Number.isFinite(y) && Math.abs(x) <= kPathReach &&
                           Math.abs(y) <= kPathReach;

// The angle mark, as the desktop writes it: <g class="angle-mark"> with a
// polyline for each part (broken where a point cannot be written; dashed
// when the mark is hidden), the point's circle and the measured angle's
// text over a dark halo. `mark` has its points in the units of `units`:
// {decimals, stroke (one picture unit), perPicturePixel, label (where the
// text goes), transform (the text's own, or none)}.
function AddAngleMark(parent, mark, units, dashes) {
    if (!mark.shown || !Writable(mark.point[0], mark.point[1]))
        return;
    const yellow = 'rgb(255,255,0)';
    const Fixed = (value) => value.toFixed(units.decimals);
    const group = SvgElement(parent, 'g', [
        ['class', 'angle-mark'], ['fill', 'none'], ['stroke', yellow],
        ['stroke-width', String(units.stroke)]
    ]);
    ['generatrix', 'tangent', 'arc'].forEach((name, part) => {
        const points = mark.parts[part];
        let run = [];
        const Flush = () => {
            if (run.length >= 2)
                SvgElement(group, 'polyline', [
                    ['class', name], ['points', run.join(' ')],
                    ...(mark.hidden ? [['stroke-dasharray', dashes.join(' ')]] : [])
                ]);
            run = [];
        };
        for (let i = 0; i + 1 < points.length; i += 2) {
            if (Writable(points[i], points[i + 1]))
                run.push(Fixed(points[i]) + ',' + Fixed(points[i + 1]));
            else
                Flush();
        }
        Flush();
    });
    SvgElement(group, 'circle', [
        ['class', 'point'], ['cx', Fixed(mark.point[0])], ['cy', Fixed(mark.point[1])],
        ['r', String(units.dotRadius * units.perPicturePixel)], ['fill', yellow]
    ]);
    if (!mark.hasAngle || !Writable(units.label[0], units.label[1]))
        return;
    const text = SvgElement(group, 'text', [
        ['x', Fixed(units.label[0])], ['y', Fixed(units.label[1])],
        ...(units.transform ? [['transform', units.transform]] : []), ['font-family', 'sans-serif'],
        ['font-size', String(units.textPixels)], ['text-anchor', 'middle'],
        ['dominant-baseline', 'central'], ['fill', yellow], ['stroke', 'rgb(0,0,0)'],
        ['stroke-width', '3'], ['paint-order', 'stroke']
    ]);
    text.textContent = mark.text;
}

// The figure's mark, in picture units.
function AddFigureMark(parent, marks, square) {
    if (marks && marks.figure)
        AddAngleMark(parent, marks.figure, {
            decimals: 6,
            stroke: 1,
            perPicturePixel: 1,
            label: marks.figure.label,
            dotRadius: marks.dotRadius,
            textPixels: marks.textPixels
        },
                     square.dashes);
}

// The flat picture's mark, in development units inside its group: the text
// placed by its own transform at the label, scaled by 1/k and flipped back,
// so that the group's matrix leaves it upright and as high as the figure's.
function AddFlatMark(group, marks, fit, square) {
    if (!marks || !marks.flat)
        return;
    const label = marks.flatLabel;
    const at = [(label[0] - fit.e) / fit.k, (fit.f - label[1]) / fit.k];
    const inverse = String(1 / fit.k);
    AddAngleMark(group, marks.flat, {
        decimals: 9,
        stroke: 1 / fit.k,
        perPicturePixel: 1 / fit.k,
        label: [0, 0],
        transform: 'matrix(' + inverse + ' 0 0 -' + inverse + ' ' + at[0].toFixed(9) + ' ' +
                       at[1].toFixed(9) + ')',
        dotRadius: marks.dotRadius,
        textPixels: marks.textPixels
    },
                 square.dashes);
}

// The document's root, `width` wide and one picture high, with its title.
function SvgRoot(width, height, title) {
    const svg = SvgElement(null, 'svg', [
        ['version', '1.1'], ['width', String(width)], ['height', String(height)],
        ['viewBox', '0 0 ' + width + ' ' + height]
    ]);
    if (title)
        SvgElement(svg, 'title', []).textContent = title;
    return svg;
}

function SvgText(svg) {
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(svg) +
           '\n';
}

// `square` is {side, black, white, dashes}: the picture's side in picture
// units, the colours of its square and border, and the hidden parts' dashes.
// `marks`, with the point shown, is {figure, flat, flatLabel, dotRadius,
// textPixels}: the marks of the two pictures (the flat one in development
// units), where the flat one's text goes in picture units, and their sizes.
function PictureSvg(paths, title, square, marks) {
    const svg = SvgRoot(square.side, square.side, title);
    AddSquare(svg, square);
    AddPaths(svg, paths, square.dashes);
    AddFigureMark(svg, marks, square);
    return SvgText(svg);
}

// The figure's picture and the flat one, `gap` units apart.
function SideBySideSvg(paths, flat, title, square, gap, marks) {
    const side = square.side;
    const svg = SvgRoot(2 * side + gap, side, title);
    const Picture = (x) => SvgElement(svg, 'svg', [
        ['x', String(x)], ['y', '0'], ['width', String(side)], ['height', String(side)],
        ['viewBox', '0 0 ' + side + ' ' + side]
    ]);
    const figure = Picture(0);
    AddSquare(figure, square);
    AddPaths(figure, paths, square.dashes);
    AddFigureMark(figure, marks, square);
    const flatPicture = Picture(side + gap);
    AddSquare(flatPicture, square);
    AddFlatPicture(flatPicture, flat, marks, square);
    return SvgText(svg);
}
