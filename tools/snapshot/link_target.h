// SPDX-License-Identifier: MIT
// Where a file name leads once every symbolic link on the way is followed,
// as the system follows them when the file is opened or made: its folders
// first, then the file itself, link after link, to the end of the chain,
// whether or not the last link points at anything yet. Outputs are written
// at that end, so that a link stays a link, and two names are one file when
// their ends are one.
#pragma once

#include <optional>

#include <QString>

// Linux follows at most 40 links while looking up one name; a longer chain,
// or a loop, is refused rather than followed.
constexpr int kMaxSymbolicLinks = 40;

struct LinkEnd {
    // Absolute, with names in the convention of tools/snapshot/native_name.h.
    QString path;
    // Whether the folder of `path` exists. When it does not, nothing can be
    // made there, and `path` is only the name with "." and ".." taken away,
    // for comparing.
    bool folderFound = false;
};

// The end of the chain that starts at `name`; nothing when it takes more
// than kMaxSymbolicLinks links, or a link cannot be read.
std::optional<LinkEnd> FinalTarget(const QString& name);
