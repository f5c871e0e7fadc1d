// The actions on the whole layout: rebet, double, clear, a saved layout added
// and autoplay's multiple of its base. Each stakes in spot order as presses
// would, stops at the first refusal and is one step of undo.
#include "StakedTable.h"

#include "betting/SavedLayouts.h"
#include "betting/StakeJournal.h"
#include "betting/TableSession.h"
#include "strategy/AutoplayRun.h"
#include "table/Money.h"

#include <gtest/gtest.h>

namespace {

using namespace table;
using namespace chip;
using enum RefusalKind;

// The action and the layout it is given: the last spin's, the saved one or the base.
using Action = LayoutRun (*)(GameState&, const SpotStakes& given);
const Action kRebet = [](GameState& s, const SpotStakes& last) { return Rebet(s, last); };
const Action kDouble = [](GameState& s, const SpotStakes&) { return DoubleStakes(s); };
const Action kClear = [](GameState& s, const SpotStakes&) { return ClearStakes(s); };
const Action kAdd = [](GameState& s, const SpotStakes& saved) { return AddStakes(s, saved); };
const Action kOnce = [](GameState& s, const SpotStakes& b) { return StakeToMultiple(s, b, 1); };
const Action kTwice = [](GameState& s, const SpotStakes& b) { return StakeToMultiple(s, b, 2); };

struct ActionCase {
    const char* name;
    Action action;
    Stakes given;
    Stakes before; // on the layout, each drawn with the $1 chip
    std::int16_t table;
    Stakes after;
    std::optional<Refusal> refusal;
};

// clang-format off
const std::vector<ActionCase> kCases = {
    {"RebetBringsLostStakesBackAndLeavesTheKeptOneAlone", kRebet, {{7, 10}, {153, 20}}, {{153, 20}}, kFive, {{7, 10}, {153, 20}}, {}},
    {"RebetTopsUpALowerStakeAndLeavesAHigherOneAlone", kRebet, {{7, 10}, {9, 10}}, {{7, 25}, {9, 5}}, kFive, {{7, 25}, {9, 10}}, {}},
    {"RebetStopsAtTheFirstRefusalInSpotOrderKeepingWhatItPlaced", kRebet, {{7, 10}, {9, 5}, {11, 10}}, {}, kTen, {{7, 10}}, Refusal{Multiple, 10}},
    {"RebetTestsTheMinimumOfTheSelectedTable", kRebet, {{148, 10}}, {}, kTen, {}, Refusal{Minimum, 50}},
    {"DoubleDoublesEveryStake", kDouble, {}, {{7, 5}, {153, 20}}, kFive, {{7, 10}, {153, 40}}, {}},
    {"DoubleStopsAtTheFirstRefusalInSpotOrder", kDouble, {}, {{7, 5}, {9, 100}, {11, 5}}, kFive, {{7, 10}, {9, 100}, {11, 5}}, Refusal{Maximum, 100}},
    {"ClearTakesEveryStakeOffUntestedThoughTheTableNoLongerAllowsIt", kClear, {}, {{7, 5}, {153, 20}}, kTen, {}, {}},
    {"AddingASavedLayoutFillsEmptySpots", kAdd, {{7, 10}, {153, 20}}, {}, kFive, {{7, 10}, {153, 20}}, {}},
    {"AddingASavedLayoutAddsToTheStakeAlreadyThere", kAdd, {{7, 10}}, {{7, 5}}, kFive, {{7, 15}}, {}},
    {"AddingTestsTheSumAgainstTheMaximum", kAdd, {{7, 10}, {9, 5}}, {{7, 95}}, kFive, {{7, 95}}, Refusal{Maximum, 100}},
    {"AddingStopsAtTheFirstRefusalInSpotOrderKeepingWhatItPlaced", kAdd, {{7, 10}, {9, 5}, {11, 10}}, {}, kTen, {{7, 10}}, Refusal{Multiple, 10}},
    {"AddingTestsTheMinimumOfTheSelectedTable", kAdd, {{148, 10}}, {}, kTen, {}, Refusal{Minimum, 50}},
    {"AMultipleRaisesEverySpotToItsMultiple", kTwice, {{7, 5}, {153, 20}}, {}, kFive, {{7, 10}, {153, 40}}, {}},
    {"AMultipleLowersAHigherStakeUntestedThoughTheTableWouldRefuseIt", kOnce, {{7, 5}}, {{7, 20}}, kTen, {{7, 5}}, {}},
    {"AMultipleClearsASpotThatIsNotInTheBase", kOnce, {{7, 5}}, {{7, 5}, {9, 10}}, kFive, {{7, 5}}, {}},
    {"AMultipleLowersFirstThenStopsAtTheFirstRaiseRefused", kTwice, {{7, 5}, {9, 60}, {11, 5}}, {{11, 20}}, kFive, {{7, 10}, {11, 10}}, Refusal{Maximum, 100}},
    {"AMultipleTestsTheMultipleOfTheSelectedTable", kOnce, {{7, 5}}, {}, kTen, {}, Refusal{Multiple, 10}},
    {"AMultipleLeavesASpotAtItsTargetAsItIs", kOnce, {{7, 5}, {9, 10}}, {{7, 5}}, kTen, {{7, 5}, {9, 10}}, {}},
};
// clang-format on

// Money only moves between Balance and Bet; a raised spot shows the chip in
// hand, a lowered or untouched one keeps its marker. While the ball runs,
// neither the action nor undo does anything.
TEST(LayoutActions, ChangeStakesInSpotOrderAsThePressesWouldAndAreUndoneAsOneStep) {
    for (const ActionCase& c : kCases) {
        SCOPED_TRACE(c.name);
        GameState state = TableWith(c.before, c.table);
        SelectChip(state, k25);
        const StakeSnapshot before = TakeSnapshot(state);
        const LayoutRun run = c.action(state, Layout(c.given));
        EXPECT_EQ(run.refusal, c.refusal);
        StakeJournal journal;
        journal.Record(before, state);
        state.Spinning = true;
        EXPECT_TRUE(c.action(state, Layout(c.given)).changed.empty());
        EXPECT_FALSE(journal.Undo(state));
        state.Spinning = false;
        EXPECT_EQ(state.SpotStake, Layout(c.after));
        ExpectMarkers(state, c.before, c.after, k25);
        EXPECT_EQ(state.BetTotal, StakeSum(state));
        EXPECT_EQ(state.Balance, -state.BetTotal);
        EXPECT_EQ(journal.Undo(state), !run.changed.empty()); // a run refused at once is no step
        EXPECT_TRUE(TakeSnapshot(state) == before);
    }
}

TEST(LayoutActions, AStakeTooLargeForSixteenBitsIsReportedAsAnOverflow) {
    GameState state = StartedTable();
    EXPECT_THROW(StakeToMultiple(state, Layout({{7, 20'000}}), 2), MoneyOverflow);
    EXPECT_EQ(state.SpotStake.at(7), 0);
    EXPECT_EQ(state.Balance, 0);
    state.SpotStake.at(7) = 20'000; // far beyond any table's maximum
    EXPECT_THROW(DoubleStakes(state), MoneyOverflow);
    EXPECT_EQ(state.SpotStake.at(7), 20'000) << "the spot is left as it was";
}

} // namespace
