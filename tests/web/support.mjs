// SPDX-License-Identifier: MIT
// What the page's end-to-end tests share: the page opened from disk in the
// system's Chromium (headless, no browser downloaded), every console error,
// page error and request it makes, its picture's pixels, and the desktop's
// pictures of the same actions from torsiva-snapshot.
//
// TORSIVA_PAGE and TORSIVA_SNAPSHOT name the page and the tool when they are
// not build-web/torsiva.html and build/torsiva-snapshot.
import {spawnSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join, resolve} from 'node:path';
import {after, before} from 'node:test';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {chromium} from 'playwright-core';

import {DecodePng} from './png.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
export const kPagePath = process.env.TORSIVA_PAGE || join(root, 'build-web', 'torsiva.html');
export const kPageUrl = pathToFileURL(kPagePath).href;
const kSnapshot = process.env.TORSIVA_SNAPSHOT || join(root, 'build', 'torsiva-snapshot');

// The bars as the desktop numbers them, and the scroll codes.
export const kBarIds = {
    A: 1014,
    Z: 1007,
    P: 1008
};
export const kCodes = {
    lineUp: 0,
    lineDown: 1,
    pageUp: 2,
    thumbPosition: 4
};

export async function LaunchBrowser() {
    return chromium.launch(
        {executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox']});
}

// One browser for all the tests of a file, launched before the first and
// closed after the last: Browser() gives it, Opened(options, act) runs `act`
// on a page of it as WithPage does.
export function SharedBrowser() {
    let browser;
    before(async () => { browser = await LaunchBrowser(); });
    after(async () => { await browser.close(); });
    return {Browser: () => browser, Opened: (options, act) => WithPage(browser, options, act)};
}

// The page opened from disk in a fresh context; `problems` collects every
// console error, uncaught error, failed load and request other than the
// page itself.
export async function OpenPage(browser, options = {}) {
    const context = await browser.newContext(
        {locale: 'es-ES', viewport: {width: 1000, height: 700}, ...options});
    const page = await context.newPage();
    const problems = [];
    page.on('console', (message) => {
        if (message.type() === 'error')
            problems.push(`console error: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('request', (request) => {
        if (request.url() !== kPageUrl)
            problems.push(`request: ${request.url().slice(0, 100)}`);
    });
    page.on('requestfailed', (request) => problems.push(`failed: ${request.url().slice(0, 100)}`));
    await page.goto(kPageUrl);
    await page.waitForFunction(() => document.documentElement.classList.contains('running') ||
                                     document.documentElement.classList.contains('unavailable'));
    return {context, page, problems};
}

// Runs `act` on the page opened in a fresh context of `browser` (OpenPage's
// options), closing the context after. With `clean`, the page must have
// made no console error, page error or request meanwhile.
export async function WithPage(browser, options, act, {clean = true} = {}) {
    const opened = await OpenPage(browser, options);
    try {
        await act(opened);
        if (clean && opened.problems.length)
            throw new Error('the page had problems:\n' + opened.problems.join('\n'));
    } finally {
        await opened.context.close();
    }
}

// A picture's pixels as R, G, B, A bytes, with its side in device pixels:
// the figure's, or the flat picture's ('flat-picture').
export async function PagePixels(page, id = 'picture') {
    const picture = await page.evaluate((id) => {
        const canvas = document.getElementById(id);
        const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let text = '';
        for (let i = 0; i < data.length; i += 0x8000)
            text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
        return {side: canvas.width, height: canvas.height, bytes: btoa(text)};
    }, id);
    return {
        width: picture.side,
        height: picture.height,
        rgba: Buffer.from(picture.bytes, 'base64')
    };
}

// The desktop's picture: torsiva-snapshot with these arguments, or with a
// script of actions (an array as the tool reads it) and a scale.
export function Snapshot(args) {
    const work = mkdtempSync(join(tmpdir(), 'torsiva-web-'));
    try {
        const out = join(work, 'out.png');
        const full = [...args];
        const script = full.indexOf('--script-actions');
        if (script >= 0) {
            writeFileSync(join(work, 'actions.json'), JSON.stringify(full[script + 1]));
            full.splice(script, 2, '--script', join(work, 'actions.json'));
        }
        const run = spawnSync(kSnapshot, [...full, '--out', out], {encoding: 'utf8'});
        if (run.status !== 0)
            throw new Error(`torsiva-snapshot ${full.join(' ')}: ${run.stderr}`);
        return DecodePng(readFileSync(out));
    } finally {
        rmSync(work, {recursive: true, force: true});
    }
}

// The pixels at which two pictures differ; every pixel when their sizes do.
export function DifferingPixels(a, b) {
    if (a.width !== b.width || a.height !== b.height)
        return Math.max(a.width * a.height, b.width * b.height);
    let count = 0;
    for (let i = 0; i < a.rgba.length; i += 4)
        count += a.rgba[i] !== b.rgba[i] || a.rgba[i + 1] !== b.rgba[i + 1] ||
                 a.rgba[i + 2] !== b.rgba[i + 2] || a.rgba[i + 3] !== b.rgba[i + 3];
    return count;
}

// The centre of the picture in CSS pixels of the viewport.
export async function PictureCentre(page) {
    const box = await page.locator('#picture').boundingBox();
    return {x: Math.round(box.x + box.width / 2), y: Math.round(box.y + box.height / 2)};
}

// The desktop's SVG of a script of actions (`extra`: more arguments).
export function DesktopSvg(actions, extra = []) {
    const work = mkdtempSync(join(tmpdir(), 'torsiva-svg-'));
    try {
        writeFileSync(join(work, 'a.json'), JSON.stringify(actions));
        const run = spawnSync(
            kSnapshot, ['--script', join(work, 'a.json'), ...extra, '--out', join(work, 'a.svg')],
            {encoding: 'utf8'});
        if (run.status !== 0)
            throw new Error(`torsiva-snapshot ${extra.join(' ')}: ${run.stderr}`);
        return readFileSync(join(work, 'a.svg'), 'utf8');
    } finally {
        rmSync(work, {recursive: true, force: true});
    }
}

// A document's elements in order, each with its attributes sorted and its
// text, parsed by the browser: a refusal to parse fails the comparison.
// `within` picks the elements inside the first element it matches, as the
// picture nested in a side-by-side document. Numbers that the two programs
// may write in different but equal forms (the flat picture's matrices, its
// stroke width and its mark's radius) are compared as numbers.
export function Elements(page, svg, within = null) {
    return page.evaluate(([text, within]) => {
        const document = new DOMParser().parseFromString(text, 'image/svg+xml');
        if (document.getElementsByTagName('parsererror').length)
            return null;
        const Number = (value) => value.replace(/-?[0-9.]+(e-?[0-9]+)?/g, (n) => String(+n));
        const Value =
            (a) => ['transform', 'stroke-width', 'r'].includes(a.name) ? Number(a.value) : a.value;
        const root = within ? document.querySelector(within) : document;
        return [...root.querySelectorAll(within ? ':scope *' : '*')].map(
            (element) => [element.namespaceURI,
                          element.localName,
                          ...[...element.attributes].map((a) => a.name + '=' + Value(a)).sort(),
                          element.children.length ? '' : element.textContent,
        ]);
    }, [svg, within]);
}
