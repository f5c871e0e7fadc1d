#pragma once

#include <optional>
#include <vector>

// A window's place on the desktop in pixels: its client area's top-left
// corner and size. Screens are given by the part of each that windows may
// use (panels left out).
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// How much of a window's top strip must lie on one screen for the player to
// take hold of it and drag it: a remembered place with less is brought back.
inline constexpr int kGraspWidth = 64;
inline constexpr int kGraspHeight = 24;

// The remembered place, moved (and if need be shrunk) onto a screen when no
// screen holds enough of its top strip, as after a monitor was unplugged: it
// goes to the screen it overlaps most, else to the first (primary) screen,
// wholly inside it. Nullopt for a place without a size (a damaged record);
// the place unchanged when there are no screens to judge by.
std::optional<ScreenRect> PlaceOnScreens(const ScreenRect& place,
                                         const std::vector<ScreenRect>& screens);

// Where a window opens by default: beside the table on the screen that holds
// most of it, to its right if it fits there, else to its left, else against
// the screen's right edge over the table (a zoomed table may fill the
// screen). Wholly on that screen, at the asked top if it fits. The window
// keeps its size; its left is found. The place unchanged without screens.
ScreenRect PlaceBeside(const ScreenRect& table, ScreenRect window, int gap,
                       const std::vector<ScreenRect>& screens);
