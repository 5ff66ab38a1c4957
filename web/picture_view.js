// SPDX-License-Identifier: MIT
// The picture on the page: a canvas element with one canvas pixel per device
// pixel, filled from the program's picture with putImageData. Its frame
// is laid out in CSS pixels; a frame of side `side` on a screen of device
// pixel ratio r asks for the scale side · r / 500, as the desktop's picture
// does, and the picture is shown pixel for pixel, never scaled up. A picture
// smaller than its frame (the largest scale is 16, or memory ran short)
// stands in its top left corner.

function PictureView(frame, canvas, program) {
    const context = canvas.getContext('2d');
    let shownRedraw = -1;

    // The frame's side in device pixels, exact where the browser reports it.
    function DevicePixels(entry) {
        const box = entry && entry.devicePixelContentBoxSize;
        if (box && box.length)
            return box[0].inlineSize;
        return frame.clientWidth * (window.devicePixelRatio || 1);
    }

    function Show() {
        const redraw = program.redraws();
        const side = program.pictureSide();
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
        context.putImageData(new ImageData(program.pictureBytes(), side, side), 0, 0);
    }

    function Measure(entry) {
        const pixels = DevicePixels(entry);
        if (pixels > 0)
            program.setScale(pixels / 500);
        Show();
    }

    if (typeof ResizeObserver === 'function') {
        const observer = new ResizeObserver((entries) => Measure(entries[entries.length - 1]));
        try {
            observer.observe(frame, {box: 'device-pixel-content-box'});
        } catch (error) {
            observer.observe(frame);
        }
    } else {
        window.addEventListener('resize', () => Measure(null));
    }
    Measure(null);
    return {show: Show};
}
