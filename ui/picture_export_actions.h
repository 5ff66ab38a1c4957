// SPDX-License-Identifier: MIT
// "Guardar imagen…", "Copiar imagen" and "Imprimir…": the picture leaving the
// program. The actions sit in the window menu and answer their keys anywhere
// in the window; until a figure is shown they are disabled and the keys do
// nothing. What is saved, copied or printed is what the window shows: the
// picture area's image, or the same view drawn as vectors, and with
// "Desarrollo" on the flat picture beside it (export/shown_pictures.h).
#pragma once

#include <memory>
#include <optional>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QPrinter>

#include "geometry/view_state.h"
#include "ui/print_choices.h"

class FlatOption;
class PointControls;
class FlatPictureArea;
class PictureArea;
class QAction;
class QPrintDialog;
class QWidget;

class PictureExportActions : public QObject {
    Q_OBJECT

public:
    // Adds the actions to `window`, whose picture area is `picture`, whose
    // flat picture is `flatPicture` when `flat` is on, whose view is `view`
    // and whose angle mark, when shown, is at `point`'s point.
    PictureExportActions(QWidget* window, PictureArea* picture, FlatPictureArea* flatPicture,
                         const FlatOption& flat, const ViewState& view, const PointControls& point);
    ~PictureExportActions() override;

    // Save, copy and print, in menu order.
    QList<QAction*> Actions() const { return {m_save, m_copy, m_print}; }
    // Enables the actions when there is a figure to export; call after every
    // redraw.
    void UpdateEnabled();

    // The settings key of the folder last saved to.
    static constexpr const char* kFolderKey = "export/folder";

public slots:
    void OnSave();
    void OnCopy();
    void OnPrint();

private:
    QAction* AddAction(const QString& text, const QKeySequence& keys);
    void SaveTo(const QString& path, const QImage& shown, const QByteArray& svg);
    // What the window shows, as an image and as a document.
    QImage ShownImage() const;
    QByteArray ShownDocument() const;
    void ShowSaveFailure(const QString& path, const QString& reason);
    void Print();
    void ShowPrintFailure(const QPrinter& printer, const QString& reason);

    QWidget* m_window = nullptr;
    PictureArea* m_picture = nullptr;
    FlatPictureArea* m_flatPicture = nullptr;
    const FlatOption& m_flat;
    const ViewState& m_view;
    const PointControls& m_point;
    QAction* m_save = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_print = nullptr;
    std::unique_ptr<QPrinter> m_printer;        // the printer of the last print
    std::optional<PrintChoices> m_printChoices; // made in the last print dialog
    QPointer<QPrintDialog> m_printDialog;       // while one is open
};

// Prints what the view shows on `printer`, with its flat picture beside it
// if `flat`: one page, the drawings fitted to its printable area with the
// caption under them. Printing to a file writes the PDF as a save does
// (aside first, into place once complete), so a failure leaves no partial
// file and an earlier one as it was. Returns why it failed, in the user's
// language, or an empty string once printed.
// With a point, its angle mark on both pictures.
QString PrintPicture(QPrinter& printer, const ViewState& view, bool flat = false,
                     std::optional<double> point = std::nullopt);
