// SPDX-License-Identifier: MIT
// "Partes ocultas": the contour and the hidden parts from the eye, pixel for
// pixel the desktop's (torsiva-snapshot --hidden), after a drag and with the
// eye brought close by the P bar too; its SVG the desktop's document;
// turned on and off by its checkbox and by Ctrl+H, and remembered.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';

import {
    DesktopSvg,
    DifferingPixels,
    Elements,
    kBarIds,
    PagePixels,
    PictureCentre,
    SharedBrowser,
    Snapshot
} from './support.mjs';

const {Opened} = SharedBrowser();

const Option = (page) => page.getByRole('checkbox', {name: 'Partes ocultas'});

test('Ctrl+H turns it on and off, and the choice is remembered', async () => {
    await Opened({}, async ({page}) => {
        assert.equal(await Option(page).isChecked(), false);
        await page.getByRole('button', {name: 'Hélice', exact: true}).click();
        const plain = await PagePixels(page);
        await page.keyboard.press('Control+KeyH');
        assert.equal(await Option(page).isChecked(), true);
        assert.ok(DifferingPixels(await PagePixels(page), plain) > 0, 'drawn again');
        await page.reload();
        await page.waitForFunction(() => document.documentElement.classList.contains('running'));
        assert.equal(await Option(page).isChecked(), true);
        await page.keyboard.press('Control+KeyH');
        assert.equal(await Option(page).isChecked(), false);
        await page.getByRole('button', {name: 'Hélice', exact: true}).click();
        assert.equal(DifferingPixels(await PagePixels(page), plain), 0, 'off: today\'s picture');
    });
});

for (const ratio of [1, 2])
    test(`each figure at device pixel ratio ${ratio} is the desktop's`, async () => {
        await Opened({deviceScaleFactor: ratio}, async ({page}) => {
            await Option(page).check();
            for (const [figure, title] of [['helix', 'Hélice'], ['conical', 'Hélice cónica'],
                                           ['spherical', 'Hélice esférica']]) {
                await page.getByRole('button', {name: title, exact: true}).click();
                const desktop =
                    Snapshot(['--figure', figure, '--hidden', '--scale', String(ratio)]);
                assert.equal(DifferingPixels(await PagePixels(page), desktop), 0, figure);
            }
        });
    });

test('after a drag and with the eye close, it is the desktop\'s', async () => {
    await Opened({}, async ({page}) => {
        await Option(page).check();
        await page.getByRole('button', {name: 'Hélice cónica'}).click();
        const p = page.getByRole('slider', {name: 'Barra P: distancia del ojo'});
        await p.focus();
        for (let i = 0; i < 110; ++i)
            await page.keyboard.press('ArrowUp');
        // A drag from the centre, written as the desktop's script as it runs.
        const start = await PictureCentre(page);
        const drag = [{press: [start.x, start.y]}];
        await page.mouse.move(start.x, start.y);
        await page.mouse.down();
        for (let i = 1; i <= 7; ++i) {
            await page.mouse.move(start.x + 6 * i, start.y - 10 * i);
            drag.push({move: [start.x + 6 * i, start.y - 10 * i]});
        }
        await page.mouse.up();
        drag.push({release: drag[drag.length - 1].move});
        const desktop = Snapshot([
            '--hidden', '--script-actions',
            [{button: 'conical'}, ...Array(110).fill({scroll: {bar: kBarIds.P, code: 0}}), ...drag]
        ]);
        assert.equal(DifferingPixels(await PagePixels(page), desktop), 0);
    });
});

test('its SVG is the desktop\'s document, with the hidden parts named', async () => {
    await Opened({acceptDownloads: true}, async ({page}) => {
        await Option(page).check();
        await page.getByRole('button', {name: 'Hélice esférica'}).click();
        const [download] = await Promise.all([
            page.waitForEvent('download'), page.getByRole('button', {name: 'Guardar SVG'}).click()
        ]);
        const svg = readFileSync(await download.path(), 'utf8');
        assert.match(svg, /class="curve hidden"[^>]*stroke-dasharray="4 4"/);
        assert.match(svg, /class="contour"/);
        const desktop = DesktopSvg([{button: 'spherical'}], ['--hidden']);
        assert.deepEqual(await Elements(page, svg), await Elements(page, desktop));
    });
});
