// SPDX-License-Identifier: MIT
#include "ui/picture_export_actions.h"

#include <cmath>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include "controls/flat_option.h"
#include "controls/picture_layout.h"
#include "controls/point_controls.h"
#include "export/figure_titles.h"
#include "export/picture_file.h"
#include "export/picture_page.h"
#include "export/picture_svg.h"
#include "export/shown_pictures.h"
#include "geometry/view_state.h"
#include "render/picture_paths.h"
#include "ui/device_ratio.h"
#include "ui/flat_picture_area.h"
#include "ui/picture_area.h"

namespace {

QString LastFolder()
{
    const QString folder = QSettings().value(PictureExportActions::kFolderKey).toString();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

// Choosing the other format changes the name's extension to match, so that
// the extension, which decides the format, says what the user chose.
void FollowFilter(QFileDialog& dialog, const QString& filter)
{
    const QString suffix =
        filter.contains(QLatin1String("*.svg")) ? QStringLiteral("svg") : QStringLiteral("png");
    const QFileInfo chosen(dialog.selectedFiles().value(0));
    const QString current = chosen.suffix().toLower();
    if (current == QLatin1String("png") || current == QLatin1String("svg"))
        dialog.selectFile(chosen.completeBaseName() + QLatin1Char('.') + suffix);
}

} // namespace

PictureExportActions::PictureExportActions(QWidget* window, PictureArea* picture,
                                           FlatPictureArea* flatPicture, const FlatOption& flat,
                                           const ViewState& view, const PointControls& point)
    : QObject(window), m_window(window), m_picture(picture), m_flatPicture(flatPicture),
      m_flat(flat), m_view(view), m_point(point)
{
    m_save = AddAction(tr("Guardar imagen…"), QKeySequence::Save);
    connect(m_save, &QAction::triggered, this, &PictureExportActions::OnSave);
    m_copy = AddAction(tr("Copiar imagen"), QKeySequence::Copy);
    connect(m_copy, &QAction::triggered, this, &PictureExportActions::OnCopy);
    m_print = AddAction(tr("Imprimir…"), QKeySequence::Print);
    connect(m_print, &QAction::triggered, this, &PictureExportActions::OnPrint);
    UpdateEnabled();
}

// Added to the window itself, an action's keys work wherever the focus is
// in it, whether or not its menu is open.
QAction* PictureExportActions::AddAction(const QString& text, const QKeySequence& keys)
{
    auto* action = new QAction(text, m_window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(action);
    return action;
}

void PictureExportActions::UpdateEnabled()
{
    // A curve button always redraws, so a figure is always on the picture.
    const bool enabled = FigureShown(m_view);
    for (QAction* action : Actions())
        action->setEnabled(enabled);
}

void PictureExportActions::OnSave()
{
    if (!m_save->isEnabled())
        return;
    // Taken now, so that the file holds the picture the user asked to save.
    const QImage shown = ShownImage();
    const QByteArray svg = ShownDocument();
    const QString name = SuggestedPictureName(m_view.curveKind, m_view.angleDeg);

    auto* dialog =
        new QFileDialog(m_window, tr("Guardar imagen"), QDir(LastFolder()).filePath(name),
                        tr("Imagen PNG (*.png);;Imagen SVG (*.svg)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::filterSelected, dialog,
            [dialog](const QString& filter) { FollowFilter(*dialog, filter); });
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, shown, svg](const QString& path) { SaveTo(path, shown, svg); });
    dialog->open(); // modal to this window only
}

void PictureExportActions::SaveTo(const QString& path, const QImage& shown, const QByteArray& svg)
{
    const QString reason = SavePictureFile(path, shown, svg);
    if (!reason.isEmpty()) {
        ShowSaveFailure(path, reason);
        return;
    }
    QSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
}

void PictureExportActions::ShowSaveFailure(const QString& path, const QString& reason)
{
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Guardar imagen"),
        tr("No se pudo guardar la imagen en «%1».").arg(QDir::toNativeSeparators(path)),
        QMessageBox::Ok, m_window);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void PictureExportActions::OnCopy()
{
    if (!m_copy->isEnabled())
        return;
    // Without a clipboard (a platform that has none) there is nowhere to copy to.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(PictureMimeData(ShownImage(), ShownDocument()));
}

void PictureExportActions::OnPrint()
{
    if (!m_print->isEnabled() || m_printDialog)
        return;
    // A printer of its own for each print, set as the last print's dialog
    // left its printer, so that the next print starts from those choices.
    m_printer = FreshPrinter(m_printChoices);
    m_printDialog = new QPrintDialog(m_printer.get(), m_window);
    m_printDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_printDialog, &QDialog::accepted, this, &PictureExportActions::Print);
    m_printDialog->open(); // modal to this window only; a cancel prints nothing
}

void PictureExportActions::Print()
{
    m_printChoices = PrintChoices::Of(*m_printer);
    const QString reason = PrintPicture(*m_printer, m_view, m_flat.On(), m_point.Shown());
    if (!reason.isEmpty())
        ShowPrintFailure(*m_printer, reason);
}

// Worded as a failed save is: what could not be done, and where, then why.
void PictureExportActions::ShowPrintFailure(const QPrinter& printer, const QString& reason)
{
    const QString file = printer.outputFileName();
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Imprimir"),
        file.isEmpty()
            ? tr("No se pudo imprimir la imagen.")
            : tr("No se pudo imprimir la imagen en «%1».").arg(QDir::toNativeSeparators(file)),
        QMessageBox::Ok, m_window);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// The gap between the pictures in the window's own colour, at the pictures'
// device pixels.
QImage PictureExportActions::ShownImage() const
{
    const QImage figure = m_picture->Picture();
    if (!m_flat.On())
        return figure;
    const int gap = int(std::lround(kFlatPictureGap * DeviceRatioOf(*m_picture)));
    return SideBySideImage(figure, m_flatPicture->Picture(), gap,
                           m_window->palette().window().color());
}

QByteArray PictureExportActions::ShownDocument() const
{
    return ShownSvg(m_view, m_flat.On(), m_point.Shown());
}

// A print dialog still open, or closed but not yet deleted, goes before the
// printer it uses.
PictureExportActions::~PictureExportActions() { delete m_printDialog; }

QString PrintPicture(QPrinter& printer, const ViewState& view, bool flat,
                     std::optional<double> point)
{
    const QString caption = PictureCaption(view.curveKind, view.angleDeg);
    printer.setDocName(caption);
    if (!printer.outputFileName().isEmpty()) {
        PdfPage page{printer.pageLayout(), printer.resolution(), caption};
        const QByteArray pdf = PicturePdf(ShownDrawings(view, flat, point), caption, page);
        if (pdf.isEmpty())
            return PictureExportActions::tr("No se pudo hacer el PDF.");
        return WritePictureFile(printer.outputFileName(), pdf);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return PictureExportActions::tr("La impresora no acepta el trabajo.");
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintPicturePage(painter, QRectF(QPointF(0, 0), page.size()), ShownDrawings(view, flat, point),
                     caption);
    if (!painter.end() || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return PictureExportActions::tr("La impresora no terminó el trabajo.");
    return QString();
}
