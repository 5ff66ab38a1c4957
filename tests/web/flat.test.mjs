// SPDX-License-Identifier: MIT
// "Desarrollo": the flat picture beside the figure, pixel for pixel the
// desktop's (torsiva-snapshot --flat), following the figure and the angle
// but not the eye, turned on and off by its checkbox and by Ctrl+D, and
// remembered.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {DifferingPixels, PagePixels, PictureCentre, SharedBrowser, Snapshot} from './support.mjs';

const {Opened} = SharedBrowser();

const FlatShown = (page) => page.locator('#flat-frame').isVisible();

test('Ctrl+D shows and hides it, named as the desktop names it', async () => {
    await Opened({}, async ({page}) => {
        assert.equal(await FlatShown(page), false);
        await page.keyboard.press('Control+KeyD');
        assert.equal(await FlatShown(page), true);
        await page.getByRole('img', {name: 'Desarrollo: todavía no hay figura'}).waitFor();
        assert.equal(await page.getByRole('checkbox', {name: 'Desarrollo'}).isChecked(), true);
        await page.getByRole('button', {name: 'Hélice cónica'}).click();
        await page
            .getByRole('img', {
                name: 'Desarrollo del cono: la hélice cónica es una espiral logarítmica, ángulo 60º'
            })
            .waitFor();
        await page.getByRole('checkbox', {name: 'Desarrollo'}).uncheck();
        assert.equal(await FlatShown(page), false);
    });
});

for (const ratio of [1, 2])
    test(`each figure's flat picture at device pixel ratio ${ratio} is the desktop's`, async () => {
        await Opened({deviceScaleFactor: ratio}, async ({page}) => {
            await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
            for (const [figure, title] of [['helix', 'Hélice'], ['conical', 'Hélice cónica'],
                                           ['spherical', 'Hélice esférica']]) {
                await page.getByRole('button', {name: title, exact: true}).click();
                const desktop = Snapshot(['--figure', figure, '--flat', '--scale', String(ratio)]);
                assert.equal(DifferingPixels(await PagePixels(page, 'flat-picture'), desktop), 0,
                             figure);
            }
        });
    });

test('it follows the angle, not the eye, and leaves the figure as it was', async () => {
    await Opened({}, async ({page}) => {
        await page.getByRole('button', {name: 'Hélice esférica'}).click();
        await page.keyboard.press('Control+KeyD');
        await page.getByRole('slider', {name: 'Barra A: ángulo de la curva'}).focus();
        for (let i = 0; i < 15; ++i)
            await page.keyboard.press('ArrowUp');
        const centre = await PictureCentre(page);
        await page.mouse.move(centre.x, centre.y);
        await page.mouse.down();
        await page.mouse.move(centre.x + 30, centre.y + 30);
        await page.mouse.up();
        const flat = Snapshot(['--figure', 'spherical', '--angle', '45', '--flat']);
        assert.equal(DifferingPixels(await PagePixels(page, 'flat-picture'), flat), 0);
        const figure = Snapshot([
            '--script-actions',
            [
                {button: 'spherical'}, ...Array(15).fill({scroll: {bar: 1014, code: 0}}),
                {press: [centre.x, centre.y]}, {move: [centre.x + 30, centre.y + 30]},
                {release: [centre.x + 30, centre.y + 30]}
            ]
        ]);
        assert.equal(DifferingPixels(await PagePixels(page), figure), 0);
    });
});

test('the choice is remembered', async () => {
    await Opened({}, async ({page}) => {
        await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
        await page.reload();
        await page.waitForFunction(() => document.documentElement.classList.contains('running'));
        assert.equal(await page.getByRole('checkbox', {name: 'Desarrollo'}).isChecked(), true);
        assert.equal(await FlatShown(page), true);
    });
});
