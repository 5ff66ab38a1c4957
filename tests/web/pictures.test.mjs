// SPDX-License-Identifier: MIT
// The page's picture, pixel for pixel the desktop's: each figure at device
// pixel ratios 1 and 2, after the bars, a drag, the keys, a pinch and the
// wheel, each held against torsiva-snapshot replaying the same actions.
import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {
    DifferingPixels,
    kBarIds,
    kCodes,
    OpenPage,
    PagePixels,
    PictureCentre,
    SharedBrowser,
    Snapshot
} from './support.mjs';

const kFigures =
    [['helix', 'Hélice'], ['conical', 'Hélice cónica'], ['spherical', 'Hélice esférica']];

const {Browser} = SharedBrowser();

// Opens the page, runs `act` on it and holds its picture against the
// desktop's picture of `actions` at the same scale.
async function ExpectSamePicture(act, actions, options = {}) {
    const {context, page, problems} = await OpenPage(Browser(), options);
    try {
        await act(page, context);
        const scale = options.deviceScaleFactor || 1;
        const desktop = Snapshot(['--script-actions', actions, '--scale', String(scale)]);
        const shown = await PagePixels(page);
        assert.equal(shown.width, desktop.width);
        assert.equal(DifferingPixels(shown, desktop), 0);
        assert.deepEqual(problems, []);
    } finally {
        await context.close();
    }
}

const Button = (figure) => ({button: figure});
const Scroll = (bar, code, pos) =>
    ({scroll: pos === undefined ? {bar: kBarIds[bar], code} : {bar: kBarIds[bar], code, pos}});
const Repeat = (count, action) => Array.from({length: count}, () => action);

describe('each figure', () => {
    for (const [figure, title] of kFigures)
        for (const ratio of [1, 2])
            test(`${figure} at device pixel ratio ${ratio}`, async () => {
                await ExpectSamePicture(
                    (page) => page.getByRole('button', {name: title, exact: true}).click(),
                    [Button(figure)], {deviceScaleFactor: ratio});
            });
});

// The page puts back only the box a redraw may have changed: a narrow
// figure after wider ones must still leave nothing of them.
test('each figure after the wider ones leaves nothing of them', async () => {
    await ExpectSamePicture(async (page) => {
        for (const [, title] of [kFigures[1], kFigures[2], kFigures[0]])
            await page.getByRole('button', {name: title, exact: true}).click();
    }, [Button('conical'), Button('spherical'), Button('helix')]);
});

describe('the bars', () => {
    test('arrow keys on each slider are arrow clicks', async () => {
        await ExpectSamePicture(
            async (page) => {
                await page.getByRole('button', {name: 'Hélice cónica'}).click();
                const press = async (name, key, times) => {
                    await page.getByRole('slider', {name}).focus();
                    for (let i = 0; i < times; ++i)
                        await page.keyboard.press(key);
                };
                await press('Barra A: ángulo de la curva', 'ArrowUp', 7);
                await press('Barra Z: tamaño de la imagen', 'ArrowUp', 12);
                await press('Barra P: distancia del ojo', 'ArrowUp', 60);
                await press('Barra P: distancia del ojo', 'PageDown', 2);
            },
            [
                Button('conical'), ...Repeat(7, Scroll('A', kCodes.lineUp)),
                ...Repeat(12, Scroll('Z', kCodes.lineUp)), ...Repeat(60, Scroll('P', kCodes.lineUp))
            ]);
    });

    test('a slider moved and let go is a thumb dropped there', async () => {
        await ExpectSamePicture(async (page) => {
            await page.getByRole('button', {name: 'Hélice esférica'}).click();
            await page.getByRole('slider', {name: 'Barra A: ángulo de la curva'}).fill('17');
            await page.getByRole('slider', {name: 'Barra Z: tamaño de la imagen'}).fill('80');
            await page.getByRole('slider', {name: 'Barra P: distancia del ojo'}).fill('120');
        }, [Button('spherical'), Scroll('A', 4, 17), Scroll('Z', 4, 20), Scroll('P', 4, 120)]);
    });
});

