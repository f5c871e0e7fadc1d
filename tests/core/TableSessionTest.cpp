// The session around the layout: rebet, double and clear, each one step of
// undo, and the statistics of the spins.
#include "LayoutOracle.h"
#include "StakedTable.h"

#include "betting/TableSession.h"
#include "table/Money.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace table;
using namespace chip;
using enum RefusalKind;

using Action = LayoutRun (*)(GameState&, const SpotStakes& lastSpin);
const Action kRebet = [](GameState& s, const SpotStakes& last) { return Rebet(s, last); };
const Action kDouble = [](GameState& s, const SpotStakes&) { return DoubleStakes(s); };
const Action kClear = [](GameState& s, const SpotStakes&) { return ClearStakes(s); };

struct ActionCase {
    const char* name;
    Action action;
    Stakes lastSpin; // what rebet brings back
    Stakes before;   // on the layout, each drawn with the $1 chip
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
};
// clang-format on

// Every case is one step of undo, back to the exact layout before it. While
// the ball runs, neither the action nor undo does anything.
TEST(LayoutActions, ChangeStakesInSpotOrderAsThePressesWouldAndAreUndoneAsOneStep) {
    for (const ActionCase& c : kCases) {
        SCOPED_TRACE(c.name);
        GameState state = TableWith(c.before, c.table);
        SelectChip(state, k25);
        const StakeSnapshot before = TakeSnapshot(state);
        const LayoutRun run = c.action(state, Layout(c.lastSpin));
        EXPECT_EQ(run.refusal, c.refusal);
        StakeJournal journal;
        journal.Record(before, state);
        state.Spinning = true;
        c.action(state, Layout(c.lastSpin));
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

TEST(LayoutActions, DoubleReportsAnOverflowLeavingTheSpotAsItWas) {
    GameState state = StartedTable();
    state.SpotStake.at(7) = 20'000; // far beyond any table's maximum
    EXPECT_THROW(DoubleStakes(state), MoneyOverflow);
    EXPECT_EQ(state.SpotStake.at(7), 20'000);
}

// Statistics of real spins: the net must be what Balance plus Bet moved by.
TEST(SessionStatistics, FollowsEverySettledSpin) {
    GameState state = StartedTable();
    TableSession session;
    std::int32_t staked = 0;
    for (const std::int16_t number :
         std::initializer_list<std::int16_t>{17, 0, 17, 32, 20, 17, 36, 5}) {
        Stake(state, StraightUpSpot(17), kFive, k5); // adds 5 each spin
        Stake(state, kRedSpot, kFive, k10);
        staked += state.BetTotal;
        BeginSpin(session, state);
        state.WinPocket = static_cast<std::int16_t>(oracle::PocketOf(number));
        const Settlement settled = CalcWin(state);
        EndSpin(session, state, settled.ResultNumber, settled.SpinWin);
        EXPECT_EQ(session.statistics.Balances().back(), state.Balance);
    }
    const SessionStatistics& s = session.statistics;
    EXPECT_EQ(s.Staked(), staked);
    EXPECT_EQ(s.Net(), state.Balance + state.BetTotal);
    EXPECT_EQ(s.Hottest(), (std::vector<std::int16_t>{17, 0, 5, 20, 32}));
    EXPECT_EQ(s.Coldest(3), (std::vector<std::int16_t>{1, 2, 3}));
    // Counted by hand from the eight numbers; members of each group out of 37.
    const std::vector<std::tuple<const char*, int, int>> groups = {
        {"Red", 3, 18},       {"Black", 4, 18},     {"Zero", 1, 1},        {"1st dozen", 1, 12},
        {"2nd dozen", 4, 12}, {"3rd dozen", 2, 12}, {"Column 1", 0, 12},   {"Column 2", 6, 12},
        {"Column 3", 1, 12},  {"Low 1-18", 4, 18},  {"High 19-36", 3, 18}, {"Even", 3, 18},
        {"Odd", 4, 18}};
    ASSERT_EQ(s.Groups().size(), groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& [name, count, members] = groups[g];
        EXPECT_EQ(s.Groups()[g].name, name);
        EXPECT_EQ(s.Groups()[g].count, count) << name;
        EXPECT_DOUBLE_EQ(s.Groups()[g].share, count / 8.0) << name;
        EXPECT_DOUBLE_EQ(s.Groups()[g].expected, members / 37.0) << name;
    }
}

} // namespace
