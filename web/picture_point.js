// SPDX-License-Identifier: MIT
// "Ángulo en un punto" on the page, as on the desktop: the checkbox shows
// the mark in both pictures; Shift with the left and right arrows steps the
// point along the curve; a press or a drag in the flat picture takes it to
// the curve point nearest the pointer there, and never turns the figure;
// "Animar" (or Space where no button has the focus) runs it from the
// curve's start to its end in the core's 12 seconds, frame by frame, until
// it is pressed again, another figure is drawn, a dialog opens, the point is
// turned off or moved by hand, or the page is hidden. The measured angle's
// text is the page's own, drawn over the picture with a dark halo.

// "60,0º" in Spanish, "60.0°" in English: one decimal in the page's
// language, as the desktop words it in its own.
function Decimals(language, digits) {
    const format = new Intl.NumberFormat(
        language === 'en' ? 'en' : 'es',
        {minimumFractionDigits: digits, maximumFractionDigits: digits, useGrouping: false});
    return (value) => format.format(value);
}

// The mark's text over a picture of side `side` (device pixels), centred on
// its label, kAngleTextPixels picture pixels high, in the mark's yellow on a
// halo three picture pixels wide.
function DrawMarkText(context, mark, side, pictureSize, textPixels) {
    if (!mark.shown || !mark.hasAngle)
        return false;
    const scale = side / pictureSize;
    context.save();
    context.font = Math.max(1, Math.round(textPixels * scale)) + 'px sans-serif';
    context.textAlign = 'center';
    context.textBaseline = 'middle';
    context.lineJoin = 'round';
    context.lineWidth = 3 * scale;
    context.strokeStyle = 'rgb(0,0,0)';
    context.fillStyle = 'rgb(255,255,0)';
    const x = scale * mark.label[0], y = scale * mark.label[1];
    context.strokeText(mark.text, x, y);
    context.fillText(mark.text, x, y);
    context.restore();
    return true;
}

// The flat picture's pointer: the point to the nearest curve point while
// the left button (a pen, a finger) is down on it.
function WireFlatPress(flatCanvas, program, stop, changed) {
    let pressing = null;
    const Move = (event) => {
        const box = flatCanvas.getBoundingClientRect();
        if (box.width <= 0)
            return;
        const perPixel = program.pictureSize / box.width;
        if (program.pointFlat((event.clientX - box.left) * perPixel,
                              (event.clientY - box.top) * perPixel))
            changed();
    };
    flatCanvas.addEventListener('pointerdown', (event) => {
        if (!program.pointShown() || (event.pointerType === 'mouse' && event.button !== 0))
            return;
        event.preventDefault();
        flatCanvas.setPointerCapture(event.pointerId);
        pressing = event.pointerId;
        stop();
        Move(event);
    });
    flatCanvas.addEventListener('pointermove', (event) => {
        if (event.pointerId === pressing)
            Move(event);
    });
    const End = (event) => {
        if (event.pointerId === pressing)
            pressing = null;
    };
    flatCanvas.addEventListener('pointerup', End);
    flatCanvas.addEventListener('pointercancel', End);
}

// The animation, one frame a display refresh; returns what stops it.
function WireAnimation(program, button, option, changed) {
    let frame = null;
    let start = 0;
    function Stop() {
        if (frame !== null)
            cancelAnimationFrame(frame);
        frame = null;
        button.setAttribute('aria-pressed', 'false');
    }
    function Tick(now) {
        frame = null;
        if (program.figureChanged() || DialogOpen() || document.hidden || !option.checked) {
            Stop();
            changed();
            return;
        }
        program.animate(Math.max(0, now - start) / 1000);
        changed();
        frame = requestAnimationFrame(Tick);
    }
    function Start() {
        if (!program.figure())
            return;
        if (!option.checked)
            option.click();
        program.figureChanged(); // what was drawn before counts for nothing
        start = performance.now();
        button.setAttribute('aria-pressed', 'true');
        frame = requestAnimationFrame(Tick);
    }
    button.addEventListener('click', () => (frame === null ? Start() : Stop()));
    document.addEventListener('visibilitychange', () => {
        if (document.hidden)
            Stop();
    });
    return {stop: Stop, toggle: () => button.click()};
}

// Shift with the left or right arrow, and Space, wherever the focus is but
// on a control that Space presses.
function WirePointKeys(program, animation, changed) {
    document.addEventListener('keydown', (event) => {
        if (event.ctrlKey || event.metaKey || event.altKey || DialogOpen())
            return;
        const arrow = {ArrowLeft: -1, ArrowRight: +1}[event.key];
        if (event.shiftKey && arrow !== undefined) {
            if (!program.pointShown())
                return;
            event.preventDefault();
            animation.stop();
            if (program.pointStep(arrow))
                changed();
            return;
        }
        const target = event.target;
        const pressable = target && (target.tagName === 'BUTTON' || target.type === 'checkbox');
        if (event.key === ' ' && !event.shiftKey && !pressable) {
            event.preventDefault();
            animation.toggle();
        }
    });
}

function WirePoint(program, option, button, flatCanvas, changed) {
    const animation = WireAnimation(program, button, option, changed);
    option.addEventListener('change', () => {
        if (!option.checked)
            animation.stop();
    });
    WireFlatPress(flatCanvas, program, animation.stop, changed);
    WirePointKeys(program, animation, changed);
    return animation;
}