describe('turning and zooming', () => {
    test('a drag of 100 pixels is the desktop drag', async () => {
        let start;
        const moves = [];
        await ExpectSamePicture(
            async (page) => {
                await page.getByRole('button', {name: 'Hélice', exact: true}).click();
                start = await PictureCentre(page);
                await page.mouse.move(start.x, start.y);
                await page.mouse.down();
                for (let i = 1; i <= 10; ++i) {
                    moves.push([start.x + 10 * i, start.y + 3 * i]);
                    await page.mouse.move(start.x + 10 * i, start.y + 3 * i);
                }
                await page.mouse.up();
            },
            // The script is written as the drag ran: the same screen steps.
            {
                toJSON:
                    () => [Button('helix'), {press: [start.x, start.y]},
                           ...moves.map((m) => ({move: m})), {release: moves[moves.length - 1]}],
            });
    });

    test('the same drag at device pixel ratio 2 turns as far', async () => {
        let start;
        await ExpectSamePicture(
            async (page) => {
                await page.getByRole('button', {name: 'Hélice cónica'}).click();
                start = await PictureCentre(page);
                await page.mouse.move(start.x, start.y);
                await page.mouse.down();
                for (let i = 1; i <= 10; ++i)
                    await page.mouse.move(start.x - 10 * i, start.y + 10 * i);
                await page.mouse.up();
            },
            {
                toJSON: () => [Button('conical'), {press: [start.x, start.y]},
                               ...Array.from(
                                   {length: 10},
                                   (_, i) =>
                                       ({move: [start.x - 10 * (i + 1), start.y + 10 * (i + 1)]})),
                               {release: [start.x - 100, start.y + 100]}],
            },
            {deviceScaleFactor: 2});
    });

    test('Ctrl with the arrows and with plus and minus', async () => {
        await ExpectSamePicture(
            async (page) => {
                await page.getByRole('button', {name: 'Hélice esférica'}).click();
                await page.keyboard.press('Control+ArrowRight');
                await page.keyboard.press('Control+ArrowUp');
                await page.keyboard.press('Control+ArrowUp');
                await page.keyboard.press('Control+Equal');
                await page.keyboard.press('Control+Equal');
                await page.keyboard.press('Control+Minus');
            },
            // An orbit key is a drag step of 10 pixels from a point of its own.
            [
                Button('spherical'), {press: [0, 0]}, {move: [10, 0]}, {release: [10, 0]},
                {press: [0, 0]}, {move: [0, -10]}, {release: [0, -10]}, {press: [0, 0]},
                {move: [0, -10]}, {release: [0, -10]}, ...Repeat(2, Scroll('Z', kCodes.lineUp)),
                Scroll('Z', kCodes.lineDown)
            ]);
    });

    test('the wheel over the picture is one Z arrow click per notch', async () => {
        await ExpectSamePicture(
            async (page) => {
                await page.getByRole('button', {name: 'Hélice', exact: true}).click();
                const centre = await PictureCentre(page);
                await page.mouse.move(centre.x, centre.y);
                for (let i = 0; i < 4; ++i)
                    await page.mouse.wheel(0, -100);
                await page.mouse.wheel(0, 100);
                // Half a notch twice is one notch.
                await page.mouse.wheel(0, -50);
                await page.mouse.wheel(0, -50);
                await page.waitForFunction(() => true);
            },
            [
                Button('helix'), ...Repeat(4, Scroll('Z', kCodes.lineUp)),
                Scroll('Z', kCodes.lineDown), Scroll('Z', kCodes.lineUp)
            ]);
    });

    test('one finger drags as the mouse does', async () => {
        let start;
        await ExpectSamePicture(
            async (page, context) => {
                await page.getByRole('button', {name: 'Hélice esférica'}).click();
                start = await PictureCentre(page);
                const cdp = await context.newCDPSession(page);
                const Touch = (type, points) =>
                    cdp.send('Input.dispatchTouchEvent', {type, touchPoints: points});
                await Touch('touchStart', [{x: start.x, y: start.y, id: 1}]);
                for (let i = 1; i <= 8; ++i)
                    await Touch('touchMove', [{x: start.x + 5 * i, y: start.y - 12 * i, id: 1}]);
                await Touch('touchEnd', []);
            },
            {
                toJSON: () => [Button('spherical'), {press: [start.x, start.y]},
                               ...Array.from(
                                   {length: 8},
                                   (_, i) => ({
                                       move: [start.x + 5 * (i + 1), start.y - 12 * (i + 1)],
                                   })),
                               {release: [start.x + 40, start.y - 96]}],
            },
            {hasTouch: true});
    });

    test('two fingers spreading 60 pixels are six Z arrow clicks', async () => {
        await ExpectSamePicture(async (page, context) => {
            await page.getByRole('button', {name: 'Hélice cónica'}).click();
            const centre = await PictureCentre(page);
            const cdp = await context.newCDPSession(page);
            const Touch = (type, half) => cdp.send('Input.dispatchTouchEvent', {
                    type,
                    touchPoints: half === null ? []
                                               : [{x: centre.x - half, y: centre.y, id: 1},
                                                  {x: centre.x + half, y: centre.y, id: 2}],
                });
            await Touch('touchStart', 50);
            for (let half = 55; half <= 80; half += 5)
                await Touch('touchMove', half);
            await Touch('touchEnd', null);
        }, [Button('conical'), ...Repeat(6, Scroll('Z', kCodes.lineUp))], {hasTouch: true});
    });
});
