// SPDX-License-Identifier: MIT
#include <random>
#include <utility>

#include "render/course_midway.h"
#include "render/tracers.h"
#include "test_support.h"

// A bisection's midpoint from its bracket's two points is the course's
// point halfway between their fractions.
TEST(PolylineCourseTest, MidwayIsThePointHalfwayInTheParameter)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (const CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix})
        for (const int angle : {2, 60, 89}) {
            const FigureModel model = BuilderOf(figure)(angle);
            for (const auto& [polylines, course] :
                 {std::pair{&model.wire, WireCourse(figure)},
                  std::pair{&model.curve, CurveCourse(figure, angle)}})
                for (FigurePolyline polyline : *polylines)
                    for (uint32_t j = 0; j + 1 < polyline.count; j += 11) {
                        const Vec3 a = model.Vertex(polyline.first + j);
                        const Vec3 b = model.Vertex(polyline.first + j + 1);
                        const double fp = fraction(random), fq = fraction(random);
                        ASSERT_TRUE(
                            AreNear(Midway(SpanOf(course, a, b), PointBetween(course, a, b, fp), fp,
                                           PointBetween(course, a, b, fq), fq),
                                    PointBetween(course, a, b, 0.5 * (fp + fq)), 1e-9))
                            << "figure " << int(figure) << ", angle " << angle << ", vertex " << j;
                    }
        }
}
