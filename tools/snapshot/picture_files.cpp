#include "tools/snapshot/picture_files.h"

#include <fstream>

#include <QImage>
#include <QString>

bool WritePicturePng(const Canvas& canvas, const std::string& path)
{
    const QImage picture(reinterpret_cast<const uchar*>(canvas.Bits()), kPictureSize, kPictureSize,
                         canvas.Width() * 4, QImage::Format_RGB32);
    return picture.save(QString::fromStdString(path), "PNG");
}

bool WriteOps(const RecordingCanvas& canvas, const std::string& path)
{
    std::ofstream file(path);
    for (const CanvasOp& op : canvas.Ops())
        file << FormatOp(op) << '\n';
    return bool(file.flush());
}
