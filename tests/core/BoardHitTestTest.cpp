#include "TestTable.h"

#include "betting/BoardHitTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

struct PointCase {
    const char* name;
    int x;
    int y;
    std::optional<std::int16_t> spot;
};

// clang-format off
const std::vector<PointCase> kPoints = {
    {"InsideNumberOne", 330, 700, 7},
    {"InsideNumberTwo", 930, 700, 9},
    {"OnLineBetweenOneAndTwo", 630, 700, 8},
    {"OnCrossingOfOneTwoFourFive", 630, 900, 14},
    {"RightEdgeOfFirstRowIsStreet", 1800, 700, 12},
    {"RightEdgeOnLineIsSixLine", 1800, 900, 18},
    {"RightEdgeOnZeroLineIsFirstFour", 1800, 400, 6},
    {"LeftEdgeOnZeroLine", 0, 400, 1},
    {"LastTwipOfFirstColumn", 479, 400, 1},
    {"FirstTwipOfSecondColumnIsTrio", 480, 400, 2},
    {"TopBoundIsInclusive", 60, 345, 1},
    {"BottomRightCorner", 1900, 5744, 144},
    {"InsideNumberThirtyFour", 100, 5600, 139},
    {"RightBoundIsInclusive", 1950, 700, 12},
    {"RightOfBound", 1951, 700, std::nullopt},
    {"OverTheDozens", 2000, 2250, std::nullopt},
    {"AboveTopBound", 60, 344, std::nullopt},
    {"BottomBoundIsExclusive", 700, 5745, std::nullopt},
    {"LeftOfThePictureIsColumnOne", -120, 700, 7},
    {"FarLeftIsColumnOne", INT_MIN, 700, 7},
    {"FarBelow", 300, INT_MAX, std::nullopt},
    {"FarRight", INT_MAX, 700, std::nullopt},
};
// clang-format on

TEST(BoardSpotAt, PointsOfTheLayout) {
    for (const PointCase& c : kPoints) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BoardSpotAt(c.x, c.y), c.spot);
    }
}

// The cell extents as published: columns 1 (below 480), 2..5 (300 wide from
// 480) and 6 (1680 to 1950 inclusive); rows 225 high from 345. Swept twip by
// twip along one row and one column, so every edge is hit on both sides.
TEST(BoardSpotAt, EveryTwipFallsInItsPublishedCell) {
    const auto columnAt = [](int x) { return x < 480 ? 1 : (x < 1680 ? (x - 480) / 300 + 2 : 6); };
    for (int x = -300; x <= 1950; ++x) {
        ASSERT_EQ(BoardSpotAt(x, 700), 6 + columnAt(x)) << "x " << x;
    }
    for (int y = 345; y < 5745; ++y) {
        int row = 0;
        while (345 + 225 * (row + 1) <= y) {
            ++row;
        }
        ASSERT_EQ(BoardSpotAt(930, y), 6 * row + 3) << "y " << y;
    }
}

struct AreaCase {
    const char* name;
    std::int16_t spot;
    int left, top, width, height;
};

// Front to back, as stacked on the window.
const std::vector<AreaCase> kAreas = {
    {"imgZero", 0, 120, 0, 1575, 375},       {"imgLow", 151, 2520, 525, 375, 750},
    {"imgOdd", 155, 2520, 4125, 375, 750},   {"imgHigh", 156, 2520, 5040, 375, 750},
    {"imgBlk", 154, 2520, 3240, 375, 735},   {"imgRed", 153, 2520, 2320, 375, 735},
    {"imgEven", 152, 2520, 1440, 375, 750},  {"imgCol3", 147, 1200, 5880, 585, 375},
    {"imgCol2", 146, 600, 5880, 585, 375},   {"imgCol1", 145, 0, 5880, 585, 375},
    {"imgDoz3", 150, 1920, 4200, 390, 1560}, {"imgDoz1", 148, 1920, 600, 390, 1560},
    {"imgDoz2", 149, 1920, 2400, 390, 1560},
};

std::optional<std::int16_t> AreaSpotAt(int x, int y) {
    const OutsideArea* area = OutsideAreaAt(x, y);
    return area != nullptr ? std::optional<std::int16_t>(area->spot) : std::nullopt;
}

// Each area by name, spot and rectangle; its corners are its own, the twips
// just outside them are not; the zero strip over the grid goes to the zero.
TEST(OutsideAreas, TakeTheirRectanglesForTheirSpots) {
    ASSERT_EQ(kOutsideAreas.size(), kAreas.size());
    for (std::size_t i = 0; i < kAreas.size(); ++i) {
        const AreaCase& a = kAreas[i];
        const OutsideArea& got = kOutsideAreas[i];
        SCOPED_TRACE(a.name);
        EXPECT_EQ(std::string(got.name), a.name);
        EXPECT_EQ(got.spot, a.spot);
        const int right = a.left + a.width - 1;
        const int bottom = a.top + a.height - 1;
        EXPECT_EQ(AreaSpotAt(a.left, a.top), a.spot);
        EXPECT_EQ(AreaSpotAt(right, bottom), a.spot);
        EXPECT_NE(AreaSpotAt(right + 1, bottom), a.spot);
        EXPECT_NE(AreaSpotAt(right, bottom + 1), a.spot);
        EXPECT_NE(AreaSpotAt(a.left - 1, a.top), a.spot);
        EXPECT_NE(AreaSpotAt(a.left, a.top - 1), a.spot);
    }
    EXPECT_EQ(AreaSpotAt(120, 374), 0);
    EXPECT_EQ(AreaSpotAt(1694, 345), 0);
    EXPECT_EQ(AreaSpotAt(60, 345), std::nullopt);
}

TEST(PressBoard, OnlyTheLeftButtonAlonePlacesAChip) {
    for (const std::int16_t button : {kRightButton, kMiddleButton, std::int16_t{3}, kNoButton}) {
        GameState state = StartedTable();
        EXPECT_EQ(PressBoard(state, button, 330, 700), std::nullopt);
        EXPECT_EQ(StakeSum(state), 0) << "button " << button;
    }
    GameState state = StartedTable();
    EXPECT_EQ(PressBoard(state, kLeftButton, 2000, 2250), std::nullopt);
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_EQ(PressBoard(state, kLeftButton, 330, 700), std::nullopt);
    EXPECT_EQ(state.SpotStake[7], 5);
    SelectChip(state, chip::k1);
    EXPECT_EQ(PressBoard(state, kLeftButton, 630, 900), (Refusal{RefusalKind::Multiple, 5}));
}

} // namespace
