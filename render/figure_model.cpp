// SPDX-License-Identifier: MIT
#include "render/figure_model.h"

const FigureModel& FigureCache::Model(CurveKind figure, int angleDeg, FigureBuilder build)
{
    if (!valid_ || figure != figure_ || angleDeg != angleDeg_) {
        model_ = build(angleDeg);
        figure_ = figure;
        angleDeg_ = angleDeg;
        valid_ = true;
    }
    return model_;
}
