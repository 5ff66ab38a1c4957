// SPDX-License-Identifier: MIT
// Views and figures for the export tests: many seeded views, reachable or
// not by the controls, and the figures' raster pictures to compare with.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include <QImage>

#include "render/draw_figure.h"
#include "test_support.h"
#include "ui/view_controls.h"

struct ExportView {
    CurveKind figure = CurveKind::None;
    int angleDeg = 60;
    double zoom = 50.0;
    Vec3 eye{300.0, 0.0, 0.0};
    Vec3 up{0.0, 0.0, 1.0};
};

// Sets the view as the snapshot tool does: eye, up, zoom, angle and figure,
// with the frame still to be rebuilt by the next redraw.
inline void SetExportView(const ExportView& view)
{
    View() = ViewState{};
    View().eye = view.eye;
    View().up = view.up;
    View().zoom = view.zoom;
    View().angleDeg = view.angleDeg;
    View().curveKind = view.figure;
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

// The raster picture of the current view, as the window shows it.
inline QImage RasterPicture()
{
    Canvas canvas;
    ComposeFigure(canvas);
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), kPictureSize, kPictureSize,
                  canvas.Width() * 4, QImage::Format_RGB32)
        .copy();
}
