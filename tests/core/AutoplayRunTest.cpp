// Autoplay's run: its stop rules, its count and its progression (the layout
// brought to a multiple of its base is with the other layout actions).
#include "StakedTable.h"

#include "strategy/AutoplayRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RunCase {
    const char* name;
    AutoplaySettings settings;
    std::int32_t balance;                                     // before the first spin
    std::vector<std::pair<std::int32_t, std::int32_t>> spins; // Balance + Bet change, Last Win
    std::vector<std::string> status;                          // before each spin that is played
    AutoplayEnd end;
};

AutoplaySettings Settings(int spins, ProgressionKind kind, StopRules rules = {}) {
    return {spins, kind, rules};
}

using enum ProgressionKind;

// clang-format off
const std::vector<RunCase> kRunCases = {
    {"MartingaleDoublesOnEachLossUntilTheCountIsPlayed", Settings(3, Martingale), 0, {{-5, 0}, {-10, 0}, {-20, 0}, {-40, 0}},
     {"Autoplay: spin 1 of 3, Martingale x1", "Autoplay: spin 2 of 3, Martingale x2", "Autoplay: spin 3 of 3, Martingale x4"}, AutoplayEnd::SpinsDone},
    {"AWinResetsMartingale", Settings(3, Martingale), 0, {{-5, 0}, {5, 20}, {-5, 0}},
     {"Autoplay: spin 1 of 3, Martingale x1", "Autoplay: spin 2 of 3, Martingale x2", "Autoplay: spin 3 of 3, Martingale x1"}, AutoplayEnd::SpinsDone},
    {"TheFloorStopsWhenTheBalanceReachesIt", Settings(9, Flat, StopRules{-10, {}, {}, false}), 0, {{-5, 0}, {-5, 0}, {-5, 0}},
     {"Autoplay: spin 1 of 9, Flat x1", "Autoplay: spin 2 of 9, Flat x1"}, AutoplayEnd::BalanceBelow},
    {"TheCeilingStopsWhenTheBalanceReachesIt", Settings(9, DAlembert, StopRules{{}, 20, {}, false}), 0, {{-5, 0}, {25, 30}, {5, 10}},
     {"Autoplay: spin 1 of 9, d'Alembert x1", "Autoplay: spin 2 of 9, d'Alembert x2"}, AutoplayEnd::BalanceAbove},
    {"TheLastWinMarkStopsAtOrAbove", Settings(9, Fibonacci, StopRules{{}, {}, 35, false}), 0, {{-5, 34}, {30, 35}, {5, 10}},
     {"Autoplay: spin 1 of 9, Fibonacci x1", "Autoplay: spin 2 of 9, Fibonacci x1"}, AutoplayEnd::LastWinAbove},
    {"StopOnWinLetsAnEvenSpinPass", Settings(9, Paroli, StopRules{{}, {}, {}, true}), 0, {{0, 10}, {-5, 0}, {5, 10}, {5, 10}},
     {"Autoplay: spin 1 of 9, Paroli x1", "Autoplay: spin 2 of 9, Paroli x1", "Autoplay: spin 3 of 9, Paroli x1"}, AutoplayEnd::SpinWon},
    {"ARuleMetOnTheLastSpinIsNamedRatherThanTheCount", Settings(1, Flat, StopRules{0, {}, {}, false}), 0, {{-5, 0}},
     {"Autoplay: spin 1 of 1, Flat x1"}, AutoplayEnd::BalanceBelow},
    {"TheFloorIsNamedBeforeAWinWhenBothAreMet", Settings(9, Flat, StopRules{-10, {}, {}, true}), -20, {{5, 10}},
     {"Autoplay: spin 1 of 9, Flat x1"}, AutoplayEnd::BalanceBelow},
};
// clang-format on

TEST(AutoplayRun, CountsStepsAndStopsAsTheSettingsSay) {
    for (const RunCase& c : kRunCases) {
        SCOPED_TRACE(c.name);
        AutoplayRun run(c.settings, Layout({{7, 5}}));
        std::int32_t balance = c.balance;
        std::vector<std::string> status;
        for (const auto& [change, lastWin] : c.spins) {
            if (!run.running()) {
                break;
            }
            status.push_back(run.StatusText());
            run.BeforeSpin(balance + 5);
            balance += change;
            run.AfterSpin(balance, 5, lastWin);
        }
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(run.end(), c.end);
    }
}

// Asked during a spin, a stop waits for it to be settled; asked between spins, it ends the run.
TEST(AutoplayRun, AStopEndsTheRunOnceNoSpinIsUnderWay) {
    AutoplayRun during(Settings(5, Flat), Layout({{7, 5}}));
    AutoplayRun between(Settings(5, Flat), Layout({{7, 5}}));
    during.BeforeSpin(0);
    during.RequestStop();
    EXPECT_TRUE(during.running());
    during.AfterSpin(-5, 0, 0);
    EXPECT_EQ(during.end(), AutoplayEnd::PlayerStopped);
    between.BeforeSpin(0);
    between.AfterSpin(-5, 0, 0);
    between.RequestStop();
    EXPECT_EQ(between.end(), AutoplayEnd::PlayerStopped);
}

TEST(AutoplayRun, AnEmptyLayoutNeverStartsAndTheFirstEndHolds) {
    AutoplayRun empty(Settings(5, Flat), Layout({}));
    EXPECT_EQ(empty.end(), AutoplayEnd::EmptyLayout);
    AutoplayRun run(Settings(5, Flat), Layout({{7, 5}}));
    run.End(AutoplayEnd::Refused);
    run.End(AutoplayEnd::Overflow);
    EXPECT_EQ(run.end(), AutoplayEnd::Refused);
}

} // namespace
