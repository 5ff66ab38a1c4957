// Command line of torsiva-snapshot.
#pragma once

#include <optional>
#include <string>

#include "geometry/view_state.h"

struct SnapshotArguments {
    CurveKind figure = CurveKind::None;
    int angleDeg = 60;
    double zoom = 50.0;
    Vec3 eye{300.0, 0.0, 0.0};
    Vec3 up{0.0, 0.0, 1.0};
    std::string out;
    std::string ops;
    std::string script;
    bool viewGiven = false; // any of --figure, --angle, --zoom, --eye, --up
};

// Parses argv; on a bad argument returns nothing and sets `error` to one line.
std::optional<SnapshotArguments> ParseArguments(int argc, char** argv, std::string& error);

extern const char* const kSnapshotUsage;
