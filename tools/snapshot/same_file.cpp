// SPDX-License-Identifier: MIT
#include "tools/snapshot/same_file.h"

#include <QDir>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

// Where the file is or would be made: its folder resolved, its own name kept.
QString WouldBePath(const QFileInfo& info)
{
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

} // namespace

bool SameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists()) {
#if defined(Q_OS_UNIX)
        struct stat firstStat {
        }, secondStat{};
        if (::stat(QFile::encodeName(a).constData(), &firstStat) == 0 &&
            ::stat(QFile::encodeName(b).constData(), &secondStat) == 0)
            return firstStat.st_dev == secondStat.st_dev && firstStat.st_ino == secondStat.st_ino;
#endif
        return first.canonicalFilePath() == second.canonicalFilePath();
    }
    // A dangling symbolic link is made where it points.
    const QFileInfo firstTarget(first.isSymLink() ? first.symLinkTarget() : a);
    const QFileInfo secondTarget(second.isSymLink() ? second.symLinkTarget() : b);
    return WouldBePath(firstTarget) == WouldBePath(secondTarget);
}
