// SPDX-License-Identifier: MIT
// The picture the figure is projected onto: a square of kPictureSize pixels a
// side. Picture coordinates (u to the right, v upwards) are measured from its
// centre, so they run from −kPictureHalf to kPictureHalf across it, and the
// centre is canvas pixel (kPictureHalf, kPictureHalf).
#pragma once

constexpr int kPictureSize = 500;
constexpr double kPictureHalf = kPictureSize / 2;
