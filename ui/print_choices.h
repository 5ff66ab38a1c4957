// SPDX-License-Identifier: MIT
// What the user chose in the print dialog, kept from one print to the next.
// Each print gets a printer of its own, so that one whose job failed cannot
// spoil the next; the choices carry over to it instead.
#pragma once

#include <memory>
#include <optional>

#include <QPageLayout>
#include <QPrinter>
#include <QString>

struct PrintChoices {
    QString printerName;
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QString outputFile; // printing to a file when not empty
    QPageLayout layout;
    int copies = 1;
    bool collate = true;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QPrinter::ColorMode colour = QPrinter::Color;
    QPrinter::PageOrder order = QPrinter::FirstPageFirst;

    // The choices a printer holds after its dialog was accepted.
    static PrintChoices Of(const QPrinter& printer);
};

// A new printer at high resolution, set as `choices` say; with no choices
// yet, as Qt sets up a new printer.
std::unique_ptr<QPrinter> FreshPrinter(const std::optional<PrintChoices>& choices);
