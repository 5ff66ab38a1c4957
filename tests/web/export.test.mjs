// SPDX-License-Identifier: MIT
// "Guardar imagen" and "Guardar SVG": the PNG is the picture shown, pixel
// for pixel; the SVG is the desktop's document of the same view, element
// for element and coordinate for coordinate. With "Desarrollo" on, both
// hold the two pictures side by side, as the desktop's window saves them.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {after, before, test} from 'node:test';

import {DecodePng} from './png.mjs';
import {
    DesktopSvg,
    DifferingPixels,
    Elements,
    kBarIds,
    LaunchBrowser,
    OpenPage,
    PagePixels
} from './support.mjs';

let browser, opened;
before(async () => {
    browser = await LaunchBrowser();
    opened = await OpenPage(browser, {acceptDownloads: true});
});
after(async () => { await browser.close(); });

async function Download(name) {
    const [download] = await Promise.all(
        [opened.page.waitForEvent('download'), opened.page.getByRole('button', {name}).click()]);
    return {name: download.suggestedFilename(), bytes: readFileSync(await download.path())};
}

// Columns [x, x + width) of an image.
function Columns(image, x, width) {
    const rgba = Buffer.alloc(width * image.height * 4);
    for (let row = 0; row < image.height; ++row)
        image.rgba.copy(rgba, row * width * 4, (row * image.width + x) * 4,
                        (row * image.width + x + width) * 4);
    return {width, height: image.height, rgba};
}

test('before a figure there is nothing to save', async () => {
    assert.ok(await opened.page.getByRole('button', {name: 'Guardar imagen'}).isDisabled());
    assert.ok(await opened.page.getByRole('button', {name: 'Guardar SVG'}).isDisabled());
});

test('the PNG is the picture shown', async () => {
    await opened.page.getByRole('button', {name: 'Hélice cónica'}).click();
    await opened.page.keyboard.press('Control+ArrowDown');
    const png = await Download('Guardar imagen');
    assert.equal(png.name, 'torsiva-helice-conica-60.png');
    assert.equal(DifferingPixels(DecodePng(png.bytes), await PagePixels(opened.page)), 0);
});

test('the SVG is the desktop\'s document of the view', async () => {
    await opened.page.getByRole('button', {name: 'Hélice esférica'}).click();
    const a = opened.page.getByRole('slider', {name: 'Barra A: ángulo de la curva'});
    await a.focus();
    await opened.page.keyboard.press('ArrowUp');
    await opened.page.keyboard.press('Control+ArrowRight');
    const svg = await Download('Guardar SVG');
    assert.equal(svg.name, 'torsiva-helice-esferica-59.svg');
    const desktop = DesktopSvg([
        {button: 'spherical'}, {scroll: {bar: kBarIds.A, code: 0}}, {press: [0, 0]},
        {move: [10, 0]}, {release: [10, 0]}
    ]);
    const page = await Elements(opened.page, svg.bytes.toString('utf8'));
    assert.ok(page, 'the page writes a well-formed document');
    assert.ok(page.length > 15, `${page.length} elements`);
    assert.deepEqual(page, await Elements(opened.page, desktop));
    assert.deepEqual(opened.problems, []);
});

test('with "Desarrollo" on, the PNG holds both pictures as shown', async () => {
    const page = opened.page;
    await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
    await page.getByRole('button', {name: 'Hélice', exact: true}).click();
    const png = DecodePng((await Download('Guardar imagen')).bytes);
    const figure = await PagePixels(page);
    const flat = await PagePixels(page, 'flat-picture');
    assert.equal(png.width, 500 + 10 + 500);
    assert.equal(png.height, 500);
    assert.equal(DifferingPixels(Columns(png, 0, 500), figure), 0);
    assert.equal(DifferingPixels(Columns(png, 510, 500), flat), 0);
    const gap = Columns(png, 500, 10);
    const background =
        await page.evaluate(() => getComputedStyle(document.documentElement).backgroundColor);
    const [r, g, b] = background.match(/[0-9]+/g).map(Number);
    for (let i = 0; i < gap.rgba.length; i += 4)
        assert.deepEqual([...gap.rgba.subarray(i, i + 3)], [r, g, b], 'the page\'s colour between');
    await page.getByRole('checkbox', {name: 'Desarrollo'}).uncheck();
});

test('with "Desarrollo" on, the SVG holds the figure and its flat picture', async () => {
    const page = opened.page;
    await page.getByRole('checkbox', {name: 'Desarrollo'}).check();
    await page.getByRole('button', {name: 'Hélice cónica'}).click();
    await page.keyboard.press('Control+ArrowLeft');
    const svg = (await Download('Guardar SVG')).bytes.toString('utf8');
    const script = [{button: 'conical'}, {press: [0, 0]}, {move: [-10, 0]}, {release: [-10, 0]}];
    const root = await page.evaluate((text) => {
        const svg = new DOMParser().parseFromString(text, 'image/svg+xml').documentElement;
        return [
            svg.getAttribute('viewBox'),
            [...svg.children].map((c) => c.localName + ' ' + (c.getAttribute('x') || ''))
        ];
    }, svg);
    assert.deepEqual(root, ['0 0 1010 500', ['title ', 'svg 0', 'svg 510']]);
    // Each nested picture holds what the desktop's document of it alone holds.
    const figure = await Elements(page, svg, 'svg > svg[x="0"]');
    const alone = await Elements(page, DesktopSvg(script), 'svg');
    assert.ok(figure.length > 15, `${figure.length} elements`);
    assert.deepEqual(figure, alone.filter((e) => e[1] !== 'title'));
    const flat = await Elements(page, svg, 'svg > svg[x="510"]');
    const flatAlone = await Elements(page, DesktopSvg(script, ['--flat']), 'svg');
    assert.ok(flat.some((e) => e.includes('class=curve')), 'the curve is there');
    assert.deepEqual(flat, flatAlone.filter((e) => e[1] !== 'title'));
    await page.getByRole('checkbox', {name: 'Desarrollo'}).uncheck();
    assert.deepEqual(opened.problems, []);
});
