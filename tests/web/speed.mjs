// SPDX-License-Identifier: MIT
// The page's speed, for the README's table; not a test, since timings say
// nothing about correctness on a shared machine.
//
// In headless Chromium, with performance.now(), over 200 redraws after a
// warm-up of half a second (the engines optimise on other threads, which on
// two cores slow what runs beside them), the median of (performance.now()
// there is coarsened to 100 µs, so each time is that of 5 redraws in a row,
// divided by 5):
// - the page's redraw of the helix at 89°, composed and put on the canvas
//   (a page click on the Z bar: one redraw of the same view, shown);
// - a Canvas 2D reference drawing the same polylines with lineTo, one path
//   per polyline, on a canvas of the same size in the same page;
// each ending with a one-pixel read of its canvas, so that both are
// finished, not merely queued. Then the redraw alone, natively and as
// WebAssembly under Node (bench/redraw_timing.cpp), each run five times
// alternately, the median of the five medians.
//
// Usage: node tests/web/speed.mjs   (after tools/build-web.sh and tools/build.sh)
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {dirname, join, resolve} from 'node:path';
import {fileURLToPath} from 'node:url';

import {LaunchBrowser, OpenPage} from './support.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
const kWarmUpMs = 500;
const kTimed = 200;

const Median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The polylines of the view shown, from the page's own SVG, in picture
// units, with their colours.
async function ShownPolylines(page) {
    const [download] = await Promise.all(
        [page.waitForEvent('download'), page.getByRole('button', {name: 'Guardar SVG'}).click()]);
    const svg = readFileSync(await download.path(), 'utf8');
    return [...svg.matchAll(/<polyline points="([^"]*)"[^>]*stroke="([^"]*)"/g)].map(
        ([, points, stroke]) => ({
            stroke,
            points: points.split(' ').flatMap((pair) => pair.split(',').map(Number)),
        }));
}

async function PageTimes(browser, ratio) {
    const {context, page, problems} =
        await OpenPage(browser, {deviceScaleFactor: ratio, acceptDownloads: true});
    await page.getByRole('button', {name: 'Hélice', exact: true}).click();
    await page.getByRole('slider', {name: 'Barra A: ángulo de la curva'}).fill('89');
    const polylines = await ShownPolylines(page);
    const times = await page.evaluate(([polylines, warmUpMs, timed]) => {
        const picture = document.getElementById('picture');
        const pictureContext = picture.getContext('2d');
        const bar = document.getElementById('barZ');
        // Each of `count` redraws timed in runs of kRun.
        const kRun = 5;
        const WarmUp = (redraw) => {
            const end = performance.now() + warmUpMs;
            while (performance.now() < end)
                redraw();
        };
        const Times = (count, redraw) => {
            const times = [];
            for (let i = 0; i < count; i += kRun) {
                const start = performance.now();
                for (let k = 0; k < kRun; ++k)
                    redraw();
                times.push((performance.now() - start) / kRun);
            }
            return times;
        };
        const Ours = () => {
            bar.dispatchEvent(
                new KeyboardEvent('keydown', {key: 'PageUp', bubbles: true, cancelable: true}));
            pictureContext.getImageData(0, 0, 1, 1);
        };
        WarmUp(Ours);
        const ours = Times(timed, Ours);
        // What a web developer would write: the same square and polylines,
        // one path each, at the same scale.
        const side = picture.width;
        const scale = side / 500;
        const reference = document.createElement('canvas');
        reference.width = reference.height = side;
        document.body.appendChild(reference);
        const context = reference.getContext('2d');
        const Theirs = () => {
            context.fillStyle = 'rgb(0,0,0)';
            context.fillRect(0, 0, side, side);
            context.strokeStyle = 'rgb(255,255,255)';
            context.lineWidth = 1;
            context.strokeRect(0.5, 0.5, side - 1, side - 1);
            for (const polyline of polylines) {
                context.beginPath();
                context.moveTo(polyline.points[0] * scale, polyline.points[1] * scale);
                for (let p = 2; p < polyline.points.length; p += 2)
                    context.lineTo(polyline.points[p] * scale, polyline.points[p + 1] * scale);
                context.strokeStyle = polyline.stroke;
                context.stroke();
            }
            context.getImageData(0, 0, 1, 1);
        };
        WarmUp(Theirs);
        const theirs = Times(timed, Theirs);
        reference.remove();
        return {ours, theirs, side};
    }, [polylines, kWarmUpMs, kTimed]);
    await context.close();
    if (problems.length)
        throw new Error(problems.join('\n'));
    return {side: times.side, ours: Median(times.ours), theirs: Median(times.theirs)};
}

function RedrawAlone() {
    const native = [], wasm = [];
    const Read = (output) => Number(/scale:1 ([\d.]+)/.exec(output)[1]);
    for (let run = 0; run < 5; ++run) {
        native.push(
            Read(execFileSync(join(root, 'build', 'torsiva-redraw-timing'), {encoding: 'utf8'})));
        wasm.push(Read(execFileSync(process.execPath,
                                    [join(root, 'build-web', 'torsiva-redraw-timing.js')],
                                    {encoding: 'utf8'})));
    }
    return {native: Median(native), wasm: Median(wasm)};
}

const browser = await LaunchBrowser();
const rows = [];
for (const ratio of [1, 2]) {
    const times = await PageTimes(browser, ratio);
    const name = ratio === 1 ? 'helix/89' : 'helix/89/scale:2';
    rows.push(`| Page redraw ${name} (${times.side} px), composed and put | ${
                  (times.ours * 1000).toFixed(0)} | ` +
              `${(times.theirs / times.ours).toFixed(1)} |`);
    rows.push(`| Canvas2DReference ${name} | ${(times.theirs * 1000).toFixed(0)} |  |`);
}
await browser.close();
const alone = RedrawAlone();
rows.push(`| WasmDrawFigure/helix/89 under Node | ${alone.wasm.toFixed(1)} |  |`);
rows.push(`| NativeDrawFigure/helix/89 (same program) | ${alone.native.toFixed(1)} |  |`);
rows.push(`| WebAssembly ÷ native | ${(alone.wasm / alone.native).toFixed(2)} |  |`);
console.log('| measurement | median (µs) | Canvas 2D ÷ ours |\n|---|---:|---:|\n' +
            rows.join('\n'));
