// torsiva-snapshot: renders one picture with the program's own redraw and
// writes it as a PNG, optionally with the list of canvas operations.
#include <cstdio>

#include "geometry/view_state.h"
#include "render/draw_figure.h"
#include "tools/snapshot/arguments.h"
#include "tools/snapshot/picture_files.h"

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

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto args = ParseArguments(argc, argv, error);
    if (!args) {
        std::fprintf(stderr, "torsiva-snapshot: %s\n%s\n", error.c_str(), kSnapshotUsage);
        return kBadUsage;
    }
    SetView(*args);
    RecordingCanvas canvas;
    ComposeFigure(canvas);
    return WriteOutputs(*args, canvas);
}
