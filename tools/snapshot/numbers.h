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

// Whether `text` is a whole number written as one: an optional sign and
// digits, nothing else ("30", "+30", "-0"; not "30.0" or "3e1").
bool IsWholeNumberText(const QString& text);

// Whether the number `text` (a decimal ParseDecimal reads) lies from `low`
// to `high`, compared exactly as written: "16.000000000000000001" is above
// 16 although it reads as the double 16.
bool DecimalWithin(const QString& text, double low, double high);

// Three decimals separated by commas: "X,Y,Z".
std::optional<Vec3> ParseVector(const QString& text);
