#include "wheel/Settlement.h"

#include "core/FixedRandomSource.h"
#include "table/Money.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

// The wheel, pocket by pocket, and the red numbers, as the layout prints them.
constexpr std::array<int, 37> kWheelOrder = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                             36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                             31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
constexpr std::array<int, 18> kRedNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                             19, 21, 23, 25, 27, 30, 32, 34, 36};

bool IsRedNumber(int n) {
    return std::find(kRedNumbers.begin(), kRedNumbers.end(), n) != kRedNumbers.end();
}

// Inside spots sit on a grid of chip places: column 0..5 across (number,
// line, number, line, number, street edge) and line 1..24 down, odd lines
// being the edges between rows. A chip covers every number whose cell it
// touches; the street edge (column 5) touches the whole row.
bool InsideCovers(int spot, int n) {
    if (spot == 0) {
        return n == 0;
    }
    const int column = (spot - 1) % 6;
    const int line = (spot + 5) / 6;
    if (n == 0) {
        return line == 1; // the edge below the zero
    }
    const int numberLine = 2 * ((n - 1) / 3) + 2;
    const int numberColumn = 2 * ((n - 1) % 3);
    return std::abs(line - numberLine) <= 1 &&
           (column == 5 || std::abs(column - numberColumn) <= 1);
}

bool OutsideCovers(int spot, int n) {
    if (n == 0) {
        return false;
    }
    switch (spot) {
    case 145:
        return n % 3 == 1;
    case 146:
        return n % 3 == 2;
    case 147:
        return n % 3 == 0;
    case 148:
        return n <= 12;
    case 149:
        return n >= 13 && n <= 24;
    case 150:
        return n >= 25;
    case 151:
        return n <= 18;
    case 152:
        return n % 2 == 0;
    case 153:
        return IsRedNumber(n);
    case 154:
        return !IsRedNumber(n);
    case 155:
        return n % 2 == 1;
    default:
        return n >= 19;
    }
}

bool Covers(int spot, int n) {
    return spot < 145 ? InsideCovers(spot, n) : OutsideCovers(spot, n);
}

int Payout(int spot) {
    int count = 0;
    for (int n = 0; n < 37; ++n) {
        count += Covers(spot, n) ? 1 : 0;
    }
    return 36 / count - 1;
}

HistoryEntry ExpectedEntry(int n) {
    if (n == 0) {
        return {"   0", HistoryColour::Green};
    }
    if (IsRedNumber(n)) {
        return {" " + std::to_string(n), HistoryColour::Red};
    }
    return {"    " + std::to_string(n), HistoryColour::Yellow};
}

GameState NewTable() {
    GameState state;
    FixedRandomSource random;
    StartTable(state, random);
    return state;
}

// Puts a stake down the way staking would: out of Balance, onto BetTotal.
void Place(GameState& state, std::int16_t spot, std::int16_t stake) {
    state.SpotStake.at(spot) = stake;
    state.BetTotal += stake;
    state.Balance -= stake;
}

std::int16_t PocketOf(int number) {
    for (std::size_t p = 0; p < kWheelOrder.size(); ++p) {
        if (kWheelOrder[p] == number) {
            return static_cast<std::int16_t>(p);
        }
    }
    ADD_FAILURE() << "no pocket holds " << number;
    return 0;
}

Settlement SettleOn(GameState& state, int number) {
    state.WinPocket = PocketOf(number);
    return CalcWin(state);
}

TEST(SettlementOracleTest, AgreesWithTheLayoutsOwnCoverFigures) {
    std::vector<int> coveringOne;
    std::vector<int> coveringTwo;
    int pairs = 0;
    for (int spot = 0; spot < 157; ++spot) {
        for (int n = 0; n < 37; ++n) {
            pairs += Covers(spot, n) ? 1 : 0;
        }
        if (Covers(spot, 1)) {
            coveringOne.push_back(spot);
        }
        if (Covers(spot, 2)) {
            coveringTwo.push_back(spot);
        }
    }
    EXPECT_EQ(pairs, 537);
    EXPECT_EQ(coveringOne,
              (std::vector<int>{1, 2, 6, 7, 8, 12, 13, 14, 18, 145, 148, 151, 153, 155}));
    EXPECT_EQ(coveringTwo, (std::vector<int>{2, 3, 4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 146, 148,
                                             151, 152, 154}));
    const std::array<std::array<int, 2>, 8> payouts = {
        {{0, 35}, {1, 17}, {2, 11}, {6, 8}, {18, 5}, {75, 17}, {147, 2}, {153, 1}}};
    for (const auto& [spot, pays] : payouts) {
        EXPECT_EQ(Payout(spot), pays) << "spot " << spot;
    }
}

