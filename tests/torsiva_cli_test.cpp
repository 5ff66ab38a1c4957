// SPDX-License-Identifier: MIT
// The real torsiva program started with a command line that never opens the
// window: each run must end by itself (a window would wait for the user) with
// the right status, output and language.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <utility>

#include "torsiva_version.h"

namespace {

struct Ended {
    int status = -1;
    QString out;
    QString err;
};

// A clean environment: only what is given, plus a private runtime folder so
// that Qt has nothing to warn about on the error output.
QProcessEnvironment Environment(const QStringList& variables)
{
    static QTemporaryDir runtime;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    return environment;
}

// Runs torsiva to its end in `process`, which says where its output goes.
Ended RunToItsEnd(QProcess& process, const QStringList& arguments, const QStringList& variables)
{
    process.setProcessEnvironment(Environment(variables));
    process.start(QStringLiteral(TORSIVA_PROGRAM), arguments);
    // Not a time limit on the program: a window left open would never end.
    const bool ended = process.waitForFinished(60000);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    EXPECT_TRUE(ended) << "torsiva " << arguments.join(u' ').toStdString()
                       << " did not end: it opened its window";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Ended Torsiva(const QStringList& arguments,
              const QStringList& variables = {QStringLiteral("QT_QPA_PLATFORM=offscreen")})
{
    QProcess process;
    return RunToItsEnd(process, arguments, variables);
}

QString FirstLine(const QString& text) { return text.section(u'\n', 0, 0); }

} // namespace

TEST(TorsivaCliTest, HelpAndVersionExitZero)
{
    const Ended help = Torsiva({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--figure"))) << help.out.toStdString();
    EXPECT_EQ(help.err, QString());

    const Ended version = Torsiva({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Torsiva " TORSIVA_VERSION "\n"));
    EXPECT_EQ(version.err, QString());
}

TEST(TorsivaCliTest, AStandardOutputThatCannotBeWrittenIsAFailure)
{
    for (const char* request : {"--version", "--help"}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        const Ended run =
            RunToItsEnd(process, {request}, {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
        EXPECT_EQ(run.status, 1) << request;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("torsiva: "))) << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    }
}

TEST(TorsivaCliTest, BadCommandLinesExitTwoWithOneLineAndTheUsage)
{
    const QStringList bad[] = {
        {"--bogus"},
        {"--figure", "cone"},
        {"--figure"},
        {"--angle", "30"},
        {"--figure=helix", "--angle=4.5"},
        {"extra"},
    };
    const QString usage = Torsiva({"--help"}).out;
    for (const QStringList& arguments : bad) {
        const Ended run = Torsiva(arguments);
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("torsiva: "))) << run.err.toStdString();
        EXPECT_EQ(run.err.section(u'\n', 1), usage);
    }
}

TEST(TorsivaCliTest, QtsOwnOptionsStillWork)
{
    EXPECT_EQ(Torsiva({"-reverse", "--version"}).status, 0);
    EXPECT_EQ(Torsiva({"-platform", "offscreen", "--version"}, {}).status, 0);
    EXPECT_EQ(Torsiva({"-style", "fusion", "--bogus"}).status, 2);
}

TEST(TorsivaCliTest, EnglishOnlyForAnEnglishUser)
{
    const QString english = QStringLiteral("Helices on the cylinder");
    const QString spanish = QStringLiteral("Hélices sobre el cilindro");
    const auto description = [](const QStringList& locale) {
        return Torsiva({"--help"}, QStringList{"QT_QPA_PLATFORM=offscreen"} + locale).out;
    };
    EXPECT_TRUE(description({"LANG=en_US.UTF-8"}).contains(english));
    EXPECT_TRUE(description({"LANG=en_GB.UTF-8"}).contains(english));
    EXPECT_TRUE(description({"LANG=C", "LC_ALL=en_US.UTF-8"}).contains(english));
    for (const QStringList& locale : {QStringList{"LANG=C"},
                                      {"LANG=POSIX"},
                                      {"LANG=C.UTF-8"},
                                      {},
                                      {"LANG=es_ES.UTF-8"},
                                      {"LANG=de_DE.UTF-8"},
                                      {"LANG=xx_YY.UTF-8"},
                                      {"LANG=de_DE.UTF-8", "LANGUAGE=de:en"},
                                      {"LANG=C", "LANGUAGE=en"}}) {
        const QString help = description(locale);
        EXPECT_TRUE(help.contains(spanish)) << locale.join(u' ').toStdString();
        EXPECT_FALSE(help.contains(english)) << locale.join(u' ').toStdString();
    }
    const Ended error =
        Torsiva({"--figure", "cone"}, {"QT_QPA_PLATFORM=offscreen", "LANG=en_US.UTF-8"});
    EXPECT_EQ(
        FirstLine(error.err),
        QStringLiteral("torsiva: Unknown figure 'cone': expected helix, conical or spherical."));
}

TEST(TorsivaCliTest, APlatformThatDoesNotStartIsAMessageNotAnAbort)
{
    // An X display that nobody serves, a platform that does not exist, named
    // either way Qt takes it.
    const QStringList unreachable{QStringLiteral("DISPLAY=:65535"), QStringLiteral("LANG=C")};
    const QStringList bogus{QStringLiteral("QT_QPA_PLATFORM=bogus"), QStringLiteral("LANG=C")};
    for (const auto& [arguments, variables] :
         {std::pair{QStringList{"--figure", "helix"}, unreachable},
          std::pair{QStringList{"-platform", "bogus"}, QStringList{"LANG=C"}},
          std::pair{QStringList{"--figure", "conical"}, bogus}}) {
        const Ended run = Torsiva(arguments, variables);
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("torsiva: no se pudo abrir la ventana")))
            << run.err.toStdString();
    }
    // What needs no window still works.
    EXPECT_EQ(Torsiva({"--version"}, unreachable).out,
              QStringLiteral("Torsiva " TORSIVA_VERSION "\n"));
    EXPECT_EQ(Torsiva({"-platform", "bogus", "--bogus"}, {}).status, 2);
}

TEST(TorsivaCliTest, WithoutADisplayItPrintsButOpensNoWindow)
{
    // No DISPLAY, no WAYLAND_DISPLAY, no platform chosen.
    EXPECT_EQ(Torsiva({"--help"}, {}).status, 0);
    EXPECT_EQ(Torsiva({"--version"}, {}).status, 0);
    EXPECT_EQ(Torsiva({"--bogus"}, {}).status, 2);
    const Ended window = Torsiva({"--figure", "helix"}, {"LANG=C"});
    EXPECT_EQ(window.status, 1);
    EXPECT_TRUE(window.err.startsWith(QStringLiteral("torsiva: no hay pantalla")))
        << window.err.toStdString();
}
