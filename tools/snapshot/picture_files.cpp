// SPDX-License-Identifier: MIT
#include "tools/snapshot/picture_files.h"

#include <QFileInfo>
#include <QImage>

#include "export/angle_mark_text.h"
#include "export/canvas_image.h"
#include "export/figure_titles.h"
#include "export/flat_svg.h"
#include "export/picture_file.h"
#include "export/picture_page.h"
#include "export/picture_svg.h"
#include "export/shown_pictures.h"
#include "render/picture_scale.h"

namespace {

// The vector formats are drawn from the view itself, in picture units, so
// they do not depend on the canvas or its scale.
std::optional<QByteArray> EncodeSvg(const RenderedPicture& picture)
{
    const ViewState& view = picture.view;
    return picture.flat ? FlatPictureSvg(view.curveKind, view.angleDeg, picture.point)
                        : PictureSvg(view, picture.point);
}

// The flat picture's paths, with the mark's over them.
std::vector<PicturePath> FlatPaths(const RenderedPicture& picture)
{
    const ViewState& view = picture.view;
    std::vector<PicturePath> paths =
        FlatPicturePaths(MakeFlatFigure(view.curveKind, view.angleDeg));
    if (picture.point)
        for (PicturePath& path : AngleMarkDrawing(MarkOf(picture)))
            paths.push_back(std::move(path));
    return paths;
}

std::optional<QByteArray> EncodePdf(const RenderedPicture& picture)
{
    const ViewState& view = picture.view;
    QByteArray pdf = picture.flat    ? PicturePdf(PictureRow{FlatPaths(picture)},
                                                  FlatCaption(view.curveKind, view.angleDeg))
                     : picture.point ? PicturePdf(ShownDrawings(view, false, picture.point),
                                                  PictureCaption(view.curveKind, view.angleDeg))
                                     : PicturePdf(view);
    if (pdf.isEmpty())
        return std::nullopt;
    return pdf;
}

const PictureFormat kPictureFormats[] = {
    {"png", EncodePng, true},
    {"svg", EncodeSvg, false},
    {"pdf", EncodePdf, false},
};

} // namespace

const PictureFormat* FormatOfFile(const QString& path)
{
    // A name without an extension, such as a device, gets the PNG the tool
    // has always written.
    QString extension = QFileInfo(path).suffix().toLower();
    if (extension.isEmpty())
        extension = QStringLiteral("png");
    for (const PictureFormat& format : kPictureFormats)
        if (extension == QLatin1String(format.extension))
            return &format;
    return nullptr;
}

PictureMark MarkOf(const RenderedPicture& picture)
{
    if (!picture.point)
        return {};
    const ViewState& view = picture.view;
    return picture.flat
               ? FlatAngleMark(MakeFlatFigure(view.curveKind, view.angleDeg), *picture.point)
               : FigureAngleMark(view, *picture.point);
}

// The same encoding as a picture saved from the window, with the measured
// angle's text over the canvas, as the window paints it.
std::optional<QByteArray> EncodePng(const RenderedPicture& picture)
{
    const QImage canvas = CanvasPictureView(picture.canvas);
    QByteArray png = PicturePng(
        picture.point ? WithAngleText(canvas, MarkOf(picture), DrawableScale(picture.scale))
                      : canvas);
    if (png.isEmpty())
        return std::nullopt;
    return png;
}

QByteArray OpsText(const RecordingCanvas& canvas)
{
    QByteArray text;
    for (const CanvasOp& op : canvas.Ops())
        text += QByteArray::fromStdString(FormatOp(op)) + '\n';
    return text;
}
