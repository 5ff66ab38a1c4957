// SPDX-License-Identifier: MIT
// The browser page's program: the view controls, which own the view, with a
// panel that keeps what the page's bars and label show and draws every
// redraw on the page's picture. The page's script only forwards what the
// user does to the controls and then shows what the panel keeps, as the
// desktop dialog does with its widgets.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/point_controls.h"
#include "controls/recorded_panel.h"
#include "controls/view_controls.h"
#include "page_flat_picture.h"
#include "page_picture.h"
#include "page_sliders.h"
#include "render/picture_paths.h"

class Page {
public:
    Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    ViewControls& Controls() { return controls_; }
    const ViewControls& Controls() const { return controls_; }
    PagePicture& Picture() { return picture_; }
    const PagePicture& Picture() const { return picture_; }

    // The scale and line style of the picture; a change draws it again, once
    // there is one: the redraw no control asked for, as the desktop's on a
    // resize.
    void SetPicture(double scale, LineStyle lines);

    // "Desarrollo": the flat picture shown beside the figure, drawn with every
    // redraw at the figure's scale and line style (and at once, when turned
    // on with a figure drawn).
    void SetFlat(bool on);
    bool FlatOn() const { return flatOn_; }
    const PageFlatPicture& Flat() const { return flat_; }
    PageFlatPicture& Flat() { return flat_; }

    // A curve button: the point goes to the figure's default.
    void CurveButton(CurveKind figure);

    // "Ángulo en un punto": the mark shown at the point, in both pictures,
    // and what moves the point (controls/point_controls.h). Each move draws
    // again and says whether the point moved.
    void SetPoint(bool on);
    const PointControls& Point() const { return point_; }
    bool StepPoint(int direction);
    bool AnimatePoint(double seconds);
    // To the curve point nearest (x, y) in the flat picture, picture units.
    bool PointToFlat(double x, double y);
    // Whether the figure changed since the last call: an animation of the
    // last figure stops.
    bool TakeFigureChanged();
    // The marks last drawn, in the figure's picture and the flat one.
    const PictureMark& Mark() const { return mark_; }
    const PictureMark& FlatMark() const { return flat_.Mark(); }
    const PictureMark& DevelopedFlatMark() const { return flat_.DevelopedMark(); }

    SliderShown Slider(Bar bar) const { return SliderOf(bar, panel_.Record(bar)); }
    // What a screen reader says of a bar: the view value it stands for, as
    // on the desktop.
    double SpokenValue(Bar bar) const;
    // The angle the label shows; none until the first curve button or A-bar
    // notification, when the label is still empty.
    std::optional<int> LabelAngle() const { return panel_.labelAngle; }

    // The paths of the figure the view shows, as the desktop's SVG draws
    // them; kept until the next call.
    const std::vector<PicturePath>& UpdatePaths();
    const std::vector<PicturePath>& Paths() const { return paths_; }
    // The flat picture of the view's figure at its angle, as the desktop's
    // SVG draws it beside the figure; kept until the next call.
    const FlatFigure& UpdateFlatFigure();
    const FlatFigure& FlatFigureKept() const { return flatFigure_; }
    // `box` as left, top, right and bottom, kept until the next call (and
    // empty as 0, 0, 0, 0), for the script to read.
    const int32_t* KeepBox(PixelBox box);
    // The name a saved picture of the view is offered under, without its
    // extension; kept until the next call.
    const std::string& UpdateFileStem();

private:
    // RecordedPanel keeps the bars; the label's angle is kept as a number,
    // so that the page words it in its own language.
    class Panel : public RecordedPanel {
    public:
        using RecordedPanel::RecordedPanel;
        void ShowAngle(int angleDeg) override;
        const BarRecord& Record(Bar bar) const;

        std::optional<int> labelAngle;
    };

    void Draw(const ViewState& view);
    void ShowFlat(const ViewState& view);

    PagePicture picture_;
    PageFlatPicture flat_;
    PointControls point_;
    PictureMark mark_;
    bool figureChanged_ = false;
    bool flatOn_ = false;
    Panel panel_{[this](const ViewState& view) { Draw(view); }};
    ViewControls controls_{panel_};
    std::vector<PicturePath> paths_;
    FlatFigure flatFigure_;
    std::string fileStem_;
    int32_t keptBox_[4] = {};
};
