// The Instructions dialog: a fixed Spanish text on the five controls.
#pragma once

#include <QDialog>
#include <QString>

class CInstructionsDlg : public QDialog {
public:
    explicit CInstructionsDlg(QWidget* parent);

    // The text shown, built from its paragraphs.
    static QString InstructionsText();

private:
    QString m_text;
};
