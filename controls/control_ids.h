// SPDX-License-Identifier: MIT
// The main dialog's control identifiers, the bars by type, and the codes a
// scroll bar notification carries.
#pragma once

// The numeric identifiers by which a scroll notification names its bar
// (OnVScroll's third argument) and the dialog's controls are known.
namespace ControlId {
constexpr int kBarZ = 1007;
constexpr int kBarP = 1008;
constexpr int kBarA = 1014;
constexpr int kAngleLabel = 1016;
} // namespace ControlId

// The three view bars: angle, zoom, eye distance.
enum class Bar { A, Z, P };

// What a scroll bar notification reports: arrows, page clicks in the trough,
// the thumb, the ends. The values are the numbers OnVScroll receives, so
// recorded streams and fuzz inputs keep their meaning.
enum class ScrollCode : unsigned {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

// The same codes as plain numbers, for callers of the numeric entry.
constexpr unsigned kLineUp = unsigned(ScrollCode::LineUp);
constexpr unsigned kLineDown = unsigned(ScrollCode::LineDown);
constexpr unsigned kPageUp = unsigned(ScrollCode::PageUp);
constexpr unsigned kPageDown = unsigned(ScrollCode::PageDown);
constexpr unsigned kThumbPosition = unsigned(ScrollCode::ThumbPosition);
constexpr unsigned kThumbTrack = unsigned(ScrollCode::ThumbTrack);
constexpr unsigned kTop = unsigned(ScrollCode::Top);
constexpr unsigned kBottom = unsigned(ScrollCode::Bottom);
constexpr unsigned kEndScroll = unsigned(ScrollCode::EndScroll);
