// SPDX-License-Identifier: MIT
// The dialog's save, copy and print entries on Qt's offscreen platform.
#include <cerrno>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "controls/control_ids.h"
#include "dialog_controls.h"
#include "export/flat_svg.h"
#include "export/picture_svg.h"
#include "file_size_limit.h"
#include "test_support.h"
#include "ui/control_scroll_bar.h"
#include "ui/figure_dialog.h"
#include "ui/flat_picture_area.h"
#include "ui/picture_area.h"
#include "ui/picture_export_actions.h"

namespace {

// Runs `act` once a window-modal child of type Modal has opened, then
// returns it (or null if none opened).
template <typename Modal> Modal* OpenedBy(QWidget* window, const std::function<void()>& act)
{
    const QList<Modal*> before = window->findChildren<Modal*>();
    act();
    for (Modal* modal : window->findChildren<Modal*>())
        if (!before.contains(modal) && modal->isVisible())
            return modal;
    return nullptr;
}

class ExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        QGuiApplication::clipboard()->clear();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_TRUE(files.isValid());
    }

    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &dialog && window->isVisible())
                window->close();
    }

    const ViewState& State() { return dialog.Controls().State(); }

    // The three entries stand just above the separator and the About entry.
    QList<QAction*> Entries() const
    {
        const QList<QAction*> all = dialog.WindowMenu()->actions();
        return all.mid(all.size() - 5, 3);
    }
    void Click(const char* button) { ButtonOf(&dialog, button)->click(); }
    void Keys(int key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); }

    QFileDialog* SaveDialog()
    {
        return OpenedBy<QFileDialog>(&dialog, [this] { Keys(Qt::Key_S); });
    }

    QPrintDialog* PrintDialog()
    {
        return OpenedBy<QPrintDialog>(&dialog, [this] { Keys(Qt::Key_P); });
    }

    // Prints to the PDF file `path`, as choosing to print to a file, typing
    // the name and pressing Print would.
    static void PrintTo(QPrintDialog* print, const QString& path)
    {
        auto* printers = print->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* name = print->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_TRUE(printers && name);
        printers->setCurrentIndex(printers->count() - 1); // printing to a file comes last
        name->setText(path);
        print->accept();
    }

    // Chooses `path` in the save dialog, as typing it and pressing Save would.
    void Choose(QFileDialog* save, const QString& path)
    {
        save->selectFile(path);
        static_cast<QDialog*>(save)->accept(); // QFileDialog hides it
    }

    CFigureDlg dialog;
    QTemporaryDir files;
};

} // namespace

