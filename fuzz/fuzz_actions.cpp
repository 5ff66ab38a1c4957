// torsiva-fuzz: any sequence of user actions, applied through the same view
// controls the dialog uses, each redraw made on a real canvas. After every
// action the view must be within its bounds and the controls must show it.
#include <cmath>

#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_check.h"
#include "render/draw_figure.h"
#include "ui/control_ids.h"
#include "ui/recorded_panel.h"
#include "ui/view_controls.h"

namespace {

struct Run {
    bool figureChosen = false;
    ScreenPoint cursor;
};

void CheckFrame(const Run& run)
{
    const ViewState& v = View();
    FUZZ_CHECK(IsFinite(v.up) && IsFinite(v.right));
    if (!run.figureChosen)
        return;
    FUZZ_CHECK(std::abs(Length(v.up) - 1.0) < 1e-9);
    FUZZ_CHECK(std::abs(Length(v.right) - 1.0) < 1e-9);
    FUZZ_CHECK(std::abs(Dot(v.up, v.right)) < 1e-9);
}

void CheckView(const Run& run, const RecordedPanel& panel)
{
    const ViewState& v = View();
    FUZZ_CHECK(v.zoom == std::floor(v.zoom) && v.zoom >= 0.0 && v.zoom <= 100.0);
    FUZZ_CHECK(v.angleDeg >= AngleFloor(v.curveKind) && v.angleDeg <= 89);
    FUZZ_CHECK(IsFinite(v.eye));
    if (panel.barA.thumb)
        FUZZ_CHECK(*panel.barA.thumb == v.angleDeg);
    if (panel.barZ.thumb)
        FUZZ_CHECK(*panel.barZ.thumb == int(100.0 - v.zoom));
    if (!panel.label.empty())
        FUZZ_CHECK(panel.label == AngleText(v.angleDeg));
    if (!run.figureChosen) {
        FUZZ_CHECK(Length(v.eye) == 0.0);
        return;
    }
    const double distance = Length(v.eye);
    FUZZ_CHECK(distance >= 20.0 * (1 - 1e-9) && distance <= 300.0 * (1 + 1e-9));
    FUZZ_CHECK(panel.barP.thumb && std::abs(*panel.barP.thumb - distance) < 1.0 + 1e-6);
}

// Mostly hand-sized steps from the last position, now and then anywhere.
ScreenPoint NextCursor(ByteReader& in, ScreenPoint last)
{
    const uint8_t kind = in.Byte();
    if (kind % 8 == 0)
        return {in.Int32(), in.Int32()};
    const auto dx = int8_t(in.Byte()), dy = int8_t(in.Byte());
    return {int32_t(int64_t{last.x} + dx), int32_t(int64_t{last.y} + dy)};
}

int NextBar(ByteReader& in)
{
    switch (in.Byte() % 4) {
    case 0:
        return ControlId::kBarA;
    case 1:
        return ControlId::kBarZ;
    case 2:
        return ControlId::kBarP;
    default:
        return in.Int32();
    }
}

void Apply(ByteReader& in, Run& run, ViewControls& controls)
{
    switch (in.Byte() % 6) {
    case 0: {
        const uint8_t figure = in.Byte() % 3;
        run.figureChosen = true;
        if (figure == 0)
            controls.OnHelix();
        else if (figure == 1)
            controls.OnConicalHelix();
        else
            controls.OnSphericalHelix();
        break;
    }
    case 1: {
        const int bar = NextBar(in);
        const uint8_t code = in.Byte();
        const unsigned scrollCode = code < 250 ? code % 9 : unsigned(in.Int32());
        controls.OnVScroll(scrollCode, in.Int32(), bar);
        break;
    }
    case 2:
        controls.OnLButtonDown(run.cursor = NextCursor(in, run.cursor));
        break;
    case 3:
    case 4:
        controls.OnMouseMove(run.cursor = NextCursor(in, run.cursor));
        break;
    default:
        controls.OnLButtonUp();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    View() = ViewState{};
    Run run;
    FigureCache figures;
    RecordedPanel panel([&] {
        Canvas canvas = Canvas::ForRedraw();
        ComposeFigure(canvas, figures);
        CheckFrame(run);
    });
    ViewControls controls(panel);
    ByteReader in(data, size);
    // Every action redraws; longer inputs only slow the search down.
    for (int actions = 0; !in.Done() && actions < 64; ++actions) {
        Apply(in, run, controls);
        CheckView(run, panel);
    }
    return 0;
}
