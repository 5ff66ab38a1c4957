// SPDX-License-Identifier: MIT
// The picture as an SVG document, element for element the desktop's: a
// 500 × 500 viewBox in picture units (x = 250 + u to the right, y = 250 − v
// downwards), the black square with its white 1-unit border, then one
// <polyline> per path of the program's picture paths in its pen's colour,
// every stroke 1 unit wide and not scaled. Built with the DOM and written
// out by XMLSerializer, so that the document is well formed whatever it
// holds.

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

// `paths` is a list of {colour, points} with the points as x, y pairs.
function PictureSvg(paths, title, side, black, white) {
    const svg = document.createElementNS(kSvgNamespace, 'svg');
    svg.setAttribute('version', '1.1');
    svg.setAttribute('width', String(side));
    svg.setAttribute('height', String(side));
    svg.setAttribute('viewBox', '0 0 ' + side + ' ' + side);
    const Add = (name, attributes) => {
        const element = document.createElementNS(kSvgNamespace, name);
        for (const [key, value] of attributes)
            element.setAttribute(key, value);
        svg.appendChild(element);
        return element;
    };
    const Stroke = (colour) => [['fill', 'none'], ['stroke', SvgColour(colour)],
                                ['stroke-width', '1'], ['vector-effect', 'non-scaling-stroke']];
    if (title)
        Add('title', []).textContent = title;
    Add('rect', [['width', String(side)], ['height', String(side)], ['fill', SvgColour(black)]]);
    // A 1-unit stroke lies half each side of its line: centred half a unit
    // inside the edges, it covers exactly the outer columns and rows.
    Add('rect', [
        ['x', '0.5'], ['y', '0.5'], ['width', String(side - 1)], ['height', String(side - 1)],
        ...Stroke(white)
    ]);
    for (const path of paths)
        Add('polyline', [['points', SvgPoints(path.points)], ...Stroke(path.colour)]);
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(svg) +
           '\n';
}
