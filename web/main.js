// SPDX-License-Identifier: MIT
// The page's start: the language, the program (the WebAssembly module with
// its page handle), the texts, and the wiring of every control to it. After
// every action the page shows what the program left: the picture, the bars,
// the label and the picture's name, as the desktop dialog shows its view.

// The module's functions, named as the core names things.
function Program(module) {
    const page = module._torsiva_page_new();
    let scale = 1;
    let smooth = false;
    const Bytes = (pointer, count) => new Uint8ClampedArray(module.HEAPU8.buffer, pointer, count);
    // A string the module keeps, ended by a zero byte.
    const Utf8 = (pointer) => new TextDecoder().decode(
        module.HEAPU8.subarray(pointer, module.HEAPU8.indexOf(0, pointer)));
    return {
        curveButton: (figure) => module._torsiva_curve_button(page, figure),
        scroll: (bar, code) => module._torsiva_scroll(page, bar, code),
        sliderMoved: (bar, value, released) =>
            module._torsiva_slider_moved(page, bar, value, released ? 1 : 0),
        press: (x, y) => module._torsiva_press(page, x, y),
        move: (x, y) => module._torsiva_move(page, x, y),
        release: () => module._torsiva_release(page),
        orbitKey: (key) => module._torsiva_orbit_key(page, key),
        zoomKey: (bigger) => module._torsiva_zoom_key(page, bigger ? 1 : 0),
        setScale(next) {
            scale = next;
            module._torsiva_set_picture(page, scale, smooth ? 1 : 0);
        },
        setSmooth(on) {
            smooth = on;
            module._torsiva_set_picture(page, scale, smooth ? 1 : 0);
        },
        slider: (bar) => ({
            min: module._torsiva_slider_min(page, bar),
            max: module._torsiva_slider_max(page, bar),
            value: module._torsiva_slider_value(page, bar),
        }),
        spokenValue: (bar) => module._torsiva_spoken_value(page, bar),
        labelAngle: () =>
            (module._torsiva_label_shown(page) ? module._torsiva_label_angle(page) : null),
        figure: () => module._torsiva_figure(page),
        angle: () => module._torsiva_angle(page),
        redraws: () => module._torsiva_redraws(page),
        pictureSide: () => module._torsiva_picture_side(page),
        pictureBytes() {
            const side = module._torsiva_picture_side(page);
            return Bytes(module._torsiva_picture_rgba(page), side * side * 4);
        },
        // The box of picture `which` that may have changed since it was
        // last asked, as [left, top, right, bottom].
        takeChanged: (which) => Array.from(
            new Int32Array(module.HEAPU8.buffer, module._torsiva_take_changed(page, which), 4)),
        setFlat: (on) => module._torsiva_set_flat(page, on ? 1 : 0),
        setHidden: (on) => module._torsiva_set_hidden(page, on ? 1 : 0),
        setPoint: (on) => module._torsiva_set_point(page, on ? 1 : 0),
        pointStep: (direction) => module._torsiva_point_step(page, direction) !== 0,
        animate: (seconds) => module._torsiva_point_animate(page, seconds) !== 0,
        pointFlat: (x, y) => module._torsiva_point_flat(page, x, y) !== 0,
        figureChanged: () => module._torsiva_point_figure_changed(page) !== 0,
        pointShown: () => module._torsiva_point_shown(page) !== 0,
        pointParameter: () => module._torsiva_point_parameter(page),
        markShown: (which) => module._torsiva_mark_shown(page, which) !== 0,
        // The mark last drawn in picture `which` (0 the figure's, 1 the flat
        // one), in picture units.
        mark(which) {
            const Pair = (f) => [f(0), f(1)];
            const Part = (part) => {
                const size = module._torsiva_mark_part_size(page, which, part);
                return size ? Array.from(new Float64Array(
                                  module.HEAPU8.buffer,
                                  module._torsiva_mark_part_points(page, which, part), 2 * size))
                            : [];
            };
            return {
                shown: module._torsiva_mark_shown(page, which) !== 0,
                hasAngle: module._torsiva_mark_has_angle(page, which) !== 0,
                angle: module._torsiva_mark_angle(page, which),
                label: Pair((axis) => module._torsiva_mark_label(page, which, axis)),
                hidden: module._torsiva_mark_hidden(page, which) !== 0,
                point: Pair((axis) => module._torsiva_mark_point(page, which, axis)),
                parts: [Part(0), Part(1), Part(2)],
            };
        },
        markTextPixels: module._torsiva_mark_text_pixels(),
        markDotRadius: module._torsiva_mark_dot_radius(),
        flatRedraws: () => module._torsiva_flat_redraws(page),
        flatSide: () => module._torsiva_flat_side(page),
        flatBytes() {
            const side = module._torsiva_flat_side(page);
            return Bytes(module._torsiva_flat_rgba(page), side * side * 4);
        },
        fileStem: () => Utf8(module._torsiva_file_stem(page)),
        paths() {
            const count = module._torsiva_update_paths(page);
            const paths = [];
            for (let i = 0; i < count; ++i) {
                const size = module._torsiva_path_size(page, i);
                const points = new Float64Array(module.HEAPU8.buffer,
                                                module._torsiva_path_points(page, i), 2 * size);
                const part = module._torsiva_path_part(page, i);
                paths.push({
                    colour: module._torsiva_path_colour(page, i),
                    points: Array.from(points),
                    part: part ? Utf8(part) : null,
                    dashed: module._torsiva_path_dashed(page, i) !== 0,
                });
            }
            return paths;
        },
        // The flat picture's pieces in development units, and the fit that
        // takes them to picture units.
        flatPaths() {
            const count = module._torsiva_update_flat_paths(page);
            const Doubles = (pointer, size) =>
                Array.from(new Float64Array(module.HEAPU8.buffer, pointer, size));
            const pieces = [];
            for (let i = 0; i < count; ++i) {
                const size = module._torsiva_flat_path_size(page, i);
                pieces.push({
                    what: kFlatClasses[module._torsiva_flat_path_class(page, i)],
                    colour: module._torsiva_flat_path_colour(page, i),
                    x: Doubles(module._torsiva_flat_path_x(page, i), size),
                    y: Doubles(module._torsiva_flat_path_y(page, i), size),
                });
            }
            const fit = (which) => module._torsiva_flat_fit(page, which);
            return {fit: {k: fit(0), e: fit(1), f: fit(2)}, pieces};
        },
        pictureSize: module._torsiva_picture_size(),
        flatGap: module._torsiva_flat_picture_gap(),
        dashes: [module._torsiva_dash_on(), module._torsiva_dash_off()],
        squareColour: module._torsiva_square_colour(),
        borderColour: module._torsiva_border_colour(),
    };
}

