// SPDX-License-Identifier: MIT
#include "tools/snapshot/link_target.h"

#include <QDir>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "tools/snapshot/native_name.h"
#endif

#if defined(Q_OS_UNIX)

namespace {

QByteArray Joined(const QByteArray& folder, const QByteArray& leaf)
{
    return folder.endsWith('/') ? folder + leaf : folder + '/' + leaf;
}

QByteArray Absolute(const QByteArray& path)
{
    if (path.startsWith('/'))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> here(::getcwd(nullptr, 0), &std::free);
    return here ? Joined(here.get(), path) : path;
}

// "." and ".." taken away and slashes folded, by the letters alone.
QByteArray Cleaned(const QByteArray& absolute)
{
    QList<QByteArray> parts;
    for (const QByteArray& part : absolute.split('/')) {
        if (part == "..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!part.isEmpty() && part != ".") {
            parts.append(part);
        }
    }
    return '/' + parts.join('/');
}

// The folder of an absolute path, and the name in it.
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : QByteArray("/");
}
QByteArray LeafOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

// The folder with every link in it followed; nothing when it does not exist.
std::optional<QByteArray> RealFolder(const QByteArray& folder, bool& loop)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.constData(), nullptr),
                                                           &std::free);
    loop = !real && errno == ELOOP;
    if (!real)
        return std::nullopt;
    return QByteArray(real.get());
}

std::optional<QByteArray> LinkText(const QByteArray& link)
{
    QByteArray text(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.constData(), text.data(), size_t(text.size()));
        if (length < 0)
            return std::nullopt;
        if (length < text.size())
            return text.left(length);
        text.resize(text.size() * 2);
    }
}

} // namespace

std::optional<LinkEnd> FinalTarget(const QString& name)
{
    QByteArray path = Absolute(NativeName(name));
    for (int links = 0;; ++links) {
        const QByteArray leaf = LeafOf(path);
        bool loop = false;
        const std::optional<QByteArray> folder = RealFolder(FolderOf(path), loop);
        if (loop)
            return std::nullopt;
        if (!folder) {
            // Compared as the letters say, from the nearest folder that exists.
            const QByteArray cleaned = Cleaned(path);
            const auto existing = RealFolder(FolderOf(cleaned), loop);
            return LinkEnd{NameFromNative(existing ? Joined(*existing, LeafOf(cleaned)) : cleaned),
                           false};
        }
        const QByteArray end = Joined(*folder, leaf);
        struct stat status {};
        if (leaf.isEmpty() || leaf == "." || leaf == ".." ||
            ::lstat(end.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return LinkEnd{NameFromNative(Cleaned(end)), true};
        const std::optional<QByteArray> target = LinkText(end);
        if (links == kMaxSymbolicLinks || !target)
            return std::nullopt;
        path = target->startsWith('/') ? *target : Joined(*folder, *target);
    }
}

#else

std::optional<LinkEnd> FinalTarget(const QString& name)
{
    QFileInfo info(name);
    for (int links = 0; info.isSymLink(); ++links) {
        if (links == kMaxSymbolicLinks)
            return std::nullopt;
        info.setFile(info.symLinkTarget());
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return LinkEnd{QDir::cleanPath(info.absoluteFilePath()), false};
    return LinkEnd{QDir(folder).filePath(info.fileName()), true};
}

#endif
