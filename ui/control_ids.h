// Control identifiers of the main dialog and the scroll codes its bars send.
#pragma once

namespace ControlId {
constexpr int kCancel = 2;
constexpr int kBarZ = 1007;
constexpr int kBarP = 1008;
constexpr int kAbout = 1011;
constexpr int kInstructions = 1012;
constexpr int kBarA = 1014;
constexpr int kAngleLabel = 1016;
constexpr int kHelix = 1017;
constexpr int kConicalHelix = 1018;
constexpr int kSphericalHelix = 1019;
} // namespace ControlId

// What a scroll bar notification reports, by the codes of the original
// window system: arrows, page clicks in the trough, the thumb, the ends.
enum ScrollCode : unsigned {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
    kEndScroll = 8,
};
