// SPDX-License-Identifier: MIT
#include "tools/snapshot/same_file.h"

#include <utility>

#include "tools/snapshot/link_target.h"

#if defined(Q_OS_UNIX)
#include <sys/stat.h>

#include "tools/snapshot/native_name.h"
#endif

namespace {

// Device and inode of an existing file, links followed; false if there is none.
bool Identity(const QString& name, std::pair<quint64, quint64>& identity)
{
#if defined(Q_OS_UNIX)
    struct stat status {};
    if (::stat(NativeName(name).constData(), &status) != 0)
        return false;
    identity = {quint64(status.st_dev), quint64(status.st_ino)};
    return true;
#else
    Q_UNUSED(name);
    Q_UNUSED(identity);
    return false;
#endif
}

} // namespace

bool SameFile(const QString& a, const QString& b)
{
    std::pair<quint64, quint64> first, second;
    if (Identity(a, first) && Identity(b, second))
        return first == second;
    const std::optional<LinkEnd> firstEnd = FinalTarget(a), secondEnd = FinalTarget(b);
    return firstEnd && secondEnd && firstEnd->path == secondEnd->path;
}
