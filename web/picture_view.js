// SPDX-License-Identifier: MIT
// The pictures on the page: canvas elements with one canvas pixel per device
// pixel, filled from the program's pictures with putImageData. The figure's
// frame is laid out in CSS pixels; a frame of side `side` on a screen of
// device pixel ratio r asks for the scale side · r / 500, as the desktop's
// picture does, and the flat picture follows it. A picture is shown pixel
// for pixel, never scaled up: one smaller than its frame (the largest scale
// is 16, or memory ran short) stands in its top left corner.

// Shows a picture of the program on `canvas` whenever it has been drawn
// again; `picture` gives its redraw count, side and bytes, and `over`
// draws what goes over its pixels (the angle mark's text).
function CanvasShow(canvas, picture) {
    // Opaque, as every pixel of a picture is: putImageData then has no
    // alpha to premultiply, at half the cost.
    const context = canvas.getContext('2d', {alpha: false});
    // Until the first redraw a picture shows the window's background, as
    // the desktop's does.
    context.fillStyle = getComputedStyle(document.documentElement).backgroundColor;
    context.fillRect(0, 0, canvas.width, canvas.height);
    let shownRedraw = -1;
    return function Show() {
        const redraw = picture.redraws();
        const side = picture.side();
        if (redraw === shownRedraw || side === 0)
            return;
        shownRedraw = redraw;
        if (canvas.width !== side || canvas.height !== side) {
            canvas.width = side;
            canvas.height = side;
        }
        const ratio = window.devicePixelRatio || 1;
        canvas.style.width = side / ratio + 'px';
        canvas.style.height = side / ratio + 'px';
        context.putImageData(new ImageData(picture.bytes(), side, side), 0, 0);
        picture.over(context, side);
    };
}

// `over(which, context, side)` draws over picture `which` (0 the figure's,
// 1 the flat one).
function PictureView(frame, canvas, flatCanvas, program, over) {
    const showFigure = CanvasShow(canvas, {
        redraws: program.redraws,
        side: program.pictureSide,
        bytes: program.pictureBytes,
        over: (context, side) => over(0, context, side),
    });
    const showFlat = CanvasShow(flatCanvas, {
        redraws: program.flatRedraws,
        side: program.flatSide,
        bytes: program.flatBytes,
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
