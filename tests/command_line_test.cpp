// SPDX-License-Identifier: MIT
// The torsiva command line as the application object reads it.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "torsiva_version.h"

namespace {

CommandLine Read(QStringList options)
{
    options.prepend(QStringLiteral("/usr/bin/torsiva"));
    return CommandLine(options);
}

// What a bad command line prints: one line naming the problem, then the usage.
void ExpectBadUsage(const QStringList& options, const QString& culprit)
{
    const CommandLine commandLine = Read(options);
    SCOPED_TRACE(options.join(u' ').toStdString());
    ASSERT_EQ(commandLine.Wanted(), CommandLine::Request::BadUsage);
    const QString output = commandLine.Output();
    const qsizetype lineEnd = output.indexOf(u'\n');
    ASSERT_GT(lineEnd, 0);
    const QString firstLine = output.left(lineEnd);
    EXPECT_TRUE(firstLine.startsWith(QStringLiteral("torsiva: "))) << firstLine.toStdString();
    EXPECT_TRUE(firstLine.contains(culprit)) << firstLine.toStdString();
    EXPECT_EQ(output.mid(lineEnd + 1), Read({QStringLiteral("--help")}).Output());
    EXPECT_EQ(commandLine.Start().figure, CurveKind::None);
}

} // namespace

TEST(CommandLineTest, NoOptionsOpenTheEmptyWindow)
{
    const CommandLine commandLine = Read({});
    EXPECT_EQ(commandLine.Wanted(), CommandLine::Request::Run);
    EXPECT_EQ(commandLine.Start().figure, CurveKind::None);
    EXPECT_FALSE(commandLine.Start().angleDeg);
    EXPECT_EQ(commandLine.Output(), QString());
}

TEST(CommandLineTest, HelpAndVersionPrintWithoutRunning)
{
    for (const char* option : {"-h", "--help"}) {
        const CommandLine help = Read({QString::fromLatin1(option)});
        EXPECT_EQ(help.Wanted(), CommandLine::Request::Help) << option;
        for (const char* listed :
             {"--help", "--version", "--figure", "--angle", "--flat", "--hidden"})
            EXPECT_TRUE(help.Output().contains(QLatin1String(listed))) << listed;
    }
    for (const char* option : {"-v", "--version"}) {
        const CommandLine version = Read({QString::fromLatin1(option)});
        EXPECT_EQ(version.Wanted(), CommandLine::Request::Version) << option;
        EXPECT_EQ(version.Output(), QStringLiteral("Torsiva " TORSIVA_VERSION "\n"));
    }
    // Help wins over a bad value, as with any Qt program.
    EXPECT_EQ(Read({"--figure", "cone", "--help"}).Wanted(), CommandLine::Request::Help);
}

TEST(CommandLineTest, FlatShowsTheFlatPictureWithOrWithoutAFigure)
{
    EXPECT_FALSE(Read({}).Start().flat);
    const CommandLine alone = Read({"--flat"});
    EXPECT_EQ(alone.Wanted(), CommandLine::Request::Run);
    EXPECT_TRUE(alone.Start().flat);
    EXPECT_EQ(alone.Start().figure, CurveKind::None);
    const CommandLine withFigure = Read({"--figure", "helix", "--flat", "--angle", "30"});
    EXPECT_TRUE(withFigure.Start().flat);
    EXPECT_EQ(withFigure.Start().angleDeg, 30);
    EXPECT_EQ(Read({"--flat=yes"}).Wanted(), CommandLine::Request::BadUsage) << "takes no value";
}

TEST(CommandLineTest, HiddenShowsTheHiddenPartsWithOrWithoutAFigure)
{
    EXPECT_FALSE(Read({}).Start().hidden);
    EXPECT_TRUE(Read({"--hidden"}).Start().hidden);
    const CommandLine both = Read({"--figure", "conical", "--hidden", "--flat"});
    EXPECT_EQ(both.Wanted(), CommandLine::Request::Run);
    EXPECT_TRUE(both.Start().hidden);
    EXPECT_TRUE(both.Start().flat);
    EXPECT_EQ(Read({"--hidden=on"}).Wanted(), CommandLine::Request::BadUsage) << "takes no value";
}

