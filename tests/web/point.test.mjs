// SPDX-License-Identifier: MIT
// "Ángulo en un punto" on the page: the mark in both pictures where the
// desktop draws it (torsiva-snapshot --point), its text the page's own; the
// point stepped by Shift with the arrows to the curve's ends, taken by a
// press in the flat picture without turning the figure, and run by
// "Animar" until a curve button or a dialog stops it; named for a screen
// reader in either language.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';

import {DesktopSvg, Elements, PagePixels, SharedBrowser, Snapshot} from './support.mjs';

const {Opened} = SharedBrowser();

const Option = (page) => page.getByRole('checkbox', {name: 'Ángulo en un punto'});
const Name = (page, id = 'picture') => page.locator('#' + id).getAttribute('aria-label');

// The pixels where two pictures differ lie in one box no larger than the
// angle's text: the page writes the text with its own fonts, the desktop
// with its toolkit's, and everything else is the same drawing.
function DiffersOnlyInTheText(a, b, scale) {
    assert.equal(a.width, b.width);
    assert.equal(a.height, b.height);
    let left = Infinity, right = -Infinity, top = Infinity, bottom = -Infinity, count = 0;
    for (let i = 0; i < a.rgba.length; i += 4) {
        if (a.rgba.readUInt32BE(i) === b.rgba.readUInt32BE(i))
            continue;
        const x = (i / 4) % a.width, y = Math.floor(i / 4 / a.width);
        left = Math.min(left, x);
        right = Math.max(right, x);
        top = Math.min(top, y);
        bottom = Math.max(bottom, y);
        ++count;
    }
    if (count === 0)
        return;
    assert.ok(right - left < 60 * scale && bottom - top < 26 * scale,
              `${count} pixels differ over ${right - left + 1} × ${bottom - top + 1}`);
}

for (const ratio of [1, 2])
    test(
        `the mark at each figure's default point, at ratio ${ratio}, is the desktop's`,
        async () => {
            await Opened({deviceScaleFactor: ratio}, async ({page}) => {
                await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
                await Option(page).check();
                for (const [figure, title,
                            point] of [['helix', 'Hélice', '0'],
                                       ['spherical', 'Hélice esférica', String(Math.PI / 2)]]) {
                    await page.getByRole('button', {name: title, exact: true}).click();
                    const scale = ['--scale', String(ratio)];
                    const figurePixels = await PagePixels(page);
                    const plain = Snapshot(['--figure', figure, ...scale]);
                    assert.notEqual(figurePixels.rgba.compare(plain.rgba), 0, 'the mark is drawn');
                    DiffersOnlyInTheText(figurePixels,
                                         Snapshot(['--figure', figure, '--point', point, ...scale]),
                                         ratio);
                    DiffersOnlyInTheText(
                        await PagePixels(page, 'flat-picture'),
                        Snapshot(['--figure', figure, '--flat', '--point', point, ...scale]),
                        ratio);
                }
                assert.match(await Name(page), /; punto en θ = 1,57, ángulo medido 60,0º$/);
                assert.match(await Name(page, 'flat-picture'),
                             /; punto en θ = 1,57, ángulo medido 60,0º$/);
                await Option(page).uncheck();
                assert.equal((await PagePixels(page)).rgba.compare(Snapshot([
                                                                       '--figure', 'spherical',
                                                                       ...['--scale', String(ratio)]
                                                                   ]).rgba),
                             0, 'off: the plain picture again');
            });
        });

test('Shift with the arrows steps the point and stops at the curve\'s ends', async () => {
    await Opened({}, async ({page}) => {
        await page.getByRole('button', {name: 'Hélice', exact: true}).click();
        await Option(page).check();
        const Parameter = async () => (await Name(page)).match(/t = (-?[0-9]+,[0-9]+)/)[1];
        assert.equal(await Parameter(), '0,00');
        await page.keyboard.press('Shift+ArrowRight');
        const one = await Parameter();
        assert.notEqual(one, '0,00');
        for (let i = 0; i < 120; ++i)
            await page.keyboard.press('Shift+ArrowRight');
        const end = await Parameter();
        await page.keyboard.press('Shift+ArrowRight');
        assert.equal(await Parameter(), end, 'stops at the end');
        for (let i = 0; i < 240; ++i)
            await page.keyboard.press('Shift+ArrowLeft');
        const start = await Parameter();
        assert.equal(start, '-' + end, 'the helix runs alike both ways');
        // On a focused bar the keys still move the point, not the bar.
        const a = page.getByRole('slider', {name: 'Barra A: ángulo de la curva'});
        await a.focus();
        await page.keyboard.press('Shift+ArrowRight');
        assert.notEqual(await Parameter(), start);
        assert.equal(await a.inputValue(), '60');
        assert.match(await Name(page), /ángulo medido 60,0º$/);
    });
});