TEST(SettlementTest, SettlesTheWorkedExample) {
    const struct {
        const char* name;
        int number;
        std::int32_t win;
        std::int32_t betTotal;
        std::array<std::int16_t, 3> stakesLeft; // on spots 69, 75, 153
    } cases[] = {
        {"17 is black: the straight and the split win, red loses", 17, 690, 30, {10, 20, 0}},
        {"20 is black: only the split wins", 20, 340, 20, {0, 20, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = NewTable();
        Place(state, 69, 10);
        Place(state, 153, 5);
        Place(state, 75, 20);
        const Settlement result = SettleOn(state, c.number);
        EXPECT_EQ(result.ResultNumber, c.number);
        EXPECT_EQ(result.SpinWin, c.win);
        EXPECT_EQ(state.LastWin, c.win);
        EXPECT_EQ(state.BetTotal, c.betTotal);
        EXPECT_EQ(state.Balance, -35 + c.win);
        EXPECT_TRUE(state.TotalsShown);
        const std::array<std::int16_t, 3> left = {state.SpotStake[69], state.SpotStake[75],
                                                  state.SpotStake[153]};
        EXPECT_EQ(left, c.stakesLeft);
        EXPECT_EQ(state.LastNumbers[0],
                  (HistoryEntry{"    " + std::to_string(c.number), HistoryColour::Yellow}));
    }
}

TEST(SettlementTest, ZeroPaysTheZeroBetsAndClearsEveryOutsideBet) {
    GameState state = NewTable();
    state.TableIndex = 0;
    for (std::int16_t spot = 0; spot <= 7; ++spot) {
        Place(state, spot, 1); // 0..6 touch the zero, 7 is straight 1
    }
    for (std::int16_t spot = 145; spot <= 156; ++spot) {
        Place(state, spot, 5);
    }
    const Settlement result = SettleOn(state, 0);
    // 35 straight + 3 splits at 17 + 2 trios at 11 + first four at 8.
    EXPECT_EQ(result.SpinWin, 35 + 3 * 17 + 2 * 11 + 8);
    EXPECT_EQ(state.BetTotal, 7);
    EXPECT_EQ(state.Balance, -68 + 116);
    for (int spot = 0; spot < 157; ++spot) {
        EXPECT_EQ(state.SpotStake[spot], spot <= 6 ? 1 : 0) << "spot " << spot;
    }
    EXPECT_EQ(state.LastNumbers[0], (HistoryEntry{"   0", HistoryColour::Green}));
}

// Stakes for every spot of the layout.
using StakeRule = std::function<std::int16_t(int spot)>;

void CheckFullLayout(const StakeRule& stakeOf) {
    for (int number = 0; number < 37; ++number) {
        SCOPED_TRACE("number " + std::to_string(number));
        GameState state = NewTable();
        std::int32_t win = 0;
        std::int32_t kept = 0;
        std::int32_t lost = 0;
        std::array<std::int16_t, kSpotCount> expected{};
        for (int spot = 0; spot < 157; ++spot) {
            const std::int16_t stake = stakeOf(spot);
            Place(state, static_cast<std::int16_t>(spot), stake);
            const bool wins = Covers(spot, number);
            win += wins ? Payout(spot) * stake : 0;
            (wins ? kept : lost) += stake;
            expected[spot] = wins ? stake : std::int16_t{0};
        }
        const std::int32_t balanceBefore = state.Balance;
        const std::int32_t heldBefore = state.Balance + state.BetTotal;
        const Settlement result = SettleOn(state, number);
        EXPECT_EQ(result.ResultNumber, number);
        EXPECT_EQ(result.SpinWin, win);
        EXPECT_EQ(state.BetTotal, kept);
        EXPECT_EQ(StakeSum(state), kept);
        EXPECT_EQ(state.SpotStake, expected);
        EXPECT_EQ(state.Balance, balanceBefore + win);
        EXPECT_EQ(state.Balance + state.BetTotal - heldBefore, win - lost);
        EXPECT_EQ(state.LastNumbers[0], ExpectedEntry(number));
    }
}

TEST(SettlementTest, FullLayoutAtTheOneDollarMinimumsMatchesTheOracle) {
    CheckFullLayout([](int spot) { return static_cast<std::int16_t>(spot < 145 ? 1 : 5); });
}

TEST(SettlementTest, FullLayoutWithADifferentStakeOnEverySpotMatchesTheOracle) {
    CheckFullLayout(
        [](int spot) { return static_cast<std::int16_t>(spot < 145 ? 1 + spot % 25 : 5 + spot); });
}

TEST(SettlementTest, EmptyLayoutStillShowsTheTotalsAndRecordsTheNumber) {
    GameState state = NewTable();
    state.Balance = -40;
    const Settlement result = SettleOn(state, 26);
    EXPECT_EQ(result.SpinWin, 0);
    EXPECT_EQ(state.LastWin, 0);
    EXPECT_EQ(state.Balance, -40);
    EXPECT_EQ(state.BetTotal, 0);
    EXPECT_TRUE(state.TotalsShown);
    EXPECT_EQ(state.LastNumbers[0], (HistoryEntry{"    26", HistoryColour::Yellow}));
}

TEST(SettlementTest, HistoryWritesEachColourInItsOwnColumn) {
    const struct {
        int number;
        HistoryEntry entry;
    } cases[] = {
        {0, {"   0", HistoryColour::Green}},     {32, {" 32", HistoryColour::Red}},
        {1, {" 1", HistoryColour::Red}},         {17, {"    17", HistoryColour::Yellow}},
        {35, {"    35", HistoryColour::Yellow}}, {36, {" 36", HistoryColour::Red}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("number " + std::to_string(c.number));
        GameState state = NewTable();
        state.LastNumbers[0] = {" 9", HistoryColour::Red};
        SettleOn(state, c.number);
        EXPECT_EQ(state.LastNumbers[0], c.entry);
        EXPECT_EQ(state.LastNumbers[1], (HistoryEntry{" 9", HistoryColour::Red}));
    }
}

TEST(SettlementTest, FifteenthSettlementPushesTheFirstNumberOut) {
    GameState state = NewTable();
    for (int spin = 0; spin < 15; ++spin) {
        SettleOn(state, kWheelOrder[spin]);
        if (spin == 13) {
            EXPECT_EQ(state.LastNumbers[13], ExpectedEntry(kWheelOrder[0]));
        }
    }
    for (int box = 0; box < 14; ++box) {
        EXPECT_EQ(state.LastNumbers[box], ExpectedEntry(kWheelOrder[14 - box])) << "box " << box;
    }
}

TEST(SettlementTest, WinningStakeStaysWithItsChipAndPlaysAgain) {
    GameState state = NewTable();
    Place(state, 69, 10);
    state.SpotChip[69] = 4;
    state.ChipIndex = 0;
    for (int spin = 1; spin <= 2; ++spin) {
        SCOPED_TRACE("spin " + std::to_string(spin));
        EXPECT_EQ(SettleOn(state, 17).SpinWin, 350);
        EXPECT_EQ(state.SpotStake[69], 10);
        EXPECT_EQ(state.SpotChip[69], 4);
        EXPECT_EQ(state.BetTotal, 10);
        EXPECT_EQ(state.Balance, -10 + 350 * spin);
    }
}

TEST(SettlementTest, OverflowThrowsAndLeavesTheTableAsItWas) {
    const struct {
        const char* name;
        std::int32_t balance;
        std::int16_t stake;
    } cases[] = {
        {"Balance would pass the 32-bit limit", std::numeric_limits<std::int32_t>::max() - 100, 10},
        {"payout times stake would pass 16 bits", 0, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = NewTable();
        Place(state, 69, c.stake); // straight 17
        Place(state, 153, 5);      // red, loses on 17
        state.Balance = c.balance;
        state.LastWin = 5;
        state.LastNumbers[0] = {" 9", HistoryColour::Red};
        state.WinPocket = PocketOf(17);
        const GameState before = state;
        EXPECT_THROW(CalcWin(state), MoneyOverflow);
        EXPECT_EQ(state.SpotStake, before.SpotStake);
        EXPECT_EQ(state.SpotChip, before.SpotChip);
        EXPECT_EQ(state.Balance, before.Balance);
        EXPECT_EQ(state.BetTotal, before.BetTotal);
        EXPECT_EQ(state.LastWin, before.LastWin);
        EXPECT_EQ(state.TotalsShown, before.TotalsShown);
        EXPECT_EQ(state.LastNumbers, before.LastNumbers);
    }
}

} // namespace
