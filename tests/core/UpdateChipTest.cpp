#include "TestTable.h"

#include "betting/Selectors.h"
#include "betting/UpdateChip.h"
#include "table/Money.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace table;
using namespace chip;
using enum RefusalKind;

// What a refused call must leave exactly as it was.
struct Snapshot {
    std::array<std::int16_t, kSpotCount> stakes;
    std::array<std::int16_t, kSpotCount> chips;
    std::int32_t balance;
    std::int32_t betTotal;
    bool totalsShown;
    std::int16_t chipIndex;
    std::int16_t tableIndex;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const GameState& s) {
    return {s.SpotStake,   s.SpotChip,  s.Balance,   s.BetTotal,
            s.TotalsShown, s.ChipIndex, s.TableIndex};
}

// A stake built beforehand by left presses: `presses` chips at `table`.
struct Setup {
    std::int16_t table = kFive;
    std::int16_t chip = k5;
    int presses = 0;
};

// The call under test: the table and chip selected, then one press.
struct Press {
    std::int16_t table;
    std::int16_t chip;
    std::int16_t button;
};

GameState Prepared(std::int16_t spot, const Setup& setup, const Press& press) {
    GameState state = StartedTable();
    Stake(state, spot, setup.table, setup.chip, setup.presses);
    SelectTable(state, press.table);
    SelectChip(state, press.chip);
    return state;
}

struct RefusalCase {
    const char* name;
    std::int16_t spot;
    Setup setup;
    Press press;
    Refusal expected;
};

// clang-format off
const std::vector<RefusalCase> kRefusals = {
    {"OneDollarChipOnRedAtOneDollarTableIsBelowOutsideMinimum", 153, {}, {kOne, k1, kLeftButton}, {Minimum, 5}},
    {"FirstOneDollarChipAtTwoDollarTableIsBelowMinimum", 7, {}, {kTwo, k1, kLeftButton}, {Minimum, 2}},
    {"OneDollarChipAtFiveDollarTableBreaksMultiple", 7, {}, {kFive, k1, kLeftButton}, {Multiple, 5}},
    {"TwoDollarChipOnOutsideSpotNamesMultipleBeforeMinimum", 145, {}, {kFive, k2, kLeftButton}, {Multiple, 5}},
    {"TwentyFiveOnTenAtTenDollarTableBreaksMultiple", 7, {kTen, k10, 1}, {kTen, k25, kLeftButton}, {Multiple, 10}},
    {"EmptyOutsideAtTenDollarTableRefusesChipOfOne", 152, {}, {kTen, k1, kLeftButton}, {Multiple, 10}},
    {"EmptyOutsideAtTenDollarTableRefusesChipOfTwentyFive", 152, {}, {kTen, k25, kLeftButton}, {Multiple, 10}},
    {"EmptyOutsideAtTenDollarTableRefusesChipOfTenAsBelowFifty", 148, {}, {kTen, k10, kLeftButton}, {Minimum, 50}},
    {"StraightOfTwentyFiveAtOneDollarTableIsFull", 7, {kOne, k25, 1}, {kOne, k1, kLeftButton}, {Maximum, 25}},
    {"NonMultipleAboveMaximumNamesMultipleOnly", 7, {kFive, k100, 1}, {kFive, k1, kLeftButton}, {Multiple, 5}},
    {"MultipleAboveMaximumNamesMaximum", 7, {kFive, k100, 1}, {kFive, k5, kLeftButton}, {Maximum, 100}},
    {"FirstFourHasCornerMaximum", 6, {kOne, k100, 1}, {kOne, k1, kLeftButton}, {Maximum, 100}},
    {"TrioHasStreetMaximum", 2, {kOne, k25, 3}, {kOne, k1, kLeftButton}, {Maximum, 75}},
    {"EvenChanceAboveFourThousandAtTenDollarTable", 156, {kTen, k1000, 4}, {kTen, k1000, kLeftButton}, {Maximum, 4000}},
    {"RemovalLeavingNonMultipleIsRefused", 7, {kFive, k10, 1}, {kFive, k2, kRightButton}, {Multiple, 5}},
    {"MiddleButtonRetestsMultipleAfterTableChange", 7, {kOne, k1, 3}, {kFive, k5, kMiddleButton}, {Multiple, 5}},
    {"MiddleButtonRetestsMinimumAfterTableChange", 145, {kFive, k10, 1}, {kTen, k5, kMiddleButton}, {Minimum, 50}},
    {"MiddleButtonRetestsMaximumAfterTableChange", 7, {kTwo, k25, 2}, {kOne, k1, kMiddleButton}, {Maximum, 25}},
    {"AddingToStakeKeptFromCheaperTableBreaksMultiple", 7, {kOne, k1, 3}, {kTen, k10, kLeftButton}, {Multiple, 10}},
};
// clang-format on

