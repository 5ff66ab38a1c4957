// SPDX-License-Identifier: MIT
// Helpers shared by the core tests.
#pragma once

#include <gtest/gtest.h>

#include "geometry/view_frame.h"
#include "geometry/view_state.h"

// Vectors compared component by component within a stated tolerance.
inline ::testing::AssertionResult AreNear(Vec3 actual, Vec3 expected, double tolerance)
{
    if (std::abs(actual.x - expected.x) <= tolerance &&
        std::abs(actual.y - expected.y) <= tolerance &&
        std::abs(actual.z - expected.z) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not within "
           << tolerance << " of (" << expected.x << ", " << expected.y << ", " << expected.z << ")";
}

inline bool operator==(Pixel a, Pixel b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& out, Pixel p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}
