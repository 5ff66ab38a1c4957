// SPDX-License-Identifier: MIT
// torsiva-fuzz: any sequence of user actions, applied through the same view
// controls the dialog uses, each redraw made on a real canvas. After every
// redraw the frame must be orthonormal and face the eye; after every action
// the view must be within its bounds, the controls must show it, and the
// action must have done what it promises (a drag turns the eye, a P arrow
// moves it by exactly one step, an exact quarter or half turn keeps it at
// its distance).
#include <cmath>

#include "fuzz/byte_reader.h"
#include "fuzz/fuzz_check.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"
#include "ui/control_ids.h"
#include "ui/recorded_panel.h"
#include "ui/view_controls.h"

namespace {

// A redraw of a figure costs far more than anything else an action does;
// past this many an input only slows the search down. Redraws before the
// first figure paint only the empty square and are cheap, but still bounded.
constexpr int kMaxFigureRedraws = 4;
constexpr int kMaxRedraws = 32;
constexpr double kTolerance = 1e-9;

struct Run {
    bool figureChosen = false;
    int figureRedraws = 0;
    ScreenPoint cursor;
};

// One canvas for every redraw of every input, kept as the window keeps it: a
// redraw then costs what the last one drew, not a fill of the whole picture
// under the sanitizers.
Canvas& ReusedCanvas()
{
    static KeptCanvas canvas(Canvas::ForRedraw());
    return canvas;
}

FigureCache& ReusedFigures()
{
    static FigureCache figures;
    return figures;
}

void CheckFrame(const Run& run)
{
    const ViewState& v = View();
    FUZZ_CHECK(IsFinite(v.up) && IsFinite(v.right));
    if (!run.figureChosen)
        return;
    const Vec3 sight = Normalize(v.viewDir);
    FUZZ_CHECK(std::abs(Length(v.up) - 1.0) < kTolerance);
    FUZZ_CHECK(std::abs(Length(v.right) - 1.0) < kTolerance);
    FUZZ_CHECK(std::abs(Dot(v.up, v.right)) < kTolerance);
    FUZZ_CHECK(std::abs(Dot(v.up, sight)) < kTolerance);
    FUZZ_CHECK(std::abs(Dot(v.right, sight)) < kTolerance);
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
    FUZZ_CHECK(distance >= 20.0 * (1 - kTolerance) && distance <= 300.0 * (1 + kTolerance));
    FUZZ_CHECK(panel.barP.thumb && std::abs(*panel.barP.thumb - distance) < 1.0 + 1e-6);
}

bool SameVector(Vec3 a, Vec3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

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

void PressButton(ByteReader& in, Run& run, ViewControls& controls)
{
    const uint8_t figure = in.Byte() % 3;
    run.figureChosen = true;
    if (figure == 0)
        controls.OnHelix();
    else if (figure == 1)
        controls.OnConicalHelix();
    else
        controls.OnSphericalHelix();
}

// A P arrow that does not meet its limit moves the eye by exactly one step.
void Scroll(ByteReader& in, const Run& run, ViewControls& controls)
{
    const int bar = NextBar(in);
    const uint8_t code = in.Byte();
    const unsigned scrollCode = code < 250 ? code % 9 : unsigned(in.Int32());
    const double before = Length(View().eye);
    controls.OnVScroll(scrollCode, in.Int32(), bar);
    if (!run.figureChosen || bar != ControlId::kBarP)
        return;
    const double after = Length(View().eye);
    if (scrollCode == kLineUp && before - 2.0 >= 20.0)
        FUZZ_CHECK(std::abs(after - (before - 2.0)) < kTolerance * before);
    if (scrollCode == kLineDown && before + 2.0 <= 300.0)
        FUZZ_CHECK(std::abs(after - (before + 2.0)) < kTolerance * before);
}

// A drag step of non-zero length turns the eye; below a whole turn (1000
// pixels) it cannot bring it back to where it was.
void Move(ScreenPoint to, Run& run, ViewControls& controls)
{
    const ViewState& v = View();
    const Vec3 before = v.eye;
    const double travel =
        std::hypot(double(int64_t{to.x} - v.lastCursor.x), double(int64_t{to.y} - v.lastCursor.y));
    const bool turns = run.figureChosen && v.dragging && travel > 0.0 && travel < 900.0;
    controls.OnMouseMove(run.cursor = to);
    if (turns)
        FUZZ_CHECK(!SameVector(v.eye, before));
}

// Exactly a quarter or a half turn, along an axis or a 3-4-5 diagonal: sin
// or cos of the turn is then as near zero as a double gets.
void ExactTurn(ByteReader& in, Run& run, ViewControls& controls)
{
    static constexpr int kSteps[][2] = {{250, 0}, {0, 250},   {150, 200}, {500, 0},
                                        {0, 500}, {300, 400}, {-250, 0},  {0, -500}};
    const auto& step = kSteps[in.Byte() % 8];
    const double before = Length(View().eye);
    controls.OnLButtonDown(run.cursor);
    Move({int32_t(int64_t{run.cursor.x} + step[0]), int32_t(int64_t{run.cursor.y} + step[1])}, run,
         controls);
    if (!run.figureChosen)
        return;
    FUZZ_CHECK(IsFinite(View().eye));
    FUZZ_CHECK(std::abs(Length(View().eye) - before) < kTolerance * before);
}

void Apply(ByteReader& in, Run& run, ViewControls& controls)
{
    switch (in.Byte() % 7) {
    case 0:
        return PressButton(in, run, controls);
    case 1:
        return Scroll(in, run, controls);
    case 2:
        controls.OnLButtonDown(run.cursor = NextCursor(in, run.cursor));
        return;
    case 3:
    case 4:
        return Move(NextCursor(in, run.cursor), run, controls);
    case 5:
        return ExactTurn(in, run, controls);
    default:
        controls.OnLButtonUp();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    View() = ViewState{};
    Run run;
    RecordedPanel panel([&] {
        ComposeFigure(ReusedCanvas(), ReusedFigures());
        CheckFrame(run);
        run.figureRedraws += run.figureChosen ? 1 : 0;
    });
    ViewControls controls(panel);
    ByteReader in(data, size);
    while (!in.Done() && run.figureRedraws < kMaxFigureRedraws && panel.redraws < kMaxRedraws) {
        Apply(in, run, controls);
        CheckView(run, panel);
    }
    return 0;
}
