// SPDX-License-Identifier: MIT
// The Instructions dialog: a fixed Spanish text on the five controls, and
// below it the keys that stand in for the mouse.
#pragma once

#include <QDialog>
#include <QString>

class CInstructionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CInstructionsDlg(QWidget* parent);

    // The text on the controls, built from its paragraphs.
    static QString InstructionsText();
    // The keyboard's list, shown under its heading.
    static QString KeysHeading();
    static QString KeysText();

private:
    QString m_text;
};
