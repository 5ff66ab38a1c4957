// SPDX-License-Identifier: MIT
// The angle mark in SVG: the point, the tangent and the generatrix where the
// curve's own formulas, worked out here again, project them; the text the
// measured angle with a decimal comma; in the flat picture, the same in
// development units inside the flat group.
#include <cmath>

#include <gtest/gtest.h>

#include <QLocale>

#include "export/angle_mark_svg.h"
#include "export/angle_mark_text.h"
#include "export/flat_svg.h"
#include "export/picture_svg.h"
#include "svg_test_support.h"
#include "test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;

struct Reference {
    Vec3 point, tangent, generatrix;
};

// The curves by their textbook formulas, with derivatives by hand.
Reference ReferenceOf(CurveKind figure, int angle, double t)
{
    const double a = angle * kPi / 180.0;
    switch (figure) {
    case CurveKind::Helix:
        return {{15 * std::cos(t), 15 * std::sin(t), 15 * t / std::tan(a)},
                {-15 * std::sin(t), 15 * std::cos(t), 15 / std::tan(a)},
                {0, 0, 1}};
    case CurveKind::ConicalHelix: {
        const double g = 0.5 / std::tan(a), rho = std::exp(g * t), d = std::sqrt(3.0);
        return {{4 * rho * std::cos(t), 4 * rho * std::sin(t), 50 - 4 * rho * d},
                {4 * rho * (g * std::cos(t) - std::sin(t)),
                 4 * rho * (g * std::sin(t) + std::cos(t)), -4 * rho * g * d},
                {std::cos(t), std::sin(t), -d}};
    }
    default: {
        const double l = -std::log(std::tan(t / 2)) * std::tan(a), dl = -std::tan(a) / std::sin(t);
        const Vec3 p{35 * std::cos(l) * std::sin(t), 35 * std::sin(l) * std::sin(t),
                     35 * std::cos(t)};
        const Vec3 meridian{std::cos(l) * std::cos(t), std::sin(l) * std::cos(t), -std::sin(t)};
        const Vec3 along{-std::sin(l) * std::sin(t), std::cos(l) * std::sin(t), 0};
        return {p, Scale(35, Add(meridian, Scale(dl, along))), Scale(-1, meridian)};
    }
    }
}

Vec3 PictureOf(const ViewState& view, Vec3 p)
{
    const Vec3 uv = ProjectPoint(view, p);
    return {250 + uv.x, 250 - uv.y, 0};
}

Vec3 AsVec3(PicturePoint p) { return {p.x, p.y, 0}; }

const SvgElement* FindClass(const std::vector<SvgElement>& elements, const char* name)
{
    for (const SvgElement& element : elements)
        if (Attribute(element, "class") == QLatin1String(name))
            return &element;
    return nullptr;
}

// The text of the document's first <text>.
QString TextOf(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            return xml.readElementText();
    return QString();
}

class AngleMarkSvgTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

// The mark's 3D segments project onto the picture where the SVG says.
TEST_F(AngleMarkSvgTest, FigureMarkLiesWhereTheCurveProjects)
{
    const struct {
        CurveKind figure;
        int angle;
        double t;
    } cases[] = {{CurveKind::Helix, 60, 0.0},          {CurveKind::Helix, 30, -1.3},
                 {CurveKind::ConicalHelix, 60, 2.0},   {CurveKind::ConicalHelix, 80, 10.0},
                 {CurveKind::SphericalHelix, 45, 1.2}, {CurveKind::SphericalHelix, 10, 2.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.figure) << " at " << c.angle << ", " << c.t);
        ViewState view = DefaultView(c.figure, c.angle);
        view.eye = {200, -150, 80};
        const std::vector<SvgElement> elements = Elements(PictureSvg(view, c.t));
        const Reference ref = ReferenceOf(c.figure, c.angle, c.t);
        const ViewState framed = Framed(view);

        const SvgElement* point = FindClass(elements, "point");
        ASSERT_NE(point, nullptr);
        const Vec3 centre{Attribute(*point, "cx").toDouble(), Attribute(*point, "cy").toDouble(),
                          0};
        EXPECT_TRUE(AreNear(centre, PictureOf(framed, ref.point), 1e-5));

        const SvgElement* tangent = FindClass(elements, "tangent");
        ASSERT_NE(tangent, nullptr);
        const std::vector<PicturePoint> ends = PointsOf(Attribute(*tangent, "points"));
        ASSERT_EQ(ends.size(), 2u);
        const Vec3 unit = Scale(8 / Length(ref.tangent), ref.tangent);
        EXPECT_TRUE(AreNear(AsVec3(ends[0]), PictureOf(framed, Subtract(ref.point, unit)), 1e-5));
        EXPECT_TRUE(AreNear(AsVec3(ends[1]), PictureOf(framed, Add(ref.point, unit)), 1e-5));

        // Every generatrix point projects from the generatrix through the
        // point: on the picture line of the point and a point along G.
        const SvgElement* generatrix = FindClass(elements, "generatrix");
        ASSERT_NE(generatrix, nullptr);
        if (c.figure != CurveKind::SphericalHelix) {
            const Vec3 a = PictureOf(framed, ref.point);
            const Vec3 b = PictureOf(
                framed, Add(ref.point, Scale(4 / Length(ref.generatrix), ref.generatrix)));
            for (PicturePoint p : PointsOf(Attribute(*generatrix, "points"))) {
                const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
                EXPECT_NEAR(cross / Length(Subtract(b, a)), 0.0, 1e-4);
            }
        }
        EXPECT_NE(FindClass(elements, "arc"), nullptr);
    }
}

