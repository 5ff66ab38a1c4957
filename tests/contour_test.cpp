// SPDX-License-Identifier: MIT
#include <cmath>

#include "render/contour.h"
#include "render/drawn_surfaces.h"
#include "render/tracers.h"
#include "test_support.h"

namespace {

DrawnSurface SurfaceOf(CurveKind figure) { return DrawnSurfaceOf(figure, BuilderOf(figure)(60)); }

// A contour point's line of sight touches the surface: it runs at right
// angles to the surface's normal there.
double SightAcrossNormal(const DrawnSurface& surface, Vec3 p, Vec3 eye)
{
    Vec3 normal;
    switch (surface.kind) {
    case DrawnSurface::Kind::Cylinder:
        normal = {p.x, p.y, 0.0};
        break;
    case DrawnSurface::Kind::Cone: {
        const double k = surface.cone.tanHalfAngle;
        normal = {p.x, p.y, k * k * (surface.cone.apexHeight - p.z)};
        break;
    }
    default:
        normal = p;
    }
    return Dot(Normalize(normal), Normalize(Subtract(eye, p)));
}

} // namespace

TEST(ContourTest, CylinderFromTheDefaultEye)
{
    const DrawnSurface surface = SurfaceOf(CurveKind::Helix);
    const auto lines = ContourLines(surface, {300.0, 0.0, 0.0});
    ASSERT_EQ(lines.size(), 2u);
    const double phi = std::acos(15.0 / 300.0);
    for (size_t k = 0; k < 2; ++k) {
        const double side = k == 0 ? 1.0 : -1.0;
        const Vec3 at{15.0 * std::cos(phi), side * 15.0 * std::sin(phi), 0.0};
        EXPECT_TRUE(AreNear(lines[k].front(), {at.x, at.y, surface.cylinder.bottom}, 1e-12));
        EXPECT_TRUE(AreNear(lines[k].back(), {at.x, at.y, surface.cylinder.top}, 1e-12));
    }
}

TEST(ContourTest, SphereFromTheDefaultEye)
{
    const auto lines = ContourLines(SurfaceOf(CurveKind::SphericalHelix), {300.0, 0.0, 0.0});
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<Vec3>& circle = lines[0];
    EXPECT_GE(circle.size(), 180u);
    EXPECT_TRUE(AreNear(circle.front(), circle.back(), 1e-12)); // closed
    for (const Vec3 p : circle) {
        EXPECT_NEAR(p.x, 35.0 * 35.0 / 300.0, 1e-12);
        EXPECT_NEAR(Length(p), 35.0, 1e-12);
    }
}

// The cone's rulings where cos(φ − φ_E) = tan 30° (50 − E_z) / d_E, from the
// apex to the rim.
TEST(ContourTest, ConeRulingsFollowTheirFormula)
{
    const DrawnSurface surface = SurfaceOf(CurveKind::ConicalHelix);
    const Vec3 eye{120.0, 160.0, 10.0};
    const auto lines = ContourLines(surface, eye);
    ASSERT_EQ(lines.size(), 2u);
    const double expected = std::tan(Pi() / 6) * (50.0 - eye.z) / 200.0;
    for (const auto& line : lines) {
        EXPECT_TRUE(AreNear(line.front(), {0.0, 0.0, 50.0}, 1e-12));
        const Vec3 rim = line.back();
        EXPECT_NEAR(std::hypot(rim.x, rim.y), 49.6, 1e-9);
        EXPECT_NEAR(std::cos(std::atan2(rim.y, rim.x) - std::atan2(eye.y, eye.x)), expected, 1e-12);
    }
}

// Every contour point, from eyes all round, is where the eye's line of
// sight grazes the surface.
TEST(ContourTest, SightLinesGrazeTheSurfaceAlongTheContour)
{
    for (const CurveKind figure :
         {CurveKind::Helix, CurveKind::ConicalHelix, CurveKind::SphericalHelix}) {
        const DrawnSurface surface = SurfaceOf(figure);
        for (const Vec3 eye : {Vec3{300.0, 0.0, 0.0}, Vec3{-40.0, 70.0, -90.0},
                               Vec3{20.0, 20.0, 200.0}, Vec3{1e7, 3e7, -2e7}}) {
            for (const auto& line : ContourLines(surface, eye))
                for (size_t i = 1; i < line.size(); ++i) // the apex has no normal
                    EXPECT_NEAR(SightAcrossNormal(surface, line[i], eye), 0.0, 1e-9);
        }
    }
}

TEST(ContourTest, EyesThatSeeNoContour)
{
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::Helix), {10.0, 11.0, 400.0}).empty());
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::Helix), {15.0, 0.0, 0.0}).empty());
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::SphericalHelix), {20.0, 0.0, 0.0}).empty());
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::SphericalHelix), {35.0, 0.0, 0.0}).empty());
    // Inside the cone, and above the apex within the upper nappe, and on the axis.
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::ConicalHelix), {5.0, 0.0, 0.0}).empty());
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::ConicalHelix), {10.0, 0.0, 100.0}).empty());
    EXPECT_TRUE(ContourLines(SurfaceOf(CurveKind::ConicalHelix), {0.0, 0.0, 50.0}).empty());
    EXPECT_TRUE(ContourLines(DrawnSurface{}, {300.0, 0.0, 0.0}).empty());
}
