// SPDX-License-Identifier: MIT
// What the point and mark tests sweep: the three figures, each from its
// lowest angle (the loxodrome's bar goes down to 0) to 89, and seeded
// parameters spread over a curve's range. Any draw will do: the properties
// tested hold at every point.
#pragma once

#include <random>
#include <vector>

#include "render/curve_point.h"

constexpr CurveKind kFigures[] = {CurveKind::Helix, CurveKind::ConicalHelix,
                                  CurveKind::SphericalHelix};

inline int LowestAngle(CurveKind figure) { return figure == CurveKind::SphericalHelix ? 0 : 2; }

inline std::vector<double> RandomParameters(const CurveRange& range, unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> along(range.first, range.last);
    std::vector<double> parameters;
    for (int i = 0; i < count; ++i)
        parameters.push_back(along(random));
    return parameters;
}
