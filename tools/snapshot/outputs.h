// SPDX-License-Identifier: MIT
// Writing the tool's files all or nothing.
#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

struct OutputFile {
    QString path;
    QByteArray bytes;
};

// Writes every file completely to a temporary file beside it, and only when
// all of them are written renames them into place, so that a failure leaves
// no new file and every earlier one as it was. Returns an empty string, or
// one line naming the file and the reason. (Should a rename fail after an
// earlier one succeeded, that earlier file is already in place: the renames
// are the last and smallest step, and the line says which file failed.)
// A name that is a symbolic link is written at the end of its chain of links
// (tools/snapshot/link_target.h), so that the link stays a link; names are
// in the convention of tools/snapshot/native_name.h.
QString WriteAllOrNothing(const std::vector<OutputFile>& files);