TEST(UpdateChipRefusal, NamesTheBrokenLimitAndChangesNothingButBetAccepted) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        GameState state = Prepared(c.spot, c.setup, c.press);
        const Snapshot before = Take(state);
        const auto refusal = UpdateChip(state, c.spot, c.press.button);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(*refusal, c.expected);
        EXPECT_FALSE(state.BetAccepted);
        EXPECT_TRUE(Take(state) == before);
    }
}

TEST(RefusalText, TwoBlanksBeforeTheLimit) {
    struct Case {
        Refusal refusal;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{Multiple, 5}, "Bets must be in multiples of  5"},
        {{Multiple, 10}, "Bets must be in multiples of  10"},
        {{Maximum, 25}, "Maximum bet allowed is  25"},
        {{Maximum, 4000}, "Maximum bet allowed is  4000"},
        {{Minimum, 5}, "Minimum bet allowed is  5"},
        {{Minimum, 50}, "Minimum bet allowed is  50"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RefusalText(c.refusal), c.text);
    }
}

TEST(UpdateChipRefusal, BeforeAnyAcceptedCallLeavesTotalsUnwritten) {
    GameState state = StartedTable();
    SelectChip(state, k1);
    ASSERT_TRUE(UpdateChip(state, 7, kLeftButton).has_value());
    EXPECT_FALSE(state.TotalsShown);
}

struct AcceptCase {
    const char* name;
    std::int16_t spot;
    Setup setup;
    Press press;
    std::int16_t stake;         // on the spot afterwards
    std::int32_t balanceChange; // BetTotal moves the other way
};

// clang-format off
const std::vector<AcceptCase> kAcceptances = {
    {"FiveOnEmptyStraightAtFiveDollarTable", 7, {}, {kFive, k5, kLeftButton}, 5, -5},
    {"FiveDollarChipStartsOutsideStakeAtOneDollarTable", 153, {}, {kOne, k5, kLeftButton}, 5, -5},
    {"OutsideMinimumIsInclusive", 145, {}, {kFive, k10, kLeftButton}, 10, -10},
    {"StraightOfTwoRaisedToThreeAtTwoDollarTable", 7, {kTwo, k2, 1}, {kTwo, k1, kLeftButton}, 3, -1},
    {"FullStraightAtOneDollarTableTakesChipAfterSwitchToTwoDollars", 7, {kOne, k25, 1}, {kTwo, k1, kLeftButton}, 26, -1},
    {"HundredStartsEmptyOutsideAtTenDollarTable", 150, {}, {kTen, k100, kLeftButton}, 100, -100},
    {"FiveHundredStartsEmptyOutsideAtTenDollarTable", 150, {}, {kTen, k500, kLeftButton}, 500, -500},
    {"ThousandStartsEmptyOutsideAtTenDollarTable", 150, {}, {kTen, k1000, kLeftButton}, 1000, -1000},
    {"EvenChanceMaximumIsInclusive", 156, {kTen, k1000, 3}, {kTen, k1000, kLeftButton}, 4000, -1000},
    {"LargerChipClearsAndGivesBackOnlyTheStake", 7, {kFive, k5, 1}, {kFive, k25, kRightButton}, 0, 5},
    {"RemovalLeavesRemainder", 7, {kFive, k10, 3}, {kFive, k5, kRightButton}, 25, 5},
    {"RemovalToFiveAtFiveDollarTable", 7, {kFive, k10, 1}, {kFive, k5, kRightButton}, 5, 5},
    {"RemovalOfExactStakeClears", 7, {kFive, k10, 1}, {kFive, k10, kRightButton}, 0, 10},
    {"ThousandClearsTen", 7, {kFive, k10, 1}, {kFive, k1000, kRightButton}, 0, 10},
    {"StakeKeptFromCheaperTableIsClearedWithoutTest", 7, {kOne, k1, 3}, {kTen, k10, kRightButton}, 0, 3},
    {"RightButtonOnEmptySpotChangesNoMoney", 153, {}, {kFive, k5, kRightButton}, 0, 0},
    {"MiddleButtonOnPassingStakeMovesNoMoney", 7, {kFive, k10, 1}, {kFive, k25, kMiddleButton}, 10, 0},
    {"SettlementCodeOnEmptySpotClears", 7, {}, {kFive, k5, kNoButton}, 0, 0},
};
// clang-format on

