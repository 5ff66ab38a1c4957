// SPDX-License-Identifier: MIT
// A course between two vertices must run through the curve its tracer
// samples: halfway from vertex j to vertex j + 2 lies vertex j + 1, as the
// parameter steps evenly.
#include <algorithm>

#include "render/polyline_course.h"
#include "render/tracers.h"
#include "test_support.h"

namespace {

void ExpectMiddleVertices(const FigureModel& model, const std::vector<FigurePolyline>& polylines,
                          const PolylineCourse& course)
{
    int checked = 0;
    for (FigurePolyline polyline : polylines)
        for (uint32_t j = 0; j + 2 < polyline.count; j += 7) {
            const Vec3 a = model.Vertex(polyline.first + j);
            const Vec3 middle = model.Vertex(polyline.first + j + 1);
            const Vec3 b = model.Vertex(polyline.first + j + 2);
            ASSERT_TRUE(AreNear(PointBetween(course, a, b, 0.5), middle, 1e-9 * 100.0))
                << "vertex " << j + 1;
            ASSERT_TRUE(AreNear(PointBetween(course, a, b, 0.0), a, 1e-9 * 100.0));
            ASSERT_TRUE(AreNear(PointBetween(course, a, b, 1.0), b, 1e-9 * 100.0));
            ++checked;
        }
    EXPECT_GT(checked, 0);
}

} // namespace

TEST(PolylineCourseTest, EveryCourseRunsThroughTheTracersVertices)
{
    for (const CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix})
        for (const int angle : {2, 45, 60, 89}) {
            SCOPED_TRACE(testing::Message() << "figure " << int(figure) << ", angle " << angle);
            const FigureModel model = BuilderOf(figure)(angle);
            ExpectMiddleVertices(model, model.wire, WireCourse(figure));
            ExpectMiddleVertices(model, model.curve, CurveCourse(figure, angle));
        }
}

// The chord would miss the curve's midpoint: the helix bulges outwards
// between its vertices, and the course follows it.
TEST(PolylineCourseTest, HelixCourseStaysOnTheCylinder)
{
    const PolylineCourse course = CurveCourse(CurveKind::Helix, 60);
    const Vec3 a{15.0, 0.0, 0.0}, b{0.0, 15.0, 10.0};
    EXPECT_TRUE(AreNear(PointBetween(course, a, b, 0.5),
                        {15.0 * std::sqrt(0.5), 15.0 * std::sqrt(0.5), 5.0}, 1e-12));
    EXPECT_TRUE(AreNear(PointBetween(course, a, a, 0.3), a, 0.0));
}
