// The About dialog: the program's icon, name and a short notice.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent);
};
