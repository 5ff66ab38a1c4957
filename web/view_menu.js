// SPDX-License-Identifier: MIT
// "Ver", as on the desktop: a button in the left column that opens the menu
// of the window's options and exports, so that they are found where the
// desktop has them. Each entry stands for one of the page's own controls
// (the checkboxes and buttons beside the bars), which it presses: the
// controls stay the one place that holds each option. A checkbox's entry
// shows whether it is on. Arrow keys move through the entries, Home and
// End go to the ends, Escape closes the menu and gives the focus back to
// "Ver", as choosing an entry does, and a click elsewhere or Tab closes it.

// `entries` lists, in the desktop's order, {control} or {separator: true}:
// the control whose text and state an entry takes.
function WireViewMenu(button, menu, entries) {
    const items = [];
    for (const entry of entries) {
        if (entry.separator) {
            const line = document.createElement('div');
            line.setAttribute('role', 'separator');
            menu.appendChild(line);
            continue;
        }
        const control = entry.control;
        const checkbox = control.type === 'checkbox';
        const item = document.createElement('button');
        item.type = 'button';
        item.tabIndex = -1;
        item.setAttribute('role', checkbox ? 'menuitemcheckbox' : 'menuitem');
        // The focus goes back to "Ver", as it does when a desktop menu
        // closes; then the control takes the press.
        item.addEventListener('click', () => {
            Close(true);
            control.click();
        });
        menu.appendChild(item);
        items.push({item, control, checkbox});
    }

    // Each entry as its control is now: its text, on or off, enabled or not.
    function Refresh() {
        for (const {item, control, checkbox} of items) {
            const label = checkbox ? control.closest('label') : control;
            item.textContent = label ? label.textContent : '';
            if (checkbox)
                item.setAttribute('aria-checked', String(control.checked));
            item.disabled = control.disabled;
        }
    }
    const Enabled = () => items.map((i) => i.item).filter((item) => !item.disabled);
    function Open(focusFirst) {
        Refresh();
        menu.hidden = false;
        button.setAttribute('aria-expanded', 'true');
        const enabled = Enabled();
        if (focusFirst && enabled.length)
            enabled[0].focus();
    }
    function Close(giveFocusBack) {
        if (menu.hidden)
            return;
        menu.hidden = true;
        button.setAttribute('aria-expanded', 'false');
        if (giveFocusBack)
            button.focus();
    }

    button.addEventListener('click', () => (menu.hidden ? Open(false) : Close(false)));
    button.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowDown' || event.key === 'Enter' || event.key === ' ') {
            event.preventDefault();
            Open(true);
        }
    });
    menu.addEventListener('keydown', (event) => {
        const enabled = Enabled();
        const at = enabled.indexOf(document.activeElement);
        const To = (index) =>
            enabled.length && enabled[(index + enabled.length) % enabled.length].focus();
        const moves = {
            ArrowDown: () => To(at + 1),
            ArrowUp: () => To(at - 1),
            Home: () => To(0),
            End: () => To(enabled.length - 1),
            Escape: () => Close(true),
            Tab: () => Close(false),
        };
        if (!(event.key in moves))
            return;
        if (event.key !== 'Tab')
            event.preventDefault();
        event.stopPropagation();
        moves[event.key]();
    });
    document.addEventListener('pointerdown', (event) => {
        if (!menu.hidden && !menu.contains(event.target) && event.target !== button)
            Close(false);
    });
    return {refresh: Refresh};
}
