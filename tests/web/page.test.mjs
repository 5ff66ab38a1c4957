// SPDX-License-Identifier: MIT
// The page as a file on disk: it loads with no request and no error, names
// every control as the desktop does, fits a phone, and says in one Spanish
// line when it cannot run.
import assert from 'node:assert/strict';
import {statSync} from 'node:fs';
import {describe, test} from 'node:test';

import {kPagePath, kPageUrl, PictureCentre, SharedBrowser} from './support.mjs';

const kUnavailable = 'Torsiva necesita un navegador con JavaScript y WebAssembly.';

const {Browser, Opened} = SharedBrowser();

describe('the file', () => {
    test('is one file of at most 400 KB, opened from file://', () => {
        assert.ok(kPageUrl.startsWith('file://'));
        assert.ok(statSync(kPagePath).size <= 400 * 1024, `${statSync(kPagePath).size} bytes`);
    });

    test('makes no request and logs no error through a whole session', async () => {
        await Opened({}, async ({page, problems}) => {
            for (const name of ['Hélice', 'Hélice cónica', 'Hélice esférica'])
                await page.getByRole('button', {name, exact: true}).click();
            await page.getByRole('slider', {name: 'Barra A: ángulo de la curva'}).fill('30');
            const centre = await PictureCentre(page);
            await page.mouse.move(centre.x, centre.y);
            await page.mouse.down();
            await page.mouse.move(centre.x + 40, centre.y + 20);
            await page.mouse.up();
            await page.mouse.wheel(0, -100);
            await page.getByRole('checkbox', {name: 'Líneas suavizadas'}).check();
            await page.getByRole('button', {name: 'Instrucciones'}).click();
            await page.keyboard.press('Escape');
            await page.getByRole('button', {name: 'Sobre Torsiva'}).click();
            await page.getByRole('button', {name: 'Aceptar'}).click();
            assert.deepEqual(problems, []);
        });
    });
});

describe('the controls', () => {
    test('carry the desktop names, in Spanish by default', async () => {
        await Opened({}, async ({page}) => {
            assert.equal(await page.evaluate(() => document.documentElement.lang), 'es');
            assert.equal(await page.title(), 'Torsiva');
            await page.getByRole('group', {name: 'Curvas'}).waitFor();
            for (const name of ['Hélice', 'Hélice cónica', 'Hélice esférica', 'Instrucciones',
                                'Sobre Torsiva'])
                await page.getByRole('button', {name, exact: true}).waitFor();
            assert.equal(await page.getByRole('button', {name: 'Cerrar'}).count(), 0);
            const picture = page.getByRole('img', {name: 'Todavía no hay figura: elija una curva'});
            await picture.waitFor();
            assert.equal(await picture.getAttribute('id'), 'picture');
            assert.equal(await page.locator('#angle-label').textContent(), '');
            assert.ok(await page.getByRole('button', {name: 'Guardar imagen'}).isDisabled());
        });
    });

    test('the picture and the label say what is shown', async () => {
        await Opened({}, async ({page}) => {
            await page.getByRole('button', {name: 'Hélice cónica'}).click();
            await page.getByRole('img', {name: 'Hélice cónica, ángulo 60º'}).waitFor();
            assert.equal(await page.locator('#angle-label').textContent(), 'Ángulo = 60º');
            const a = page.getByRole('slider', {name: 'Barra A: ángulo de la curva'});
            await a.focus();
            await page.keyboard.press('ArrowUp');
            await page.getByRole('img', {name: 'Hélice cónica, ángulo 59º'}).waitFor();
            assert.equal(await page.locator('#angle-label').textContent(), 'Ángulo = 59º');
            assert.equal(
                await page.locator('#picture').evaluate((e) => getComputedStyle(e).touchAction),
                'none');
            assert.equal(
                await page.locator('body').evaluate((e) => getComputedStyle(e).touchAction),
                'auto');
        });
    });

    test('the bars speak the values the desktop speaks', async () => {
        await Opened({}, async ({page}) => {
            const bar = (name) => page.getByRole('slider', {name});
            const spoken = (name) => bar(name).getAttribute('aria-valuetext');
            await page.getByRole('button', {name: 'Hélice'}).first().click();
            assert.equal(await spoken('Barra A: ángulo de la curva'), '60');
            assert.equal(await spoken('Barra Z: tamaño de la imagen'), '50');
            assert.equal(await spoken('Barra P: distancia del ojo'), '300');
            await bar('Barra Z: tamaño de la imagen').focus();
            await page.keyboard.press('ArrowUp');
            assert.equal(await spoken('Barra Z: tamaño de la imagen'), '51');
            assert.equal(await bar('Barra Z: tamaño de la imagen').inputValue(), '51');
            // After a drag the eye lies a hair off 300: said to the hundredth.
            const centre = await PictureCentre(page);
            await page.mouse.move(centre.x, centre.y);
            await page.mouse.down();
            for (let i = 1; i <= 20; ++i)
                await page.mouse.move(centre.x + 7 * i, centre.y - 3 * i);
            await page.mouse.up();
            assert.match(await spoken('Barra P: distancia del ojo'), /^(300|299\.\d\d?)$/);
        });
    });

    test('the dialogs are modal, with the desktop texts', async () => {
        await Opened({}, async ({page}) => {
            await page.getByRole('button', {name: 'Instrucciones'}).click();
            const instructions = page.getByRole('dialog', {name: 'INSTRUCCIONES'});
            await instructions.waitFor();
            const text = await page.locator('#instructions-text').textContent();
            assert.ok(text.startsWith('\n1. Curvas:\n    Se elige la curva a representar.'));
            assert.ok(
                text.endsWith('Cuanto menos es la distancia más se distorsiona la imagen.\n'));
            assert.equal(await page.locator('#keys-heading').textContent(), 'Teclado:');
            // Modal: the page behind it takes no click.
            assert.equal(
                await page.evaluate(
                    () => document.getElementById('instructions-dialog').matches(':modal')),
                true);
            await instructions.getByRole('button', {name: 'Cerrar'}).click();
            assert.equal(await instructions.isVisible(), false);
            await page.getByRole('button', {name: 'Sobre Torsiva'}).click();
            const about = page.getByRole('dialog', {name: 'Sobre Torsiva'});
            await about.getByRole('img', {name: 'Icono de Torsiva: una hélice sobre un cilindro'})
                .waitFor();
            assert.equal(
                await page.locator('#about-notice').textContent(),
                'Hélices sobre el cilindro, el cono y la esfera.\nVersión 1.0\nLicencia MIT');
            await page.keyboard.press('Escape');
            assert.equal(await about.isVisible(), false);
            // Neither drew anything.
            assert.equal(await page.locator('#picture').getAttribute('width'), '500');
            assert.equal(await page.locator('#angle-label').textContent(), '');
        });
    });
});

