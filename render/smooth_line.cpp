// SPDX-License-Identifier: MIT
#include "render/smooth_line.h"

namespace {

// Liang–Barsky: cuts the segment to the box, or returns false when it
// misses it.
bool ClipToBox(WuSegment& s, double minX, double minY, double maxX, double maxY)
{
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    double enter = 0.0, leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x0 - minX, maxX - s.x0, s.y0 - minY, maxY - s.y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    // Far ends lose their precision in the products: the cut ends are held
    // to the box, which they must lie on or in.
    auto x = [&](double t) { return std::clamp(s.x0 + t * dx, minX, maxX); };
    auto y = [&](double t) { return std::clamp(s.y0 + t * dy, minY, maxY); };
    s = {x(enter), y(enter), x(leave), y(leave)};
    return true;
}

} // namespace

std::optional<WuSegment> CutSmoothLine(double x0, double y0, double x1, double y1, int width,
                                       int height)
{
    WuSegment s{x0 - 0.5, y0 - 0.5, x1 - 0.5, y1 - 0.5};
    if (!std::isfinite(s.x1 - s.x0) || !std::isfinite(s.y1 - s.y0))
        return std::nullopt;
    if (!ClipToBox(s, -2.0, -2.0, width + 1.0, height + 1.0))
        return std::nullopt;
    return s;
}
