// SPDX-License-Identifier: MIT
// The surface each figure draws, as the visibility tests take it
// (geometry/visibility.h): the cylinder between the lowest and highest
// heights of its wireframe, the cone from its apex down to the rim of its
// rulings, the sphere of the loxodrome.
#pragma once

#include "geometry/view_state.h"
#include "geometry/visibility.h"
#include "render/figure_model.h"

// The cone's apex and slope; its rim is the wireframe's (DrawnSurfaceOf).
DrawnCone DrawnConeOfFigure();

// The surface of the figure whose model this is; Kind::None for no figure.
DrawnSurface DrawnSurfaceOf(CurveKind figure, const FigureModel& model);
