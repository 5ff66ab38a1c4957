// SPDX-License-Identifier: MIT
// Writes to the page's elements that happen only when they change what the
// element holds. After every action the page shows the whole view again,
// and a drag or a held key is hundreds of actions; a write of the value an
// element already has still costs the browser its mutation, its style and
// its screen reader's events each time, a third of a redraw's time.

// element[name] = value, when it holds another value.
function SetProperty(element, name, value) {
    if (element[name] !== value)
        element[name] = value;
}

// element's attribute `name` = value, when it holds another value.
function SetAttribute(element, name, value) {
    if (element.getAttribute(name) !== value)
        element.setAttribute(name, value);
}
