// SPDX-License-Identifier: MIT
// The resizable main window on Qt's offscreen platform: its minimum size,
// the picture following the window's size at the same view, a drag going on
// through a resize, and the settings kept between runs.
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "controls/control_ids.h"
#include "dialog_controls.h"
#include "export/canvas_image.h"
#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/control_scroll_bar.h"
#include "ui/figure_dialog.h"
#include "ui/picture_area.h"

namespace {

// The picture of the dialog's view as a redraw of it composes it.
QImage Composed(CFigureDlg& dialog, PictureMapping mapping)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(mapping.scale));
    FigureCache figures;
    ComposeFigure(canvas, figures, dialog.Controls().State(), mapping);
    return CanvasPictureCopy(canvas);
}

QAction* SmoothLinesAction(CFigureDlg& dialog)
{
    for (QAction* action : dialog.WindowMenu()->actions())
        if (action->text() == QString::fromUtf8("Líneas suavizadas"))
            return action;
    return nullptr;
}

void ExpectSameView(const ViewState& a, const ViewState& b)
{
    EXPECT_TRUE(AreNear(a.eye, b.eye, 0.0));
    EXPECT_EQ(a.zoom, b.zoom);
    EXPECT_EQ(a.angleDeg, b.angleDeg);
    EXPECT_EQ(a.curveKind, b.curveKind);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    // Shows a new dialog, as a new run would make it.
    void Show(CFigureDlg& dialog) { ShowDialog(dialog); }

    void Drag(CFigureDlg& dialog, QEvent::Type type, QPoint local)
    {
        QCursor::setPos(dialog.mapToGlobal(local));
        if (type == QEvent::MouseButtonPress)
            QTest::mousePress(&dialog, Qt::LeftButton, {}, local);
        else
            QTest::mouseMove(&dialog, local);
    }
};

} // namespace

TEST_F(WindowTest, OpensAtTheInitialSizeWhichIsAlsoTheMinimum)
{
    CFigureDlg dialog;
    Show(dialog);
    EXPECT_EQ(dialog.size(), QSize(764, 522));
    EXPECT_EQ(dialog.minimumSize(), QSize(764, 522));
    EXPECT_EQ(dialog.Picture()->geometry(), QRect(150, 10, 500, 500));
    dialog.resize(300, 200);
    EXPECT_EQ(dialog.size(), QSize(764, 522));
}

TEST_F(WindowTest, ResizeRedrawsTheSameViewAtTheNewScale)
{
    CFigureDlg dialog;
    Show(dialog);
    QScrollBar* barA = BarOf(&dialog, ControlId::kBarA);
    const QRect barBefore = barA->geometry();
    dialog.OnConicalHelix();
    barA->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const ViewState before = dialog.Controls().State();

    dialog.resize(1064, 722); // room for 800 across, 700 down
    EXPECT_EQ(dialog.Picture()->geometry(), QRect(150, 10, 700, 700));
    ExpectSameView(dialog.Controls().State(), before);
    EXPECT_EQ(dialog.Picture()->Picture(), Composed(dialog, {1.4, LineStyle::Exact}));
    EXPECT_EQ(barA->geometry(), barBefore.adjusted(200, 0, 200, 200))
        << "the bars follow the picture's right edge and lengthen with it";

    dialog.resize(764, 522);
    EXPECT_EQ(dialog.Picture()->geometry(), QRect(150, 10, 500, 500));
    EXPECT_EQ(barA->geometry(), barBefore);
    EXPECT_EQ(dialog.Picture()->Picture(), Composed(dialog, {1.0, LineStyle::Exact}))
        << "back at the initial size, the exact picture";
}

