// Where a window is put on the desktop: a remembered place brought back where
// it can be grasped, and a new window opened beside the table.
#include "table/ScreenPlace.h"

#include <gtest/gtest.h>

namespace {

// The primary screen with a panel below it, and a second one to its right.
constexpr ScreenRect kPrimary{0, 0, 1920, 1040};
constexpr ScreenRect kRight{1920, 0, 1280, 1200};
constexpr ScreenRect kLeft{-1280, 0, 1280, 1024};

struct PlaceCase {
    const char* name;
    ScreenRect place;
    std::vector<ScreenRect> screens;
    ScreenRect expected;
};

// clang-format off
const PlaceCase kPlaces[] = {
    {"a window inside the screen stays", {100, 100, 540, 720}, {kPrimary}, {100, 100, 540, 720}},
    {"a window half off the right edge stays while its top can be grasped", {1800, 100, 540, 720}, {kPrimary}, {1800, 100, 540, 720}},
    {"sixty-four pixels of title bar are enough to keep the window", {1856, 100, 540, 720}, {kPrimary}, {1856, 100, 540, 720}},
    {"forty pixels of title bar are too few and the window comes back", {1880, 100, 540, 720}, {kPrimary}, {1380, 100, 540, 720}},
    {"a window on an unplugged monitor comes to the right edge of the first", {2200, 50, 540, 720}, {kPrimary}, {1380, 50, 540, 720}},
    {"a window left of every screen comes to the left edge", {-900, 300, 520, 445}, {kPrimary}, {0, 300, 520, 445}},
    {"a title bar above the top edge is brought down", {100, -10, 520, 445}, {kPrimary}, {100, 0, 520, 445}},
    {"a window taller than its screen is shrunk to it", {-2000, 0, 540, 1200}, {kPrimary}, {0, 0, 540, 1040}},
    {"a window on the second monitor stays there", {2000, 100, 540, 720}, {kPrimary, kRight}, {2000, 100, 540, 720}},
    {"a window on a monitor left of the primary stays there", {-1000, 100, 500, 400}, {kPrimary, kLeft}, {-1000, 100, 500, 400}},
    {"a window below the screens goes to the one it overlaps most", {1880, 1180, 540, 720}, {kPrimary, kRight}, {1920, 480, 540, 720}},
    {"a window overlapping no screen goes to the first", {5000, 5000, 300, 200}, {kPrimary, kRight}, {1620, 840, 300, 200}},
    {"with no screen known the place is kept", {5000, 5000, 300, 200}, {}, {5000, 5000, 300, 200}},
};
// clang-format on

TEST(ScreenPlace, BringsThePlaceWhereItCanBeGrasped) {
    for (const PlaceCase& c : kPlaces) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceOnScreens(c.place, c.screens), c.expected);
    }
    for (const ScreenRect place : {ScreenRect{10, 10, 0, 300}, ScreenRect{10, 10, 300, -5}}) {
        EXPECT_FALSE(PlaceOnScreens(place, {kPrimary}).has_value()) << "a place without a size";
    }
}

struct BesideCase {
    const char* name;
    ScreenRect table;
    ScreenRect window; // the asked top and the size
    std::vector<ScreenRect> screens;
    ScreenRect expected;
};

// The table, the window asked for, the screens, and where it opens 7 pixels from the table.
// clang-format off
const BesideCase kBeside[] = {
    {"right when it fits", {10, 10, 640, 480}, {0, 10, 400, 300}, {kPrimary}, {657, 10, 400, 300}},
    {"right to the last pixel, though the left would fit", {1000, 10, 600, 480}, {0, 10, 313, 300}, {kPrimary}, {1607, 10, 313, 300}},
    {"left when the right is full", {1000, 10, 700, 480}, {0, 10, 400, 300}, {kPrimary}, {593, 10, 400, 300}},
    {"left to the last pixel when the right is full", {407, 10, 1500, 480}, {0, 10, 400, 300}, {kPrimary}, {0, 10, 400, 300}},
    {"against the right edge when neither fits", {10, 10, 1500, 900}, {0, 10, 500, 300}, {kPrimary}, {1420, 10, 500, 300}},
    {"top brought up onto the screen", {10, 500, 640, 480}, {0, 900, 400, 300}, {kPrimary}, {657, 740, 400, 300}},
    {"taller than the screen keeps its top on it", {10, 10, 640, 480}, {0, 10, 400, 2000}, {kPrimary}, {657, 0, 400, 2000}},
    {"wider than the screen keeps its left on it", {10, 10, 640, 480}, {0, 10, 2500, 300}, {kPrimary}, {0, 10, 2500, 300}},
    {"on the second screen where the table is", {2000, 10, 640, 480}, {0, 10, 400, 300}, {kPrimary, {1920, 0, 1280, 1024}}, {2647, 10, 400, 300}},
    {"second screen full opens on its left", {2700, 10, 480, 480}, {0, 10, 400, 300}, {kPrimary, {1920, 0, 1280, 1024}}, {2293, 10, 400, 300}},
    {"no screens: right of the table", {10, 10, 640, 480}, {0, 10, 400, 300}, {}, {657, 10, 400, 300}},
};
// clang-format on

TEST(PlaceBeside, OpensWhollyOnTheTablesScreen) {
    for (const BesideCase& c : kBeside) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceBeside(c.table, c.window, 7, c.screens), c.expected);
    }
}

} // namespace