TEST_F(AngleMarkSvgTest, TextIsTheMeasuredAngle)
{
    EXPECT_EQ(TextOf(PictureSvg(DefaultView(CurveKind::Helix, 60), 0.0)), "60,0º");
    EXPECT_EQ(TextOf(PictureSvg(DefaultView(CurveKind::SphericalHelix, 7), 1.0)), "7,0º");
    EXPECT_EQ(MeasuredAngleText(89.96), "90,0º");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(MeasuredAngleText(60.0).startsWith("60.0"));
    // Without a point there is no mark, and the document is today's.
    const ViewState view = DefaultView(CurveKind::ConicalHelix, 45);
    EXPECT_EQ(PictureSvg(view, std::nullopt), PictureSvg(view));
    EXPECT_FALSE(PictureSvg(view).contains("angle-mark"));
}

// In the flat picture, the mark is in development units inside the flat
// group: the helix's point at X = 15·t (within the sheet) and Y = its z,
// its tangent along (1, cot α).
TEST_F(AngleMarkSvgTest, FlatMarkIsInDevelopmentUnits)
{
    for (int angle : {20, 60, 85}) {
        const double t = 1.0;
        const QByteArray svg = FlatPictureSvg(CurveKind::Helix, angle, t);
        const std::vector<SvgElement> elements = Elements(svg);
        const SvgElement* point = FindClass(elements, "point");
        ASSERT_NE(point, nullptr);
        const double cot = 1 / std::tan(angle * kPi / 180.0);
        EXPECT_NEAR(Attribute(*point, "cx").toDouble(), 15 * t, 1e-8);
        EXPECT_NEAR(Attribute(*point, "cy").toDouble(), 15 * t * cot, 1e-8);
        const std::vector<PicturePoint> ends =
            PointsOf(Attribute(*FindClass(elements, "tangent"), "points"));
        ASSERT_EQ(ends.size(), 2u);
        EXPECT_NEAR((ends[1].y - ends[0].y) / (ends[1].x - ends[0].x), cot, 1e-8);
        EXPECT_EQ(TextOf(svg), QStringLiteral("%1,0º").arg(angle));
        // The mark is the flat group's last child.
        EXPECT_GT(svg.indexOf("angle-mark"), svg.indexOf("<g id=\"flat\""));
        EXPECT_LT(svg.indexOf("angle-mark"), svg.lastIndexOf("</g>"));
    }
    // On the Mercator map the equator is Y = 0, and the meridian vertical.
    const std::vector<SvgElement> sphere =
        Elements(FlatPictureSvg(CurveKind::SphericalHelix, 40, kPi / 2));
    EXPECT_NEAR(Attribute(*FindClass(sphere, "point"), "cy").toDouble(), 0.0, 1e-8);
    const std::vector<PicturePoint> meridian =
        PointsOf(Attribute(*FindClass(sphere, "generatrix"), "points"));
    ASSERT_EQ(meridian.size(), 2u);
    EXPECT_EQ(meridian[0].x, meridian[1].x);
    EXPECT_NEAR(meridian[1].y - meridian[0].y, 16.0, 1e-8);
}

// Side by side, the figure's mark is in the figure's picture and the flat
// one in the flat group.
TEST_F(AngleMarkSvgTest, SideBySideMarksBoth)
{
    const QByteArray svg = SideBySideSvg(DefaultView(CurveKind::ConicalHelix), 3.0);
    EXPECT_EQ(svg.count("class=\"angle-mark\""), 2);
    EXPECT_GT(svg.lastIndexOf("angle-mark"), svg.indexOf("<g id=\"flat\""));
    EXPECT_LT(svg.indexOf("angle-mark"), svg.indexOf("<g id=\"flat\""));
}

TEST_F(AngleMarkSvgTest, HiddenMarkIsDashed)
{
    PictureMark mark = FigureAngleMark(DefaultView(CurveKind::Helix), 1.0);
    ASSERT_TRUE(mark.shown);
    EXPECT_FALSE(AngleMarkElement(mark).contains("stroke-dasharray"));
    mark.hidden = true;
    const QByteArray element = AngleMarkElement(mark);
    EXPECT_EQ(element.count("stroke-dasharray=\"4 4\""), 3) << element.constData();
}
