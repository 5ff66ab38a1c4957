// SPDX-License-Identifier: MIT
#include "ui/instructions_dialog.h"

#include <algorithm>
#include <iterator>

#include <QLabel>
#include <QPushButton>

#include "ui/dialog_units.h"

namespace {

// Space between the blocks of text, and between the last one and the button.
constexpr int kGapUnits = 4;

QLabel* AddText(QWidget* parent, const QString& text, QRect box)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // As tall as the wrapped text needs, never less than its box.
    box.setHeight(std::max(box.height(), label->heightForWidth(box.width())));
    label->setGeometry(box);
    return label;
}

} // namespace

CInstructionsDlg::CInstructionsDlg(QWidget* parent) : QDialog(parent)
{
    UseDialogFont(this);
    setWindowTitle(tr("INSTRUCCIONES"));

    m_text = InstructionsText();
    // Down to just above the button row: the fonts of free desktops wrap
    // the text onto one line more than the font it was first laid out for.
    auto* text = AddText(this, m_text, DialogRect(7, 9, 316, 149));
    text->setObjectName(QStringLiteral("instructionsText"));

    auto* heading = AddText(
        this, KeysHeading(),
        QRect(text->x(), text->geometry().bottom() + 1 + DialogY(kGapUnits), text->width(), 0));
    heading->setObjectName(QStringLiteral("keysHeading"));
    auto* keys = AddText(this, KeysText(),
                         QRect(text->x(), heading->geometry().bottom() + 1, text->width(), 0));
    keys->setObjectName(QStringLiteral("keysText"));

    // The button and the dialog's lower edge move down as far as the keys
    // need; the width and the button's column stay as laid out.
    auto* close = new QPushButton(tr("Cerrar"), this);
    close->setGeometry(DialogX(273), keys->geometry().bottom() + 1 + DialogY(kGapUnits),
                       DialogX(50), DialogY(14));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(DialogX(330), std::max(DialogY(182), close->geometry().bottom() + 1 + DialogY(7)));
}

QString CInstructionsDlg::InstructionsText()
{
    QString text;
    text += tr("\n1. Curvas:\n");
    text += tr("    Se elige la curva a representar. Cada vez que se presiona se "
               "iniciliza la figura.\n");
    text += tr("\n2. Botón izquierdo del ratón:\n");
    text += tr("    Pulsándolo sobre un punto de la imagen y arrastrando sin soltar "
               "la imagen se mueve.\n");
    text += tr("\n3. Barra A\n");
    text += tr("    Se elige el ángulo que forma la curva con las generatrices del "
               "objeto base: cilindro, cono o esfera.\n");
    text += tr("\n4. Barra Z\n");
    text += tr("    Se amplía o encoge la imagen. Solo cambia el tamaño.\n");
    text += tr("\n5. Barra P\n");
    text += tr("    Se modifica la perspectiva alejando o acercando el ojo del "
               "observador al objeto. Cuanto menos es la distancia más se "
               "distorsiona la imagen.\n");
    return text;
}

QString CInstructionsDlg::KeysHeading() { return tr("Teclado:"); }

QString CInstructionsDlg::KeysText()
{
    const QString lines[] = {
        tr("    Ctrl + flechas: giran la figura como un arrastre corto con el ratón."),
        tr("    Ctrl + «+» y Ctrl + «-»: amplían o encogen la imagen, como la barra Z."),
        tr("    Ctrl + D, o «Desarrollo» en el menú del botón «Ver»: muestra al lado la "
           "superficie desarrollada en el plano, donde la curva corta las generatrices con el "
           "mismo ángulo."),
        tr("    Ctrl + H, o «Partes ocultas» en el mismo menú: dibuja el contorno de la "
           "superficie tal como lo ve el ojo y, a trazos, las partes de la curva que la "
           "superficie oculta; las generatrices ocultas no se dibujan."),
        tr("    Ctrl + T, o «Ángulo en un punto» en el menú del botón «Ver»: marca un punto de la "
           "curva con la generatriz, la tangente y el ángulo que forman, que es el mismo en "
           "todos los puntos. Mayúsculas + flechas izquierda y derecha lo mueven por la curva, "
           "y un clic en el desarrollo lo lleva allí. Espacio, o «Animar»: lo recorre."),
        tr("    Flechas arriba y abajo sobre una barra: la mueven un paso."),
        tr("    Tabulador: pasa al control siguiente. Intro: pulsa el botón que tiene el foco."),
    };
    return QStringList(std::begin(lines), std::end(lines)).join(QLatin1Char('\n'));
}
