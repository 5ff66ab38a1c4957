// SPDX-License-Identifier: MIT
// Whether two names lead to one file, whatever their spelling.
#pragma once

#include <QString>

// Existing files are compared by device and inode (so hard links, symbolic
// links, "./F" and "F" all match); otherwise by the ends of their chains of
// links (tools/snapshot/link_target.h), dangling links included. Names are
// in the convention of tools/snapshot/native_name.h. A name whose chain
// cannot be followed to its end matches nothing: check it with FinalTarget
// first.
bool SameFile(const QString& a, const QString& b);
