// SPDX-License-Identifier: MIT
#include "page.h"

#include "controls/spoken_value.h"
#include "render/figure_names.h"

void Page::Panel::ShowAngle(int angleDeg)
{
    RecordedPanel::ShowAngle(angleDeg);
    labelAngle = angleDeg;
}

const BarRecord& Page::Panel::Record(Bar bar) const
{
    const BarRecord* const records[] = {&barA, &barZ, &barP}; // in the order of Bar
    return *records[static_cast<int>(bar)];
}

void Page::SetPicture(double scale, LineStyle lines)
{
    const double before = picture_.Scale();
    const LineStyle linesBefore = picture_.Lines();
    picture_.SetScale(scale);
    picture_.SetLineStyle(lines);
    const bool changed = picture_.Scale() != before || lines != linesBefore;
    if (changed && picture_.HasPicture())
        controls_.Redraw();
}

// The point follows the figure and the angle before the mark is drawn, as
// on the desktop.
void Page::Draw(const ViewState& view)
{
    if (point_.Follow(view))
        figureChanged_ = true;
    picture_.Draw(view);
    mark_ = PictureMark{};
    if (const std::optional<double> shown = point_.Shown()) {
        const SpaceMark mark = MarkInSpace(point_.Curve(), *shown);
        mark_ = ProjectMark(mark, view);
        mark_.hidden = MarkPointHidden(mark, view, picture_.Model(view));
        picture_.DrawMark(mark_);
    }
    if (flatOn_)
        ShowFlat(view);
}

void Page::CurveButton(CurveKind figure)
{
    point_.ExpectCurveButton();
    controls_.OnCurveButton(figure);
}

void Page::SetPoint(bool on)
{
    point_.SetOn(on);
    if (picture_.HasPicture())
        controls_.Redraw();
}

bool Page::StepPoint(int direction)
{
    if (!point_.Shown() || !point_.Step(direction))
        return false;
    controls_.Redraw();
    return true;
}

bool Page::AnimatePoint(double seconds)
{
    if (!point_.Shown() || !point_.MoveTo(point_.AnimatedParameter(seconds)))
        return false;
    controls_.Redraw();
    return true;
}

bool Page::PointToFlat(double x, double y)
{
    const ViewState& view = controls_.State();
    if (!point_.Shown() || !flatOn_ || !FigureShown(view))
        return false;
    if (!point_.MoveToNearestFlat(flat_.Fit(view.curveKind, view.angleDeg), PicturePoint{x, y}))
        return false;
    controls_.Redraw();
    return true;
}

bool Page::TakeFigureChanged()
{
    const bool changed = figureChanged_;
    figureChanged_ = false;
    return changed;
}

void Page::ShowFlat(const ViewState& view)
{
    if (picture_.HasPicture())
        flat_.Show(view.curveKind, view.angleDeg,
                   PictureMapping{picture_.DrawnScale(), picture_.Lines()}, &point_);
}

void Page::SetFlat(bool on)
{
    flatOn_ = on;
    if (on)
        ShowFlat(controls_.State());
}

double Page::SpokenValue(Bar bar) const { return SpokenBarValue(controls_, bar); }

const std::vector<PicturePath>& Page::UpdatePaths()
{
    paths_ = PicturePaths(controls_.State());
    return paths_;
}

const FlatFigure& Page::UpdateFlatFigure()
{
    const ViewState& view = controls_.State();
    flatFigure_ = MakeFlatFigure(view.curveKind, view.angleDeg);
    return flatFigure_;
}

const std::string& Page::UpdateFileStem()
{
    const ViewState& view = controls_.State();
    fileStem_ = PictureFileStem(view.curveKind, view.angleDeg);
    return fileStem_;
}

const int32_t* Page::KeepBox(PixelBox box)
{
    if (box.Empty())
        box = {};
    keptBox_[0] = int32_t(box.left);
    keptBox_[1] = int32_t(box.top);
    keptBox_[2] = int32_t(box.right);
    keptBox_[3] = int32_t(box.bottom);
    return keptBox_;
}
