#include "TestTable.h"

#include "betting/Selectors.h"
#include "betting/StakeJournal.h"
#include "betting/UpdateChip.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace table;
using namespace chip;
using enum RefusalKind;

// A stake built beforehand by left presses: `presses` chips at `table`.
struct Setup {
    std::int16_t table = kFive;
    std::int16_t chip = k5;
    int presses = 0;
};

// The call under test: the table and chip selected, then one press.
struct Press {
    std::int16_t table, chip, button;
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
    {"OneDollarChipAtFiveDollarTableBreaksMultiple", 7, {}, {kFive, k1, kLeftButton}, {Multiple, 5}},
    {"TwoDollarChipOnOutsideSpotNamesMultipleBeforeMinimum", 145, {}, {kFive, k2, kLeftButton}, {Multiple, 5}},
    {"StraightOfTwentyFiveAtOneDollarTableIsFull", 7, {kOne, k25, 1}, {kOne, k1, kLeftButton}, {Maximum, 25}},
    {"NonMultipleAboveMaximumNamesMultipleOnly", 7, {kFive, k100, 1}, {kFive, k1, kLeftButton}, {Multiple, 5}},
    {"MultipleAboveMaximumNamesMaximum", 7, {kFive, k100, 1}, {kFive, k5, kLeftButton}, {Maximum, 100}},
    {"RemovalLeavingNonMultipleIsRefused", 7, {kFive, k10, 1}, {kFive, k2, kRightButton}, {Multiple, 5}},
    {"MiddleButtonRetestsMultipleAfterTableChange", 7, {kOne, k1, 3}, {kFive, k5, kMiddleButton}, {Multiple, 5}},
};
// clang-format on

TEST(UpdateChipRefusal, NamesTheBrokenLimitAndChangesNothingButBetAccepted) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        GameState state = Prepared(c.spot, c.setup, c.press);
        const StakeSnapshot before = TakeSnapshot(state);
        const auto refusal = UpdateChip(state, c.spot, c.press.button);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(*refusal, c.expected);
        EXPECT_FALSE(state.BetAccepted);
        EXPECT_TRUE(TakeSnapshot(state) == before);
    }
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
    {"OutsideMinimumIsInclusive", 145, {}, {kFive, k10, kLeftButton}, 10, -10},
    {"StraightOfTwoRaisedToThreeAtTwoDollarTable", 7, {kTwo, k2, 1}, {kTwo, k1, kLeftButton}, 3, -1},
    {"FullStraightAtOneDollarTableTakesChipAfterSwitchToTwoDollars", 7, {kOne, k25, 1}, {kTwo, k1, kLeftButton}, 26, -1},
    {"EvenChanceMaximumIsInclusive", 156, {kTen, k1000, 3}, {kTen, k1000, kLeftButton}, 4000, -1000},
    {"LargerChipClearsAndGivesBackOnlyTheStake", 7, {kFive, k5, 1}, {kFive, k25, kRightButton}, 0, 5},
    {"RemovalLeavesRemainder", 7, {kFive, k10, 3}, {kFive, k5, kRightButton}, 25, 5},
    {"StakeKeptFromCheaperTableIsClearedWithoutTest", 7, {kOne, k1, 3}, {kTen, k10, kRightButton}, 0, 3},
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
    Stake(state, 148, kFive, k10);
    Stake(state, 148, kFive, k5, 197);
    EXPECT_EQ(FormatValue(state, 148), (StakeLabel{"995", 6, true}));
    Stake(state, 148, kFive, k5);
    EXPECT_EQ(FormatValue(state, 148), (StakeLabel{"1000", 5, true}));
}

} // namespace
