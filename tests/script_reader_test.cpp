// SPDX-License-Identifier: MIT
// The snapshot script reader: what QJsonDocument alone would let through
// (repeated keys, more actions than the limit) and the strictness of each
// action's keys and values.
#include <gtest/gtest.h>

#include "tools/snapshot/json_shape.h"
#include "tools/snapshot/script_reader.h"

namespace {

bool Accepted(const char* json)
{
    QString error;
    return ParseScript(QByteArray(json), error).has_value();
}

} // namespace

TEST(JsonShapeTest, CountsOnlyTheOutermostValues)
{
    EXPECT_EQ(ScanJsonShape("[]").topLevelValues, 0);
    EXPECT_EQ(ScanJsonShape(" [ {} ] ").topLevelValues, 1);
    EXPECT_EQ(ScanJsonShape(R"([{"a":[1,2,3]},{"b":{"c":[4,5]}},6])").topLevelValues, 3);
    // Brackets, braces, commas and escaped quotes inside strings are text.
    EXPECT_EQ(ScanJsonShape(R"(["a,b", "]}[{,", "q\"],", {"k,\"":"v,"}])").topLevelValues, 4);
}

TEST(JsonShapeTest, FindsRepeatedKeysInAnyObject)
{
    EXPECT_FALSE(ScanJsonShape(R"([{"a":1,"b":{"a":2}},{"a":3}])").duplicateKey);
    EXPECT_TRUE(ScanJsonShape(R"([{"a":1,"a":2}])").duplicateKey);
    EXPECT_TRUE(ScanJsonShape(R"([{"x":{"b":[{"c":1}],"b":0}}])").duplicateKey);
    // The same key however it is spelled; values that look like keys are not keys.
    EXPECT_TRUE(ScanJsonShape(R"({"bar":1,"\u0062ar":2})").duplicateKey);
    EXPECT_FALSE(ScanJsonShape(R"({"a":"b","b":"a"})").duplicateKey);
    EXPECT_FALSE(ScanJsonShape(R"({"a":["a","a"]})").duplicateKey);
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
        many += "0,";
    QString error;
    EXPECT_FALSE(ParseScript(many + "0]", error));
    EXPECT_TRUE(error.contains(QString::number(kMaxScriptActions)));
    // A million is allowed as far as the count goes (numbers are no actions).
    EXPECT_TRUE(ParseScript(many.chopped(1) + "]", error) == std::nullopt);
    EXPECT_FALSE(error.contains(QString::number(kMaxScriptActions)));
}
