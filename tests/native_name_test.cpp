// SPDX-License-Identifier: MIT
// File names as the system's bytes: every byte string comes back exactly,
// UTF-8 reads as Qt reads it, and only bytes that are not UTF-8 become
// stand-ins.
#include <gtest/gtest.h>

#include <random>

#include "tools/snapshot/native_name.h"
#include "tools/snapshot/one_line.h"

TEST(NativeNameTest, AnyBytesComeBackExactly)
{
    std::mt19937 random(23);
    std::uniform_int_distribution<int> byte(1, 255), length(0, 24);
    for (int i = 0; i < 20000; ++i) {
        QByteArray name;
        for (int n = length(random); n > 0; --n)
            name += char(byte(random));
        ASSERT_EQ(NativeName(NameFromNative(name)), name) << name.toHex().toStdString();
    }
}

TEST(NativeNameTest, Utf8IsReadAsQtReadsIt)
{
    for (const char* utf8 :
         {"plain.png", "Hélice cónica.svg", "\xF0\x90\x82\x80.png", "日本.pdf"}) {
        EXPECT_EQ(NameFromNative(utf8), QString::fromUtf8(utf8)) << utf8;
        EXPECT_EQ(NativeName(QString::fromUtf8(utf8)), QByteArray(utf8)) << utf8;
    }
}

TEST(NativeNameTest, OnlyBytesThatAreNotUtf8BecomeStandIns)
{
    // A lone continuation byte, a cut sequence, an overlong form, a surrogate
    // and a code point above U+10FFFF.
    EXPECT_EQ(NameFromNative("a\xFF"), QStringView(u"a\xDCFF").toString());
    EXPECT_EQ(NameFromNative("\x80z"), QStringView(u"\xDC80z").toString());
    EXPECT_EQ(NameFromNative("\xC3"), QStringView(u"\xDCC3").toString());
    EXPECT_EQ(NameFromNative("\xC0\xAF"), QStringView(u"\xDCC0\xDCAF").toString());
    EXPECT_EQ(NameFromNative("\xED\xA0\x80"), QStringView(u"\xDCED\xDCA0\xDC80").toString());
    EXPECT_EQ(NameFromNative("\xF4\x90\x80\x80"),
              QStringView(u"\xDCF4\xDC90\xDC80\xDC80").toString());
    // Two names that differ only there stay two names.
    EXPECT_NE(NameFromNative("a\xFF.png"), NameFromNative("a\xFE.png"));
    // U+10080 is the pair D800 DC80: its second half is no stand-in.
    EXPECT_EQ(NativeName(QString::fromUtf8("\xF0\x90\x82\x80")), QByteArray("\xF0\x90\x82\x80"));
}

TEST(NativeNameTest, MessagesShowTheBytesThatAreNotUtf8)
{
    EXPECT_EQ(OneLine(NameFromNative("s\xFF\x0A.json")), QStringLiteral("s\\xFF\\u000a.json"));
    EXPECT_EQ(OneLine(NameFromNative("\xF0\x90\x82\x80")), QString::fromUtf8("\xF0\x90\x82\x80"));
}
