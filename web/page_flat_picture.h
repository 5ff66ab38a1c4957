// SPDX-License-Identifier: MIT
// The page's flat picture ("Desarrollo"): the development of the figure at
// its angle, drawn as the desktop's beside the figure at the figure's scale
// and line style, again only when one of those or the figure or the angle
// changes (a drag or a zoom leaves it as it is). Its canvas swaps red and
// blue as the figure's does, so the browser shows its memory as it is.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/point_controls.h"
#include "page_picture.h"
#include "render/flat_picture.h"

class PageFlatPicture {
public:
    // Draws the flat picture unless it shows it already; with the point
    // shown, with the angle mark at the same point, drawn again when the
    // point moves too. When the memory for it cannot be had, there is none,
    // and nothing is thrown.
    void Show(CurveKind figure, int angleDeg, PictureMapping mapping,
              const PointControls* point = nullptr);
    // The fit of the figure's flat picture at the angle, from the kept one.
    FlatFit Fit(CurveKind figure, int angleDeg) { return cache_.Figure(figure, angleDeg).fit; }
    // The mark last drawn, in picture units and in development units (its
    // points as the flat picture's X and Y); not shown when there was none.
    const PictureMark& Mark() const { return mark_; }
    const PictureMark& DevelopedMark() const { return developed_; }

    bool HasPicture() const { return canvas_ != nullptr; }
    int Side() const { return canvas_ ? canvas_->Width() : 0; }
    // Side() rows of Side() R, G, B, A bytes; null before the first.
    const uint8_t* Rgba() const
    {
        return canvas_ ? reinterpret_cast<const uint8_t*>(canvas_->Bits()) : nullptr;
    }
    // How many flat pictures have been drawn.
    uint64_t Redraws() const { return redraws_; }

private:
    std::unique_ptr<RgbaCanvas> canvas_;
    FlatCache cache_;
    CurveKind figure_ = CurveKind::None;
    int angleDeg_ = 0;
    PictureMapping mapping_;
    std::optional<double> markedAt_;
    PictureMark mark_;
    PictureMark developed_;
    uint64_t redraws_ = 0;
};
