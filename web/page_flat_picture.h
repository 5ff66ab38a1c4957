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
#include "render/kept_flat_picture.h"

class PageFlatPicture {
public:
    // Draws the flat picture unless it shows it already; with the point
    // shown, with the angle mark at the same point, drawn again when the
    // point moves too. When the memory for it cannot be had, there is none,
    // and nothing is thrown.
    void Show(CurveKind figure, int angleDeg, PictureMapping mapping,
              const PointControls* point = nullptr);
    // The fit of the figure's flat picture at the angle, from the kept one.
    FlatFit Fit(CurveKind figure, int angleDeg) { return kept_.Fit(figure, angleDeg); }
    // The mark last drawn, in picture units and in development units (its
    // points as the flat picture's X and Y, for the script to read alike);
    // not shown when there was none.
    const PictureMark& Mark() const { return kept_.Mark(); }
    const PictureMark& DevelopedMark() const { return developed_; }

    bool HasPicture() const { return kept_.Picture() != nullptr; }
    int Side() const { return HasPicture() ? kept_.Picture()->Width() : 0; }
    // Side() rows of Side() R, G, B, A bytes; null before the first.
    const uint8_t* Rgba() const
    {
        return HasPicture() ? reinterpret_cast<const uint8_t*>(kept_.Picture()->Bits()) : nullptr;
    }
    // The box that may have changed since it was last asked.
    PixelBox TakeChanged() { return kept_.TakeChanged(); }
    // How many flat pictures have been drawn.
    uint64_t Redraws() const { return redraws_; }

private:
    KeptFlatPicture kept_{
        [](int side) -> std::unique_ptr<KeptCanvas> { return RgbaCanvasIfMemory(side); }};
    PictureMark developed_;
    uint64_t redraws_ = 0;
};
