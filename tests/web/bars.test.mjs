// SPDX-License-Identifier: MIT
// The bars' ranges and limits, by the keys and by a script setting values
// beyond them: the view controls hold each to its bar, as on the desktop.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {DecodePng} from './png.mjs';
import {
    DifferingPixels,
    kBarIds,
    LaunchBrowser,
    OpenPage,
    PagePixels,
    Snapshot
} from './support.mjs';

const kA = 'Barra A: ángulo de la curva';
const kZ = 'Barra Z: tamaño de la imagen';
const kP = 'Barra P: distancia del ojo';

let browser, opened;
before(async () => {
    browser = await LaunchBrowser();
    opened = await OpenPage(browser);
});
after(async () => { await browser.close(); });

const Slider = (name) => opened.page.getByRole('slider', {name});
async function Shown(name) {
    return Slider(name).evaluate((s) => ({
                                     min: Number(s.min),
                                     max: Number(s.max),
                                     value: Number(s.value),
                                     spoken: s.getAttribute('aria-valuetext')
                                 }));
}
async function Press(name, key, times) {
    await Slider(name).focus();
    for (let i = 0; i < times; ++i)
        await opened.page.keyboard.press(key);
}

// How many of a bar's pixels are in the colour of its thumb (and of its
// filled part): a thumb is a disc some 16 pixels across, some 200 pixels;
// an empty bar's fill is at most a cap at one end.
async function ThumbPixels(name) {
    const shot = DecodePng(await Slider(name).screenshot());
    let count = 0;
    for (let i = 0; i < shot.rgba.length; i += 4) {
        const [r, g, b] = shot.rgba.subarray(i, i + 3);
        count += b > 150 && r < 100 && b - g > 60;
    }
    return count;
}

test('before a figure the bars have no range, yet their arrows work', async () => {
    for (const bar of [kA, kZ, kP])
        assert.ok(await ThumbPixels(bar) < 150, `${bar}: no thumb on an empty bar`);
    assert.deepEqual(await Shown(kA), {min: 0, max: 0, value: 0, spoken: '60'});
    await Press(kA, 'ArrowDown', 1);
    assert.equal(await opened.page.locator('#angle-label').textContent(), 'Ángulo = 61º');
    assert.equal((await Shown(kA)).spoken, '61');
    // The empty square is drawn: black with a white border.
    const picture = await PagePixels(opened.page);
    assert.equal(picture.width, 500);
    assert.deepEqual([...picture.rgba.subarray(0, 4)], [255, 255, 255, 255]);
    assert.deepEqual([...picture.rgba.subarray(4 * 501, 4 * 502)], [0, 0, 0, 255]);
});

test('each bar stops at its ends', async () => {
    await opened.page.getByRole('button', {name: 'Hélice', exact: true}).click();
    assert.deepEqual(await Shown(kA), {min: 2, max: 89, value: 60, spoken: '60'});
    assert.deepEqual(await Shown(kZ), {min: 0, max: 100, value: 50, spoken: '50'});
    assert.deepEqual(await Shown(kP), {min: 20, max: 300, value: 300, spoken: '300'});
    for (const bar of [kA, kZ, kP])
        assert.ok(await ThumbPixels(bar) > 600, `${bar}: its thumb once it has a range`);
    await Press(kA, 'ArrowUp', 60);
    assert.equal((await Shown(kA)).value, 2);
    await Press(kA, 'ArrowDown', 90);
    assert.equal((await Shown(kA)).value, 89);
    await Press(kZ, 'ArrowUp', 51);
    assert.equal((await Shown(kZ)).value, 100);
    await Press(kZ, 'ArrowDown', 101);
    assert.equal((await Shown(kZ)).value, 0);
    await Press(kP, 'ArrowUp', 141);
    assert.equal((await Shown(kP)).value, 20);
    await Press(kP, 'ArrowDown', 2);
    assert.equal((await Shown(kP)).value, 24);
    // Page keys and the ends change nothing, as the scroll bar's page
    // clicks and ends do.
    for (const key of ['PageUp', 'PageDown', 'Home', 'End'])
        await Press(kP, key, 1);
    assert.equal((await Shown(kP)).value, 24);
    const desktop =
        Snapshot(['--figure', 'helix', '--angle', '89', '--zoom', '0', '--eye', '24,0,0']);
    assert.equal(DifferingPixels(await PagePixels(opened.page), desktop), 0);
    // The spherical helix goes down to 0.
    await opened.page.getByRole('button', {name: 'Hélice esférica'}).click();
    await Press(kA, 'ArrowUp', 61);
    assert.deepEqual(await Shown(kA), {min: 0, max: 89, value: 0, spoken: '0'});
});

test('values a script sets beyond the ends are held to the bar', async () => {
    await opened.page.getByRole('button', {name: 'Hélice cónica'}).click();
    const Set = (name, value, events) => Slider(name).evaluate((slider, [value, events]) => {
        // Past the input's own clamp, as a script that sets its bounds first would.
        slider.min = '-1000';
        slider.max = '1000';
        slider.value = String(value);
        for (const event of events)
            slider.dispatchEvent(new Event(event, {bubbles: true}));
    }, [value, events]);
    await Set(kA, 500, ['input']);
    assert.deepEqual(await Shown(kA), {min: 2, max: 89, value: 89, spoken: '89'});
    await Set(kA, -40, ['input', 'change']);
    assert.deepEqual(await Shown(kA), {min: 2, max: 89, value: 2, spoken: '2'});
    await Set(kZ, 900, ['change']);
    assert.deepEqual(await Shown(kZ), {min: 0, max: 100, value: 100, spoken: '100'});
    await Set(kP, -900, ['change']);
    assert.deepEqual(await Shown(kP), {min: 20, max: 300, value: 20, spoken: '20'});
    const desktop = Snapshot([
        '--script-actions',
        [
            {button: 'conical'}, {scroll: {bar: kBarIds.A, code: 4, pos: 2}},
            {scroll: {bar: kBarIds.Z, code: 4, pos: 0}},
            {scroll: {bar: kBarIds.P, code: 4, pos: 20}}
        ]
    ]);
    assert.equal(DifferingPixels(await PagePixels(opened.page), desktop), 0);
    assert.deepEqual(opened.problems, []);
});
