// SPDX-License-Identifier: MIT
// The picture on a screen of device pixel ratio TORSIVA_TEST_SCALE_FACTOR:
// drawn at device pixels, never an enlarged 500-pixel picture.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "controls/control_ids.h"
#include "export/canvas_image.h"
#include "golden_pictures.h"
#include "render/draw_figure.h"
#include "render/flat_picture.h"
#include "test_support.h"
#include "ui/figure_dialog.h"
#include "ui/flat_picture_area.h"
#include "ui/picture_area.h"

namespace {

const double kRatio = QByteArray(TORSIVA_TEST_SCALE_FACTOR).toDouble();

// The picture of a framed view at a scale, as a redraw composes it.
QImage ComposedAt(const ViewState& view, double scale)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(scale));
    FigureCache figures;
    ComposeFigure(canvas, figures, view, PictureMapping{scale, LineStyle::Exact});
    return CanvasPictureCopy(canvas);
}

} // namespace

TEST(HiDpiTest, PictureIsDrawnAtDevicePixels)
{
    if (QGuiApplication::primaryScreen()->availableGeometry().height() < 522)
        GTEST_SKIP() << "the initial window does not fit this screen";
    CFigureDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(dialog.devicePixelRatioF(), kRatio);
    EXPECT_EQ(dialog.Picture()->geometry(), QRect(150, 10, 500, 500)) << "logical pixels";
    dialog.OnHelix();

    const QImage expected = ComposedAt(Framed(DefaultView(CurveKind::Helix)), kRatio);
    const int side = int(500 * kRatio);
    ASSERT_EQ(expected.size(), QSize(side, side));
    EXPECT_EQ(dialog.Picture()->Picture(), expected);
    if (kRatio == 2.0) {
        EXPECT_EQ(expected, Golden("helix-scale2"));
    }
    // What reaches the window, device pixel for device pixel.
    const QImage window =
        dialog.grab(QRect(150, 10, 500, 500)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window.size(), QSize(side, side));
    QImage unscaled = window;
    unscaled.setDevicePixelRatio(1.0);
    EXPECT_EQ(unscaled, expected);

    // The flat picture beside it, at the same device pixels: 2560 logical
    // pixels across leave room for both at 500.
    dialog.ShowFlatPicture(true);
    ASSERT_EQ(dialog.FlatPicture()->geometry(), QRect(660, 10, 500, 500));
    Canvas flat = Canvas::ForPicture(side);
    FlatCache cache;
    ComposeFlatPicture(flat, cache, CurveKind::Helix, 60, PictureMapping{kRatio, LineStyle::Exact});
    EXPECT_EQ(dialog.FlatPicture()->Picture(), CanvasPictureCopy(flat));
}

// On a screen smaller than the initial window (1280 × 1024 at ratio 2 is
// 640 × 512 logical pixels) the window opens at the largest size that fits,
// and the picture is drawn at the scale it gets there.
TEST(HiDpiTest, WindowFitsItsScreen)
{
    CFigureDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QSize available = dialog.screen()->availableGeometry().size();
    EXPECT_EQ(dialog.minimumSize(), QSize(764, 522).boundedTo(available));
    EXPECT_EQ(dialog.size(), QSize(764, 522).boundedTo(available));
    const int side = std::min(dialog.width() - 264, dialog.height() - 22);
    EXPECT_EQ(dialog.Picture()->geometry(), QRect(150, 10, side, side));
    dialog.OnSphericalHelix();
    const double scale = side * kRatio / 500.0;
    EXPECT_EQ(dialog.Picture()->Picture(), ComposedAt(dialog.Controls().State(), scale));
}

// Below its minimum size, where no window manager holds it, the window
// shows the picture cut to the area, and gives out that much.
TEST(HiDpiTest, BelowItsMinimumTheCopyIsWhatIsShown)
{
    CFigureDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.OnConicalHelix();
    dialog.setMinimumSize(1, 1);
    dialog.resize(380, 138); // a 116-pixel area, drawn at no less than scale 0.25
    ASSERT_EQ(dialog.Picture()->size(), QSize(116, 116));
    QImage shown = dialog.Picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1.0);
    EXPECT_EQ(shown.size(), QSize(116, 116) * kRatio);
    EXPECT_EQ(dialog.Picture()->Picture(), shown);
}
