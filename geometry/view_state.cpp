// SPDX-License-Identifier: MIT
#include "geometry/view_state.h"

ViewState DefaultView(CurveKind figure, int32_t angleDeg)
{
    ViewState view;
    view.eye = kDefaultEye;
    view.up = kDefaultUp;
    view.zoom = kDefaultZoom;
    view.angleDeg = angleDeg;
    view.curveKind = figure;
    return view;
}
