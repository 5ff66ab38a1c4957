// SPDX-License-Identifier: MIT
#include <cmath>
#include <cstring>

#include "geometry/view_frame.h"
#include "render/draw_figure.h"
#include "render/hidden_figure.h"
#include "render/recording_canvas.h"
#include "render/tracers.h"
#include "test_support.h"

namespace {

constexpr CurveKind kFigures[] = {CurveKind::Helix, CurveKind::ConicalHelix,
                                  CurveKind::SphericalHelix};

ViewState HiddenView(CurveKind figure, Vec3 eye, int angle = 60)
{
    ViewState view = DefaultView(figure, angle);
    view.eye = eye;
    view.hiddenParts = true;
    return Framed(view);
}

int CountColour(const Canvas& canvas, uint32_t colour, int side)
{
    int count = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            count += canvas.PixelAt(x, y) == colour;
    return count;
}

} // namespace

// The option off draws exactly the plain figure; on, the hidden half of the
// curve loses about half its pixels to the dashes, and the hidden wires go.
TEST(HiddenFigureTest, OnlyTheOptionChangesThePicture)
{
    for (const CurveKind figure : kFigures) {
        Canvas plain = Canvas::ForPicture(kPictureSize), hidden = Canvas::ForPicture(kPictureSize);
        FigureCache figures;
        ViewState view = HiddenView(figure, kDefaultEye);
        view.hiddenParts = false;
        ComposeFigure(plain, figures, view);
        Canvas again = Canvas::ForPicture(kPictureSize);
        FigureCache fresh;
        TraceFigure(again, kWirePen, kCurvePen, fresh, view, BuilderOf(figure));
        view.hiddenParts = true;
        ComposeFigure(hidden, figures, view);
        const int plainCurve = CountColour(plain, kCurvePen.colour, kPictureSize);
        const int hiddenCurve = CountColour(hidden, kCurvePen.colour, kPictureSize);
        EXPECT_LT(hiddenCurve, plainCurve * 95 / 100) << int(figure);
        EXPECT_GT(hiddenCurve, plainCurve / 2) << int(figure);
        EXPECT_LT(CountColour(hidden, kWirePen.colour, kPictureSize),
                  CountColour(plain, kWirePen.colour, kPictureSize));
    }
}

// The operations: wires, the contour, then the curve, its hidden pieces as
// dashed polylines in the hidden pen, at the scale's pattern.
TEST(HiddenFigureTest, OperationsDrawTheContourBeforeTheCurveAndDashTheHidden)
{
    RecordingCanvas canvas = RecordingCanvas::OperationsOnly();
    FigureCache figures;
    ComposeFigure(canvas, figures, HiddenView(CurveKind::Helix, kDefaultEye), {2.0});
    std::vector<std::string> pens;
    int dashed = 0;
    for (const CanvasOp& op : canvas.Ops()) {
        if (op.kind == CanvasOp::Kind::Pen && (pens.empty() || pens.back() != op.pen))
            pens.push_back(op.pen);
        if (op.kind == CanvasOp::Kind::Dashes) {
            ++dashed;
            EXPECT_EQ(op.a, 8);
            EXPECT_EQ(op.b, 8);
            EXPECT_EQ(op.c, 0); // each hidden piece starts a dash
            EXPECT_EQ(pens.back(), "curve hidden");
        }
    }
    // The border's, then the curve's as the plain redraw selects it first.
    ASSERT_GE(pens.size(), 6u);
    EXPECT_EQ(pens[2], "wire");
    EXPECT_EQ(pens[3], "contour");
    EXPECT_EQ(pens[4], "curve");
    EXPECT_EQ(pens[5], "curve hidden");
    EXPECT_EQ(pens.back(), "curve");
    EXPECT_GT(dashed, 2);
}

TEST(HiddenFigureTest, PathsNameTheirPartsAndDashTheHidden)
{
    for (const CurveKind figure : kFigures) {
        const std::vector<PicturePath> paths = PicturePaths(HiddenView(figure, kDefaultEye));
        int contour = 0, hidden = 0, wire = 0;
        for (const PicturePath& path : paths) {
            ASSERT_NE(path.part, nullptr);
            const std::string part = path.part;
            EXPECT_EQ(path.dashed, part == "curve hidden");
            contour += part == "contour";
            hidden += part == "curve hidden";
            wire += part == "wire";
        }
        EXPECT_EQ(contour, figure == CurveKind::SphericalHelix ? 1 : 2);
        EXPECT_GT(hidden, 0);
        EXPECT_GT(wire, 0);
    }
    ViewState plain = HiddenView(CurveKind::Helix, kDefaultEye);
    plain.hiddenParts = false;
    for (const PicturePath& path : PicturePaths(plain)) {
        EXPECT_EQ(path.part, nullptr);
        EXPECT_FALSE(path.dashed);
    }
}

// Eyes on a surface, inside it, above the apex on the axis, very far: a
// finite picture.
TEST(HiddenFigureTest, AwkwardEyesGiveFinitePictures)
{
    for (const CurveKind figure : kFigures)
        for (const Vec3 eye : {Vec3{15.0, 0.0, 0.0}, Vec3{35.0, 0.0, 0.0}, Vec3{20.0, 0.0, 0.0},
                               Vec3{0.0, 0.01, 150.0}, Vec3{0.0, 0.0, 50.0},
                               Vec3{1e150, 0.0, 1e149}, Vec3{5.0, 5.0, -10.0}}) {
            for (const PicturePath& path : PicturePaths(HiddenView(figure, eye, 89)))
                for (const PicturePoint& p : path.points)
                    ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            Canvas canvas = Canvas::ForPicture(kPictureSize);
            FigureCache figures;
            ComposeFigure(canvas, figures, HiddenView(figure, eye, 89), {1.0, LineStyle::Smooth});
        }
}
