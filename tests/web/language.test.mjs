// SPDX-License-Identifier: MIT
// The page's language by the desktop's rule: English when the browser's
// first language is English, Spanish otherwise; the English is the
// desktop's translations file's.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {OpenPage, SharedBrowser} from './support.mjs';

const {Browser} = SharedBrowser();

async function Texts(locale) {
    const {context, page, problems} = await OpenPage(Browser(), {locale});
    try {
        await page.locator('#conical').click();
        return {
            lang: await page.evaluate(() => document.documentElement.lang),
            title: await page.title(),
            buttons: await page.getByRole('button').allTextContents(),
            sliders: await page.getByRole('slider').evaluateAll(
                (all) => all.map((s) => s.getAttribute('aria-label'))),
            label: await page.locator('#angle-label').textContent(),
            picture: await page.locator('#picture').getAttribute('aria-label'),
            group: await page.locator('#curves-legend').textContent(),
            problems,
        };
    } finally {
        await context.close();
    }
}

test('an English browser gets the English of the translations file', async () => {
    for (const locale of ['en-US', 'en-GB', 'en']) {
        const english = await Texts(locale);
        assert.equal(english.lang, 'en', locale);
        assert.equal(english.title, 'Torsiva');
        assert.equal(english.group, 'Curves');
        assert.deepEqual(
            english.buttons.slice(0, 6),
            ['Helix', 'Conical helix', 'Spherical helix', 'View', 'Instructions', 'About Torsiva']);
        assert.ok(english.buttons.includes('Save Picture') && english.buttons.includes('Save SVG'));
        assert.deepEqual(english.sliders, [
            'A bar: angle of the curve', 'Z bar: size of the picture', 'P bar: distance of the eye'
        ]);
        assert.equal(english.label, 'Angle = 60°');
        assert.equal(english.picture, 'Conical helix, angle 60°');
        assert.deepEqual(english.problems, []);
    }
});

test('every other language is Spanish', async () => {
    for (const locale of ['es-ES', 'de-DE', 'fr', 'pt-BR']) {
        const spanish = await Texts(locale);
        assert.equal(spanish.lang, 'es', locale);
        assert.equal(spanish.group, 'Curvas');
        assert.equal(spanish.label, 'Ángulo = 60º');
        assert.equal(spanish.picture, 'Hélice cónica, ángulo 60º');
    }
});
