// SPDX-License-Identifier: MIT
// torsiva-snapshot: renders one picture with the program's own redraw and
// writes it to a file, optionally with the list of canvas operations. With
// --flat the picture is the flat picture of the figure at its angle.
//
// Exit status: 0 when every file was written, 1 when a file or the standard
// output could not be written (then no file is left behind), 2 for a bad
// command line or script (then nothing is written at all).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QFileInfo>
#include <QGuiApplication>

#include "app/translations.h"
#include "controls/view_controls.h"
#include "geometry/view_frame.h"
#include "geometry/view_state.h"
#include "render/angle_mark.h"
#include "render/draw_figure.h"
#include "render/flat_picture.h"
#include "render/picture_scale.h"
#include "tools/snapshot/arguments.h"
#include "tools/snapshot/link_target.h"
#include "tools/snapshot/native_name.h"
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

// What went to the standard output must have got there: a full disk, a
// closed pipe or /dev/full shows only when it is flushed, and an exit with
// status 0 would claim it did.
int EndWithOutput(int status)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    PrintError(Tr("no se pudo escribir en la salida estándar: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO))));
    return kWriteFailed;
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
    view.hiddenParts = args.hidden;
    return view;
}

// Refuses before anything is drawn or written: an output that would
// overwrite the script or the other output, or a format this tool cannot
// write.
QString CheckOutputs(const SnapshotArguments& args)
{
    if (!FormatOfFile(args.out))
        return Tr("--out debe terminar en .png, .svg o .pdf: %1").arg(args.out);
    for (const QString& output : {args.out, args.ops})
        if (!output.isEmpty() && !FinalTarget(output))
            return Tr("%1: no se llega al archivo: más de %2 enlaces simbólicos o uno ilegible")
                .arg(output)
                .arg(kMaxSymbolicLinks);
    if (!args.ops.isEmpty() && SameFile(args.out, args.ops))
        return Tr("--out y --ops nombran el mismo archivo: %1").arg(args.ops);
    for (const QString& output : {args.out, args.ops})
        if (args.scriptGiven && !output.isEmpty() && SameFile(output, args.script))
            return Tr("%1 sobrescribiría el guion %2").arg(output, args.script);
    return {};
}

// A canvas for one picture at the arguments' scale, with its operations
// recorded; with no pixels when the picture is drawn from the view (an
// 8000-pixel canvas is 256 MB).
std::unique_ptr<RecordingCanvas> CanvasFor(const SnapshotArguments& args)
{
    if (!FormatOfFile(args.out)->fromPixels)
        return std::make_unique<RecordingCanvas>(RecordingCanvas::OperationsOnly());
    const int side = PictureSide(args.scale);
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
    auto canvas = CanvasFor(args);
    RecordedPanel panel([&canvas, &figures, &args, mapping](const ViewState& view) {
        canvas = CanvasFor(args);
        ComposeFigure(*canvas, figures, view, mapping);
    });
    ViewControls controls(panel);
    if (args.hidden)
        controls.SetHiddenParts(true);
    ReplayScript(*actions, controls);
    if (args.flat) {
        // The flat picture of where the script ends: only its figure and
        // angle matter.
        if (!FigureShown(controls.State())) {
            PrintError(
                Tr("--flat necesita una figura, y el guion no elige ninguna: %1").arg(args.script));
            return kBadUsage;
        }
        canvas = CanvasFor(args);
        FlatCache flat;
        ComposeFlatPicture(*canvas, flat, controls.State().curveKind, controls.State().angleDeg,
                           mapping);
    } else if (panel.redraws == 0) {
        // Nothing redrew: the picture of the final view, framed as a redraw
        // would frame it, on a copy.
        ComposeFigure(*canvas, figures, Framed(controls.State()), mapping);
    }
    // The point is judged on the curve the script ends with.
    const RenderedPicture picture{*canvas, controls.State(), args.scale, args.flat, args.point};
    if (args.point) {
        const QString error =
            CheckPoint(controls.State().curveKind, controls.State().angleDeg, *args.point);
        if (!error.isEmpty()) {
            PrintError(error);
            return kBadUsage;
        }
        DrawAngleMark(*canvas, MarkOf(picture), mapping);
    }
    const int status = WriteOutputs(args, picture);
    if (status != 0)
        return status;
    std::printf("%s\n", StateJson(controls.State(), panel).c_str());
    return EndWithOutput(status);
}

// Starting the offscreen platform remarks on the environment it starts in
// (an unset XDG_RUNTIME_DIR, for one), which is no concern of a tool that
// never shows a window, and nothing is to be printed when all goes well.
// Only a fatal message, which ends the run, gets through.
void OnlyFatalMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

// The printed page needs fonts, and so a GUI application with a platform.
// The tool never shows a window, so it always takes the offscreen platform,
// whatever QT_QPA_PLATFORM says: it never needs a display, and a display that
// cannot be reached cannot stop it (Qt aborts when its platform does not
// start). Everything else needs only the core, which starts faster.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv,
                                                  const ParsedCommandLine& command)
{
    // The angle mark's text needs fonts too.
    const bool printedPage =
        command.arguments &&
        (QFileInfo(command.arguments->out).suffix().toLower() == "pdf" || command.arguments->point);
    if (!printedPage)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(OnlyFatalMessages);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(nullptr);
    return app;
}

// File names among them keep the bytes the system gave.
QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << NameFromNative(QByteArray(argv[i]));
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
    // The tool's own texts are Spanish only, so Qt's (the help's headings,
    // its --help and --version lines) are Spanish too, whatever the user's
    // language: one language in every message.
    InstallTranslations(*app, SourceLocale());
    const ParsedCommandLine command = ParseArguments(ArgumentsOf(argc, argv));
    if (!command.text.isEmpty()) {
        std::fputs(qUtf8Printable(command.text), stdout);
        return EndWithOutput(0);
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
    const auto canvas = CanvasFor(args);
    const PictureMapping mapping{args.scale, LineStyle::Exact};
    if (args.flat) {
        FlatCache flat;
        ComposeFlatPicture(*canvas, flat, view.curveKind, view.angleDeg, mapping);
    } else {
        FigureCache figures;
        ComposeFigure(*canvas, figures, Framed(view), mapping);
    }
    const RenderedPicture picture{*canvas, view, args.scale, args.flat, args.point};
    if (args.point)
        DrawAngleMark(*canvas, MarkOf(picture), mapping);
    return WriteOutputs(args, picture);
}