TEST(UpdateChipAcceptance, MovesMoneyOnlyBetweenBalanceAndBetTotal) {
    for (const AcceptCase& c : kAcceptances) {
        SCOPED_TRACE(c.name);
        GameState state = Prepared(c.spot, c.setup, c.press);
        const std::int32_t balance = state.Balance;
        const std::int32_t betTotal = state.BetTotal;
        const std::int16_t markerChip = state.SpotChip[c.spot];
        state.BetAccepted = false; // left over from an earlier refusal
        EXPECT_FALSE(UpdateChip(state, c.spot, c.press.button).has_value());
        EXPECT_TRUE(state.BetAccepted);
        EXPECT_TRUE(state.TotalsShown);
        EXPECT_EQ(state.SpotStake[c.spot], c.stake);
        EXPECT_EQ(state.Balance - balance, c.balanceChange);
        EXPECT_EQ(state.BetTotal - betTotal, -c.balanceChange);
        // A cleared marker keeps its picture; a staked one shows the chip in hand.
        EXPECT_EQ(state.SpotChip[c.spot], c.stake > 0 ? c.press.chip : markerChip);
    }
}

// The label colour follows the chip in hand at the latest accepted change,
// whatever chips the stake was built from.
TEST(FormatValue, LabelColourFollowsChipOfLatestChange) {
    const std::array<bool, kChipCount> white = {false, false, true,  true,
                                                false, true,  false, false};
    for (std::int16_t c = 0; c < kChipCount; ++c) {
        SCOPED_TRACE(c);
        GameState state = StartedTable();
        Stake(state, 7, kFive, k10);
        SelectChip(state, c);
        EXPECT_FALSE(UpdateChip(state, 7, kMiddleButton).has_value());
        EXPECT_EQ(FormatValue(state, 7), (StakeLabel{"10", 6, white[c]}));
    }
}

TEST(FormatValue, StakesFromAThousandUseFivePoints) {
    GameState state = StartedTable();
    Stake(state, 148, kFive, k500);
    Stake(state, 148, kFive, k100, 4);
    Stake(state, 148, kFive, k25, 3);
    Stake(state, 148, kFive, k10);
    Stake(state, 148, kFive, k5, 2);
    EXPECT_EQ(FormatValue(state, 148), (StakeLabel{"995", 6, true}));
    Stake(state, 148, kFive, k5);
    EXPECT_EQ(FormatValue(state, 148), (StakeLabel{"1000", 5, true}));
    Stake(state, 156, kTen, k1000, 4);
    EXPECT_EQ(FormatValue(state, 156), (StakeLabel{"4000", 5, false}));
}

