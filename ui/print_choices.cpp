// SPDX-License-Identifier: MIT
#include "ui/print_choices.h"

#include <memory>

PrintChoices PrintChoices::Of(const QPrinter& printer)
{
    PrintChoices choices;
    choices.printerName = printer.printerName();
    choices.format = printer.outputFormat();
    choices.outputFile = printer.outputFileName();
    choices.layout = printer.pageLayout();
    choices.copies = printer.copyCount();
    choices.collate = printer.collateCopies();
    choices.duplex = printer.duplex();
    choices.colour = printer.colorMode();
    choices.order = printer.pageOrder();
    return choices;
}

std::unique_ptr<QPrinter> FreshPrinter(const std::optional<PrintChoices>& choices)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!choices)
        return printer;
    // The printer and the format first: choosing either sets the rest to
    // that printer's defaults.
    printer->setOutputFormat(choices->format);
    if (choices->format == QPrinter::NativeFormat)
        printer->setPrinterName(choices->printerName);
    printer->setOutputFileName(choices->outputFile);
    printer->setPageLayout(choices->layout);
    printer->setCopyCount(choices->copies);
    printer->setCollateCopies(choices->collate);
    printer->setDuplex(choices->duplex);
    printer->setColorMode(choices->colour);
    printer->setPageOrder(choices->order);
    return printer;
}
