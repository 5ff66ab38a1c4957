// SPDX-License-Identifier: MIT
// The sizes and steps of the three figures, in model units and radians. The
// tracers build the figures in 3D from them, and the developments lay the
// same vertices flat from them, so both walk the same parameters.
#pragma once

#include "geometry/angles.h"

// Circular helix on a cylinder about the z axis.
struct CylinderDimensions {
    static constexpr double kRadius = 15.0;
    static constexpr double kHeightScale = 15.0; // a generatrix vertex has z = 15·h
    static constexpr double kHeightStep = kPiSixDecimals / 19;
    static constexpr double kAngleStep = kPiSixDecimals / 12; // between generatrices
    static constexpr double kParameterStep = 1.0 / 15;        // helix parameter per vertex
};

// Conical helix on a cone with its apex on the z axis, opening downwards.
struct ConeDimensions {
    static constexpr double kApexHeight = 50.0;
    static constexpr double kRadiusScale = 4.0; // distance from the axis = 4·u, 4·ρ
    static constexpr double kStep = 0.2;        // along a ruling, and winding angle per vertex
    static constexpr double kRulingStep = 0.1;  // radians between rulings
    // π times this is the cone's 30° half-angle. The literal lies one unit in
    // the last place above 1.0 / 6, and the rim's height, hence where the
    // curve stops, follows from its exact value.
    static constexpr double kSixth = 0.16666666666666669;
    // The curve's first vertex counter, trunc(−125·π).
    static int FirstCurveCounter() { return static_cast<int>(-125.0 * Pi()); }
};

// Spherical helix (loxodrome) on a sphere about the origin.
struct SphereDimensions {
    static constexpr double kRadius = 35.0;
    static constexpr double kLongitudeStep = kPiSixDecimals / 12;  // between great circles
    static constexpr double kColatitudeStep = kPiSixDecimals / 19; // along a great circle
    static constexpr double kCurveStep = 0.01;                     // curve colatitude per vertex
};
