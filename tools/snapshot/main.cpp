// torsiva-snapshot: renders one picture with the program's own redraw and
// writes it as a PNG, optionally with the list of canvas operations.
#include <cstdio>
#include <memory>

#include "geometry/view_state.h"
#include "render/draw_figure.h"
#include "tools/snapshot/arguments.h"
#include "tools/snapshot/picture_files.h"
#include "tools/snapshot/script.h"

namespace {

constexpr int kBadUsage = 2;

void SetView(const SnapshotArguments& args)
{
    ViewState& view = View();
    view.eye = args.eye;
    view.target = Vec3{};
    view.up = args.up;
    view.zoom = args.zoom;
    view.angleDeg = args.angleDeg;
    view.curveKind = args.figure;
}

int WriteOutputs(const SnapshotArguments& args, const RecordingCanvas& canvas)
{
    if (!WritePicturePng(canvas, args.out)) {
        std::fprintf(stderr, "torsiva-snapshot: cannot write %s\n", args.out.c_str());
        return 1;
    }
    if (!args.ops.empty() && !WriteOps(canvas, args.ops)) {
        std::fprintf(stderr, "torsiva-snapshot: cannot write %s\n", args.ops.c_str());
        return 1;
    }
    return 0;
}

// Replays the script from the start of a run; the picture is the one the
// last redraw made (or, if nothing redrew, one made from the final view).
int RunScript(const SnapshotArguments& args)
{
    std::string error;
    const auto actions = ReadScript(args.script, error);
    if (!actions) {
        std::fprintf(stderr, "torsiva-snapshot: %s\n", error.c_str());
        return kBadUsage;
    }
    auto canvas = std::make_unique<RecordingCanvas>();
    RecordedPanel panel([&canvas] {
        canvas = std::make_unique<RecordingCanvas>();
        ComposeFigure(*canvas);
    });
    ReplayScript(*actions, panel);
    if (panel.redraws == 0)
        ComposeFigure(*canvas);
    const int status = WriteOutputs(args, *canvas);
    std::printf("%s\n", StateJson(panel).c_str());
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto args = ParseArguments(argc, argv, error);
    if (!args) {
        std::fprintf(stderr, "torsiva-snapshot: %s\n%s\n", error.c_str(), kSnapshotUsage);
        return kBadUsage;
    }
    if (!args->script.empty())
        return RunScript(*args);
    SetView(*args);
    RecordingCanvas canvas;
    ComposeFigure(canvas);
    return WriteOutputs(*args, canvas);
}
