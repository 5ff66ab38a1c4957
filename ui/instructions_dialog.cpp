#include "ui/instructions_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialog_units.h"

CInstructionsDlg::CInstructionsDlg(QWidget* parent) : QDialog(parent)
{
    UseTemplateFont(this);
    setWindowTitle(QStringLiteral("INSTRUCCIONES"));
    setFixedSize(DialogX(330), DialogY(182));

    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    close->setGeometry(DialogRect(273, 161, 50, 14));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_text = InstructionsText();
    auto* text = new QLabel(m_text, this);
    // Down to just above the button row rather than the template's 141 units:
    // with this toolkit's font the wrapped text needs one line more.
    text->setGeometry(DialogRect(7, 9, 316, 149));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setProperty("controlId", 1013);
}

QString CInstructionsDlg::InstructionsText()
{
    QString text;
    text += QStringLiteral("\n1. Curvas:\n");
    text += QStringLiteral("    Se elige la curva a representar. Cada vez que se presiona se "
                           "iniciliza la figura.\n");
    text += QStringLiteral("\n2. Botón izquierdo del ratón:\n");
    text += QStringLiteral("    Pulsándolo sobre un punto de la imagen y arrastrando sin soltar "
                           "la imagen se mueve.\n");
    text += QStringLiteral("\n3. Barra A\n");
    text += QStringLiteral("    Se elige el ángulo que forma la curva con las generatrices del "
                           "objeto base: cilindro, cono o esfera.\n");
    text += QStringLiteral("\n4. Barra Z\n");
    text += QStringLiteral("    Se amplía o encoge la imagen. Solo cambia el tamaño.\n");
    text += QStringLiteral("\n5. Barra P\n");
    text += QStringLiteral("    Se modifica la perspectiva alejando o acercando el ojo del "
                           "observador al objeto. Cuanto menos es la distancia más se "
                           "distorsiona la imagen.\n");
    return text;
}
