#include "ui/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/app_icon.h"
#include "ui/dialog_units.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    UseTemplateFont(this);
    setWindowTitle(QStringLiteral("Sobre Torsiva"));
    setFixedSize(DialogX(252), DialogY(77));

    auto* icon = new QLabel(this);
    icon->setGeometry(DialogRect(10, 9, 21, 20));
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* title = new QLabel(QStringLiteral("Torsiva"), this);
    title->setGeometry(DialogRect(46, 9, 143, 11));

    auto* ok = new QPushButton(QStringLiteral("Aceptar"), this);
    ok->setGeometry(DialogRect(198, 6, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* notice = new QLabel(
        QStringLiteral("Hélices sobre el cilindro, el cono y la esfera.\nVersión 1.0"), this);
    notice->setGeometry(DialogRect(46, 24, 143, 48));
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setWordWrap(true);
}
