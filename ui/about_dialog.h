// SPDX-License-Identifier: MIT
// The About dialog: the program's icon, name, version and licence.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent);

    // The lines under the title: what the program draws, its version and
    // its licence.
    static QString NoticeText();
};
