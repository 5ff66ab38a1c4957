// SPDX-License-Identifier: MIT
// "Instrucciones" and "Sobre Torsiva": modal dialogs with the desktop's
// texts. Each closes with its own button or with Escape, and neither
// changes the view or the picture.

function WireDialogs(tr, version) {
    const instructions = document.getElementById('instructions-dialog');
    document.getElementById('instructions-title').textContent = tr(kTexts.instructionsTitle);
    document.getElementById('instructions-text').textContent = kInstructionsPieces.map(tr).join('');
    document.getElementById('keys-heading').textContent = tr(kTexts.keysHeading);
    document.getElementById('keys-text').textContent = kKeysLines.map(tr).join('\n');
    document.getElementById('instructions-close').textContent = tr(kTexts.instructionsClose);

    const about = document.getElementById('about-dialog');
    document.getElementById('about-title').textContent = tr(kTexts.aboutTitle);
    document.getElementById('about-icon').setAttribute('aria-label', tr(kTexts.aboutIcon));
    document.getElementById('about-name').textContent = tr(kTexts.aboutName);
    document.getElementById('about-notice').textContent =
        [tr(kTexts.aboutLine), Arg(tr(kTexts.aboutVersion), version), tr(kTexts.aboutLicence)].join(
            '\n');
    document.getElementById('about-ok').textContent = tr(kTexts.aboutOk);

    document.getElementById('instructions')
        .addEventListener('click', () => instructions.showModal());
    document.getElementById('about').addEventListener('click', () => about.showModal());
}

// Whether a dialog is open: the main window's keys wait until it closes.
function DialogOpen() { return document.querySelector('dialog[open]') !== null; }