// The classes of the flat picture's pieces, as the core's FlatClass
// numbers them.
const kFlatClasses = ['outline', 'wire', 'curve'];
// Figures as the core's CurveKind, in the order of their buttons.
const kFigures = [
    {id: 'helix', kind: 1, title: kTexts.helix, flatTitle: kTexts.helixFlat},
    {id: 'conical', kind: 2, title: kTexts.conical, flatTitle: kTexts.conicalFlat},
    {id: 'spherical', kind: 3, title: kTexts.spherical, flatTitle: kTexts.sphericalFlat},
];
// Ctrl with an arrow, as ViewControls::OrbitKey numbers them; Ctrl with
// "+" (or "=", the same key without the shift) or "-".
const kOrbitKeys = {
    ArrowLeft: 0,
    ArrowRight: 1,
    ArrowUp: 2,
    ArrowDown: 3
};
const kZoomKeys = {
    '+': true,
    '=': true,
    '-': false
};
const kSmoothKey = 'torsiva.smoothLines';
const kFlatKey = 'torsiva.flatPicture';
const kHiddenKey = 'torsiva.hiddenParts';

function Download(blob, name) {
    const url = URL.createObjectURL(blob);
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The options are remembered, as the desktop's are; a browser that keeps
// nothing for a file page just forgets them.
function Remembered(key) {
    try {
        return window.localStorage.getItem(key) === '1';
    } catch (error) {
        return false;
    }
}

function Remember(key, on) {
    try {
        window.localStorage.setItem(key, on ? '1' : '0');
    } catch (error) {
        // Nothing to remember it in.
    }
}

// Every text of the main window in the page's language.
function ShowTexts(tr, byId) {
    document.title = tr(kTexts.title);
    byId('curves-legend').textContent = tr(kTexts.curves);
    for (const figure of kFigures)
        byId(figure.id).textContent = tr(figure.title);
    byId('instructions').textContent = tr(kTexts.instructions);
    byId('about').textContent = tr(kTexts.about);
    for (const bar of kBarOrder) {
        byId('bar' + bar).setAttribute('aria-label', tr(kTexts['bar' + bar]));
        byId('letter' + bar).textContent = tr(kTexts['letter' + bar]);
    }
    byId('save-png').textContent = tr(kTexts.savePng);
    byId('save-svg').textContent = tr(kTexts.saveSvg);
    byId('smooth-text').textContent = tr(kTexts.smoothLines);
    byId('flat-text').textContent = tr(kTexts.flat);
    byId('hidden-text').textContent = tr(kTexts.hidden);
    byId('point-text').textContent = tr(kTexts.point);
    byId('view').textContent = tr(kTexts.view);
    byId('animate').textContent = tr(kTexts.animate);
}

// The desktop's keys anywhere in the window: Ctrl+D for the flat picture,
// Ctrl+H for the hidden parts, and once a figure is shown Ctrl with the arrows and with "+" and "-"
// (Command on a Mac, where the desktop's toolkit puts Ctrl). While a dialog
// is open they wait, as the main window's keys do behind a modal dialog.
function WireKeys(program, flatOption, hiddenOption, changed) {
    const isMac = /Mac|iP(hone|ad|od)/.test(navigator.platform || '');
    document.addEventListener('keydown', (event) => {
        const command = isMac ? event.metaKey : event.ctrlKey;
        if (!command || event.altKey || DialogOpen())
            return;
        if (event.key === 'd' || event.key === 'D')
            flatOption.click();
        else if (event.key === 'h' || event.key === 'H')
            hiddenOption.click();
        else if (!program.figure())
            return;
        else if (event.key in kOrbitKeys)
            program.orbitKey(kOrbitKeys[event.key]);
        else if (event.key in kZoomKeys)
            program.zoomKey(kZoomKeys[event.key]);
        else
            return;
        event.preventDefault();
        changed();
    });
}

// An option of the window: a checkbox, remembered, applied by `apply`.
function WireOption(checkbox, key, apply, changed) {
    checkbox.checked = Remembered(key);
    apply(checkbox.checked);
    checkbox.addEventListener('change', () => {
        Remember(key, checkbox.checked);
        apply(checkbox.checked);
        changed();
    });
}

// The pictures as shown, as one canvas: the figure's alone or, with
// "Desarrollo" on, the flat one beside it, the gap's device pixels in the
// page's colour between them, as the desktop's saved image has them.
function ShownCanvas(canvas, flatCanvas, flatShown, gap) {
    if (!flatShown)
        return canvas;
    const between = Math.round(gap * (window.devicePixelRatio || 1));
    const both = document.createElement('canvas');
    both.width = canvas.width + between + flatCanvas.width;
    both.height = Math.max(canvas.height, flatCanvas.height);
    const context = both.getContext('2d', {alpha: false});
    context.fillStyle = getComputedStyle(document.documentElement).backgroundColor;
    context.fillRect(0, 0, both.width, both.height);
    context.drawImage(canvas, 0, 0);
    context.drawImage(flatCanvas, canvas.width + between, 0);
    return both;
}

// "Guardar imagen" saves the pictures as shown, "Guardar SVG" their vector
// drawing titled as the desktop's is.
function WireExports(program, canvas, flatCanvas, flatOption, tr, byId, marks) {
    byId('save-png').addEventListener('click', () => {
        ShownCanvas(canvas, flatCanvas, flatOption.checked, program.flatGap)
            .toBlob((blob) => blob && Download(blob, program.fileStem() + '.png'), 'image/png');
    });
    byId('save-svg').addEventListener('click', () => {
        const figure = kFigures.find((f) => f.kind === program.figure());
        const title = figure ? Arg(tr(kTexts.caption), tr(figure.title),
                                   Arg(tr(kTexts.angleLabel), program.angle()))
                             : '';
        const square = {
            side: program.pictureSize,
            black: program.squareColour,
            white: program.borderColour,
            dashes: program.dashes
        };
        const svg = flatOption.checked ? SideBySideSvg(program.paths(), program.flatPaths(), title,
                                                       square, program.flatGap, marks())
                                       : PictureSvg(program.paths(), title, square, marks());
        Download(new Blob([svg], {type: 'image/svg+xml'}), program.fileStem() + '.svg');
    });
}

function Run(module, tr, version, language) {
    const program = Program(module);
    const OneDecimal = Decimals(language, 1), TwoDecimals = Decimals(language, 2);
    // The mark of picture `which` with its text, "60,0º".
    const Mark = (which) => {
        const mark = program.mark(which);
        mark.text = Arg(tr(kTexts.measured), OneDecimal(mark.angle));
        return mark;
    };
    // "; punto en t = 0,50, ángulo medido 60,0º", or nothing without the mark.
    const PointDescription = () => {
        if (!program.pointShown())
            return '';
        const mark = Mark(0);
        const name = tr(program.figure() === 3 ? kTexts.theta : kTexts.tee);
        const where = TwoDecimals(program.pointParameter());
        return mark.hasAngle ? Arg(tr(kTexts.pointAt), name, where, mark.text)
                             : Arg(tr(kTexts.pointNoAngle), name, where);
    };
    const byId = (id) => document.getElementById(id);
    const canvas = byId('picture');
    const sliders = kBarOrder.map((bar) => byId('bar' + bar));
    const label = byId('angle-label');
    const exports = [byId('save-png'), byId('save-svg')];
    ShowTexts(tr, byId);
    WireDialogs(tr, version);

    const flatCanvas = byId('flat-picture');
    const flatOption = byId('flat');
    let view = null;
    function Changed() {
        view.show();
        ShowBars(program, sliders);
        const angle = program.labelAngle();
        SetProperty(label, 'textContent', angle === null ? '' : Arg(tr(kTexts.angleLabel), angle));
        const figure = kFigures.find((f) => f.kind === program.figure());
        const point = PointDescription();
        const Name = (title, none) =>
            figure ? Arg(tr(kTexts.pictureName), tr(title), program.angle()) + point : tr(none);
        SetAttribute(canvas, 'aria-label', Name(figure && figure.title, kTexts.noFigure));
        SetAttribute(flatCanvas, 'aria-label',
                     Name(figure && figure.flatTitle, kTexts.flatNoFigure));
        SetProperty(byId('flat-frame'), 'hidden', !flatOption.checked);
        for (const button of exports)
            SetProperty(button, 'disabled', !figure);
        SetProperty(byId('animate'), 'disabled', !figure);
        flatCanvas.classList.toggle('takes-pointer', program.pointShown());
    }

    for (const figure of kFigures)
        byId(figure.id).addEventListener('click', () => {
            program.curveButton(figure.kind);
            Changed();
        });
    WireBars(program, sliders, Changed);
    WireOption(byId('smooth'), kSmoothKey, program.setSmooth, Changed);
    WireOption(flatOption, kFlatKey, program.setFlat, Changed);
    WireOption(byId('hidden'), kHiddenKey, program.setHidden, Changed);
    const pointOption = byId('point');
    pointOption.addEventListener('change', () => {
        program.setPoint(pointOption.checked);
        Changed();
    });
    WirePoint(program, pointOption, byId('animate'), flatCanvas, Changed);
    // Most pictures have no mark: its parts and its text are read for one.
    // Says whether it drew the text.
    const OverPicture = (which, context, side) =>
        program.markShown(which) &&
        DrawMarkText(context, Mark(which), side, program.pictureSize, program.markTextPixels);
    view = PictureView(byId('picture-frame'), canvas, flatCanvas, program, OverPicture);
    WirePictureInput(canvas, program, Changed);
    WireKeys(program, flatOption, byId('hidden'), Changed);
    // The marks as the SVG writes them, while the point is shown.
    const SvgMarks = () => {
        if (!program.pointShown())
            return null;
        const flat = Mark(2);
        return {
            figure: Mark(0),
            flat: flat.shown ? flat : null,
            flatLabel: Mark(1).label,
            dotRadius: program.markDotRadius,
            textPixels: program.markTextPixels,
        };
    };
    WireExports(program, canvas, flatCanvas, flatOption, tr, byId, SvgMarks);
    WireViewMenu(byId('view'), byId('view-menu'), [
        {control: byId('smooth')}, {control: flatOption}, {control: byId('hidden')},
        {control: pointOption}, {control: byId('animate')}, {separator: true},
        {control: byId('save-png')}, {control: byId('save-svg')}
    ]);

    Changed();
    document.documentElement.classList.add('running');
}

// Without WebAssembly (or with its module refused) the page says so in one
// line, the same line it shows when scripts are blocked.
function Unavailable() { document.documentElement.classList.add('unavailable'); }

function Start(english, version) {
    const language =
        PageLanguage(navigator.languages && navigator.languages.length ? navigator.languages
                                                                       : [navigator.language]);
    document.documentElement.lang = language;
    const tr = Translator(language, english);
    if (typeof WebAssembly !== 'object' || typeof TorsivaModule !== 'function') {
        Unavailable();
        return;
    }
    let loading;
    try {
        loading = TorsivaModule();
    } catch (error) {
        Unavailable();
        return;
    }
    // This Emscripten's factory gives the module with a promise of its
    // start in `ready`; later ones give the promise itself.
    Promise.resolve(loading.ready || loading)
        .then((module) => Run(module, tr, version, language), () => Unavailable());
}
