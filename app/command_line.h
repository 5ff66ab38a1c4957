// SPDX-License-Identifier: MIT
// The torsiva command line. Qt's own options (-platform, -reverse, -style ...)
// are taken out by the application object before it gets here; one that Qt
// left, such as -style without its value, is an unknown option here. Each
// option is given at most once.
#pragma once

#include <optional>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "geometry/view_state.h"

// How the window starts: as if the figure's button had been clicked, then the
// A bar's thumb released at `angleDeg`.
struct StartOptions {
    CurveKind figure = CurveKind::None; // None: the window opens empty
    std::optional<int> angleDeg;        // only with a figure
    bool flat = false;                  // the flat picture shown beside the figure
    bool hidden = false;                // the hidden parts shown ("Partes ocultas")
    bool point = false;                 // the angle marked at a point of the curve
};

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { Run, Help, Version, BadUsage };

    // Reads `arguments`, the program's path first. Messages use the
    // translators installed at the time.
    explicit CommandLine(const QStringList& arguments);

    Request Wanted() const { return m_request; }
    StartOptions Start() const { return m_start; }
    // What to print: the help or the version (for the standard output), or
    // one line saying what is wrong followed by the usage (for the error
    // output). Empty for Run.
    QString Output() const { return m_output; }

private:
    void Read(const QStringList& arguments);
    void Fail(const QString& message);

    QString m_program;
    QString m_help;

    Request m_request = Request::Run;
    StartOptions m_start;
    QString m_output;
};
