// SPDX-License-Identifier: MIT
// The snapshot script reader: strict JSON read without a document tree,
// repeated keys, the action limit and the strictness of each action's keys
// and values.
#include <gtest/gtest.h>

#include "tools/snapshot/script_reader.h"

namespace {

bool Accepted(const QByteArray& json)
{
    QString error;
    return ParseScript(json, error).has_value();
}

} // namespace

TEST(ScriptReaderTest, StringsAreTextAndKeysAreComparedAsJsonMeansThem)
{
    // Brackets, braces, commas and escaped quotes inside a key are its text.
    QString error;
    EXPECT_FALSE(ParseScript(R"([{"button":"helix"}, {"]}[{,\"":0}])", error));
    EXPECT_TRUE(error.contains(QStringLiteral("acción 1 es una acción desconocida, «]}[{,\"»")))
        << error.toStdString();
    // Escapes are decoded before keys and names are compared.
    EXPECT_TRUE(Accepted(R"([{"butto\u006e":"h\u0065lix"}])"));
    EXPECT_FALSE(ParseScript(R"([{"scroll":{"bar":1014,"\u0062ar":1007,"code":1}}])", error));
    EXPECT_TRUE(error.contains(QStringLiteral("repite una clave, «bar»"))) << error.toStdString();
    EXPECT_FALSE(ParseScript(R"([{"button":"helix","button":"conical"}])", error));
    EXPECT_TRUE(error.contains(QStringLiteral("repite una clave"))) << error.toStdString();
    // A long key is named cut short, and matches nothing.
    EXPECT_FALSE(ParseScript("[{\"" + QByteArray(100000, 'b') + "\":0}]", error));
    EXPECT_LT(error.size(), 100);
}

TEST(ScriptReaderTest, OnlyStrictJsonIsRead)
{
    EXPECT_TRUE(Accepted("\xEF\xBB\xBF [ ]\r\n"));
    EXPECT_TRUE(Accepted("\t[{ \"move\" :\n[ 1 , -2 ] } ]"));
    for (const char* broken :
         {"", "[", "[{\"move\":[0,0]}", "[{\"move\":[0,0]},]",
          "[{\"move\":[0,0]} {\"move\":[0,0]}]", "[] []", "[]x", "[{\"move\":[0,0]}]]",
          "[{\"mo\nve\":[0,0]}]", "[{\"move\":[0,0]}\f]", "[{\"mo\\x\":0}]", "[{\"\\u00zz\":0}]"})
        EXPECT_FALSE(Accepted(broken)) << broken;
    // Numbers are JSON's: no leading zero, no bare point, no plus.
    for (const char* number : {"01", "1.", ".5", "+1", "1e", "1e+", "-", "0x10", "1_0"})
        EXPECT_FALSE(Accepted(QByteArray("[{\"move\":[0,") + number + "]}]")) << number;
}

TEST(ScriptReaderTest, NumbersAreWholeExactly)
{
    QString error;
    const auto actions = ParseScript(R"([{"scroll":{"bar":1014.0,"code":4e0,"pos":1.5e1}},
                        {"press":[-0,1014000e-3]}, {"move":[2147483647,-2.147483648e9]}])",
                                     error);
    ASSERT_TRUE(actions) << error.toStdString();
    EXPECT_EQ((*actions)[0].bar, 1014);
    EXPECT_EQ((*actions)[0].code, 4u);
    EXPECT_EQ((*actions)[0].pos, 15);
    EXPECT_EQ((*actions)[1].cursor.x, 0);
    EXPECT_EQ((*actions)[1].cursor.y, 1014);
    EXPECT_EQ((*actions)[2].cursor.y, INT32_MIN);
    // A fraction too small for a double to hold is still a fraction.
    for (const char* number : {"1014.000000000000000001", "1e-1", "1e400", "2147483648",
                               "-2147483649", "1e10", "10000000000000000000000", "1e999999999999"})
        EXPECT_FALSE(Accepted(QByteArray("[{\"move\":[0,") + number + "]}]")) << number;
    EXPECT_TRUE(Accepted("[{\"move\":[0,0e999999999999]}]"));
    EXPECT_TRUE(Accepted("[{\"move\":[0,0.000]}]"));
}

TEST(ScriptReaderTest, AnObjectIsNoListAndSaysSoPlainly)
{
    QString error;
    EXPECT_FALSE(ParseScript(R"({"button":"helix"})", error));
    EXPECT_EQ(error, QStringLiteral("no es una lista JSON de acciones"));
}

