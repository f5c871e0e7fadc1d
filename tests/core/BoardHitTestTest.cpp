#include "TestTable.h"

#include "betting/BoardHitTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <tuple>
#include <vector>

namespace {

using Spot = std::optional<std::int16_t>;

// Name, point in twips, and the spot there.
// clang-format off
const std::vector<std::tuple<const char*, int, int, Spot>> kPoints = {
    {"OnCrossingOfOneTwoFourFive", 630, 900, 14},
    {"FirstTwipOfSecondColumnIsTrio", 480, 400, 2},
    {"FarLeftIsColumnOne", INT_MIN, 700, 7},
    {"FarRight", INT_MAX, 700, std::nullopt},
};
// clang-format on

TEST(BoardSpotAt, PointsOfTheLayout) {
    for (const auto& [name, x, y, spot] : kPoints) {
        EXPECT_EQ(BoardSpotAt(x, y), spot) << name;
    }
}

// The cell extents as published: columns 1 (below 480), 2..5 (300 wide from
// 480) and 6 (1680 to 1950 inclusive); rows 225 high from 345 up to 5745
// exclusive. Swept twip by twip along one row and one column, so every edge,
// the outer ones included, is hit on both sides.
TEST(BoardSpotAt, EveryTwipFallsInItsPublishedCell) {
    const auto columnAt = [](int x) { return x < 480 ? 1 : (x < 1680 ? (x - 480) / 300 + 2 : 6); };
    for (int x = -300; x <= 1951; ++x) {
        const auto spot = x > 1950 ? std::nullopt : Spot(6 + columnAt(x));
        ASSERT_EQ(BoardSpotAt(x, 700), spot) << "x " << x;
    }
    for (int y = 344; y <= 5745; ++y) {
        int row = 0;
        while (345 + 225 * (row + 1) <= y) {
            ++row;
        }
        const bool off = y < 345 || y >= 5745;
        ASSERT_EQ(BoardSpotAt(930, y), off ? std::nullopt : Spot(6 * row + 3)) << "y " << y;
    }
}

// The buttons are the window's to sort out; a left press stakes where it lands.
TEST(PressBoard, StakesTheSpotUnderTheLeftPressOrPassesOnItsRefusal) {
    GameState state = StartedTable();
    EXPECT_EQ(PressBoard(state, kRightButton, 330, 700), std::nullopt);
    EXPECT_EQ(PressBoard(state, kLeftButton, 2000, 2250), std::nullopt); // over the dozens
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_EQ(PressBoard(state, kLeftButton, 330, 700), std::nullopt);
    EXPECT_EQ(state.SpotStake[7], 5);
    SelectChip(state, chip::k1);
    EXPECT_EQ(PressBoard(state, kLeftButton, 630, 900), (Refusal{RefusalKind::Multiple, 5}));
}

} // namespace
