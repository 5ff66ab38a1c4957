// SPDX-License-Identifier: MIT
// The A, Z and P bars as upright range inputs, driven only by the view
// controls: what the user does to a slider goes to the controls, and the
// slider then shows what they left, as the desktop's scroll bars do.
//
// The keys on a focused slider are the scroll bar's: the up and down arrows
// (and left and right) are its arrow clicks, Page Up and Page Down its page
// clicks, Home and End its ends. Dragging the thumb reports it moving and,
// when let go, dropped.

// Bars in the order of the core's Bar, scroll codes as its ScrollCode.
const kBarOrder = ['A', 'Z', 'P'];
const kScrollCodes = {
    lineUp: 0,
    lineDown: 1,
    pageUp: 2,
    pageDown: 3,
    top: 6,
    bottom: 7
};
const kSliderKeys = {
    ArrowUp: kScrollCodes.lineUp,
    ArrowLeft: kScrollCodes.lineUp,
    ArrowDown: kScrollCodes.lineDown,
    ArrowRight: kScrollCodes.lineDown,
    PageUp: kScrollCodes.pageUp,
    PageDown: kScrollCodes.pageDown,
    Home: kScrollCodes.top,
    End: kScrollCodes.bottom,
};

// `program` is the page's program (main.js); `changed` runs after every
// action, to show what it left.
function WireBars(program, sliders, changed) {
    sliders.forEach((slider, bar) => {
        slider.addEventListener('keydown', (event) => {
            const code = kSliderKeys[event.key];
            // Ctrl with an arrow turns the figure and Shift with a left or
            // right arrow moves the point, whatever has the focus.
            const pointKey =
                event.shiftKey && (event.key === 'ArrowLeft' || event.key === 'ArrowRight');
            if (code === undefined || event.ctrlKey || event.metaKey || event.altKey || pointKey)
                return;
            event.preventDefault();
            program.scroll(bar, code);
            changed();
        });
        slider.addEventListener('input', () => {
            program.sliderMoved(bar, Number(slider.value), false);
            changed();
        });
        slider.addEventListener('change', () => {
            program.sliderMoved(bar, Number(slider.value), true);
            changed();
        });
    });
}

// Each slider as the controls left its bar, with what a screen reader says
// of it.
function ShowBars(program, sliders) {
    sliders.forEach((slider, bar) => {
        const shown = program.slider(bar);
        SetProperty(slider, 'min', String(shown.min));
        SetProperty(slider, 'max', String(shown.max));
        SetProperty(slider, 'value', String(shown.value));
        // A bar with no range yet (before the first figure) shows no
        // thumb, as the desktop's empty scroll bar shows none.
        slider.classList.toggle('empty', shown.min === shown.max);
        SetAttribute(slider, 'aria-valuetext', String(program.spokenValue(bar)));
    });
}
