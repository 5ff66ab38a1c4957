// SPDX-License-Identifier: MIT
#include "tools/snapshot/outputs.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SnapshotOutputs", text); }

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("%1: %2").arg(path, reason);
}

// QSaveFile reports a failed write as "Unknown error"; the system's own
// reason ("No space left on device") is still in errno right after the call.
QString WriteFailure(const QSaveFile& file, int systemError)
{
    return Failure(file.fileName(), systemError != 0
                                        ? QString::fromLocal8Bit(std::strerror(systemError))
                                        : file.errorString());
}

// Only a regular file can be replaced by renaming a finished copy over it. A
// device such as /dev/full, a pipe or a folder would be replaced by a plain
// file, or written to in place where a failure cannot be undone.
QString RefuseSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Failure(path, Tr("no se puede escribir: no es un archivo normal"));
    return {};
}

} // namespace

QString WriteAllOrNothing(const std::vector<OutputFile>& files)
{
    for (const OutputFile& file : files) {
        const QString refused = RefuseSpecialFile(file.path);
        if (!refused.isEmpty())
            return refused;
    }
    // Destroying an uncommitted QSaveFile removes its temporary file.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const OutputFile& file : files) {
        auto& saveFile = written.emplace_back(std::make_unique<QSaveFile>(file.path));
        if (!saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return Failure(file.path, saveFile->errorString());
        errno = 0;
        if (saveFile->write(file.bytes) != file.bytes.size())
            return WriteFailure(*saveFile, errno);
    }
    for (auto& saveFile : written) {
        errno = 0;
        if (!saveFile->commit())
            return WriteFailure(*saveFile, errno);
    }
    return {};
}
