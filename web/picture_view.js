// SPDX-License-Identifier: MIT
// The pictures on the page: canvas elements with one canvas pixel per device
// pixel, filled from the program's pictures with putImageData. The figure's
// frame is laid out in CSS pixels; a frame of side `side` on a screen of
// device pixel ratio r asks for the scale side · r / 500, as the desktop's
// picture does, and the flat picture follows it. A picture is shown pixel
// for pixel, never scaled up: one smaller than its frame (the largest scale
// is 16, or memory ran short) stands in its top left corner.

// Shows a picture of the program on `canvas` whenever it has been drawn
// again; `picture` gives its redraw count, side, bytes and the box that may
// have changed since it was last shown, and `over` draws what goes over its
// pixels (the angle mark's text), saying whether it drew any. Only the box
// is put again, unless the canvas was cleared (by a new size, or by the
// browser when it dropped the canvas's memory) or text was drawn over it,
// which the box does not cover.
function CanvasShow(canvas, picture) {
    // Opaque, as every pixel of a picture is: putImageData then has no
    // alpha to premultiply, at half the cost.
    const context = canvas.getContext('2d', {alpha: false});
    // Until the first redraw a picture shows the window's background, as
    // the desktop's does.
    context.fillStyle = getComputedStyle(document.documentElement).backgroundColor;
    context.fillRect(0, 0, canvas.width, canvas.height);
    let shownRedraw = -1;
    let whole = true;
    canvas.addEventListener('contextrestored', () => {
        whole = true;
        shownRedraw = -1;
        Show();
    });
    function Show() {
        const redraw = picture.redraws();
        const side = picture.side();
        if (redraw === shownRedraw || side === 0)
            return;
        shownRedraw = redraw;
        if (canvas.width !== side || canvas.height !== side) {
            canvas.width = side;
            canvas.height = side;
            whole = true;
        }
        const ratio = window.devicePixelRatio || 1;
        SetProperty(canvas.style, 'width', side / ratio + 'px');
        SetProperty(canvas.style, 'height', side / ratio + 'px');
        const pixels = new ImageData(picture.bytes(), side, side);
        const [left, top, right, bottom] = picture.changed();
        if (whole)
            context.putImageData(pixels, 0, 0);
        else if (right > left && Math.min(bottom, side) > top)
            context.putImageData(pixels, 0, 0, left, top, right - left,
                                 Math.min(bottom, side) - top);
        whole = picture.over(context, side);
    }
    return Show;
}

// `over(which, context, side)` draws over picture `which` (0 the figure's,
// 1 the flat one).
function PictureView(frame, canvas, flatCanvas, program, over) {
    const showFigure = CanvasShow(canvas, {
        redraws: program.redraws,
        side: program.pictureSide,
        bytes: program.pictureBytes,
        changed: () => program.takeChanged(0),
        over: (context, side) => over(0, context, side),
    });
    const showFlat = CanvasShow(flatCanvas, {
        redraws: program.flatRedraws,
        side: program.flatSide,
        bytes: program.flatBytes,
        changed: () => program.takeChanged(1),
        over: (context, side) => over(1, context, side),
    });
    function Show() {
        showFigure();
        showFlat();
    }

    // The scale from the frame's side in CSS pixels, as the desktop's from
    // its picture's logical side: side · r / 500, unrounded.
    function Measure() {
        const ratio = window.devicePixelRatio || 1;
        if (frame.clientWidth > 0)
            program.setScale(frame.clientWidth * ratio / program.pictureSize);
        Show();
    }

    // The frame's size changes with the layout; the ratio with the
    // browser's zoom or another screen, which the device-pixel box reports
    // where the browser has it and a query on the resolution elsewhere.
    if (typeof ResizeObserver === 'function') {
        const observer = new ResizeObserver(() => Measure());
        try {
            observer.observe(frame, {box: 'device-pixel-content-box'});
        } catch (error) {
            observer.observe(frame);
        }
    }
    window.addEventListener('resize', () => Measure());
    function WatchRatio() {
        const query = window.matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
        query.addEventListener('change', () => {
            Measure();
            WatchRatio();
        }, {once: true});
    }
    if (typeof window.matchMedia === 'function')
        WatchRatio();
    Measure();
    return {show: Show};
}
