// SPDX-License-Identifier: MIT
// The kept flat picture: drawn again only for a new figure, angle, mapping
// or marked point, and then what a fresh canvas shows; a drag leaves it
// alone.
#include <vector>

#include "render/kept_flat_picture.h"
#include "test_support.h"

namespace {

std::vector<uint32_t> PixelsOf(const Canvas& canvas)
{
    const int side = canvas.Width();
    return std::vector<uint32_t>(canvas.Bits(), canvas.Bits() + size_t(side) * size_t(side));
}

// The flat picture on a fresh canvas, with the mark at `point` if given.
std::vector<uint32_t> FreshPicture(CurveKind figure, int angle, PictureMapping mapping,
                                   std::optional<double> point = std::nullopt)
{
    Canvas canvas = Canvas::ForPicture(PictureSide(mapping.scale));
    FlatCache cache;
    ComposeFlatPicture(canvas, cache, figure, angle, mapping);
    if (point)
        DrawAngleMark(canvas, FlatAngleMark(cache.Figure(figure, angle), *point), mapping);
    return PixelsOf(canvas);
}

std::unique_ptr<KeptCanvas> NoMemory(int) { return nullptr; }

} // namespace

TEST(KeptFlatPictureTest, DrawnAgainOnlyForANewFigureAngleOrMapping)
{
    KeptFlatPicture kept;
    EXPECT_EQ(kept.Picture(), nullptr);
    const PictureMapping exact{1.0, LineStyle::Exact};
    EXPECT_TRUE(kept.Show(CurveKind::Helix, 60, exact));
    const Canvas* canvas = kept.Picture();
    ASSERT_NE(canvas, nullptr);
    EXPECT_FALSE(kept.Show(CurveKind::Helix, 60, exact)) << "what a drag asks for";
    EXPECT_EQ(PixelsOf(*kept.Picture()), FreshPicture(CurveKind::Helix, 60, exact));

    // Each change draws again, on the kept canvas while the size stays, and
    // gives what a fresh canvas would.
    for (auto [figure, angle, mapping] :
         {std::tuple{CurveKind::Helix, 61, exact},
          {CurveKind::SphericalHelix, 61, exact},
          {CurveKind::SphericalHelix, 61, PictureMapping{1.0, LineStyle::Smooth}},
          {CurveKind::SphericalHelix, 61, PictureMapping{1.5, LineStyle::Smooth}},
          {CurveKind::ConicalHelix, 2, PictureMapping{1.5, LineStyle::Exact}},
          {CurveKind::Helix, 89, exact}}) {
        EXPECT_TRUE(kept.Show(figure, angle, mapping)) << int(figure) << " " << angle;
        ASSERT_EQ(kept.Picture()->Width(), PictureSide(mapping.scale))
            << "the figure's side at the same scale, no larger";
        EXPECT_EQ(PixelsOf(*kept.Picture()), FreshPicture(figure, angle, mapping))
            << int(figure) << " " << angle;
    }
    EXPECT_EQ(kept.Picture()->Width(), 500);
}

TEST(KeptFlatPictureTest, TheMarkIsDrawnAgainOnlyWhenThePointMoves)
{
    KeptFlatPicture kept;
    const PictureMapping exact{1.0, LineStyle::Exact};
    const TracedCurve cone = TraceOf(CurveKind::ConicalHelix, 60);
    const double point = DefaultParameter(cone);
    ASSERT_TRUE(kept.Show(CurveKind::ConicalHelix, 60, exact, &cone, point));
    EXPECT_TRUE(kept.Mark().shown && kept.Mark().hasAngle);
    EXPECT_TRUE(kept.PlaneMark().shown);
    EXPECT_EQ(PixelsOf(*kept.Picture()), FreshPicture(CurveKind::ConicalHelix, 60, exact, point));
    EXPECT_FALSE(kept.Show(CurveKind::ConicalHelix, 60, exact, &cone, point)) << "a drag";

    const double moved = point + 0.5;
    EXPECT_TRUE(kept.Show(CurveKind::ConicalHelix, 60, exact, &cone, moved));
    EXPECT_EQ(PixelsOf(*kept.Picture()), FreshPicture(CurveKind::ConicalHelix, 60, exact, moved))
        << "the old mark erased, the new one drawn";
    EXPECT_TRUE(kept.Show(CurveKind::ConicalHelix, 60, exact)) << "the mark turned off";
    EXPECT_FALSE(kept.Mark().shown);
    EXPECT_EQ(PixelsOf(*kept.Picture()), FreshPicture(CurveKind::ConicalHelix, 60, exact));
    EXPECT_FALSE(kept.Show(CurveKind::ConicalHelix, 60, exact, nullptr, moved))
        << "a point without its curve marks nothing";
}

TEST(KeptFlatPictureTest, WithoutMemoryThereIsNoPictureAndNothingBreaks)
{
    KeptFlatPicture kept(NoMemory);
    EXPECT_FALSE(kept.Show(CurveKind::Helix, 60, {}));
    EXPECT_EQ(kept.Picture(), nullptr);
    EXPECT_FALSE(kept.Show(CurveKind::Helix, 60, {})) << "and tries again, still without";
}
