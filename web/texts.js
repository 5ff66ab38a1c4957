// SPDX-License-Identifier: MIT
// Every text the page shows, in Spanish, the language of the program's
// source texts, each under the context in which the desktop program
// translates it. The English comes from translations/torsiva_en.ts, which the
// build writes into the page as kEnglish (context → source → translation);
// a text that is new on the page has the context "WebPage" there. The build
// refuses a text that the translations file does not hold, so the Spanish
// here is always the desktop's own.
//
// QT_TRANSLATE_NOOP(context, source[, comment]) marks a text for the
// translation tools and stands for it, as in the desktop's sources.

function QT_TRANSLATE_NOOP(context, source, comment) {
    return {context: context, source: source, comment: comment || ''};
}

const kTexts = {
    title: QT_TRANSLATE_NOOP('CFigureDlg', 'Torsiva'),
    curves: QT_TRANSLATE_NOOP('CFigureDlg', 'Curvas'),
    instructions: QT_TRANSLATE_NOOP('CFigureDlg', 'Instrucciones'),
    about: QT_TRANSLATE_NOOP('CFigureDlg', 'Sobre Torsiva'),
    barA: QT_TRANSLATE_NOOP('CFigureDlg', 'Barra A: ángulo de la curva'),
    barZ: QT_TRANSLATE_NOOP('CFigureDlg', 'Barra Z: tamaño de la imagen'),
    barP: QT_TRANSLATE_NOOP('CFigureDlg', 'Barra P: distancia del ojo'),
    letterA: QT_TRANSLATE_NOOP('CFigureDlg', 'A', 'letter under the angle bar'),
    letterZ: QT_TRANSLATE_NOOP('CFigureDlg', 'Z', 'letter under the zoom bar'),
    letterP: QT_TRANSLATE_NOOP('CFigureDlg', 'P', 'letter under the eye-distance bar'),
    smoothLines: QT_TRANSLATE_NOOP('CFigureDlg', 'Líneas suavizadas'),
    flat: QT_TRANSLATE_NOOP('CFigureDlg', 'Desarrollo'),
    flatNoFigure: QT_TRANSLATE_NOOP('CFigureDlg', 'Desarrollo: todavía no hay figura'),
    hidden: QT_TRANSLATE_NOOP('CFigureDlg', 'Partes ocultas'),
    view: QT_TRANSLATE_NOOP('CFigureDlg', 'Ver'),
    point: QT_TRANSLATE_NOOP('CFigureDlg', 'Ángulo en un punto'),
    animate: QT_TRANSLATE_NOOP('CFigureDlg', 'Animar'),
    // The curve's parameter: θ for the loxodrome, t for the helices.
    theta: QT_TRANSLATE_NOOP('CFigureDlg', 'θ'),
    tee: QT_TRANSLATE_NOOP('CFigureDlg', 't'),
    pointAt: QT_TRANSLATE_NOOP('CFigureDlg', '; punto en %1 = %2, ángulo medido %3'),
    pointNoAngle: QT_TRANSLATE_NOOP(
        'CFigureDlg', '; punto en %1 = %2, sin ángulo: la curva no tiene dirección ahí'),
    measured: QT_TRANSLATE_NOOP('AngleMark', '%1º'),
    noFigure: QT_TRANSLATE_NOOP('CFigureDlg', 'Todavía no hay figura: elija una curva'),
    pictureName: QT_TRANSLATE_NOOP('CFigureDlg', '%1, ángulo %2º'),
    helix: QT_TRANSLATE_NOOP('FigureTitles', 'Hélice'),
    conical: QT_TRANSLATE_NOOP('FigureTitles', 'Hélice cónica'),
    spherical: QT_TRANSLATE_NOOP('FigureTitles', 'Hélice esférica'),
    angleLabel: QT_TRANSLATE_NOOP('FigureTitles', 'Ángulo = %1º'),
    helixFlat: QT_TRANSLATE_NOOP('FigureTitles', 'Desarrollo del cilindro: la hélice es una recta'),
    conicalFlat: QT_TRANSLATE_NOOP(
        'FigureTitles', 'Desarrollo del cono: la hélice cónica es una espiral logarítmica'),
    sphericalFlat: QT_TRANSLATE_NOOP(
        'FigureTitles', 'Mapa de Mercator de la esfera: la hélice esférica es una recta'),
    caption: QT_TRANSLATE_NOOP('PictureCaption', '%1 — %2'),
    savePng: QT_TRANSLATE_NOOP('PictureExportActions', 'Guardar imagen'),
    saveSvg: QT_TRANSLATE_NOOP('WebPage', 'Guardar SVG'),
    instructionsTitle: QT_TRANSLATE_NOOP('CInstructionsDlg', 'INSTRUCCIONES'),
    instructionsClose: QT_TRANSLATE_NOOP('CInstructionsDlg', 'Cerrar'),
    keysHeading: QT_TRANSLATE_NOOP('CInstructionsDlg', 'Teclado:'),
    aboutTitle: QT_TRANSLATE_NOOP('CAboutDlg', 'Sobre Torsiva'),
    aboutName: QT_TRANSLATE_NOOP('CAboutDlg', 'Torsiva'),
    aboutOk: QT_TRANSLATE_NOOP('CAboutDlg', 'Aceptar'),
    aboutIcon: QT_TRANSLATE_NOOP('CAboutDlg', 'Icono de Torsiva: una hélice sobre un cilindro'),
    aboutLine: QT_TRANSLATE_NOOP('CAboutDlg', 'Hélices sobre el cilindro, el cono y la esfera.'),
    aboutVersion: QT_TRANSLATE_NOOP('CAboutDlg', 'Versión %1'),
    aboutLicence: QT_TRANSLATE_NOOP('CAboutDlg', 'Licencia MIT'),
};