TEST(CommandLineTest, PointMarksTheAngleWithOrWithoutAFigure)
{
    EXPECT_FALSE(Read({}).Start().point);
    EXPECT_TRUE(Read({"--point"}).Start().point);
    const CommandLine withFigure = Read({"--figure", "conical", "--point", "--flat"});
    EXPECT_EQ(withFigure.Wanted(), CommandLine::Request::Run);
    EXPECT_TRUE(withFigure.Start().point && withFigure.Start().flat);
    EXPECT_EQ(Read({"--point=1"}).Wanted(), CommandLine::Request::BadUsage) << "takes no value";
    EXPECT_TRUE(Read({"--help"}).Output().contains("--point"));
}

TEST(CommandLineTest, FigureNamesAndBothOptionForms)
{
    const std::pair<const char*, CurveKind> figures[] = {
        {"helix", CurveKind::Helix},
        {"conical", CurveKind::ConicalHelix},
        {"spherical", CurveKind::SphericalHelix},
    };
    for (const auto& [name, figure] : figures) {
        EXPECT_EQ(Read({"--figure", name}).Start().figure, figure) << name;
        EXPECT_EQ(Read({QStringLiteral("--figure=%1").arg(QLatin1String(name))}).Start().figure,
                  figure)
            << name;
    }
    const CommandLine both = Read({"--angle=45", "--figure", "conical"});
    EXPECT_EQ(both.Wanted(), CommandLine::Request::Run);
    EXPECT_EQ(both.Start().figure, CurveKind::ConicalHelix);
    EXPECT_EQ(both.Start().angleDeg, 45);
}

TEST(CommandLineTest, AnglesArePlainDecimalIntegers)
{
    // Out-of-range angles are the bar's business: it clamps them.
    for (const auto& [text, value] : {std::pair{"89", 89},
                                      {"0", 0},
                                      {"-7", -7},
                                      {"007", 7},
                                      {"1000", 1000},
                                      {"2147483647", 2147483647}})
        EXPECT_EQ(Read({"--figure", "helix", "--angle", text}).Start().angleDeg, value) << text;

    for (const char* text : {"", "-", "4.5", "+4", " 4", "4 ", "0x10", "4a", "٣", "1e2",
                             "2147483648", "-2147483649", "--"})
        ExpectBadUsage(
            {"--figure", "helix", QStringLiteral("--angle=%1").arg(QString::fromUtf8(text))},
            QString::fromUtf8(text));
}

TEST(CommandLineTest, BadCommandLinesSayWhatIsWrongThenTheUsage)
{
    ExpectBadUsage({"--bogus"}, "bogus");
    ExpectBadUsage({"--figure"}, "--figure");
    ExpectBadUsage({"--figure", "cone"}, "cone");
    ExpectBadUsage({"--figure", "Helix"}, "Helix");
    ExpectBadUsage({"--figure", "none"}, "none");
    ExpectBadUsage({"--angle", "30"}, "--angle");
    ExpectBadUsage({"--figure", "helix", "picture.png"}, "picture.png");
    ExpectBadUsage({"--figure", "helix", "--angle"}, "--angle");
}

TEST(CommandLineTest, AnOptionGivenTwiceIsRefusedWhicheverValueIsGood)
{
    ExpectBadUsage({"--figure", "bogus", "--figure", "helix"}, "--figure");
    ExpectBadUsage({"--figure=helix", "--figure", "helix"}, "--figure");
    ExpectBadUsage({"--figure", "helix", "--angle", "abc", "--angle", "30"}, "--angle");
    ExpectBadUsage({"--figure", "helix", "--angle", "30", "-angle=30"}, "--angle");
}

TEST(CommandLineTest, ALeftOverQtOptionIsOneUnknownOption)
{
    // Qt takes "-style NAME" but leaves "-style" without a name.
    for (const char* option : {"-style", "-stylesheet", "-bogus"}) {
        const CommandLine commandLine = Read({option});
        ASSERT_EQ(commandLine.Wanted(), CommandLine::Request::BadUsage);
        const QString firstLine = commandLine.Output().section(u'\n', 0, 0);
        EXPECT_TRUE(firstLine.contains(QString::fromLatin1(option + 1))) << firstLine.toStdString();
        EXPECT_FALSE(firstLine.contains(QStringLiteral(", "))) << firstLine.toStdString();
    }
    // The short forms still work.
    EXPECT_EQ(Read({"-h"}).Wanted(), CommandLine::Request::Help);
    EXPECT_EQ(Read({"-v"}).Wanted(), CommandLine::Request::Version);
}
