// SPDX-License-Identifier: MIT
// Pointers and the wheel over the picture, turned into the desktop's
// actions on the view controls.
//
// One pointer pressed on the picture (the mouse's main button, a pen, one
// finger) drags as the desktop's left button does: every move is one drag
// step between screen positions in CSS pixels, the desktop's logical
// pixels, so the same travel turns the figure as far. Moves the browser
// merged into one event are taken one by one, as they happened.
//
// A second finger ends the drag and starts a pinch: every kPinchStep CSS
// pixels by which the fingers move apart is one click on the Z bar's up
// arrow (a larger picture), every kPinchStep they close up one on its down
// arrow. The drag starts again only with a fresh press.
//
// A notch of the wheel is one Z arrow click: up for a larger picture, as
// the wheel over the desktop's Z bar.

const kPinchStep = 10;
// The wheel's travel per notch, by its delta mode (pixels, lines, pages):
// Chromium reports 100 pixels, Firefox 3 lines.
const kWheelNotch = [100, 3, 1];

function WirePictureInput(canvas, program, changed) {
    const pointers = new Map(); // pointer id → its last client position
    let dragging = null;        // the pointer that drags, if one does
    let pinch = null;           // {distance, carry} while two pointers are down
    let wheelCarry = 0;

    const ScreenOf = (event) => [Math.round(event.screenX), Math.round(event.screenY)];
    const Distance = () => {
        const [a, b] = [...pointers.values()];
        return Math.hypot(a.x - b.x, a.y - b.y);
    };

    function ZoomClicks(travel, step) {
        for (; travel >= step; travel -= step)
            program.scroll(1, kScrollCodes.lineUp);
        for (; travel <= -step; travel += step)
            program.scroll(1, kScrollCodes.lineDown);
        return travel;
    }

    canvas.addEventListener('pointerdown', (event) => {
        if (event.pointerType === 'mouse' && event.button !== 0)
            return;
        event.preventDefault();
        canvas.setPointerCapture(event.pointerId);
        pointers.set(event.pointerId, {x: event.clientX, y: event.clientY});
        if (pointers.size === 1) {
            dragging = event.pointerId;
            program.press(...ScreenOf(event));
        } else if (pointers.size === 2) {
            if (dragging !== null) {
                program.release();
                dragging = null;
            }
            pinch = {distance: Distance(), carry: 0};
        }
        changed();
    });

    canvas.addEventListener('pointermove', (event) => {
        if (!pointers.has(event.pointerId))
            return;
        const steps = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
        for (const step of steps.length ? steps : [event]) {
            pointers.set(event.pointerId, {x: step.clientX, y: step.clientY});
            if (event.pointerId === dragging) {
                program.move(...ScreenOf(step));
            } else if (pinch && pointers.size === 2) {
                const distance = Distance();
                pinch.carry = ZoomClicks(pinch.carry + distance - pinch.distance, kPinchStep);
                pinch.distance = distance;
            }
        }
        changed();
    });

    function Lift(event) {
        if (!pointers.delete(event.pointerId))
            return;
        if (event.pointerId === dragging) {
            program.release();
            dragging = null;
        }
        if (pointers.size < 2)
            pinch = null;
        changed();
    }
    canvas.addEventListener('pointerup', Lift);
    canvas.addEventListener('pointercancel', Lift);

    canvas.addEventListener('wheel', (event) => {
        event.preventDefault();
        const notch = kWheelNotch[event.deltaMode] || kWheelNotch[0];
        // Wheel deltas grow downwards; a notch up is the up arrow.
        wheelCarry = -ZoomClicks(-(wheelCarry + event.deltaY), notch);
        changed();
    }, {passive: false});
}