TEST_F(WindowTest, BelowItsMinimumTheWindowGivesOutWhatItShows)
{
    CFigureDlg dialog;
    Show(dialog);
    dialog.OnHelix();
    // Without a window manager nothing holds the window to its minimum.
    dialog.setMinimumSize(1, 1);
    for (const QSize client : {QSize(380, 138), QSize(200, 300), QSize(764, 522)}) {
        dialog.resize(client);
        SCOPED_TRACE(testing::Message() << client.width() << " x " << client.height());
        const QImage shown =
            dialog.Picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The painted part of the area: the window clips it too.
        const QRect visible = dialog.Picture()->geometry() & dialog.rect();
        const QImage onScreen = shown.copy(QRect(QPoint(0, 0), visible.size()));
        EXPECT_EQ(dialog.Picture()->Picture().size(), onScreen.size());
        EXPECT_EQ(dialog.Picture()->Picture(), onScreen);
    }
    EXPECT_EQ(dialog.Picture()->Picture().size(), QSize(500, 500));
    dialog.resize(140, 100); // the area, at x = 150, lies wholly outside
    EXPECT_TRUE(dialog.Picture()->Picture().isNull());
}

TEST_F(WindowTest, ResizeBeforeTheFirstFigureDrawsNothing)
{
    CFigureDlg dialog;
    Show(dialog);
    dialog.resize(900, 700);
    EXPECT_FALSE(dialog.Picture()->HasPicture());
    EXPECT_EQ(dialog.Controls().State().curveKind, CurveKind::None);
}

TEST_F(WindowTest, DragGoesOnThroughAResize)
{
    CFigureDlg dialog;
    Show(dialog);
    dialog.OnHelix();
    Drag(dialog, QEvent::MouseButtonPress, {300, 200});
    Drag(dialog, QEvent::MouseMove, {310, 200});
    const Vec3 eyeBeforeResize = dialog.Controls().State().eye;
    dialog.resize(900, 650);
    EXPECT_TRUE(dialog.Controls().State().dragging);
    EXPECT_TRUE(AreNear(dialog.Controls().State().eye, eyeBeforeResize, 0.0));
    Drag(dialog, QEvent::MouseMove, {330, 210});
    EXPECT_FALSE(AreNear(dialog.Controls().State().eye, eyeBeforeResize, 1e-9))
        << "the drag still turns the eye";
    const double scale = 628.0 / 500.0; // min(900 − 264, 650 − 22)
    EXPECT_EQ(dialog.Picture()->Picture(), Composed(dialog, {scale, LineStyle::Exact}));
}

TEST_F(WindowTest, SmoothLinesAreAnOptionRememberedAcrossRuns)
{
    {
        CFigureDlg dialog;
        Show(dialog);
        QAction* smooth = SmoothLinesAction(dialog);
        ASSERT_NE(smooth, nullptr);
        EXPECT_TRUE(smooth->isCheckable());
        EXPECT_FALSE(smooth->isChecked()) << "off by default";
        dialog.OnSphericalHelix();
        smooth->trigger();
        EXPECT_EQ(dialog.Picture()->Picture(), Composed(dialog, {1.0, LineStyle::Smooth}));
        EXPECT_NE(dialog.Picture()->Picture(), Composed(dialog, {1.0, LineStyle::Exact}));
    }
    EXPECT_TRUE(QSettings().value("picture/smoothLines").toBool());
    CFigureDlg next;
    Show(next);
    ASSERT_NE(SmoothLinesAction(next), nullptr);
    EXPECT_TRUE(SmoothLinesAction(next)->isChecked());
    SmoothLinesAction(next)->trigger();
    EXPECT_FALSE(QSettings().value("picture/smoothLines").toBool());
}

TEST_F(WindowTest, PlacementIsRememberedButNeverTheView)
{
    {
        CFigureDlg dialog;
        Show(dialog);
        dialog.OnHelix();
        dialog.resize(790, 560);
        dialog.reject();
    }
    EXPECT_FALSE(QSettings().value("window/geometry").toByteArray().isEmpty());
    CFigureDlg next;
    Show(next);
    EXPECT_EQ(next.size(), QSize(790, 560));
    EXPECT_EQ(next.Controls().State().curveKind, CurveKind::None);
    EXPECT_FALSE(next.Picture()->HasPicture()) << "every run starts without a figure";
}
