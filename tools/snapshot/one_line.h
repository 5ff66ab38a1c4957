// SPDX-License-Identifier: MIT
// Text from the user, made safe to quote inside a one-line message.
#pragma once

#include <QString>

// Control characters, line breaks included, written as \uXXXX.
inline QString OneLine(const QString& text)
{
    QString line;
    for (const QChar c : text)
        line += c.unicode() < 0x20 || c.unicode() == 0x7f
                    ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
                    : QString(c);
    return line;
}
