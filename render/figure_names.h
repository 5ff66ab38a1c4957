// SPDX-License-Identifier: MIT
// The figures' names on the command line, in scripts and in benchmark names.
#pragma once

#include <optional>
#include <string_view>

#include "geometry/view_state.h"

struct FigureName {
    CurveKind kind;
    const char* name;
};

// Every figure kind with its one name; None first, then the three figures in
// the order of their buttons.
inline constexpr FigureName kFigureNames[] = {
    {CurveKind::None, "none"},
    {CurveKind::Helix, "helix"},
    {CurveKind::ConicalHelix, "conical"},
    {CurveKind::SphericalHelix, "spherical"},
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
