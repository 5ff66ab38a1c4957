// SPDX-License-Identifier: MIT
#include "export/picture_file.h"

#include <cerrno>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>

namespace {

// The translation context of the messages.
class PictureFile {
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
};

// The bytes for `path`, by its extension, or the reason there are none.
QString EncodeFor(const QFileInfo& path, const QImage& shown, const QByteArray& svg,
                  QByteArray& bytes)
{
    const QString suffix = path.suffix().toLower();
    if (suffix.isEmpty())
        return PictureFile::tr("El nombre no tiene extensión; termínelo en .png o en .svg.");
    if (suffix == QLatin1String("svg")) {
        bytes = svg;
        return QString();
    }
    if (suffix != QLatin1String("png"))
        return PictureFile::tr(
                   "No se puede guardar como «.%1»; termine el nombre en .png o en .svg.")
            .arg(path.suffix());
    bytes = PicturePng(shown);
    return bytes.isEmpty() ? PictureFile::tr("No hay imagen que guardar.") : QString();
}

// Only a missing file or a regular one may be replaced: renaming the new file
// over a device or a pipe would destroy it rather than write to it.
QString CheckTarget(const QFileInfo& path)
{
    if (path.exists() && !path.isFile())
        return PictureFile::tr("No es un archivo normal.");
    if (!path.absoluteDir().exists())
        return PictureFile::tr("La carpeta no existe.");
    return QString();
}

// QSaveFile reports a failed write as an unknown error; the system's reason
// ("No space left on device") is still in errno right after the call.
QString ReasonOf(const QSaveFile& file, int systemError)
{
    return systemError != 0 ? qt_error_string(systemError) : file.errorString();
}

QString Write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PictureFile::tr("No se puede crear el archivo (%1).").arg(file.errorString());
    // A write cut short by a full disk or a size limit is not always an
    // error to the file layer, so the file's size on disk has the last word.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = ReasonOf(file, errno);
        file.cancelWriting();
        return PictureFile::tr("No se pudo escribir el archivo; quizá el disco esté lleno (%1).")
            .arg(reason);
    }
    errno = 0;
    if (!file.commit())
        return PictureFile::tr("No se pudo terminar el archivo; quizá el disco esté lleno (%1).")
            .arg(ReasonOf(file, errno));
    return QString();
}

} // namespace

QByteArray PicturePng(const QImage& shown)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (shown.isNull() || !buffer.open(QIODevice::WriteOnly) || !shown.save(&buffer, "PNG"))
        return QByteArray();
    return png;
}

QString SavePictureFile(const QString& path, const QImage& shown, const QByteArray& svg)
{
    const QFileInfo info(path);
    QByteArray bytes;
    const QString reason = EncodeFor(info, shown, svg, bytes);
    return reason.isEmpty() ? WritePictureFile(path, bytes) : reason;
}

QString WritePictureFile(const QString& path, const QByteArray& bytes)
{
    const QString reason = CheckTarget(QFileInfo(path));
    return reason.isEmpty() ? Write(path, bytes) : reason;
}

QMimeData* PictureMimeData(const QImage& shown, const QByteArray& svg)
{
    auto* data = new QMimeData;
    data->setImageData(shown);
    data->setData(QStringLiteral("image/png"), PicturePng(shown));
    data->setData(QStringLiteral("image/svg+xml"), svg);
    return data;
}
