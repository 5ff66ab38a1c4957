// SPDX-License-Identifier: MIT
// The development: each figure's surface laid out in the plane, with the very
// vertices its tracer computes (the same loops, counts and parameters), so
// that the angle between the curve and the generatrices can be seen.
//
// Conventions for the flat picture. Development units are model units; X
// grows to the right and Y upwards; angles are radians.
//
// - Cylinder (radius 15): the point at angle φ and height z goes to
//   (X, Y) = (15·φ, z), with φ in [0, 2π) and the seam at φ = 0. Generatrix k
//   lies at X = 15·φ_k, φ_k accumulated as the tracer accumulates it; a helix
//   vertex of parameter t has unwrapped X = 15·t and Y its z. The outline is
//   the rectangle 0 ≤ X ≤ 30π, z_min ≤ Y ≤ z_max, the lowest and highest
//   heights of the wireframe.
// - Cone (apex (0, 0, 50), half-angle 30°): the point at distance d from the
//   axis and angle φ goes to slant s = 2·d and sector angle ψ = φ / 2, so the
//   whole cone is a half disc; (X, Y) = (s·cos ψ, −s·sin ψ), the apex at the
//   origin and the sector hanging below it. Vertex j of a ruling has
//   s = 1.6·j; a curve vertex has s = 8·ρ and unwrapped ψ = t / 2. The
//   outline is the edge rays ψ = 0 and ψ = π from the apex to the rim and the
//   rim arc at s = 99.2.
// - Sphere (radius 35): the Mercator map, X = 35·λ with λ wrapped into
//   [−π, π), Y = −35·ln(tan(θ/2)) with θ the angle from the north pole. A
//   great circle at λ_k gives the meridians at λ_k and λ_k + π (its vertices
//   with θ < 0 lie on the second), each a vertical line across the outline.
//   The curve takes every vertex of its loop, without the figure's cut at the
//   picture's edge. The outline is the square −35π ≤ X, Y ≤ 35π.
//
// Sheets. The curve's vertices are kept unwrapped: the unwrapped plane is cut
// at the seam into copies of the outline, the sheets, and sheet 0 is the
// outline itself. A point of sheet m is drawn carried back onto sheet 0:
// shifted by −m·30π (cylinder) or −m·70π (sphere) in X, or turned by −m·π
// about the apex (cone). A chord between consecutive vertices is cut where it
// crosses the seam and goes on from the other edge; it is cut where it leaves
// the outline, and nothing outside is drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/view_state.h"
#include "render/figure_model.h"

struct FlatPoint {
    double x = 0.0;
    double y = 0.0;
};

struct FlatBox {
    double left = 0.0, bottom = 0.0, right = 0.0, top = 0.0;
};

// What a polyline of the flat picture draws, in drawing order.
enum class FlatClass { Outline, Wire, Curve };

// How the unwrapped plane is cut into sheets and carried back onto sheet 0.
enum class SeamKind {
    Shift,    // sheets side by side along X; a vertex is (X, Y) unwrapped
    HalfTurn, // sheets turned by π about the apex; a vertex is (s, ψ) unwrapped
};

struct Development {
    SeamKind seam = SeamKind::Shift;
    // Shift: sheet 0 holds left ≤ X < left + period, and the outline is the
    // band bottom ≤ Y ≤ top across it.
    double left = 0.0, period = 0.0;
    double bottom = 0.0, top = 0.0;
    // HalfTurn: the outline is the half disc s ≤ rim, 0 ≤ ψ ≤ π.
    double rim = 0.0;
    FlatBox box; // the outline's bounding box, in sheet 0
    // The outline, one closed polyline in sheet 0, drawn as it is.
    std::vector<FlatPoint> outline;
    // The wires' and the curve's vertices, unwrapped, by component: (X, Y)
    // or (s, ψ) as `seam` says. Each polyline is a run of them.
    std::vector<double> a, b;
    std::vector<FigurePolyline> wire, curve;

    size_t VertexCount() const { return a.size(); }
};

// The development of a figure at an angle. It builds the figure's model, so
// that the tracer's own loops fix how many vertices each polyline has, and
// lays out every vertex from the parameters the tracer gave it. Empty for
// CurveKind::None or any value that names no figure.
Development Develop(CurveKind figure, int angleDeg);

// The sheet an unwrapped coordinate lies on: X for Shift, ψ for HalfTurn.
// Beyond 9·10^15 sheets, farther than any vertex within reach (flat_cuts.h)
// can be, it answers 0.
int64_t SheetOf(const Development& development, double unwrapped);

// A vertex of a development carried onto sheet 0: its sheet and its position
// there.
struct SheetPoint {
    int64_t sheet = 0;
    FlatPoint point;
};
SheetPoint OnSheet(const Development& development, size_t vertex);
