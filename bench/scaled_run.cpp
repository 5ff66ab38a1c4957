// SPDX-License-Identifier: MIT
#include "scaled_run.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

void BM_AtScaleFactor(benchmark::State& state, const char* scaleFactor, const char* run)
{
    // The offscreen platform's own screen, 800 × 600 device pixels, is too
    // small for the window at this ratio: give it a large one.
    QTemporaryDir directory;
    QFile screens(directory.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840,)"
                      R"( "height": 2160, "logicalDpi": 96, "dpr": 1}]})") < 0) {
        state.SkipWithError("cannot write the screen configuration");
        return;
    }
    screens.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scaleFactor));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + screens.fileName());
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--benchmark_filter=^%1$").arg(QLatin1String(run)),
                     QStringLiteral("--benchmark_format=json")});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            state.SkipWithError("the scaled run failed");
            return;
        }
        const QJsonObject run = QJsonDocument::fromJson(child.readAllStandardOutput())
                                    .object()[QStringLiteral("benchmarks")]
                                    .toArray()
                                    .at(0)
                                    .toObject();
        const double microseconds = run[QStringLiteral("real_time")].toDouble();
        if (!(microseconds > 0.0)) {
            state.SkipWithError("the scaled run reported no time");
            return;
        }
        if (run[QStringLiteral("picture_scale")].toDouble() != QByteArray(scaleFactor).toDouble()) {
            state.SkipWithError("the scaled run drew at another scale");
            return;
        }
        state.SetIterationTime(microseconds * 1e-6);
    }
}
