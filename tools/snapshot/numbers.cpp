// SPDX-License-Identifier: MIT
#include "tools/snapshot/numbers.h"

#include <charconv>
#include <cmath>

#include <QRegularExpression>
#include <QStringList>

std::optional<double> ParseDecimal(const QString& text)
{
    static const QRegularExpression kDecimal(
        QStringLiteral("\\A[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?\\z"));
    if (!kDecimal.match(text).hasMatch())
        return std::nullopt;
    // from_chars reads the C locale whatever the user's, and takes no '+'.
    const QByteArray digits = text.toLatin1();
    const char* first = digits.constData() + (digits.startsWith('+') ? 1 : 0);
    const char* last = digits.constData() + digits.size();
    double value = 0.0;
    const auto [end, status] = std::from_chars(first, last, value);
    if (status != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    // An underflow to zero or to a subnormal has lost the number it was given.
    const bool zeroDigits =
        !QRegularExpression(QStringLiteral("[1-9]"))
             .match(text.section(QRegularExpression(QStringLiteral("[eE]")), 0, 0))
             .hasMatch();
    if (value == 0.0 ? !zeroDigits : !std::isnormal(value))
        return std::nullopt;
    return value;
}

std::optional<Vec3> ParseVector(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    const auto x = ParseDecimal(parts[0]), y = ParseDecimal(parts[1]), z = ParseDecimal(parts[2]);
    if (!x || !y || !z)
        return std::nullopt;
    return Vec3{*x, *y, *z};
}
