// SPDX-License-Identifier: MIT
// Views and figures for the export tests: many seeded views, reachable or
// not by the controls, and the figures' raster pictures to compare with.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include <QImage>

#include "controls/view_controls.h"
#include "export/canvas_image.h"
#include "render/draw_figure.h"
#include "test_support.h"

struct ExportView {
    CurveKind figure = CurveKind::None;
    int angleDeg = 60;
    double zoom = 50.0;
    Vec3 eye{300.0, 0.0, 0.0};
    Vec3 up{0.0, 0.0, 1.0};
};

// The view as the snapshot tool sets it: eye, up, zoom, angle and figure,
// with the frame still to be rebuilt.
inline ViewState StateOf(const ExportView& view)
{
    ViewState state;
    state.eye = view.eye;
    state.up = view.up;
    state.zoom = view.zoom;
    state.angleDeg = view.angleDeg;
    state.curveKind = view.figure;
    return state;
}

// Eyes in every direction at every distance the P bar allows, with any up,
// zoom and angle the controls allow.
inline std::vector<ExportView> SeededViews(unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_real_distribution<double> distance(20.0, 300.0);
    std::uniform_int_distribution<int> zoom(0, 100), figure(1, 3);
    std::vector<ExportView> views;
    while (int(views.size()) < count) {
        ExportView view;
        view.figure = CurveKind(figure(random));
        view.angleDeg =
            std::uniform_int_distribution<int>(AngleFloor(view.figure), kAngleCeiling)(random);
        view.zoom = zoom(random);
        const Vec3 direction{unit(random), unit(random), unit(random)};
        if (Length(direction) < 0.1)
            continue;
        view.eye = Scale(distance(random), Normalize(direction));
        view.up = {unit(random), unit(random), unit(random)};
        views.push_back(view);
    }
    return views;
}

// The raster picture of the view, as a redraw of it shows it.
inline QImage RasterPicture(const ViewState& state)
{
    Canvas canvas;
    FigureCache figures;
    ComposeFigure(canvas, figures, Framed(state));
    return CanvasPictureCopy(canvas);
}
