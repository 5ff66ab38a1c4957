// SPDX-License-Identifier: MIT
// The printed page: its layout and colours painted into an image, and the
// PDF it makes.
#include <functional>

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegularExpression>

#include "export/figure_titles.h"
#include "export/picture_page.h"
#include "export/shown_pictures.h"
#include "export_test_support.h"

namespace {

// Pages of a PDF as Qt writes them: one page object each.
int PageCount(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")));
}

QImage PaintedPage(const ViewState& view, QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPicturePage(painter, QRectF(QPointF(0, 0), size), view);
    painter.end();
    return page;
}

// The bounding box of the pixels that `pick` picks.
QRect Extent(const QImage& image, bool (*pick)(QRgb))
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pick(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool IsBlack(QRgb p) { return qGray(p) < 60 && qBlue(p) < 100; }
bool IsBlue(QRgb p) { return qBlue(p) > 150 && qRed(p) < 120; }

// The first and last of `count` lines that `black` finds more than a quarter
// black.
std::pair<int, int> DarkLines(int count, const std::function<int(int)>& black, int length)
{
    int first = -1, last = -1;
    for (int i = 0; i < count; ++i)
        if (black(i) > length / 4) {
            last = i;
            if (first < 0)
                first = i;
        }
    return {first, last};
}

// The drawing's square: the rows and columns its black border fills.
QRect BorderOf(const QImage& page)
{
    const int w = page.width(), h = page.height();
    // The black pixels of row or column `line`.
    const auto blackIn = [&page](bool row, int line, int length) {
        int black = 0;
        for (int i = 0; i < length; ++i)
            black += IsBlack(row ? page.pixel(i, line) : page.pixel(line, i));
        return black;
    };
    const auto [top, bottom] = DarkLines(
        h, [&](int y) { return blackIn(true, y, w); }, w);
    const auto [left, right] = DarkLines(
        w, [&](int x) { return blackIn(false, x, h); }, h);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

class PicturePageTest : public ::testing::Test {};

} // namespace

TEST_F(PicturePageTest, CaptionNamesTheFigureAndTheAngle)
{
    EXPECT_EQ(PictureCaption(CurveKind::ConicalHelix, 60), "Hélice cónica — Ángulo = 60º");
    EXPECT_EQ(PictureCaption(CurveKind::Helix, 2), "Hélice — Ángulo = 2º");
    EXPECT_EQ(PictureCaption(CurveKind::SphericalHelix, 0), "Hélice esférica — Ángulo = 0º");
    EXPECT_EQ(PictureCaption(CurveKind::None, 60), "");
}

TEST_F(PicturePageTest, DrawingIsCentredAndFittedWithTheCaptionUnderIt)
{
    const ViewState state = StateOf({CurveKind::SphericalHelix});
    const QImage page = PaintedPage(state, {800, 1100});
    // The border, black on the white page, is the drawing's square.
    const QRect drawing = BorderOf(page);
    EXPECT_NEAR(drawing.width(), 800, 2) << "as wide as the area";
    EXPECT_NEAR(drawing.height(), drawing.width(), 2);
    EXPECT_EQ(page.pixel(400, 30), 0xFFFFFFFFu) << "the black background is white on paper";
    const QRect curve = Extent(page, IsBlue);
    EXPECT_TRUE(drawing.contains(curve));
    EXPECT_NEAR(curve.center().x(), 400, 4) << "the sphere stands in the middle";

    // The caption is the only ink below the drawing, centred under it.
    const QImage below = page.copy(0, drawing.bottom() + 2, 800, 1100 - drawing.bottom() - 2);
    const QRect caption = Extent(below, IsBlack);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_NEAR(caption.center().x(), 400, 4);
    EXPECT_LT(caption.height(), 40);
    // Drawing and caption together stand in the middle of the area.
    const int top = drawing.top(), bottom = drawing.bottom() + 2 + caption.bottom();
    EXPECT_NEAR(top, 1100 - bottom, 40);
}

TEST_F(PicturePageTest, LandscapeAreaFitsTheHeight)
{
    const ViewState state = StateOf({CurveKind::Helix});
    const QImage page = PaintedPage(state, {1200, 600});
    const QRect drawing = BorderOf(page);
    EXPECT_LT(drawing.height(), 600);
    EXPECT_GT(drawing.height(), 450);
    EXPECT_NEAR(drawing.center().x(), 600, 2);
}

TEST_F(PicturePageTest, ARowOfTwoDrawingsStandsSideBySide)
{
    // 1010 across for two squares of 500 and the gap: at 1010 × 700 both
    // are 500 wide, 10 apart. Without a caption they stand on whole pixels.
    const ViewState state = StateOf({CurveKind::SphericalHelix});
    QImage page(1010, 700, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPicturePage(painter, QRectF(0, 0, 1010, 700), ShownDrawings(state, true), QString());
    painter.end();
    const QRect left = BorderOf(page.copy(0, 0, 505, 700));
    const QRect right = BorderOf(page.copy(505, 0, 505, 700)).translated(505, 0);
    EXPECT_NEAR(left.left(), 0, 1);
    EXPECT_NEAR(left.width(), 500, 2);
    EXPECT_NEAR(right.left(), 510, 1);
    EXPECT_NEAR(right.width(), 500, 2);
    EXPECT_EQ(left.top(), 100);
    EXPECT_EQ(right.top(), 100);
    EXPECT_TRUE(left.contains(Extent(page.copy(0, 0, 505, 700), IsBlue)));
    EXPECT_FALSE(Extent(page.copy(505, 0, 505, 700), IsBlue).isEmpty()) << "the flat curve";
}

TEST_F(PicturePageTest, PdfIsOneA4Page)
{
    const ViewState state = StateOf({CurveKind::ConicalHelix, 45});
    const QByteArray pdf = PicturePdf(state);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(PageCount(pdf), 1);
    // A4 is 595 × 842 points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595") || pdf.contains("/MediaBox [0 0 596"));
}

TEST_F(PicturePageTest, PdfFollowsThePrintersPage)
{
    const ViewState state = StateOf({CurveKind::Helix, 30});
    PdfPage page;
    page.layout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                              QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    page.resolution = 300;
    page.title = QStringLiteral("Hélice — Ángulo = 30º");
    const QByteArray pdf = PicturePdf(PicturePaths(state), page.title, page);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PageCount(pdf), 1);
    // Letter across is 792 × 612 points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 792.000000 612.000000]"));
}