TEST(ScriptReaderTest, DeepNestingIsRefusedWhereTheActionAllowsNone)
{
    QString error;
    EXPECT_FALSE(ParseScript(QByteArray(kMaxScriptBytes, '['), error));
    EXPECT_TRUE(error.contains(QStringLiteral("acción 0 no es un objeto"))) << error.toStdString();
    EXPECT_FALSE(ParseScript("[{\"press\":" + QByteArray(1000000, '['), error));
    EXPECT_TRUE(error.contains(QStringLiteral("«press»"))) << error.toStdString();
    EXPECT_FALSE(ParseScript("[{\"scroll\":{\"bar\":" + QByteArray(1000000, '{'), error));
    EXPECT_TRUE(error.contains(QStringLiteral("«scroll»"))) << error.toStdString();
}

TEST(ScriptReaderTest, ReadsEveryKindOfAction)
{
    QString error;
    const auto actions = ParseScript(R"([{"button":"spherical"},
        {"scroll":{"bar":1008,"code":4,"pos":150}}, {"press":[-3,4]},
        {"move":[2147483647,-2147483648]}, {"release":[0,0]}])",
                                     error);
    ASSERT_TRUE(actions) << error.toStdString();
    ASSERT_EQ(actions->size(), 5u);
    EXPECT_EQ((*actions)[0].figure, CurveKind::SphericalHelix);
    EXPECT_EQ((*actions)[1].bar, 1008);
    EXPECT_EQ((*actions)[1].code, 4u);
    EXPECT_EQ((*actions)[1].pos, 150);
    EXPECT_EQ((*actions)[2].cursor.x, -3);
    EXPECT_EQ((*actions)[3].cursor.y, INT32_MIN);
    EXPECT_EQ((*actions)[4].kind, ScriptAction::Kind::Release);
}

TEST(ScriptReaderTest, RefusesWhatItCannotReplayExactly)
{
    EXPECT_FALSE(Accepted(R"([{"scroll":{"bar":1014,"code":1,"speed":9}}])"));
    EXPECT_FALSE(Accepted(R"([{"scroll":{"bar":1014,"code":1,"code":1}}])"));
    EXPECT_FALSE(Accepted(R"([{"scroll":{"bar":1014,"code":9}}])"));
    EXPECT_FALSE(Accepted(R"([{"scroll":{"bar":1014,"code":1e400}}])"));
    EXPECT_FALSE(Accepted(R"([{"scroll":{"bar":1014.5,"code":1}}])"));
    EXPECT_FALSE(Accepted(R"([{"button":"none"}])"));
    EXPECT_FALSE(Accepted(R"([{"press":[0]}])"));
    EXPECT_FALSE(Accepted(R"([{"move":[0,2147483648]}])"));
    EXPECT_FALSE(Accepted(R"([{"release":[0,0],"press":[0,0]}])"));
    EXPECT_FALSE(Accepted(R"([{}])"));
    EXPECT_FALSE(Accepted(R"({"button":"helix"})"));
    EXPECT_TRUE(Accepted(R"([{"scroll":{"code":8,"bar":0}}])"));
}

TEST(ScriptReaderTest, RefusesMoreThanAMillionActions)
{
    QByteArray many = "[";
    for (qsizetype i = 0; i < kMaxScriptActions; ++i)
        many += "{\"move\":[0,0]},";
    QString error;
    EXPECT_FALSE(ParseScript(many + "{\"move\":[0,0]}]", error));
    EXPECT_TRUE(error.contains(QString::number(kMaxScriptActions))) << error.toStdString();
    const auto million = ParseScript(many.chopped(1) + "]", error);
    ASSERT_TRUE(million) << error.toStdString();
    EXPECT_EQ(qsizetype(million->size()), kMaxScriptActions);
    // A fault after the last good action is found there.
    const QByteArray allButOne = many.chopped(int(sizeof "{\"move\":[0,0]},") - 1);
    EXPECT_FALSE(ParseScript(allButOne + "{\"bogus\":0}]", error));
    EXPECT_TRUE(error.contains(
        QStringLiteral("acción %1 es una acción desconocida").arg(kMaxScriptActions - 1)))
        << error.toStdString();
    EXPECT_FALSE(ParseScript(many.chopped(1) + " x]", error));
    EXPECT_TRUE(error.contains(QStringLiteral("byte %1").arg(many.size()))) << error.toStdString();
}
