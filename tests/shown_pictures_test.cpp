// SPDX-License-Identifier: MIT
// What leaves the window: the figure alone, or with the flat picture beside
// it, as one image, one document and one printed row.
#include <gtest/gtest.h>

#include "export/flat_svg.h"
#include "export/picture_svg.h"
#include "export/shown_pictures.h"
#include "export_test_support.h"

namespace {

QImage Filled(QSize size, QColor colour, double ratio = 1.0)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

TEST(ShownPicturesTest, SideBySideImageIsPixelForPixelWithTheGapBetween)
{
    const QImage figure = Filled({40, 40}, Qt::black, 2.0);
    QImage flat = Filled({40, 40}, Qt::blue, 2.0);
    flat.setPixel(0, 0, qRgb(255, 255, 255));
    const QImage both = SideBySideImage(figure, flat, 20, QColor(200, 200, 200));
    ASSERT_EQ(both.size(), QSize(100, 40)) << "device pixels";
    EXPECT_EQ(both.devicePixelRatio(), 2.0);
    EXPECT_EQ(both.pixel(39, 39), qRgb(0, 0, 0));
    EXPECT_EQ(both.pixel(40, 0), qRgb(200, 200, 200));
    EXPECT_EQ(both.pixel(59, 39), qRgb(200, 200, 200));
    EXPECT_EQ(both.pixel(60, 0), qRgb(255, 255, 255));
    EXPECT_EQ(both.pixel(61, 0), qRgb(0, 0, 255));
    EXPECT_EQ(both.pixel(99, 39), qRgb(0, 0, 255));
    EXPECT_EQ(SideBySideImage(figure, QImage(), 20, Qt::gray), figure) << "no flat picture";
}

TEST(ShownPicturesTest, DocumentAndRowFollowTheOption)
{
    const ViewState state = StateOf({CurveKind::ConicalHelix, 30});
    EXPECT_EQ(ShownSvg(state, false), PictureSvg(state));
    EXPECT_EQ(ShownSvg(state, true), SideBySideSvg(state));
    EXPECT_EQ(ShownDrawings(state, false).size(), 1u);
    const PictureRow both = ShownDrawings(state, true);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[1].size(), MakeFlatFigure(CurveKind::ConicalHelix, 30).paths.pieces.size());
}
