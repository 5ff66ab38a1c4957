// SPDX-License-Identifier: MIT
#include "tools/snapshot/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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

namespace {

// A decimal as sign, significant digits and the power of ten of the first:
// the value is ±0.DIGITS × 10^exponent, with no leading or trailing zero
// digit; zero has no digits.
struct ExactDecimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

ExactDecimal ExactOf(const std::string& text)
{
    ExactDecimal decimal;
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        decimal.negative = text[at++] == '-';
    long long pointAt = -1; // digits before the point
    for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
        if (text[at] == '.') {
            pointAt = (long long)decimal.digits.size();
            continue;
        }
        decimal.digits += text[at];
    }
    if (pointAt < 0)
        pointAt = (long long)decimal.digits.size();
    long long exponent = 0;
    if (at < text.size())
        std::from_chars(text.data() + at + (text[at + 1] == '+' ? 2 : 1), text.data() + text.size(),
                        exponent);
    const size_t first = decimal.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {false, {}, 0};
    decimal.digits = decimal.digits.substr(first, decimal.digits.find_last_not_of('0') + 1 - first);
    decimal.exponent = pointAt - (long long)first + exponent;
    return decimal;
}

// The exact decimal of a double: every finite double has one.
ExactDecimal ExactOf(double value)
{
    std::array<char, 1200> text{};
    const auto [end, status] = std::to_chars(text.data(), text.data() + text.size(), value,
                                             std::chars_format::fixed, 1100);
    return status == std::errc() ? ExactOf(std::string(text.data(), end)) : ExactDecimal{};
}

// -1, 0 or 1 as a is below, equal to or above b.
int Compare(const ExactDecimal& a, const ExactDecimal& b)
{
    const int signA = a.digits.empty() ? 0 : a.negative ? -1 : 1;
    const int signB = b.digits.empty() ? 0 : b.negative ? -1 : 1;
    if (signA != signB || signA == 0)
        return signA < signB ? -1 : signA > signB ? 1 : 0;
    int magnitude =
        a.exponent != b.exponent ? (a.exponent < b.exponent ? -1 : 1) : a.digits.compare(b.digits);
    magnitude = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
    return signA * magnitude;
}

} // namespace

bool IsWholeNumberText(const QString& text)
{
    static const QRegularExpression kWhole(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    return kWhole.match(text).hasMatch();
}

bool DecimalWithin(const QString& text, double low, double high)
{
    const ExactDecimal value = ExactOf(text.toStdString());
    return Compare(value, ExactOf(low)) >= 0 && Compare(value, ExactOf(high)) <= 0;
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
