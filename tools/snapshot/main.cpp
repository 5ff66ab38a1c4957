// SPDX-License-Identifier: MIT
// torsiva-snapshot: renders one picture with the program's own redraw and
// writes it to a file, optionally with the list of canvas operations. With
// --flat the picture is the flat picture of the figure at its angle.
//
// Exit status: 0 when every file was written, 1 when a file could not be
// written (then none is left behind), 2 for a bad command line or script
// (then nothing is written at all).
#include <cstdio>
#include <memory>

#include <QFileInfo>
#include <QGuiApplication>

#include "controls/view_controls.h"
#include "geometry/view_frame.h"
#include "geometry/view_state.h"
#include "render/draw_figure.h"
#include "render/flat_picture.h"
#include "render/picture_scale.h"
#include "tools/snapshot/arguments.h"
#include "tools/snapshot/one_line.h"
#include "tools/snapshot/outputs.h"
#include "tools/snapshot/picture_files.h"
#include "tools/snapshot/replay.h"
#include "tools/snapshot/same_file.h"
#include "torsiva_version.h"

namespace {

constexpr int kWriteFailed = 1;
constexpr int kBadUsage = 2;

QString Tr(const char* text) { return QCoreApplication::translate("SnapshotTool", text); }

void PrintError(const QString& line)
{
    std::fprintf(stderr, "torsiva-snapshot: %s\n", qUtf8Printable(OneLine(line)));
}

ViewState ViewOf(const SnapshotArguments& args)
{
    ViewState view;
    view.eye = args.eye;
    view.target = Vec3{};
    view.up = args.up;
    view.zoom = args.zoom;
    view.angleDeg = args.angleDeg;
    view.curveKind = args.figure;
    return view;
}

// Refuses before anything is drawn or written: an output that would
// overwrite the script or the other output, or a format this tool cannot
// write.
QString CheckOutputs(const SnapshotArguments& args)
{
    if (!FormatOfFile(args.out))
        return Tr("--out debe terminar en .png, .svg o .pdf: %1").arg(args.out);
    if (!args.ops.isEmpty() && SameFile(args.out, args.ops))
        return Tr("--out y --ops nombran el mismo archivo: %1").arg(args.ops);
    for (const QString& output : {args.out, args.ops})
        if (args.scriptGiven && !output.isEmpty() && SameFile(output, args.script))
            return Tr("%1 sobrescribiría el guion %2").arg(output, args.script);
    return {};
}

// A canvas for one picture at this scale, with its operations recorded.
std::unique_ptr<RecordingCanvas> CanvasAtScale(double scale)
{
    const int side = PictureSide(scale);
    return std::make_unique<RecordingCanvas>(side, side + kRowsBelowPicture);
}

// Every file is made in memory, then written all or nothing.
int WriteOutputs(const SnapshotArguments& args, const RenderedPicture& picture)
{
    const auto encoded = FormatOfFile(args.out)->encode(picture);
    if (!encoded) {
        PrintError(Tr("%1: no se pudo codificar el dibujo").arg(args.out));
        return kWriteFailed;
    }
    std::vector<OutputFile> files{{args.out, *encoded}};
    if (!args.ops.isEmpty())
        files.push_back({args.ops, OpsText(picture.canvas)});
    const QString failure = WriteAllOrNothing(files);
    if (!failure.isEmpty()) {
        PrintError(failure);
        return kWriteFailed;
    }
    return 0;
}

// Replays the script from the start of a run; the picture is the one the
// last redraw made (or, if nothing redrew, one made from the final view).
// The final state is printed only once every file is written.
int RunScript(const SnapshotArguments& args)
{
    QString error;
    const auto actions = ReadScriptFile(args.script, error);
    if (!actions) {
        PrintError(error);
        return kBadUsage;
    }
    // The figure's vertices are kept between redraws, as in the window: a
    // long drag would otherwise rebuild them at every step.
    FigureCache figures;
    const PictureMapping mapping{args.scale, LineStyle::Exact};
    auto canvas = CanvasAtScale(args.scale);
    RecordedPanel panel([&canvas, &figures, mapping](const ViewState& view) {
        canvas = CanvasAtScale(mapping.scale);
        ComposeFigure(*canvas, figures, view, mapping);
    });
    ViewControls controls(panel);
    ReplayScript(*actions, controls);
    if (args.flat) {
        // The flat picture of where the script ends: only its figure and
        // angle matter.
        if (controls.State().curveKind == CurveKind::None) {
            PrintError(
                Tr("--flat necesita una figura, y el guion no elige ninguna: %1").arg(args.script));
            return kBadUsage;
        }
        canvas = CanvasAtScale(args.scale);
        FlatCache flat;
        ComposeFlatPicture(*canvas, flat, controls.State().curveKind, controls.State().angleDeg,
                           mapping);
    } else if (panel.redraws == 0) {
        // Nothing redrew: the picture of the final view, framed as a redraw
        // would frame it, on a copy.
        ComposeFigure(*canvas, figures, Framed(controls.State()), mapping);
    }
    const int status = WriteOutputs(args, {*canvas, controls.State(), args.scale, args.flat});
    if (status == 0)
        std::printf("%s\n", StateJson(controls.State(), panel).c_str());
    return status;
}

// The printed page needs fonts, and so a GUI application with a platform;
// the tool never shows a window, so the offscreen one serves wherever nothing
// else is asked for. Everything else needs only the core, which starts faster
// and says nothing of display settings on stderr.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv,
                                                  const ParsedCommandLine& command)
{
    const bool printedPage =
        command.arguments && QFileInfo(command.arguments->out).suffix().toLower() == "pdf";
    if (!printedPage)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("torsiva-snapshot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TORSIVA_VERSION));
    // Read once to choose the application, then again with it, so that the
    // help text names the program as it was started.
    const auto app = MakeApplication(argc, argv, ParseArguments(ArgumentsOf(argc, argv)));
    const ParsedCommandLine command = ParseArguments(QCoreApplication::arguments());
    if (!command.text.isEmpty()) {
        std::fputs(qUtf8Printable(command.text), stdout);
        return 0;
    }
    QString error = command.error;
    if (error.isEmpty())
        error = CheckOutputs(*command.arguments);
    if (!error.isEmpty()) {
        PrintError(error);
        std::fprintf(stderr, "%s\n", qUtf8Printable(SnapshotUsage()));
        return kBadUsage;
    }
    const SnapshotArguments& args = *command.arguments;
    if (args.scriptGiven)
        return RunScript(args);
    const ViewState view = ViewOf(args);
    const auto canvas = CanvasAtScale(args.scale);
    const PictureMapping mapping{args.scale, LineStyle::Exact};
    if (args.flat) {
        FlatCache flat;
        ComposeFlatPicture(*canvas, flat, view.curveKind, view.angleDeg, mapping);
    } else {
        FigureCache figures;
        ComposeFigure(*canvas, figures, Framed(view), mapping);
    }
    return WriteOutputs(args, {*canvas, view, args.scale, args.flat});
}