TEST_F(ExportDialogTest, EntriesStandAboveTheSeparatorAndTheAboutEntry)
{
    // The last five: the three entries, a separator and the About entry.
    const QList<QAction*> all = dialog.WindowMenu()->actions();
    ASSERT_GE(all.size(), 5);
    const QList<QAction*> actions = all.mid(all.size() - 5);
    EXPECT_EQ(actions[0]->text(), "Guardar imagen…");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(actions[1]->text(), "Copiar imagen");
    EXPECT_EQ(actions[1]->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(actions[2]->text(), "Imprimir…");
    EXPECT_EQ(actions[2]->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(actions[3]->isSeparator());
    EXPECT_EQ(actions[4]->text(), "&Acerca de torsiva...");
}

TEST_F(ExportDialogTest, NothingToExportBeforeTheFirstCurveButton)
{
    // A bar before any figure redraws the empty square: still no figure.
    BarOf(&dialog, ControlId::kBarA)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    for (QAction* entry : Entries())
        EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
    ButtonOf(&dialog, "Hélice")->setFocus();
    EXPECT_EQ(SaveDialog(), nullptr);
    Keys(Qt::Key_C);
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(!clipboard || clipboard->formats().isEmpty());
    EXPECT_EQ(OpenedBy<QPrintDialog>(&dialog, [this] { Keys(Qt::Key_P); }), nullptr);

    Click("Hélice");
    for (QAction* entry : Entries())
        EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();
}

TEST_F(ExportDialogTest, CopyPutsTheShownPictureAndTheDrawingOnTheClipboard)
{
    Click("Hélice esférica");
    BarOf(&dialog, ControlId::kBarZ)->setFocus(); // the keys work from any control
    Keys(Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/png"));
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    EXPECT_EQ(
        QImage::fromData(data->data("image/png"), "PNG").convertToFormat(QImage::Format_RGB32),
        dialog.Picture()->Picture());
    EXPECT_EQ(data->data("image/svg+xml"), PictureSvg(State()));
}

TEST_F(ExportDialogTest, WithTheFlatPictureShownCopyTakesBothSideBySide)
{
    Click("Hélice cónica");
    dialog.ShowFlatPicture(true);
    Keys(Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage both =
        QImage::fromData(data->data("image/png"), "PNG").convertToFormat(QImage::Format_RGB32);
    const QImage figure = dialog.Picture()->Picture();
    const QImage flat = dialog.FlatPicture()->Picture();
    ASSERT_EQ(flat.size(), figure.size());
    ASSERT_EQ(both.size(), QSize(2 * figure.width() + 10, figure.height()));
    EXPECT_EQ(both.copy(0, 0, figure.width(), figure.height()), figure);
    EXPECT_EQ(both.copy(figure.width() + 10, 0, flat.width(), flat.height()), flat);
    EXPECT_EQ(both.pixel(figure.width() + 5, 5), dialog.palette().window().color().rgb())
        << "the gap as the window shows it";
    EXPECT_EQ(data->data("image/svg+xml"), SideBySideSvg(State()));

    dialog.ShowFlatPicture(false);
    Keys(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml"), PictureSvg(State()));
}

TEST_F(ExportDialogTest, SaveSuggestsANameAndRemembersTheFolder)
{
    Click("Hélice cónica");
    QFileDialog* save = SaveDialog();
    ASSERT_NE(save, nullptr);
    EXPECT_NE(save->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    ASSERT_EQ(save->selectedFiles().size(), 1);
    EXPECT_TRUE(save->selectedFiles()[0].endsWith("/torsiva-helice-conica-60.png"));

    const QString png = files.filePath("cono.png");
    Choose(save, png);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), dialog.Picture()->Picture());
    EXPECT_EQ(QSettings().value(PictureExportActions::kFolderKey).toString(), files.path());

    BarOf(&dialog, ControlId::kBarA)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    save = SaveDialog();
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->selectedFiles().value(0), files.filePath("torsiva-helice-conica-61.png"));
    emit save->filterSelected("Imagen SVG (*.svg)"); // as choosing it in the dialog does
    EXPECT_EQ(save->selectedFiles().value(0), files.filePath("torsiva-helice-conica-61.svg"));
    const QString svg = files.filePath("cono.svg");
    Choose(save, svg);
    QFile written(svg);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), PictureSvg(State()));
}

TEST_F(ExportDialogTest, AFailedSaveSaysWhyAndTheProgramGoesOn)
{
    Click("Hélice");
    const QString path = files.filePath("sin-extension");
    QMessageBox* box = OpenedBy<QMessageBox>(&dialog, [&] { Choose(SaveDialog(), path); });
    ASSERT_NE(box, nullptr);
    EXPECT_NE(box->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(box->text().contains(path)) << box->text().toStdString();
    EXPECT_TRUE(box->informativeText().contains(".png")) << box->informativeText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QSettings().value(PictureExportActions::kFolderKey).isNull());
    box->accept();

    BarOf(&dialog, ControlId::kBarA)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(State().angleDeg, 61);
}

TEST_F(ExportDialogTest, CancelledPrintingChangesNothing)
{
    Click("Hélice esférica");
    const ViewState before = State();
    const QImage shown = dialog.Picture()->Picture().copy();
    QPrintDialog* print = OpenedBy<QPrintDialog>(&dialog, [this] { Keys(Qt::Key_P); });
    ASSERT_NE(print, nullptr);
    EXPECT_NE(print->windowModality(), Qt::ApplicationModal);
    print->reject();
    EXPECT_TRUE(AreNear(State().eye, before.eye, 0.0));
    EXPECT_TRUE(AreNear(State().up, before.up, 0.0));
    EXPECT_EQ(dialog.Picture()->Picture(), shown);
}

TEST_F(ExportDialogTest, PrintingMakesOnePage)
{
    Click("Hélice cónica");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = files.filePath("printed.pdf");
    printer.setOutputFileName(pdf);
    ASSERT_EQ(PrintPicture(printer, State()), QString());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 1);
    EXPECT_EQ(printer.docName(), "Hélice cónica — Ángulo = 60º");

    // With the flat picture: still one page.
    const QString both = files.filePath("both.pdf");
    printer.setOutputFileName(both);
    ASSERT_EQ(PrintPicture(printer, State(), true), QString());
    QFile bothFile(both);
    ASSERT_TRUE(bothFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        QString::fromLatin1(bothFile.readAll()).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")),
        1);
}

TEST_F(ExportDialogTest, APrintToAFullDiskSaysWhyAndKeepsTheEarlierFile)
{
    Click("Hélice");
    const QString pdf = files.filePath("hélice.pdf");
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("the earlier print") > 0);
    earlier.close();
    QPrintDialog* print = PrintDialog();
    ASSERT_NE(print, nullptr);
    QMessageBox* box = nullptr;
    {
        const FileSizeLimit full(1024);
        box = OpenedBy<QMessageBox>(&dialog, [&] { PrintTo(print, pdf); });
    }
    ASSERT_NE(box, nullptr);
    EXPECT_NE(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->windowTitle(), "Imprimir");
    EXPECT_EQ(box->text(), QStringLiteral("No se pudo imprimir la imagen en «%1».").arg(pdf));
    EXPECT_TRUE(box->informativeText().contains("disco")) << box->informativeText().toStdString();
    EXPECT_TRUE(box->informativeText().contains(qt_error_string(EFBIG)))
        << box->informativeText().toStdString();
    box->accept();
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "the earlier print");
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files), QStringList{"hélice.pdf"});
}

TEST_F(ExportDialogTest, EachPrintStartsAfreshFromTheLastChoices)
{
    Click("Hélice esférica");
    QPrintDialog* first = PrintDialog();
    ASSERT_NE(first, nullptr);
    QMessageBox* box = OpenedBy<QMessageBox>(&dialog, [&] { PrintTo(first, "/dev/full"); });
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("/dev/full")) << box->text().toStdString();
    box->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // as the event loop would

    QPrintDialog* second = PrintDialog();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->printer()->outputFileName(), "/dev/full") << "the last choice";
    EXPECT_EQ(second->printer()->docName(), QString()) << "a printer not yet used";
    const QString pdf = files.filePath("esfera.pdf");
    EXPECT_EQ(OpenedBy<QMessageBox>(&dialog, [&] { PrintTo(second, pdf); }), nullptr);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF")) << "complete";
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 1);
}
