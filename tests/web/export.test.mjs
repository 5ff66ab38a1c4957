// SPDX-License-Identifier: MIT
// "Guardar imagen" and "Guardar SVG": the PNG is the picture shown, pixel
// for pixel; the SVG is the desktop's document of the same view, element
// for element and coordinate for coordinate.
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join, resolve} from 'node:path';
import {after, before, test} from 'node:test';
import {fileURLToPath} from 'node:url';

import {DecodePng} from './png.mjs';
import {DifferingPixels, kBarIds, LaunchBrowser, OpenPage, PagePixels} from './support.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
const kSnapshot = process.env.TORSIVA_SNAPSHOT || join(root, 'build', 'torsiva-snapshot');

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

// The desktop's SVG of a script of actions.
function DesktopSvg(actions) {
    const work = mkdtempSync(join(tmpdir(), 'torsiva-svg-'));
    try {
        writeFileSync(join(work, 'a.json'), JSON.stringify(actions));
        const run =
            spawnSync(kSnapshot, ['--script', join(work, 'a.json'), '--out', join(work, 'a.svg')],
                      {encoding: 'utf8'});
        assert.equal(run.status, 0, run.stderr);
        return readFileSync(join(work, 'a.svg'), 'utf8');
    } finally {
        rmSync(work, {recursive: true, force: true});
    }
}

// A document's elements in order, each with its attributes sorted and its
// text, parsed by the browser: a refusal to parse fails the comparison.
function Elements(page, svg) {
    return page.evaluate((text) => {
        const document = new DOMParser().parseFromString(text, 'image/svg+xml');
        if (document.getElementsByTagName('parsererror').length)
            return null;
        return [...document.querySelectorAll('*')].map(
            (element) => [element.namespaceURI,
                          element.localName,
                          ...[...element.attributes].map((a) => a.name + '=' + a.value).sort(),
                          element.children.length ? '' : element.textContent,
        ]);
    }, svg);
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
