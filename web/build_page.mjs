// SPDX-License-Identifier: MIT
// Writes the one self-contained page: web/page.html with its style, the
// program's icon, the WebAssembly module's loader (the module inlined in
// it) and the page's scripts written into it, and the English of every text
// the page shows taken from the desktop's translations file. Nothing is
// left for the page to load.
//
// Usage: node build_page.mjs --source DIR --module FILE.js --translations FILE.ts
//            --version V --out FILE.html
import {readFileSync, renameSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';
import vm from 'node:vm';

// The page's scripts, in the order they are defined in; main.js starts it.
const kScripts = [
    'dom_writes.js', 'texts.js', 'bars.js', 'picture_input.js', 'picture_view.js', 'picture_svg.js',
    'picture_point.js', 'view_menu.js', 'dialogs.js', 'main.js'
];

function Options(argv) {
    const options = {};
    for (let i = 0; i < argv.length; i += 2) {
        if (!argv[i].startsWith('--') || i + 1 >= argv.length)
            throw new Error(`bad argument ${argv[i]}`);
        options[argv[i].slice(2)] = argv[i + 1];
    }
    for (const needed of ['source', 'module', 'translations', 'version', 'out'])
        if (!options[needed])
            throw new Error(`--${needed} is needed`);
    return options;
}

function Unescaped(text) {
    return text.replace(/&(lt|gt|amp|apos|quot|#(\d+)|#x([0-9a-fA-F]+));/g,
                        (whole, name, decimal, hex) => {
                            if (decimal)
                                return String.fromCodePoint(Number(decimal));
                            if (hex)
                                return String.fromCodePoint(parseInt(hex, 16));
                            return {lt: '<', gt: '>', amp: '&', apos: '\'', quot: '"'}[name];
                        });
}

// The finished translations of a Qt Linguist file: context → key → text,
// the key being the source, or the source, U+0004 and the comment for a
// text told apart by its comment (as texts.js looks them up).
export function Translations(ts) {
    const table = {};
    for (const context of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = Unescaped(/<name>([\s\S]*?)<\/name>/.exec(context[1])[1]);
        const messages = (table[name] = table[name] || {});
        for (const message of context[1].matchAll(/<message>([\s\S]*?)<\/message>/g)) {
            const body = message[1];
            const source = Unescaped(/<source>([\s\S]*?)<\/source>/.exec(body)[1]);
            const comment = /<comment>([\s\S]*?)<\/comment>/.exec(body);
            const translation = /<translation( type="[^"]*")?>([\s\S]*?)<\/translation>/.exec(body);
            if (!translation || translation[1])
                continue; // unfinished, vanished or obsolete: Qt would not use it either
            const key = comment ? source + '\u0004' + Unescaped(comment[1]) : source;
            messages[key] = Unescaped(translation[2]);
        }
    }
    return table;
}

// Every text that texts.js defines, found by running it.
function PageTexts(textsSource) {
    const texts =
        vm.runInNewContext(textsSource + '\n;({kTexts, kInstructionsPieces, kKeysLines});');
    return [...Object.values(texts.kTexts), ...texts.kInstructionsPieces, ...texts.kKeysLines];
}

// The English of the page's texts; a text missing from the translations
// file, or not translated there, stops the build.
export function PageEnglish(textsSource, ts) {
    const table = Translations(ts);
    const english = {};
    const missing = [];
    for (const text of PageTexts(textsSource)) {
        const key = text.comment ? text.source + '\u0004' + text.comment : text.source;
        const translated = (table[text.context] || {})[key];
        if (translated === undefined) {
            missing.push(`${text.context}: ${JSON.stringify(text.source)}`);
            continue;
        }
        (english[text.context] = english[text.context] || {})[key] = translated;
    }
    if (missing.length)
        throw new Error('no finished English for:\n  ' + missing.join('\n  '));
    return english;
}

// Text that goes inside a <script> element as it is: it must not close it.
function ScriptText(text) {
    if (/<\/script/i.test(text))
        throw new Error('a script holds "</script"');
    return text;
}

function Fill(template, marker, text) {
    if (!template.includes(marker))
        throw new Error(`page.html has no ${marker}`);
    return template.split(marker).join(text);
}

function Main() {
    const options = Options(process.argv.slice(2));
    const source = (name) => readFileSync(join(options.source, name), 'utf8');
    const textsSource = source('texts.js');
    const english = PageEnglish(textsSource, readFileSync(options.translations, 'utf8'));
    const icon = readFileSync(join(options.source, '..', 'ui', 'icons', 'torsiva.svg'), 'utf8')
                     .replace(/<!--[\s\S]*?-->\s*/g, '')
                     .replace('<svg ', '<svg id="about-icon" role="img" focusable="false" ');
    const script = [
        '(function () {', '"use strict";', ...kScripts.map(source),
        `Start(${JSON.stringify(english).replace(/</g, '\\u003c')}, ${
            JSON.stringify(options.version)});`,
        '})();'
    ].join('\n');
    let page = source('page.html');
    page = Fill(page, '/*@style@*/', source('page.css'));
    page = Fill(page, '<!--@icon@-->', icon.trim());
    page = Fill(page, '/*@module@*/', ScriptText(readFileSync(options.module, 'utf8')));
    page = Fill(page, '/*@script@*/', ScriptText(script));
    // Written beside its name first, so that a failed build leaves no half page.
    writeFileSync(options.out + '.tmp', page);
    renameSync(options.out + '.tmp', options.out);
}

if (import.meta.url === pathToFileURL(process.argv[1]).href)
    Main();
