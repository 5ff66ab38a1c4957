// SPDX-License-Identifier: MIT
#include "tools/snapshot/outputs.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include "tools/snapshot/link_target.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>

#include "tools/snapshot/native_name.h"
#endif

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SnapshotOutputs", text); }

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("%1: %2").arg(path, reason);
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

#if defined(Q_OS_UNIX)

// A file made beside its target under a name of its own, and put in the
// target's place only by Commit(): until then the target stays as it was,
// and destroying it uncommitted removes what it wrote. Every step returns
// the system's reason for failing, or nothing.
class ReplacingFile {
public:
    explicit ReplacingFile(QByteArray target) : m_target(std::move(target)) {}
    ~ReplacingFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        if (!m_committed && !m_temporary.isEmpty())
            ::unlink(m_temporary.constData());
    }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Made as any new file is (mode 0666 less the umask), or with the mode
    // of the file it replaces.
    QString Open()
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_temporary =
                m_target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
            m_descriptor =
                ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_descriptor >= 0)
                break;
            if (errno != EEXIST) {
                m_temporary.clear();
                return SystemError(errno);
            }
        }
        if (m_descriptor < 0) {
            m_temporary.clear();
            return SystemError(EEXIST);
        }
        struct stat replaced {};
        if (::stat(m_target.constData(), &replaced) == 0 &&
            ::fchmod(m_descriptor, replaced.st_mode & 07777) != 0)
            return SystemError(errno);
        return QString();
    }

    // Every byte, then on the disk: a full disk shows here at the latest.
    QString Write(const QByteArray& bytes)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t written =
                ::write(m_descriptor, bytes.constData() + done, size_t(bytes.size() - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return SystemError(written < 0 ? errno : ENOSPC);
            done += written;
        }
        if (::fsync(m_descriptor) != 0)
            return SystemError(errno);
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        if (::close(descriptor) != 0)
            return SystemError(errno);
        return QString();
    }

    QString Commit()
    {
        if (::rename(m_temporary.constData(), m_target.constData()) != 0)
            return SystemError(errno);
        m_committed = true;
        return QString();
    }

private:
    QByteArray m_target;
    QByteArray m_temporary;
    int m_descriptor = -1;
    bool m_committed = false;
};

// Only a regular file can be replaced by renaming a finished copy over it. A
// device such as /dev/full, a pipe or a folder would be replaced by a plain
// file, or written to in place where a failure cannot be undone.
bool IsSpecialFile(const QByteArray& target)
{
    struct stat status {};
    return ::stat(target.constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

#else

// QSaveFile, where file names are Unicode anyway.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& target) : m_file(target) {}
    QString Open()
    {
        return m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ? QString()
                                                                         : m_file.errorString();
    }
    QString Write(const QByteArray& bytes)
    {
        errno = 0;
        if (m_file.write(bytes) == bytes.size())
            return QString();
        return errno != 0 ? SystemError(errno) : m_file.errorString();
    }
    QString Commit()
    {
        errno = 0;
        if (m_file.commit())
            return QString();
        return errno != 0 ? SystemError(errno) : m_file.errorString();
    }

private:
    QSaveFile m_file;
};

bool IsSpecialFile(const QString& target)
{
    const QFileInfo info(target);
    return info.exists() && !info.isFile();
}

#endif

// Where the bytes of `path` go: the end of its chain of links, or `path`
// itself when its folder does not exist, where making it then fails as it
// should.
QString TargetOf(const QString& path)
{
    const std::optional<LinkEnd> end = FinalTarget(path);
    return end && end->folderFound ? end->path : path;
}

} // namespace

QString WriteAllOrNothing(const std::vector<OutputFile>& files)
{
#if defined(Q_OS_UNIX)
    const auto target = [](const QString& path) { return NativeName(TargetOf(path)); };
#else
    const auto target = [](const QString& path) { return TargetOf(path); };
#endif
    for (const OutputFile& file : files)
        if (IsSpecialFile(target(file.path)))
            return Failure(file.path, Tr("no se puede escribir: no es un archivo normal"));
    std::vector<std::unique_ptr<ReplacingFile>> written;
    for (const OutputFile& file : files) {
        auto& replacing = written.emplace_back(std::make_unique<ReplacingFile>(target(file.path)));
        QString reason = replacing->Open();
        if (reason.isEmpty())
            reason = replacing->Write(file.bytes);
        if (!reason.isEmpty())
            return Failure(file.path, reason);
    }
    for (size_t i = 0; i < files.size(); ++i)
        if (const QString reason = written[i]->Commit(); !reason.isEmpty())
            return Failure(files[i].path, reason);
    return {};
}