// The Instructions dialog's text, in the order of its pieces.
const kInstructionsPieces = [
    QT_TRANSLATE_NOOP('CInstructionsDlg', '\n1. Curvas:\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Se elige la curva a representar. Cada vez que se presiona se ' +
                          'iniciliza la figura.\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg', '\n2. Botón izquierdo del ratón:\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Pulsándolo sobre un punto de la imagen y arrastrando sin soltar ' +
                          'la imagen se mueve.\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg', '\n3. Barra A\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Se elige el ángulo que forma la curva con las generatrices del ' +
                          'objeto base: cilindro, cono o esfera.\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg', '\n4. Barra Z\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Se amplía o encoge la imagen. Solo cambia el tamaño.\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg', '\n5. Barra P\n'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Se modifica la perspectiva alejando o acercando el ojo del ' +
                          'observador al objeto. Cuanto menos es la distancia más se ' +
                          'distorsiona la imagen.\n'),
];

// The keys under their heading, one a line.
const kKeysLines = [
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Ctrl + flechas: giran la figura como un arrastre corto con el ratón.'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Ctrl + «+» y Ctrl + «-»: amplían o encogen la imagen, como la barra Z.'),
    QT_TRANSLATE_NOOP(
        'CInstructionsDlg',
        '    Ctrl + D, o «Desarrollo» en el menú del botón «Ver»: muestra al lado la ' +
            'superficie desarrollada en el plano, donde la curva corta las ' +
            'generatrices con el mismo ángulo.'),
    QT_TRANSLATE_NOOP(
        'CInstructionsDlg',
        '    Ctrl + H, o «Partes ocultas» en el mismo menú: dibuja el contorno de la ' +
            'superficie tal como lo ve el ojo y, a trazos, las partes de la curva que la ' +
            'superficie oculta; las generatrices ocultas no se dibujan.'),
    QT_TRANSLATE_NOOP(
        'CInstructionsDlg',
        '    Ctrl + T, o «Ángulo en un punto» en el menú del botón «Ver»: marca un punto de la ' +
            'curva con la generatriz, la tangente y el ángulo que forman, que es el mismo en ' +
            'todos los puntos. Mayúsculas + flechas izquierda y derecha lo mueven por la curva, ' +
            'y un clic en el desarrollo lo lleva allí. Espacio, o «Animar»: lo recorre.'),
    QT_TRANSLATE_NOOP('CInstructionsDlg',
                      '    Flechas arriba y abajo sobre una barra: la mueven un paso.'),
    QT_TRANSLATE_NOOP('CInstructionsDlg', '    Tabulador: pasa al control siguiente. ' +
                                              'Intro: pulsa el botón que tiene el foco.'),
];

// The desktop's rule: English when the browser's first language is English
// (en, en-GB …), Spanish for every other language and when none is given.
function PageLanguage(languages) {
    const first = languages && languages.length ? String(languages[0]) : '';
    return /^en(-|$)/i.test(first) ? 'en' : 'es';
}

// The text in the page's language: its English when the language is English
// and the translations hold a finished one, the Spanish source otherwise.
function Translator(language, english) {
    return function tr(text) {
        if (language !== 'en')
            return text.source;
        const context = english[text.context] || {};
        const translated =
            context[text.comment ? text.source + '\u0004' + text.comment : text.source];
        return translated === undefined ? text.source : translated;
    };
}

// Qt's "%1 … %2" filled in order.
function Arg(format, ...values) {
    return format.replace(
        /%(\d)/g, (whole, n) => (n >= 1 && n <= values.length ? String(values[n - 1]) : whole));
}
