#include "TestTable.h"

#include "betting/LayoutActions.h"
#include "table/Money.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

namespace {

using namespace table;
using namespace chip;
using enum RefusalKind;
using Stakes = std::map<std::int16_t, std::int16_t>;

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
    bool spinning = false;
};

// clang-format off
const std::vector<ActionCase> kCases = {
    {"RebetBringsLostStakesBackAndLeavesTheKeptOneAlone", kRebet, {{7, 10}, {153, 20}}, {{153, 20}}, kFive, {{7, 10}, {153, 20}}, {}},
    {"RebetTopsUpALowerStakeAndLeavesAHigherOneAlone", kRebet, {{7, 10}, {9, 10}}, {{7, 25}, {9, 5}}, kFive, {{7, 25}, {9, 10}}, {}},
    {"RebetStopsAtTheFirstRefusalInSpotOrderKeepingWhatItPlaced", kRebet, {{7, 10}, {9, 5}, {11, 10}}, {}, kTen, {{7, 10}}, Refusal{Multiple, 10}},
    {"RebetTestsTheMaximumOfTheSelectedTable", kRebet, {{7, 100}}, {}, kOne, {}, Refusal{Maximum, 25}},
    {"RebetTestsTheMinimumOfTheSelectedTable", kRebet, {{148, 10}}, {}, kTen, {}, Refusal{Minimum, 50}},
    {"DoubleDoublesEveryStake", kDouble, {}, {{7, 5}, {153, 20}}, kFive, {{7, 10}, {153, 40}}, {}},
    {"DoubleStopsAtTheFirstRefusalInSpotOrder", kDouble, {}, {{7, 5}, {9, 100}, {11, 5}}, kFive, {{7, 10}, {9, 100}, {11, 5}}, Refusal{Maximum, 100}},
    {"ClearTakesEveryStakeOffUntestedThoughTheTableNoLongerAllowsIt", kClear, {}, {{7, 5}, {153, 20}}, kTen, {}, {}},
    {"RebetDoesNothingWhileTheBallRuns", kRebet, {{7, 10}}, {}, kFive, {}, {}, true},
    {"DoubleDoesNothingWhileTheBallRuns", kDouble, {}, {{7, 5}}, kFive, {{7, 5}}, {}, true},
    {"ClearDoesNothingWhileTheBallRuns", kClear, {}, {{7, 5}}, kFive, {{7, 5}}, {}, true},
};
// clang-format on

TEST(LayoutActions, ChangeStakesInSpotOrderAsThePressesWould) {
    for (const ActionCase& c : kCases) {
        SCOPED_TRACE(c.name);
        GameState state = StartedTable();
        for (const auto& [spot, stake] : c.before) {
            state.SpotStake.at(spot) = stake;
            state.SpotChip.at(spot) = k1;
            state.BetTotal += stake;
        }
        state.Balance = -state.BetTotal;
        SelectTable(state, c.table);
        SelectChip(state, k25);
        state.Spinning = c.spinning;
        SpotStakes lastSpin{};
        for (const auto& [spot, stake] : c.lastSpin) {
            lastSpin.at(spot) = stake;
        }
        const LayoutRun run = c.action(state, lastSpin);
        EXPECT_EQ(run.refusal, c.refusal);
        EXPECT_EQ(state.BetAccepted, !c.refusal);
        for (std::int16_t s = 0; s < kSpotCount; ++s) {
            const auto it = c.after.find(s);
            EXPECT_EQ(state.SpotStake.at(s), it == c.after.end() ? 0 : it->second) << s;
        }
        // A spot given a new stake shows the chip in hand; the others keep theirs.
        for (const auto& [s, stake] : c.after) {
            const bool restaked = stake > (c.before.count(s) ? c.before.at(s) : 0);
            EXPECT_EQ(state.SpotChip.at(s), restaked ? k25 : k1) << s;
        }
        EXPECT_EQ(state.BetTotal, StakeSum(state));
        EXPECT_EQ(state.Balance, -state.BetTotal);
    }
}

TEST(LayoutActions, DoubleReportsAnOverflowLeavingTheSpotAsItWas) {
    GameState state = StartedTable();
    state.SpotStake.at(7) = 20'000; // far beyond any table's maximum
    EXPECT_THROW(DoubleStakes(state), MoneyOverflow);
    EXPECT_EQ(state.SpotStake.at(7), 20'000);
}

} // namespace
