// SPDX-License-Identifier: MIT
// "Ver": the desktop's menu of options and exports, opened from its button
// in the left column, each entry pressing the page's own control.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {SharedBrowser} from './support.mjs';

const {Opened} = SharedBrowser();

// The menu's entries as a screen reader finds them: role, name, checked
// and enabled.
const Entries = (page) =>
    page.locator('#view-menu [role^="menuitem"]')
        .evaluateAll((items) =>
                         items.map((item) => [item.getAttribute('role'), item.textContent,
                                              item.getAttribute('aria-checked'), !item.disabled]));

test('it lists the options and exports in the desktop\'s order, as they stand', async () => {
    await Opened({}, async ({page}) => {
        const view = page.getByRole('button', {name: 'Ver'});
        assert.equal(await view.getAttribute('aria-haspopup'), 'menu');
        await view.click();
        assert.equal(await view.getAttribute('aria-expanded'), 'true');
        assert.deepEqual(await Entries(page),
                         [
                             ['menuitemcheckbox', 'Líneas suavizadas', 'false', true],
                             ['menuitemcheckbox', 'Desarrollo', 'false', true],
                             ['menuitemcheckbox', 'Partes ocultas', 'false', true],
                             ['menuitemcheckbox', 'Ángulo en un punto', 'false', true],
                             ['menuitem', 'Animar', null, false],
                             ['menuitem', 'Guardar imagen', null, false],
                             ['menuitem', 'Guardar SVG', null, false],
                         ],
                         'before a figure there is nothing to run or save');
        await page.getByRole('menuitemcheckbox', {name: 'Desarrollo'}).click();
        assert.equal(await page.locator('#view-menu').isVisible(), false, 'it closes');
        assert.equal(await page.getByRole('checkbox', {name: 'Desarrollo'}).isChecked(), true);
        assert.equal(await page.locator('#flat-frame').isVisible(), true);
        await page.getByRole('button', {name: 'Hélice', exact: true}).click();
        await view.click();
        const entries = await Entries(page);
        assert.deepEqual(entries[1], ['menuitemcheckbox', 'Desarrollo', 'true', true]);
        assert.ok(entries.slice(4).every((entry) => entry[3]), 'a figure can be run and saved');
        await page.mouse.click(900, 650);
        assert.equal(await page.locator('#view-menu').isVisible(), false, 'a click elsewhere');
    });
});

test('the keyboard opens it, moves through it, chooses and closes', async () => {
    await Opened({}, async ({page}) => {
        await page.getByRole('button', {name: 'Hélice cónica'}).click();
        await page.getByRole('button', {name: 'Ver'}).focus();
        await page.keyboard.press('Enter');
        const Focused = () => page.evaluate(() => document.activeElement.textContent);
        assert.equal(await Focused(), 'Líneas suavizadas');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        assert.equal(await Focused(), 'Partes ocultas');
        await page.keyboard.press('ArrowUp');
        await page.keyboard.press('ArrowUp');
        await page.keyboard.press('ArrowUp');
        assert.equal(await Focused(), 'Guardar SVG', 'it goes round');
        await page.keyboard.press('Home');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Enter');
        assert.equal(await page.getByRole('checkbox', {name: 'Partes ocultas'}).isChecked(), true);
        await page.keyboard.press('Space');
        assert.equal(await page.locator('#view-menu').isVisible(), true, 'Space on Ver opens it');
        await page.keyboard.press('Escape');
        assert.equal(await page.locator('#view-menu').isVisible(), false);
        assert.equal(await Focused(), 'Ver', 'the focus goes back to the button');
    });
});
