// SPDX-License-Identifier: MIT
// The one main of every Qt test program. It runs on Qt's offscreen platform,
// so that no display is needed, and keeps the settings each test process
// writes in a folder of its own: never the user's, and never another test's,
// as ctest runs the tests side by side.
//
// A program built with TORSIVA_TEST_SCREEN_WIDTH and _HEIGHT gets a screen
// of that size (the offscreen platform's own is 800 × 600 device pixels),
// and with TORSIVA_TEST_SCALE_FACTOR that device pixel ratio: Qt reads both
// once, at start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QByteArray Platform(const QTemporaryDir& folder)
{
#ifdef TORSIVA_TEST_SCREEN_WIDTH
    QFile screens(folder.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(QByteArray(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )") +
                      QByteArray::number(TORSIVA_TEST_SCREEN_WIDTH) + R"(, "height": )" +
                      QByteArray::number(TORSIVA_TEST_SCREEN_HEIGHT) +
                      R"(, "logicalDpi": 96, "dpr": 1}]})") < 0)
        return QByteArray();
    return "offscreen:configfile=" + screens.fileName().toLocal8Bit();
#else
    (void)folder;
    return "offscreen";
#endif
}

} // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir folder;
    const QByteArray platform = Platform(folder);
    if (!folder.isValid() || platform.isEmpty())
        return 1;
    qputenv("QT_QPA_PLATFORM", platform);
#ifdef TORSIVA_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", TORSIVA_TEST_SCALE_FACTOR);
#endif
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("torsiva-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
