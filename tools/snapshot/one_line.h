// SPDX-License-Identifier: MIT
// Text from the user, made safe to quote inside a one-line message.
#pragma once

#include <QString>

#include "tools/snapshot/native_name.h"

// Control characters, line breaks included, written as \uXXXX, and the bytes
// of a file name that are not UTF-8 as \xHH.
inline QString OneLine(const QString& text)
{
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 || c == 0x7f)
            line += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else if (StandsForByte(text, i))
            line += QStringLiteral("\\x") + QString::number(c - kByteStandInBase, 16).toUpper();
        else
            line += text[i];
    }
    return line;
}
