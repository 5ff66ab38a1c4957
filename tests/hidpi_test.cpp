// The picture on a screen of device pixel ratio TORSIVA_TEST_SCALE_FACTOR:
// drawn at device pixels, never an enlarged 500-pixel picture.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/canvas_image.h"
#include "ui/control_ids.h"
#include "ui/figure_dialog.h"
#include "ui/picture_area.h"

namespace {

const double kRatio = QByteArray(TORSIVA_TEST_SCALE_FACTOR).toDouble();

QImage ComposedAtRatio(CurveKind figure)
{
    SetDefaultView(figure);
    Canvas canvas = Canvas::ForPicture(PictureSide(kRatio));
    FigureCache figures;
    ComposeFigure(canvas, figures, kRatio);
    return CanvasPictureCopy(canvas);
}

} // namespace

using HiDpiTest = ViewTest;

TEST_F(HiDpiTest, PictureIsDrawnAtDevicePixels)
{
    CFigureDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(dialog.devicePixelRatioF(), kRatio);
    EXPECT_EQ(dialog.Picture()->geometry(), QRect(150, 10, 500, 500)) << "logical pixels";
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->property("controlId").toInt() == ControlId::kHelix)
            button->click();
    const ViewState shown = View();

    const QImage expected = ComposedAtRatio(CurveKind::Helix);
    const int side = int(500 * kRatio);
    ASSERT_EQ(expected.size(), QSize(side, side));
    EXPECT_EQ(dialog.Picture()->Picture(), expected);
    if (kRatio == 2.0) {
        EXPECT_EQ(
            expected,
            QImage(TORSIVA_GOLDEN_DIR "/helix-scale2.png").convertToFormat(QImage::Format_RGB32));
    }
    View() = shown;
    // What reaches the window, device pixel for device pixel.
    const QImage window =
        dialog.grab(QRect(150, 10, 500, 500)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window.size(), QSize(side, side));
    QImage unscaled = window;
    unscaled.setDevicePixelRatio(1.0);
    EXPECT_EQ(unscaled, expected);
}

int main(int argc, char** argv)
{
    // A screen large enough for the initial window at this ratio (the
    // offscreen platform's own is 800 × 600 device pixels).
    QTemporaryDir settings;
    QFile screens(settings.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 2560,
                           "height": 1600, "logicalDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", TORSIVA_TEST_SCALE_FACTOR);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
