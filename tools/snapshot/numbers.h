// SPDX-License-Identifier: MIT
// Numbers on the command line, read strictly: a plain decimal that fills the
// whole argument ("12", "-0.5", "2.5e3"), and finite, with no precision lost,
// after conversion. Hexadecimal, spaces, "nan", "inf" and values that
// overflow or underflow are refused, not guessed at.
#pragma once

#include <optional>

#include <QString>

#include "geometry/vec3.h"

std::optional<double> ParseDecimal(const QString& text);

// Three decimals separated by commas: "X,Y,Z".
std::optional<Vec3> ParseVector(const QString& text);
