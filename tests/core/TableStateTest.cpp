#include "core/FixedRandom.h"

#include "table/GameState.h"
#include "table/Money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(TableState, StartTableLeavesTheFirstPlayableState) {
    GameState state;
    state.Balance = 40;
    state.SpotStake.at(153) = 40;
    state.TableIndex = 0;
    state.BallDirection = -1;
    FixedRandom random;
    StartTable(state, random);
    EXPECT_EQ(state.Balance, 0);
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_EQ(state.ChipIndex, 2);
    EXPECT_EQ(state.TableIndex, 2);
    EXPECT_EQ(state.BallDirection, 1);
    EXPECT_EQ(random.Seedings(), 1);
    EXPECT_FALSE(state.TotalsShown);
}

// Regression: in float, r * 37 rounded the top of a pocket's share into the next.
TEST(TableState, DrawPocketMapsTheUnitIntervalOntoAllPocketsAndNoOther) {
    const std::vector<std::pair<float, std::int16_t>> draws = {
        {0.0F, 0},
        {1.0F / 37.0F, 1},
        {std::nextafter(2.0F / 37.0F, 0.0F), 1},
        {36.0F / 37.0F, 36},
        {std::nextafter(1.0F, 0.0F), 36},
        {1.0F, 36}, // a generator that rounds up must not give pocket 37
        {std::numeric_limits<float>::quiet_NaN(), 0},
        {-0.25F, 0},
    };
    for (const auto& [r, pocket] : draws) {
        FixedRandom random{r};
        EXPECT_EQ(DrawPocket(random), pocket) << "r = " << r;
    }
}

TEST(TableState, MoneyArithmeticThrowsInsteadOfWrapping) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CheckedAdd(kMax - 1, 1), kMax);
    EXPECT_THROW(CheckedAdd(kMax, 1), MoneyOverflow);
    EXPECT_EQ(CheckedSub(kMin + 5, 5), kMin);
    EXPECT_THROW(CheckedSub(kMin, 5), MoneyOverflow);
    EXPECT_EQ(CheckedMul16(35, 200), 7000);
    EXPECT_THROW(CheckedMul16(35, 1000), MoneyOverflow);
    EXPECT_THROW(CheckedAdd16(32000, 1000), MoneyOverflow);
}

} // namespace
