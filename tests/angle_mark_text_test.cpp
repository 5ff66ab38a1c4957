// SPDX-License-Identifier: MIT
// The measured angle's text: its number in the program's language, painted
// with its halo beside the mark and nowhere else, and on the printed page.
#include <gtest/gtest.h>

#include <QLocale>

#include "export/angle_mark_text.h"
#include "export/shown_pictures.h"
#include "geometry/view_frame.h"

namespace {

class AngleMarkTextTest : public testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

PictureMark HelixMark() { return FigureAngleMark(DefaultView(CurveKind::Helix, 60), 0.0); }

} // namespace

TEST_F(AngleMarkTextTest, OneDecimalInTheProgramsLanguage)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(MeasuredAngleText(60.0), "60,0º");
    EXPECT_EQ(MeasuredAngleText(2.04), "2,0º");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // The degree sign is the translation's; the number is the locale's.
    EXPECT_TRUE(MeasuredAngleText(60.0).startsWith("60.0"));
}

// The text covers pixels about its anchor, in the mark's yellow over a
// black halo, and leaves the rest of the picture alone.
TEST_F(AngleMarkTextTest, PaintedBesideTheMarkOnly)
{
    for (double scale : {1.0, 2.0}) {
        const int side = PictureSide(scale);
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        const PictureMark mark = HelixMark();
        const QImage painted = WithAngleText(picture, mark, scale);
        const PicturePoint anchor = LabelAnchor(mark);
        const QRect around(int(scale * (anchor.x - 30)), int(scale * (anchor.y - 15)),
                           int(scale * 60), int(scale * 30));
        int yellow = 0, black = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb pixel = painted.pixel(x, y);
                if (pixel == picture.pixel(x, y))
                    continue;
                EXPECT_TRUE(around.contains(x, y)) << x << ", " << y;
                // Yellow, or nearly, where the glyphs' edges blend it.
                yellow += qRed(pixel) > 160 && qGreen(pixel) > 160 && qBlue(pixel) < 100;
                black += pixel == QColor(Qt::black).rgb();
            }
        EXPECT_GT(yellow, int(20 * scale * scale));
        EXPECT_GT(black, int(20 * scale * scale));
    }
    // Without an angle there is no text.
    PictureMark dotOnly = HelixMark();
    dotOnly.hasAngle = false;
    QImage picture(500, 500, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    EXPECT_EQ(WithAngleText(picture, dotOnly, 1.0), picture);
}

// The printed page takes the mark's lines and its text, on both pictures.
TEST_F(AngleMarkTextTest, ThePrintedPageHoldsTheText)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const ViewState view = DefaultView(CurveKind::ConicalHelix, 45);
    const PictureRow plain = ShownDrawings(view, true);
    const PictureRow marked = ShownDrawings(view, true, 3.0);
    ASSERT_EQ(marked.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_GT(marked[i].size(), plain[i].size());
        EXPECT_EQ(marked[i].back().text, "45,0º");
        EXPECT_EQ(marked[i].back().pen.colour, kMarkPen.colour);
        for (size_t j = 0; j < plain[i].size(); ++j)
            EXPECT_TRUE(marked[i][j].text.empty());
    }
    EXPECT_EQ(AngleMarkDrawing(PictureMark{}).size(), 0u);
}
