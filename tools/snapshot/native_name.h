// SPDX-License-Identifier: MIT
// File names as the system holds them. On Unix a name is any bytes but NUL,
// UTF-8 or not, while a QString holds Unicode, and QFile::decodeName turns
// every byte that is not UTF-8 into U+FFFD, so that different names become
// one and the file the user named is never reached.
//
// Here a name travels through the command line and its messages as a QString
// in which valid UTF-8 is decoded as usual and every other byte B stands for
// itself as the lone low surrogate U+DC00 + B (B is 0x80 to 0xFF), which no
// valid UTF-8 decodes to. NativeName gives back the very bytes the system
// gave; only they reach the system.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The first code unit of the stand-ins: U+DC80 to U+DCFF are bytes 0x80 to 0xFF.
constexpr char16_t kByteStandInBase = 0xDC00;

QString NameFromNative(const QByteArray& bytes);
QByteArray NativeName(const QString& name);

// Whether the code unit at `i` stands for a byte that is not UTF-8: one of
// U+DC80 to U+DCFF that does not end a surrogate pair.
inline bool StandsForByte(QStringView name, qsizetype i)
{
    const char16_t unit = name[i].unicode();
    return unit >= 0xDC80 && unit <= 0xDCFF && !(i > 0 && name[i - 1].isHighSurrogate());
}
