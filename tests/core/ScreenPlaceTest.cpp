#include "table/ScreenPlace.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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

class ScreenPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(ScreenPlaceTest, BringsThePlaceWhereItCanBeGrasped) {
    const PlaceCase& c = GetParam();
    const std::optional<ScreenRect> placed = PlaceOnScreens(c.place, c.screens);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(*placed, c.expected);
}

std::string RowName(const ::testing::TestParamInfo<PlaceCase>& row) {
    std::string name = row.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

// clang-format off
const PlaceCase kPlaces[] = {
    {"a window inside the screen stays", {100, 100, 540, 720}, {kPrimary}, {100, 100, 540, 720}},
    {"a window half off the right edge stays while its top can be grasped", {1800, 100, 540, 720}, {kPrimary}, {1800, 100, 540, 720}},
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

INSTANTIATE_TEST_SUITE_P(Rows, ScreenPlaceTest, ::testing::ValuesIn(kPlaces), RowName);

TEST(ScreenPlace, APlaceWithoutASizeIsNotUsed) {
    for (const ScreenRect place : {ScreenRect{10, 10, 0, 300}, ScreenRect{10, 10, 300, -5}}) {
        EXPECT_FALSE(PlaceOnScreens(place, {kPrimary}).has_value());
    }
}

} // namespace
