// SPDX-License-Identifier: MIT
#include "ui/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "torsiva_version.h"
#include "ui/app_icon.h"
#include "ui/dialog_units.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    UseDialogFont(this);
    setWindowTitle(tr("Sobre Torsiva"));
    setFixedSize(DialogX(252), DialogY(77));

    auto* icon = new QLabel(this);
    icon->setGeometry(DialogRect(10, 9, 21, 20));
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setAccessibleName(tr("Icono de Torsiva: una hélice sobre un cilindro"));
    icon->setObjectName(QStringLiteral("icon"));

    auto* title = new QLabel(tr("Torsiva"), this);
    title->setGeometry(DialogRect(46, 9, 143, 11));

    auto* ok = new QPushButton(tr("Aceptar"), this);
    ok->setGeometry(DialogRect(198, 6, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* notice = new QLabel(NoticeText(), this);
    notice->setGeometry(DialogRect(46, 24, 143, 48));
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setWordWrap(true);
    notice->setObjectName(QStringLiteral("notice"));
}

QString CAboutDlg::NoticeText()
{
    return tr("Hélices sobre el cilindro, el cono y la esfera.") + QLatin1Char('\n') +
           tr("Versión %1").arg(QLatin1String(TORSIVA_VERSION)) + QLatin1Char('\n') +
           tr("Licencia MIT");
}
