// SPDX-License-Identifier: MIT
// Whether two paths name one file, whatever their spelling.
#pragma once

#include <QString>

// Existing files are compared by device and inode (so hard links, symbolic
// links, "./F" and "F" all match); a file still to be made, by the canonical
// path of its folder and its name.
bool SameFile(const QString& a, const QString& b);
