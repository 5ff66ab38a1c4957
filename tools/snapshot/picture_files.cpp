// SPDX-License-Identifier: MIT
#include "tools/snapshot/picture_files.h"

#include <QFileInfo>
#include <QImage>

#include "export/canvas_image.h"
#include "export/figure_titles.h"
#include "export/flat_svg.h"
#include "export/picture_file.h"
#include "export/picture_page.h"
#include "export/picture_svg.h"

namespace {

// The vector formats are drawn from the view itself, in picture units, so
// they do not depend on the canvas or its scale.
std::optional<QByteArray> EncodeSvg(const RenderedPicture& picture)
{
    const ViewState& view = picture.view;
    return picture.flat ? FlatPictureSvg(view.curveKind, view.angleDeg) : PictureSvg(view);
}

std::optional<QByteArray> EncodePdf(const RenderedPicture& picture)
{
    const ViewState& view = picture.view;
    QByteArray pdf =
        picture.flat ? PicturePdf({FlatPicturePaths(MakeFlatFigure(view.curveKind, view.angleDeg))},
                                  FlatCaption(view.curveKind, view.angleDeg))
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

// The same encoding as a picture saved from the window.
std::optional<QByteArray> EncodePng(const RenderedPicture& picture)
{
    QByteArray png = PicturePng(CanvasPictureView(picture.canvas));
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
