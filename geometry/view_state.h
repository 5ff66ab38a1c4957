// SPDX-License-Identifier: MIT
// The record of view values. The view controls own the program's one
// instance for the whole run and hand it to whatever needs it: the orbit
// step and the frame update write it, the redraw and the exports read it.
#pragma once

#include <cstdint>

#include "geometry/vec3.h"

enum class CurveKind : int {
    None = 0,
    Helix = 1,
    ConicalHelix = 2,
    SphericalHelix = 3,
};

// A cursor position in screen pixels: x to the right, y downwards.
struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The member initialisers are the start of a run.
struct ViewState {
    // Viewing frame; see view_frame.h for what each field means.
    Vec3 eye;
    Vec3 target;
    Vec3 up;
    Vec3 viewDir;
    Vec3 right;
    Vec3 planePoint;
    // Picture scale: always a whole number from 0 to 100.
    double zoom = 20.0;
    // Angle between the curve and the generatrices, whole degrees.
    int32_t angleDeg = 60;
    CurveKind curveKind = CurveKind::None;
    // "Partes ocultas": the surface's contour drawn, the curve dashed where
    // the surface hides it from the eye, the hidden wires left out.
    bool hiddenParts = false;
    // Drag state of the orbit.
    bool dragging = false;
    ScreenPoint cursor;
    ScreenPoint lastCursor;
};

// The view that every curve button starts from: the eye out on the x axis,
// looking at the origin with z up.
constexpr Vec3 kDefaultEye{300.0, 0.0, 0.0};
constexpr Vec3 kDefaultUp{0.0, 0.0, 1.0};
constexpr double kDefaultZoom = 50.0;
constexpr int32_t kDefaultAngleDeg = 60;

// Whether the view shows a figure: false before the first curve button.
inline bool FigureShown(const ViewState& view) { return view.curveKind != CurveKind::None; }

// A start-of-run record showing `figure` in the default view: what the curve
// button leaves at the start of a run. For whatever draws single pictures.
ViewState DefaultView(CurveKind figure, int32_t angleDeg = kDefaultAngleDeg);