test('a press in the flat picture takes the point there and leaves the eye alone', async () => {
    await Opened({}, async ({page}) => {
        await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
        await page.getByRole('button', {name: 'Hélice', exact: true}).click();
        await Option(page).check();
        const before = await Name(page);
        const box = await page.locator('#flat-picture').boundingBox();
        await page.mouse.move(box.x + box.width * 0.8, box.y + box.height * 0.3);
        await page.mouse.down();
        await page.mouse.move(box.x + box.width * 0.7, box.y + box.height * 0.35);
        await page.mouse.up();
        assert.notEqual(await Name(page), before, 'the point moved');
        await Option(page).uncheck();
        assert.equal((await PagePixels(page)).rgba.compare(Snapshot(['--figure', 'helix']).rgba), 0,
                     'the figure was not turned');
    });
});

test('"Animar" runs the point, the angle stays, and a curve button or a dialog stops it',
     async () => {
         await Opened({}, async ({page}) => {
             await page.getByRole('button', {name: 'Hélice cónica'}).click();
             const animate = page.getByRole('button', {name: 'Animar'});
             await animate.click();
             assert.equal(await Option(page).isChecked(), true, 'it shows the mark');
             const names = new Set();
             for (let i = 0; i < 5; ++i) {
                 await page.waitForTimeout(150);
                 names.add(await Name(page));
             }
             assert.ok(names.size >= 3, `${names.size} different points`);
             for (const name of names)
                 assert.match(name, /ángulo medido 60,0º$/);
             assert.equal(await animate.getAttribute('aria-pressed'), 'true');
             await page.getByRole('button', {name: 'Hélice esférica'}).click();
             await page.waitForTimeout(100);
             assert.equal(await animate.getAttribute('aria-pressed'), 'false');
             const stopped = await Name(page);
             await page.waitForTimeout(200);
             assert.equal(await Name(page), stopped);

             // Space with no button focused, which it would press instead.
             await page.evaluate(() => document.activeElement.blur());
             await page.keyboard.press('Space');
             assert.equal(await animate.getAttribute('aria-pressed'), 'true', 'Space starts it');
             await page.getByRole('button', {name: 'Instrucciones'}).click();
             await page.waitForTimeout(100);
             assert.equal(await animate.getAttribute('aria-pressed'), 'false');
         });
     });

test('in English the angle reads 60.0°', async () => {
    await Opened({locale: 'en-US'}, async ({page}) => {
        await page.getByRole('button', {name: 'Helix', exact: true}).click();
        await page.getByRole('checkbox', {name: 'Angle at a point'}).check();
        assert.match(await Name(page), /; point at t = 0\.00, measured angle 60\.0°$/);
    });
});

test('its SVG holds the mark as the desktop\'s does, in both pictures', async () => {
    await Opened({acceptDownloads: true}, async ({page}) => {
        await page.getByRole('button', {name: 'Hélice cónica'}).click();
        await Option(page).check();
        const Svg = async () => {
            const [download] = await Promise.all([
                page.waitForEvent('download'),
                page.getByRole('button', {name: 'Guardar SVG'}).click()
            ]);
            return readFileSync(await download.path(), 'utf8');
        };
        // The cone's default point, t = ln 6.2 / g, as the desktop finds it.
        const point = String(Math.log(6.2) / (0.5 / Math.tan(Math.PI / 3)));
        const alone = await Svg();
        assert.match(alone, /<g class="angle-mark"/);
        assert.deepEqual(
            await Elements(page, alone),
            await Elements(page, DesktopSvg([{button: 'conical'}], ['--point', point])));
        await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
        const both = await Svg();
        const flat = await Elements(page, both, 'svg > svg[x="510"]');
        assert.ok(flat.some((e) => e.includes('class=angle-mark')));
        assert.deepEqual(
            flat,
            (await Elements(page, DesktopSvg([{button: 'conical'}], ['--flat', '--point', point]),
                            'svg'))
                .filter((e) => e[1] !== 'title'));
    });
});
