// SPDX-License-Identifier: MIT
// torsiva-fuzz: any sequence of user actions, applied through the same view
// controls the dialog uses, each redraw made on a real canvas, and checked by
// the same checker as the random-walk test: the frame after every redraw, the
// view after every action, and what each action promises.
#include <cstdio>
#include <cstdlib>

#include "byte_reader.h"
#include "checked_actions.h"
#include "render/draw_figure.h"
#include "render/kept_canvas.h"

namespace {

// A redraw of a figure costs far more than anything else an action does;
// past this many an input only slows the search down. Redraws before the
// first figure paint only the empty square and are cheap, but still bounded.
constexpr int kMaxFigureRedraws = 4;
constexpr int kMaxRedraws = 32;
constexpr double kTolerance = 1e-9;

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

// Aborting keeps the input that broke the promise.
[[noreturn]] void Broken(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
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

// Exactly a quarter or a half turn, along an axis or a 3-4-5 diagonal.
constexpr int kExactSteps[][2] = {{250, 0}, {0, 250},   {150, 200}, {500, 0},
                                  {0, 500}, {300, 400}, {-250, 0},  {0, -500}};

void Apply(ByteReader& in, ScreenPoint& cursor, CheckedActions& actions)
{
    switch (in.Byte() % 7) {
    case 0:
        return actions.PressButton(CurveKind(1 + in.Byte() % 3));
    case 1: {
        const int bar = NextBar(in);
        const uint8_t code = in.Byte();
        const unsigned scrollCode = code < 250 ? code % 9 : unsigned(in.Int32());
        return actions.Scroll(scrollCode, in.Int32(), bar);
    }
    case 2:
        return actions.Press(cursor = NextCursor(in, cursor));
    case 3:
    case 4:
        return actions.Move(cursor = NextCursor(in, cursor));
    case 5: {
        const auto& step = kExactSteps[in.Byte() % 8];
        actions.ExactTurn(cursor, step[0], step[1]);
        cursor = actions.State().lastCursor;
        return;
    }
    default:
        actions.Release();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScreenPoint cursor;
    int figureRedraws = 0;
    CheckedActions actions(kTolerance, Broken, [&figureRedraws](const ViewState& view) {
        ComposeFigure(ReusedCanvas(), ReusedFigures(), view);
        figureRedraws += FigureShown(view) ? 1 : 0;
    });
    ByteReader in(data, size);
    while (!in.Done() && figureRedraws < kMaxFigureRedraws &&
           actions.Panel().redraws < kMaxRedraws) {
        Apply(in, cursor, actions);
        actions.CheckView();
    }
    return 0;
}