// Within the limits money cannot wrap, so only a forced balance can; the
// call must then throw and leave even BetAccepted as it was.
TEST(UpdateChipOverflow, ThrowsAndChangesNothing) {
    struct Case {
        const char* name;
        std::int32_t balance;
        int presses; // chips of 5 on spot 7 beforehand
        std::int16_t button;
    };
    const std::vector<Case> cases = {
        {"PlacingPastTheLowestBalance", INT32_MIN + 2, 0, kLeftButton},
        {"ClearingPastTheHighestBalance", INT32_MAX - 2, 1, kRightButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = StartedTable();
        Stake(state, 7, kFive, k5, c.presses);
        state.Balance = c.balance;
        state.BetAccepted = false;
        const Snapshot before = Take(state);
        EXPECT_THROW(UpdateChip(state, 7, c.button), MoneyOverflow);
        EXPECT_TRUE(Take(state) == before);
        EXPECT_FALSE(state.BetAccepted);
    }
}

// Independent statement of what one call must leave on its spot: 0 when the
// stake would drop to nothing, else the new stake if every limit holds, else
// the old stake.
std::int16_t ExpectedStake(const GameState& before, std::int16_t spot, std::int16_t button) {
    const int value = before.catalogue.ChipValue[before.ChipIndex];
    const int change = button == kLeftButton ? value : (button == kRightButton ? -value : 0);
    const int stake = before.SpotStake[spot] + change;
    if (stake <= 0) {
        return 0;
    }
    const auto t = static_cast<std::size_t>(before.TableIndex);
    const bool fits = stake % before.limits.TableMultiple[t] == 0 &&
                      stake >= before.limits.SpotMinBet[t][spot] &&
                      stake <= before.limits.SpotMaxBet[t][spot];
    return static_cast<std::int16_t>(fits ? stake : before.SpotStake[spot]);
}

TEST(UpdateChipInvariants, HoldAfterEveryCallOfLongRandomSequence) {
    GameState state = StartedTable();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> spotOf(0, kSpotCount - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    const std::array<std::int16_t, 4> buttons = {kLeftButton, kRightButton, kMiddleButton,
                                                 kNoButton};
    const std::array<std::int16_t, 6> kBusySpots = {0, 2, 6, 7, 145, 153};
    std::array<int, 3> outcomes{}; // refused, cleared, staked
    for (int call = 0; call < 20000; ++call) {
        if (percent(random) < 5) {
            SelectTable(state, static_cast<std::int16_t>(percent(random) % kTableCount));
        }
        if (percent(random) < 20) {
            SelectChip(state, static_cast<std::int16_t>(percent(random) % kChipCount));
        }
        // Half the calls go to a few spots so that stakes grow into their limits.
        const auto spot = static_cast<std::int16_t>(
            percent(random) < 50 ? kBusySpots[static_cast<std::size_t>(percent(random) % 6)]
                                 : spotOf(random));
        const int roll = percent(random);
        const std::int16_t button = buttons[roll < 55 ? 0 : (roll < 85 ? 1 : (roll < 95 ? 2 : 3))];
        const GameState before = state;
        const auto refusal = UpdateChip(state, spot, button);
        ASSERT_EQ(state.SpotStake[spot], ExpectedStake(before, spot, button)) << "call " << call;
        ASSERT_EQ(state.BetAccepted, !refusal.has_value());
        ASSERT_EQ(state.Balance + state.BetTotal, 0) << "call " << call;
        ASSERT_EQ(state.BetTotal, StakeSum(state)) << "call " << call;
        for (std::int16_t other = 0; other < kSpotCount; ++other) {
            ASSERT_GE(state.SpotStake[other], 0);
            if (other != spot) {
                ASSERT_EQ(state.SpotStake[other], before.SpotStake[other]);
                ASSERT_EQ(state.SpotChip[other], before.SpotChip[other]);
            }
        }
        ++outcomes[refusal ? 0 : (state.SpotStake[spot] == 0 ? 1 : 2)];
    }
    // Every path must have been walked many times for the sequence to mean anything.
    for (const int count : outcomes) {
        EXPECT_GT(count, 1000);
    }
}

TEST(Selectors, IndexesOutOfRangeAreIgnored) {
    GameState state = StartedTable();
    for (const std::int16_t bad : {std::int16_t{-1}, std::int16_t{8}, std::int16_t{100}}) {
        SelectChip(state, bad);
    }
    for (const std::int16_t bad : {std::int16_t{-1}, std::int16_t{4}}) {
        SelectTable(state, bad);
    }
    EXPECT_EQ(state.ChipIndex, k5);
    EXPECT_EQ(state.TableIndex, kFive);
    SelectChip(state, k1000);
    SelectTable(state, kTen);
    EXPECT_EQ(state.ChipIndex, k1000);
    EXPECT_EQ(state.TableIndex, kTen);
}

} // namespace
