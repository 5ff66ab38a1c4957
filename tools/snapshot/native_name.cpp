// SPDX-License-Identifier: MIT
#include "tools/snapshot/native_name.h"

namespace {

// The length of the well-formed UTF-8 sequence at `at` (RFC 3629: no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
qsizetype SequenceAt(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - at < length || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

} // namespace

QString NameFromNative(const QByteArray& bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype run = 0; // start of the UTF-8 not yet decoded
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = SequenceAt(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + run, at - run);
        name += QChar(char16_t(kByteStandInBase + static_cast<unsigned char>(bytes[at])));
        run = ++at;
    }
    name += QString::fromUtf8(bytes.constData() + run, bytes.size() - run);
    return name;
}

QByteArray NativeName(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype run = 0; // start of the text not yet encoded
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!StandsForByte(name, i))
            continue;
        bytes += QStringView(name).mid(run, i - run).toUtf8();
        bytes += char(name[i].unicode() - kByteStandInBase);
        run = i + 1;
    }
    bytes += QStringView(name).mid(run).toUtf8();
    return bytes;
}
