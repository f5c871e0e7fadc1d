#include "practice/DrillLevels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct MarkCase {
    const char* name;
    int level, answered;
    int counted; // of the latest 20, the newest ones
    bool passed;
};

std::vector<bool> Latest(int counted) {
    std::vector<bool> latest(kMarkWindow, false);
    std::fill(latest.end() - counted, latest.end(), true);
    return latest;
}

class PassMark : public testing::TestWithParam<MarkCase> {};

TEST_P(PassMark, NeedsTwentyAnswersAndTheLevelsShare) {
    const MarkCase& c = GetParam();
    EXPECT_EQ(LevelPassed(c.level, c.answered, Latest(c.counted)), c.passed);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, PassMark,
    testing::Values(MarkCase{"level1_14_of_20_is_70_percent", 1, 20, 14, true},
                    MarkCase{"level1_13_of_20_falls_short", 1, 20, 13, false},
                    MarkCase{"level1_all_right_but_only_19_answered", 1, 19, 19, false},
                    MarkCase{"level2_17_of_20_is_85_percent", 2, 40, 17, true},
                    MarkCase{"level2_16_of_20_falls_short", 2, 40, 16, false},
                    MarkCase{"level3_19_of_20_is_95_percent", 3, 25, 19, true},
                    MarkCase{"level3_18_of_20_falls_short", 3, 25, 18, false},
                    MarkCase{"level4_needs_all_20_for_98_percent", 4, 20, 20, true},
                    MarkCase{"level4_19_of_20_falls_short", 4, 20, 19, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PassMark, OnlyTheLatestTwentyCount) {
    std::vector<bool> latest(kMarkWindow, true);
    latest.insert(latest.begin(), 30, false); // an old bad run no longer counts
    EXPECT_TRUE(LevelPassed(4, 50, latest));
    latest.push_back(false);
    EXPECT_FALSE(LevelPassed(4, 51, latest));
}

struct TimeCase {
    const char* name;
    int level;
    bool right;
    int ms;
    bool counts;
};

class AnswerCounts : public testing::TestWithParam<TimeCase> {};

TEST_P(AnswerCounts, OnlyWhenRightAndInTime) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(CountsTowardMark(c.level, c.right, c.ms), c.counts);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, AnswerCounts,
    testing::Values(TimeCase{"level1_has_no_time_limit", 1, true, 600'000, true},
                    TimeCase{"a_wrong_answer_never_counts", 1, false, 100, false},
                    TimeCase{"level2_at_30_s", 2, true, 30'000, true},
                    TimeCase{"level2_past_30_s", 2, true, 30'001, false},
                    TimeCase{"level3_at_15_s", 3, true, 15'000, true},
                    TimeCase{"level3_past_15_s", 3, true, 15'001, false},
                    TimeCase{"level4_at_10_s", 4, true, 10'000, true},
                    TimeCase{"level4_past_10_s", 4, true, 10'001, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LevelUnlock, EachLevelOpensWhenTheOneBeforeIsPassed) {
    EXPECT_TRUE(LevelUnlocked(1, {}));
    EXPECT_FALSE(LevelUnlocked(2, {}));
    EXPECT_TRUE(LevelUnlocked(2, {true}));
    EXPECT_FALSE(LevelUnlocked(3, {true, false}));
    EXPECT_TRUE(LevelUnlocked(4, {false, true, true}));
}

} // namespace
