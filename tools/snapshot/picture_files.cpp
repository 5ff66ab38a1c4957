#include "tools/snapshot/picture_files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

namespace {

// SVG and PDF come from the vector painting of the picture; until it is
// linked here their encoders are empty and the tool says so.
const PictureFormat kPictureFormats[] = {
    {"png", EncodePng},
    {"svg", nullptr},
    {"pdf", nullptr},
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

std::optional<QByteArray> EncodePng(const RenderedPicture& picture)
{
    const Canvas& canvas = picture.canvas;
    const QImage square(reinterpret_cast<const uchar*>(canvas.Bits()), kPictureSize, kPictureSize,
                        canvas.Width() * 4, QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !square.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

QByteArray OpsText(const RecordingCanvas& canvas)
{
    QByteArray text;
    for (const CanvasOp& op : canvas.Ops())
        text += QByteArray::fromStdString(FormatOp(op)) + '\n';
    return text;
}
