// SPDX-License-Identifier: MIT
// The flat picture as the window and the page keep it: drawn on one kept
// canvas per size, and again only when the figure, the angle, the mapping
// or the marked point changes, so that a drag or a zoom costs nothing here.
// With a point, the angle mark (angle_mark.h) is drawn over it at the same
// point of the curve as in the figure.
#pragma once

#include <memory>
#include <optional>

#include "render/angle_mark.h"
#include "render/curve_point.h"
#include "render/flat_picture.h"
#include "render/kept_canvas.h"

class KeptFlatPicture {
public:
    // Makes the canvas for a picture of `side` pixels; none when its memory
    // cannot be had, and then there is no picture until a later Show.
    using CanvasMaker = std::unique_ptr<KeptCanvas> (*)(int side);
    static std::unique_ptr<KeptCanvas> PlainCanvas(int side);

    explicit KeptFlatPicture(CanvasMaker make = PlainCanvas) : make_(make) {}

    // Draws the flat picture, with the mark at `point` of `curve` when both
    // are given, unless the canvas already shows just that. Returns whether
    // it drew.
    bool Show(CurveKind figure, int angleDeg, PictureMapping mapping,
              const TracedCurve* curve = nullptr, std::optional<double> point = std::nullopt);
    // Nothing until the first Show.
    const KeptCanvas* Picture() const { return canvas_.get(); }
    // The box of the picture that may have changed since it was last asked
    // (KeptCanvas::TakeChanged); empty before the first Show.
    PixelBox TakeChanged() { return canvas_ ? canvas_->TakeChanged() : PixelBox{}; }
    // The mark last drawn, in picture units and in development units; not
    // shown when there was none.
    const PictureMark& Mark() const { return mark_; }
    const FlatMark& PlaneMark() const { return planeMark_; }
    // The fit of the figure's flat picture at the angle, from the kept one.
    FlatFit Fit(CurveKind figure, int angleDeg) { return cache_.Figure(figure, angleDeg).fit; }

private:
    CanvasMaker make_;
    std::unique_ptr<KeptCanvas> canvas_;
    FlatCache cache_;
    CurveKind figure_ = CurveKind::None;
    int angleDeg_ = 0;
    PictureMapping mapping_;
    std::optional<double> point_;
    PictureMark mark_;
    FlatMark planeMark_;
};
