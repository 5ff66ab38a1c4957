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

void Page::Draw(const ViewState& view)
{
    picture_.Draw(view);
    if (flatOn_)
        ShowFlat(view);
}

void Page::ShowFlat(const ViewState& view)
{
    if (picture_.HasPicture())
        flat_.Show(view.curveKind, view.angleDeg,
                   PictureMapping{picture_.DrawnScale(), picture_.Lines()});
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
