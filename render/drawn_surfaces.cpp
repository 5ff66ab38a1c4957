// SPDX-License-Identifier: MIT
#include "render/drawn_surfaces.h"

#include <algorithm>
#include <cmath>

#include "render/figure_dimensions.h"

namespace {

DrawnCylinder CylinderOfWires(const FigureModel& model)
{
    DrawnCylinder cylinder{CylinderDimensions::kRadius, 0.0, 0.0};
    bool first = true;
    for (FigurePolyline wire : model.wire)
        for (uint32_t i = wire.first; i < wire.first + wire.count; ++i) {
            cylinder.bottom = first ? model.z[i] : std::min(cylinder.bottom, model.z[i]);
            cylinder.top = first ? model.z[i] : std::max(cylinder.top, model.z[i]);
            first = false;
        }
    return cylinder;
}

double RimOfWires(const FigureModel& model)
{
    double squared = 0.0;
    for (FigurePolyline wire : model.wire)
        for (uint32_t i = wire.first; i < wire.first + wire.count; ++i)
            squared = std::max(squared, model.x[i] * model.x[i] + model.y[i] * model.y[i]);
    return std::sqrt(squared);
}

} // namespace

DrawnCone DrawnConeOfFigure()
{
    return {ConeDimensions::kApexHeight, std::tan(Pi() * ConeDimensions::kSixth), 0.0};
}

DrawnSurface DrawnSurfaceOf(CurveKind figure, const FigureModel& model)
{
    DrawnSurface surface;
    switch (figure) {
    case CurveKind::Helix:
        surface.kind = DrawnSurface::Kind::Cylinder;
        surface.cylinder = CylinderOfWires(model);
        break;
    case CurveKind::ConicalHelix:
        surface.kind = DrawnSurface::Kind::Cone;
        surface.cone = DrawnConeOfFigure();
        surface.cone.rimRadius = RimOfWires(model);
        break;
    case CurveKind::SphericalHelix:
        surface.kind = DrawnSurface::Kind::Sphere;
        surface.sphere.radius = SphereDimensions::kRadius;
        break;
    case CurveKind::None:
        break;
    }
    return surface;
}
