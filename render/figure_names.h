// SPDX-License-Identifier: MIT
// The figures' names on the command line, in scripts and in benchmark names,
// and the stems of the names a saved picture is offered under.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/view_state.h"

struct FigureName {
    CurveKind kind;
    const char* name;
    const char* fileStem; // the figure's Spanish title in plain ASCII
};

// Every figure kind with its one name; None first, then the three figures in
// the order of their buttons.
inline constexpr FigureName kFigureNames[] = {
    {CurveKind::None, "none", nullptr},
    {CurveKind::Helix, "helix", "helice"},
    {CurveKind::ConicalHelix, "conical", "helice-conica"},
    {CurveKind::SphericalHelix, "spherical", "helice-esferica"},
};

// The kind a name stands for; nothing for a name that is none of the table's.
inline std::optional<CurveKind> FigureFromName(std::string_view name)
{
    for (const FigureName& figure : kFigureNames)
        if (name == figure.name)
            return figure.kind;
    return std::nullopt;
}

// The name of a kind; nullptr for a value outside the table.
inline const char* NameOfFigure(CurveKind kind)
{
    for (const FigureName& figure : kFigureNames)
        if (kind == figure.kind)
            return figure.name;
    return nullptr;
}

// The name a saved picture is offered under, without its extension:
// "torsiva-helice-conica-60", or "torsiva" with no figure. ASCII only, so
// that it survives any file system and any shell.
inline std::string PictureFileStem(CurveKind kind, int angleDeg)
{
    for (const FigureName& figure : kFigureNames)
        if (kind == figure.kind && figure.fileStem)
            return std::string("torsiva-") + figure.fileStem + "-" + std::to_string(angleDeg);
    return "torsiva";
}
