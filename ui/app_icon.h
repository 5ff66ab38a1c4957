// SPDX-License-Identifier: MIT
// The program's icon: a helix on a cylinder, in several sizes.
#pragma once

#include <QIcon>

QIcon AppIcon();
