#include "TestTable.h"

#include "betting/Selectors.h"
#include "betting/StakeJournal.h"
#include "betting/UpdateChip.h"

#include <gtest/gtest.h>

#include <optional>
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

// The call under test: the table and chip selected, then one press; a refusal
// names the broken limit, otherwise the spot holds `stake` and `balanceChange`
// went from BetTotal to Balance.
struct Case {
    const char* name;
    std::int16_t spot;
    Setup setup;
    std::int16_t table, chip, button;
    std::optional<Refusal> refusal;
    std::int16_t stake = 0;
    std::int32_t balanceChange = 0;
};

// clang-format off
const std::vector<Case> kCases = {
    {"OneDollarChipOnRedAtOneDollarTableIsBelowOutsideMinimum", 153, {}, kOne, k1, kLeftButton, Refusal{Minimum, 5}},
    {"OneDollarChipAtFiveDollarTableBreaksMultiple", 7, {}, kFive, k1, kLeftButton, Refusal{Multiple, 5}},
    {"TwoDollarChipOnOutsideSpotNamesMultipleBeforeMinimum", 145, {}, kFive, k2, kLeftButton, Refusal{Multiple, 5}},
    {"StraightOfTwentyFiveAtOneDollarTableIsFull", 7, {kOne, k25, 1}, kOne, k1, kLeftButton, Refusal{Maximum, 25}},
    {"NonMultipleAboveMaximumNamesMultipleOnly", 7, {kFive, k100, 1}, kFive, k1, kLeftButton, Refusal{Multiple, 5}},
    {"MultipleAboveMaximumNamesMaximum", 7, {kFive, k100, 1}, kFive, k5, kLeftButton, Refusal{Maximum, 100}},
    {"RemovalLeavingNonMultipleIsRefused", 7, {kFive, k10, 1}, kFive, k2, kRightButton, Refusal{Multiple, 5}},
    {"MiddleButtonRetestsMultipleAfterTableChange", 7, {kOne, k1, 3}, kFive, k5, kMiddleButton, Refusal{Multiple, 5}},
    {"OutsideMinimumIsInclusive", 145, {}, kFive, k10, kLeftButton, {}, 10, -10},
    {"StraightOfTwoRaisedToThreeAtTwoDollarTable", 7, {kTwo, k2, 1}, kTwo, k1, kLeftButton, {}, 3, -1},
    {"FullStraightAtOneDollarTableTakesChipAfterSwitchToTwoDollars", 7, {kOne, k25, 1}, kTwo, k1, kLeftButton, {}, 26, -1},
    {"EvenChanceMaximumIsInclusive", 156, {kTen, k1000, 3}, kTen, k1000, kLeftButton, {}, 4000, -1000},
    {"LargerChipClearsAndGivesBackOnlyTheStake", 7, {kFive, k5, 1}, kFive, k25, kRightButton, {}, 0, 5},
    {"RemovalLeavesRemainder", 7, {kFive, k10, 3}, kFive, k5, kRightButton, {}, 25, 5},
    {"StakeKeptFromCheaperTableIsClearedWithoutTest", 7, {kOne, k1, 3}, kTen, k10, kRightButton, {}, 0, 3},
    {"MiddleButtonOnPassingStakeMovesNoMoney", 7, {kFive, k10, 1}, kFive, k25, kMiddleButton, {}, 10, 0},
    {"SettlementCodeOnEmptySpotClears", 7, {}, kFive, k5, kNoButton, {}, 0, 0},
};
// clang-format on

// A refusal changes nothing but BetAccepted; an accepted press moves money
// only between Balance and BetTotal.
TEST(UpdateChip, RefusesByTheBrokenLimitOrMovesTheMoney) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        GameState state = StartedTable();
        Stake(state, c.spot, c.setup.table, c.setup.chip, c.setup.presses);
        SelectTable(state, c.table);
        SelectChip(state, c.chip);
        const GameState before = state;
        const StakeSnapshot snapshot = TakeSnapshot(state);
        state.BetAccepted = c.refusal.has_value(); // the press must set it either way
        EXPECT_EQ(UpdateChip(state, c.spot, c.button), c.refusal);
        EXPECT_EQ(state.BetAccepted, !c.refusal);
        if (c.refusal) {
            EXPECT_TRUE(TakeSnapshot(state) == snapshot);
            continue;
        }
        EXPECT_TRUE(state.TotalsShown);
        EXPECT_EQ(state.SpotStake[c.spot], c.stake);
        EXPECT_EQ(state.Balance - before.Balance, c.balanceChange);
        EXPECT_EQ(state.BetTotal - before.BetTotal, -c.balanceChange);
        // A cleared marker keeps its picture; a staked one shows the chip in hand.
        EXPECT_EQ(state.SpotChip[c.spot], c.stake > 0 ? c.chip : before.SpotChip[c.spot]);
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