describe('the layout', () => {
    test('puts the bars beside the picture, and below it under 700 CSS pixels', async () => {
        for (const width of [1000, 700, 699, 390]) {
            const phone = width < 700;
            await Opened(
                {viewport: {width, height: 800}, deviceScaleFactor: phone ? 3 : 1},
                async ({page}) => {
                    await page.getByRole('button', {name: 'Hélice esférica'}).click();
                    const picture = await page.locator('#picture').boundingBox();
                    const bar =
                        await page.getByRole('slider', {name: 'Barra A: ángulo de la curva'})
                            .boundingBox();
                    assert.equal(bar.y >= picture.y + picture.height, phone, `width ${width}`);
                    if (phone) {
                        assert.ok(picture.width <= width, `width ${width}`);
                        const side = await page.locator('#picture').getAttribute('width');
                        assert.equal(Number(side), Math.round(picture.width * 3));
                        const scrolls = await page.evaluate(
                            () => document.documentElement.scrollWidth <= innerWidth);
                        assert.ok(scrolls, 'nothing sticks out sideways');
                    }
                });
        }
    });
});

describe('faults', () => {
    test('without WebAssembly the page says so in one Spanish line', async () => {
        const context = await Browser().newContext({locale: 'en-US'});
        try {
            await context.addInitScript(() => { delete window.WebAssembly; });
            const page = await context.newPage();
            await page.goto(kPageUrl);
            await page.waitForFunction(
                () => document.documentElement.classList.contains('unavailable'));
            assert.equal(await page.locator('#unavailable').isVisible(), true);
            assert.equal(await page.locator('#unavailable').textContent(), kUnavailable);
            assert.equal(await page.locator('#window').isVisible(), false);
        } finally {
            await context.close();
        }
    });

    test('with scripts blocked the page says the same', async () => {
        const context = await Browser().newContext({javaScriptEnabled: false});
        try {
            const page = await context.newPage();
            await page.goto(kPageUrl);
            assert.equal(await page.locator('#unavailable').isVisible(), true);
            assert.equal(await page.locator('#unavailable').textContent(), kUnavailable);
            assert.equal(await page.locator('#window').isVisible(), false);
        } finally {
            await context.close();
        }
    });

    test('a huge device pixel ratio draws at scale 16 and throws nothing', async () => {
        await Opened({deviceScaleFactor: 40, viewport: {width: 1000, height: 700}},
                     async ({page, problems}) => {
                         await page.getByRole('button', {name: 'Hélice'}).first().click();
                         assert.equal(await page.locator('#picture').getAttribute('width'), '8000');
                         await page.keyboard.press('Control+ArrowLeft');
                         assert.deepEqual(problems, []);
                     });
    });
});
