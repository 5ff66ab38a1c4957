// SPDX-License-Identifier: MIT
// Command line of torsiva-snapshot.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "geometry/view_state.h"

struct SnapshotArguments {
    CurveKind figure = CurveKind::None;
    int angleDeg = kDefaultAngleDeg;
    double zoom = kDefaultZoom;
    Vec3 eye = kDefaultEye;
    Vec3 up = kDefaultUp;
    double scale = 1.0;  // the picture is round(500 · scale) pixels square
    bool flat = false;   // the flat picture instead of the figure
    bool hidden = false; // the figure's hidden parts shown ("Partes ocultas")
    // The point whose angle is marked, by the curve's parameter; none: no mark.
    std::optional<double> point;
    QString out;
    QString ops;
    QString script;
    bool scriptGiven = false;
};

// What the command line asks for: a picture, or a text to print and leave.
struct ParsedCommandLine {
    std::optional<SnapshotArguments> arguments; // set when there is a picture to make
    QString text;                               // --help or --version, for stdout
    QString error;                              // one line, for stderr, when neither is set
};

ParsedCommandLine ParseArguments(const QStringList& arguments);

// Whether --point P can be marked on the figure at the angle: an error line,
// empty when it can. The point must lie on the drawn curve, between its
// first and last vertices, and not at the cone's apex.
QString CheckPoint(CurveKind figure, int angleDeg, double point);

// The short usage lines printed after an error.
QString SnapshotUsage();

// How far from the origin --eye may lie: farther, the projection's squared
// distances would overflow.
constexpr double kEyeReach = 1e150;
