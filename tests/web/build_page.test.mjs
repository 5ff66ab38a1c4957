// SPDX-License-Identifier: MIT
// How the page's build reads the translations file: only finished
// translations count, texts told apart by a comment stay apart, entities
// are read, and a page text the file does not translate stops the build.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {dirname, join, resolve} from 'node:path';
import {test} from 'node:test';
import {fileURLToPath} from 'node:url';

import {PageEnglish, Translations} from '../../web/build_page.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');

const kTs = `<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CFigureDlg</name>
    <message>
        <source>A</source>
        <comment>letter under the angle bar</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Barra &amp; &lt;A&gt;</source>
        <translation>Bar &apos;A&apos; &#8212; &#x263A;</translation>
    </message>
    <message>
        <source>Sin traducir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya no está</source>
        <translation type="vanished">Gone</translation>
    </message>
</context>
</TS>`;

test('only finished translations are read, with their entities', () => {
    assert.deepEqual(Translations(kTs), {
        CFigureDlg: {'A\u0004letter under the angle bar': 'A', 'Barra & <A>': 'Bar \'A\' — ☺'},
    });
});

test('a page text without a finished translation stops the build', () => {
    const texts = (source) => `function QT_TRANSLATE_NOOP(context, source, comment) {
            return {context: context, source: source, comment: comment || ''};
        }
        const kTexts = {one: QT_TRANSLATE_NOOP('CFigureDlg', ${JSON.stringify(source)})};
        const kInstructionsPieces = [];
        const kKeysLines = [];`;
    assert.deepEqual(PageEnglish(texts('Barra & <A>'), kTs),
                     {CFigureDlg: {'Barra & <A>': 'Bar \'A\' — ☺'}});
    for (const missing of ['Sin traducir', 'Ya no está', 'A', 'Nunca vista'])
        assert.throws(() => PageEnglish(texts(missing), kTs), /no finished English/, missing);
});

test('every text of the page has the desktop\'s English', () => {
    const english = PageEnglish(readFileSync(join(root, 'web', 'texts.js'), 'utf8'),
                                readFileSync(join(root, 'translations', 'torsiva_en.ts'), 'utf8'));
    assert.equal(english.CFigureDlg['Barra A: ángulo de la curva'], 'A bar: angle of the curve');
    assert.equal(english.WebPage['Guardar SVG'], 'Save SVG');
});
