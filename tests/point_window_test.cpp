// SPDX-License-Identifier: MIT
// "Ángulo en un punto" in the real window, on a 1600 × 1000 screen: off,
// the picture is today's; Shift+arrows walk the curve and stop at its ends;
// a drag in the flat picture moves the point and never the eye; "Animar"
// moves it and stops with a modal dialog, another figure and the window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLocale>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "dialog_controls.h"
#include "export/canvas_image.h"
#include "golden_pictures.h"
#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/figure_dialog.h"
#include "ui/flat_picture_area.h"
#include "ui/picture_area.h"

namespace {

class PointWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    }
    void TearDown() override
    {
        QSettings().clear();
        QLocale::setDefault(QLocale::c());
    }
};

} // namespace

TEST_F(PointWindowTest, OffThePictureIsTodaysAndCtrlTMarksIt)
{
    CFigureDlg dialog;
    ShowDialog(dialog, QPoint(100, 100));
    dialog.OnHelix();
    EXPECT_FALSE(dialog.PointAction()->isChecked());
    const QImage today = dialog.Picture()->Picture();
    EXPECT_EQ(today, ComposedPicture(dialog.Controls().State()));
    PressKey(dialog, Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(dialog.PointAction()->isChecked());
    const QImage marked = dialog.Picture()->Picture();
    EXPECT_NE(marked, today);
    // The mark's yellow at the default point, (15, 0, 0), the picture's centre.
    EXPECT_EQ(marked.pixel(250, 250), QColor(Qt::yellow).rgb());
    EXPECT_TRUE(dialog.Picture()->accessibleName().contains("ángulo medido 60,0º"))
        << dialog.Picture()->accessibleName().toStdString();
    PressKey(dialog, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(dialog.Picture()->Picture(), today);
}

// About 200 presses from one end to the other, and no further at either.
TEST_F(PointWindowTest, ShiftArrowsWalkTheCurveAndStopAtItsEnds)
{
    CFigureDlg dialog;
    ShowDialog(dialog, QPoint(100, 100));
    dialog.OnConicalHelix();
    dialog.ShowPoint(true);
    const CurveRange range = dialog.Point().Curve().range;
    for (int i = 0; i < 300; ++i)
        PressKey(dialog, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(dialog.Point().Parameter(), range.first);
    int presses = 0;
    while (dialog.Point().Parameter() < range.last && presses < 1000) {
        PressKey(dialog, Qt::Key_Right, Qt::ShiftModifier);
        ++presses;
    }
    EXPECT_EQ(dialog.Point().Parameter(), range.last);
    EXPECT_NEAR(presses, 200, 1);
    const QImage atEnd = dialog.Picture()->Picture();
    PressKey(dialog, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(dialog.Point().Parameter(), range.last);
    EXPECT_EQ(dialog.Picture()->Picture(), atEnd);
    // Another angle keeps the parameter within the new curve; the button
    // puts the point back at its default.
    dialog.OnConicalHelix();
    EXPECT_EQ(dialog.Point().Parameter(), DefaultParameter(dialog.Point().Curve()));
}

TEST_F(PointWindowTest, ADragInTheFlatPictureMovesThePointAndLeavesTheEyeAlone)
{
    CFigureDlg dialog;
    ShowDialog(dialog, QPoint(100, 100));
    dialog.OnHelix();
    dialog.ShowFlatPicture(true);
    dialog.ShowPoint(true);
    const ViewState before = dialog.Controls().State();
    const double parameter = dialog.Point().Parameter();
    const QImage figure = dialog.Picture()->Picture();
    // From the flat picture's centre along its middle row.
    FlatPictureArea* flat = dialog.FlatPicture();
    const QPoint start = flat->geometry().center();
    QCursor::setPos(dialog.mapToGlobal(start));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, start);
    const double pressed = dialog.Point().Parameter();
    EXPECT_NE(pressed, parameter);
    for (int step = 1; step <= 5; ++step) {
        const QPoint at = start + QPoint(12 * step, -8 * step);
        QCursor::setPos(dialog.mapToGlobal(at));
        QTest::mouseMove(&dialog, at);
    }
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, start + QPoint(60, -40));
    EXPECT_NE(dialog.Point().Parameter(), pressed);
    const ViewState after = dialog.Controls().State();
    EXPECT_TRUE(AreNear(after.eye, before.eye, 0.0));
    EXPECT_TRUE(AreNear(after.up, before.up, 0.0));
    EXPECT_FALSE(after.dragging);
    // The point moved in the figure too, and the flat mark lies where the
    // press was, to the nearest curve point within a pixel of it.
    EXPECT_NE(dialog.Picture()->Picture(), figure);
    const PictureMark& mark = flat->Mark();
    ASSERT_TRUE(mark.shown);
    const double perPixel = double(kPictureSize) / flat->width();
    const QPointF released = QPointF(start + QPoint(60, -40) - flat->pos()) * perPixel;
    auto distance = [&](PicturePoint p) {
        return std::hypot(p.x - released.x(), p.y - released.y());
    };
    // No curve point of the flat picture is nearer, by a sweep of the curve.
    const TracedCurve& curve = dialog.Point().Curve();
    const FlatFit fit = flat->Fit(after);
    double nearest = INFINITY;
    for (int i = 0; i <= 20000; ++i) {
        const double t = curve.range.first + (curve.range.last - curve.range.first) * i / 20000;
        const FlatMark at = MarkInPlane(curve, t);
        if (at.shown)
            nearest = std::min(nearest, distance(fit.Apply(at.point)));
    }
    EXPECT_NEAR(distance(mark.point), nearest, 0.05);
    // Copying takes the mark on both pictures.
    QGuiApplication::clipboard()->clear();
    PressKey(dialog, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasFormat("image/svg+xml"));
    EXPECT_EQ(data->data("image/svg+xml").count("class=\"angle-mark\""), 2);
}

// The figure's drag moves the figure's mark with it; the flat picture, whose
// point has not moved, stays as it is, and a step of the point redraws it.
TEST_F(PointWindowTest, ADragInTheFigureLeavesTheMarkedFlatPicture)
{
    CFigureDlg dialog;
    ShowDialog(dialog, QPoint(100, 100));
    dialog.OnConicalHelix();
    dialog.ShowFlatPicture(true);
    dialog.ShowPoint(true);
    const QImage flat = dialog.FlatPicture()->Picture();
    const QImage figure = dialog.Picture()->Picture();
    const QPoint start = dialog.Picture()->geometry().center();
    QCursor::setPos(dialog.mapToGlobal(start));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, start);
    QCursor::setPos(dialog.mapToGlobal(start + QPoint(40, 10)));
    QTest::mouseMove(&dialog, start + QPoint(40, 10));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, start + QPoint(40, 10));
    ASSERT_NE(dialog.Picture()->Picture(), figure) << "the drag turned the figure";
    EXPECT_EQ(dialog.FlatPicture()->Picture(), flat);
    PressKey(dialog, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NE(dialog.FlatPicture()->Picture(), flat);
}

TEST_F(PointWindowTest, AnimationMovesThePointAndStopsCleanly)
{
    CFigureDlg dialog;
    ShowDialog(dialog, QPoint(100, 100));
    dialog.OnSphericalHelix();
    PressKey(dialog, Qt::Key_Space);
    ASSERT_TRUE(dialog.Animating());
    EXPECT_TRUE(dialog.PointAction()->isChecked()) << "animating shows the mark";
    const double first = dialog.Point().Parameter();
    QTest::qWait(150);
    EXPECT_GT(dialog.Point().Parameter(), first);
    const QString text = dialog.Picture()->accessibleName();
    EXPECT_TRUE(text.contains("ángulo medido 60,0º")) << text.toStdString();

    // A modal dialog stops it while it is open.
    bool animatingUnderDialog = true;
    QTimer::singleShot(100, &dialog, [&] {
        animatingUnderDialog = dialog.Animating();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    dialog.OnAbout();
    EXPECT_FALSE(animatingUnderDialog);
    EXPECT_FALSE(dialog.AnimateAction()->isChecked());
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    // Another figure stops it.
    PressKey(dialog, Qt::Key_Space);
    ASSERT_TRUE(dialog.Animating());
    dialog.OnHelix();
    EXPECT_FALSE(dialog.Animating());

    // So does closing the window, and nothing redraws afterwards.
    PressKey(dialog, Qt::Key_Space);
    ASSERT_TRUE(dialog.Animating());
    dialog.reject();
    EXPECT_FALSE(dialog.Animating());
    EXPECT_FALSE(dialog.AnimateAction()->isChecked());
}
