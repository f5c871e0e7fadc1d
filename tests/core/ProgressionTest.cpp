#include "strategy/Progression.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// W won, L lost, E neither; the multipliers before each spin.
std::vector<std::int64_t> Multipliers(ProgressionKind kind, const std::string& outcomes) {
    Progression progression(kind);
    std::vector<std::int64_t> seen{progression.Multiplier()};
    for (const char c : outcomes) {
        progression.After(c == 'W' ? SpinOutcome::Won
                                   : (c == 'L' ? SpinOutcome::Lost : SpinOutcome::Even));
        seen.push_back(progression.Multiplier());
    }
    return seen;
}

// Name, progression, outcomes, and the multipliers before each spin.
// clang-format off
const std::tuple<const char*, ProgressionKind, const char*, std::vector<std::int64_t>> kCases[] = {
    {"FlatNeverChanges", ProgressionKind::Flat, "LLWL", {1, 1, 1, 1, 1}},
    {"MartingaleDoublesOnLossesAndResetsOnAWin", ProgressionKind::Martingale, "LLLWL", {1, 2, 4, 8, 1, 2}},
    {"DAlembertClimbsOneAndNeverFallsBelowOne", ProgressionKind::DAlembert, "LLWWWL", {1, 2, 3, 2, 1, 1, 2}},
    {"FibonacciStepsOnAndTwoBack", ProgressionKind::Fibonacci, "LLLLLWWW", {1, 1, 2, 3, 5, 8, 3, 1, 1}},
    {"ParoliDoublesOnWinsAndResetsAfterThree", ProgressionKind::Paroli, "WWWWL", {1, 2, 4, 1, 2, 1}},
    {"AnEvenSpinKeepsTheMultiplier", ProgressionKind::Martingale, "LELE", {1, 2, 2, 4, 4}},
    {"AnEvenSpinNeitherBreaksNorExtendsParolisRun", ProgressionKind::Paroli, "WEWEW", {1, 2, 2, 4, 4, 1}},
};
// clang-format on

TEST(ProgressionTest, StepsAsTheSystemSays) {
    for (const auto& [name, kind, outcomes, multipliers] : kCases) {
        EXPECT_EQ(Multipliers(kind, outcomes), multipliers) << name;
    }
}

TEST(ProgressionLimitTest, ALongLosingRunHoldsAtTheLargestMultiplier) {
    for (const ProgressionKind kind : {ProgressionKind::Martingale, ProgressionKind::Fibonacci}) {
        Progression progression(kind);
        for (int i = 0; i < 500; ++i) {
            progression.After(SpinOutcome::Lost);
        }
        EXPECT_EQ(progression.Multiplier(), Progression::kLargestMultiplier);
        progression.After(SpinOutcome::Won);
        EXPECT_LT(progression.Multiplier(), Progression::kLargestMultiplier);
    }
}

TEST(ProgressionOutcomeTest, MoneyUpIsAWinDownALossAndTheSameNeither) {
    EXPECT_EQ(OutcomeOf(100, 101), SpinOutcome::Won);
    EXPECT_EQ(OutcomeOf(100, 99), SpinOutcome::Lost);
    EXPECT_EQ(OutcomeOf(-5, -5), SpinOutcome::Even);
}

} // namespace
