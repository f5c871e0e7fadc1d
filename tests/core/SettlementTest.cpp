#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "table/Money.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

namespace {

// Puts a stake down the way staking would: out of Balance, onto BetTotal.
void Place(GameState& state, int spot, int stake) {
    state.SpotStake.at(spot) = static_cast<std::int16_t>(stake);
    state.BetTotal += stake;
    state.Balance -= stake;
}

Settlement SettleOn(GameState& state, int number) {
    state.WinPocket = static_cast<std::int16_t>(oracle::PocketOf(number));
    return CalcWin(state);
}

// Red one blank in, zero three, black four: three places in the column.
HistoryEntry ExpectedEntry(int n) {
    if (n == 0) {
        return {"   0", HistoryColour::Green};
    }
    return oracle::IsRed(n) ? HistoryEntry{" " + std::to_string(n), HistoryColour::Red}
                            : HistoryEntry{"    " + std::to_string(n), HistoryColour::Yellow};
}

// The worked example (10 on straight 17, 5 on red, 20 on split 17/20; on the
// colour list 17 is black, so red loses with it), then random layouts, on
// every number against the geometry of the layout: a stake wins when its
// spot touches the number, pays its odds and stays.
TEST(Settlement, TheWorkedExampleAndRandomLayoutsSettleAsTheLayoutShows) {
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        for (int number = 0; number < 37; ++number) {
            GameState state = StartedTable();
            std::int32_t win = 0, kept = 0;
            std::array<std::int16_t, kSpotCount> expected{};
            for (int spot = 0; spot < kSpotCount; ++spot) {
                const int example = spot == 69 ? 10 : spot == 153 ? 5 : spot == 75 ? 20 : 0;
                const int stake = round == 0   ? example
                                  : round == 1 ? 1
                                               : static_cast<int>(random() % 3) * (1 + spot % 25);
                Place(state, spot, stake);
                if (oracle::Covers(spot, number)) {
                    win += oracle::Payout(spot) * stake;
                    kept += stake;
                    expected.at(spot) = static_cast<std::int16_t>(stake);
                }
            }
            const std::int32_t balance = state.Balance;
            const Settlement settled = SettleOn(state, number);
            ASSERT_EQ(settled.SpinWin, win) << number;
            ASSERT_EQ(settled.ResultNumber, number);
            ASSERT_EQ(state.LastWin, win) << number;
            ASSERT_EQ(state.SpotStake, expected) << number;
            ASSERT_EQ(state.BetTotal, kept) << number;
            ASSERT_EQ(state.Balance, balance + win) << number;
            ASSERT_EQ(state.LastNumbers[0], ExpectedEntry(number)) << number;
            if (round == 0 && (number == 17 || number == 20)) {
                EXPECT_EQ(settled.SpinWin, number == 17 ? 690 : 340); // worked by hand
            }
        }
    }
}

// The last numbers, newest first: each spin pushes the oldest out.
TEST(Settlement, HistoryKeepsTheLatestNumbersNewestFirst) {
    GameState state = StartedTable();
    for (int number = 1; number <= kHistoryCount + 1; ++number) {
        SettleOn(state, number);
    }
    for (int i = 0; i < kHistoryCount; ++i) {
        EXPECT_EQ(state.LastNumbers.at(i), ExpectedEntry(kHistoryCount + 1 - i)) << i;
    }
}

TEST(Settlement, OverflowThrowsAndLeavesTheTableAsItWas) {
    GameState state = StartedTable();
    Place(state, 69, 10);
    state.Balance = INT32_MAX - 100;
    const GameState before = state;
    EXPECT_THROW(SettleOn(state, 17), MoneyOverflow);
    EXPECT_EQ(state.SpotStake, before.SpotStake);
    EXPECT_EQ(state.Balance, before.Balance);
    EXPECT_EQ(state.BetTotal, before.BetTotal);
    EXPECT_EQ(state.LastNumbers, before.LastNumbers);
}

} // namespace
