// The drills' levels and the progress record: the pass mark, the tallies,
// and the rows the record is kept in.
#include "practice/DrillProgress.h"
#include "practice/DrillLevels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PassMark, NeedsTwentyAnswersAndTheLevelsShareOfTheLatestTwenty) {
    struct MarkCase {
        const char* name;
        int level, answered;
        int counted; // of the latest 20, the newest ones
        bool passed;
    };
    // clang-format off
    const MarkCase cases[] = {
        {"level1_14_of_20_is_70_percent", 1, 20, 14, true},
        {"level1_13_of_20_falls_short", 1, 20, 13, false},
        {"level1_all_right_but_only_19_answered", 1, 19, 19, false},
        {"level2_17_of_20_is_85_percent", 2, 40, 17, true},
        {"level2_16_of_20_falls_short", 2, 40, 16, false},
        {"level3_19_of_20_is_95_percent", 3, 25, 19, true},
        {"level3_18_of_20_falls_short", 3, 25, 18, false},
        {"level4_needs_all_20_for_98_percent", 4, 20, 20, true},
        {"level4_19_of_20_falls_short", 4, 20, 19, false},
    };
    // clang-format on
    for (const MarkCase& c : cases) {
        std::vector<bool> latest(kMarkWindow, false);
        std::fill(latest.end() - c.counted, latest.end(), true);
        EXPECT_EQ(LevelPassed(c.level, c.answered, latest), c.passed) << c.name;
    }
    std::vector<bool> latest(kMarkWindow, true);
    latest.insert(latest.begin(), 30, false); // an old bad run no longer counts
    EXPECT_TRUE(LevelPassed(4, 50, latest));
    latest.push_back(false);
    EXPECT_FALSE(LevelPassed(4, 51, latest));
}

TEST(PassMark, AnAnswerCountsOnlyWhenRightAndInTime) {
    struct TimeCase {
        const char* name;
        int level;
        bool right;
        int ms;
        bool counts;
    };
    // clang-format off
    const TimeCase cases[] = {
        {"level1_has_no_time_limit", 1, true, 600'000, true},
        {"a_wrong_answer_never_counts", 1, false, 100, false},
        {"level2_at_30_s", 2, true, 30'000, true},
        {"level2_past_30_s", 2, true, 30'001, false},
        {"level3_at_15_s", 3, true, 15'000, true},
        {"level3_past_15_s", 3, true, 15'001, false},
        {"level4_at_10_s", 4, true, 10'000, true},
        {"level4_past_10_s", 4, true, 10'001, false},
    };
    // clang-format on
    for (const TimeCase& c : cases) {
        EXPECT_EQ(CountsTowardMark(c.level, c.right, c.ms), c.counts) << c.name;
    }
}

TEST(LevelUnlock, EachLevelOpensWhenTheOneBeforeIsPassed) {
    EXPECT_TRUE(LevelUnlocked(1, {}));
    EXPECT_FALSE(LevelUnlocked(2, {}));
    EXPECT_TRUE(LevelUnlocked(2, {true}));
    EXPECT_FALSE(LevelUnlocked(3, {true, false}));
    EXPECT_TRUE(LevelUnlocked(4, {false, true, true}));
}

DrillAnswer Answer(bool right, int ms, int level = 2, AnnouncedBet bet = AnnouncedBet::Tier) {
    return {Drill::PayIt, level, bet, right, ms, {}};
}

struct Step {
    bool right;
    int ms;
};

struct TallyCase {
    const char* name;
    std::vector<Step> steps;
    int right, wrong, best, streak;
    std::int64_t averageMs;
};

TEST(Tally, CountsStreaksAndTime) {
    // clang-format off
    const TallyCase cases[] = {
        {"one_right", {{true, 4000}}, 1, 0, 1, 1, 4000},
        {"one_wrong", {{false, 2000}}, 0, 1, 0, 0, 2000},
        {"a_wrong_answer_breaks_the_streak", {{true, 1000}, {true, 2000}, {false, 3000}, {true, 6000}}, 3, 1, 2, 1, 3000},
        {"the_best_streak_outlives_a_shorter_one", {{true, 10}, {false, 10}, {true, 10}, {true, 10}, {true, 10}}, 4, 1, 3, 3, 10},
    };
    // clang-format on
    for (const TallyCase& c : cases) {
        SCOPED_TRACE(c.name);
        DrillProgress p;
        for (const Step& s : c.steps) {
            ApplyAnswer(p, Answer(s.right, s.ms));
        }
        const LevelProgress& l = p.levels.at({Drill::PayIt, 2});
        EXPECT_EQ(l.tasks, static_cast<int>(c.steps.size()));
        EXPECT_EQ(l.right, c.right);
        EXPECT_EQ(l.wrong, c.wrong);
        EXPECT_EQ(l.bestStreak, c.best);
        EXPECT_EQ(l.streak, c.streak);
        EXPECT_EQ(AverageMs(l), c.averageMs);
    }
}

TEST(Progress, TwentyQuickRightAnswersPassAndUnlockTheNextLevel) {
    DrillProgress p;
    for (int i = 0; i < kMarkWindow - 1; ++i) {
        ApplyAnswer(p, Answer(true, 1000));
    }
    EXPECT_FALSE(IsUnlocked(p, Drill::PayIt, 3));
    ApplyAnswer(p, Answer(true, 1000));
    EXPECT_TRUE(IsUnlocked(p, Drill::PayIt, 3));
    EXPECT_FALSE(IsUnlocked(p, Drill::NameIt, 3)) << "levels unlock per drill";
    EXPECT_FALSE(IsUnlocked(p, Drill::PayIt, 4));
}

TEST(Progress, SlowRightAnswersDoNotPass) {
    DrillProgress p;
    for (int i = 0; i < 30; ++i) {
        ApplyAnswer(p, Answer(true, 31'000));
    }
    EXPECT_FALSE(p.levels.at({Drill::PayIt, 2}).passed);
    EXPECT_EQ(p.levels.at({Drill::PayIt, 2}).latest.size(), static_cast<std::size_t>(kMarkWindow));
}

TEST(Progress, EachBetKeepsItsTasksAndMostMissedSpot) {
    DrillProgress p;
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, false, 100, {0, 40}});
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, false, 100, {40}});
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, true, 100, {}});
    const BetProgress& b = p.levels.at({Drill::PlaceIt, 1}).bets.at(AnnouncedBet::Zero);
    EXPECT_EQ(b.tasks, 3);
    EXPECT_EQ(b.right, 1);
    EXPECT_EQ(MostMissed(b), std::optional<std::int16_t>(40));
    EXPECT_EQ(MostMissed(BetProgress{}), std::nullopt);
}

std::string Written(const DrillProgress& p) {
    return WriteStoredText(ProgressRecords(p));
}

std::optional<DrillProgress> Reread(const std::string& text) {
    const auto records = ReadStoredText(text, kProgressKind, kProgressVersion);
    return records ? ReadProgress(*records) : std::nullopt;
}

TEST(ProgressFile, RoundTripsEveryField) {
    DrillProgress p;
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, false, 900, {0, 40}});
    ApplyAnswer(p, Answer(true, 1200, 3, AnnouncedBet::Oppos));
    ApplyAnswer(p, Answer(false, 700, 3, AnnouncedBet::QtrPlus));
    EXPECT_EQ(Reread(Written(p)), p);
}

TEST(ProgressFile, AnAnswerIsAddedToTheRecordsOnDisk) {
    DrillProgress onDisk;
    ApplyAnswer(onDisk, Answer(true, 1000)); // written meanwhile by another Velmora
    StoredRecords records = ProgressRecords(onDisk);
    ASSERT_TRUE(RecordAnswer(records, Answer(false, 2000, 1, AnnouncedBet::Orphns)));
    const auto now = ReadProgress(records);
    ASSERT_TRUE(now.has_value());
    EXPECT_EQ(now->levels.at({Drill::PayIt, 2}).tasks, 1);
    EXPECT_EQ(now->levels.at({Drill::PayIt, 1}).wrong, 1);
}

TEST(ProgressFile, RowsOfUnknownKindsAreSkipped) {
    StoredRecords records = ProgressRecords({});
    records.rows.push_back({"trophy", "gold", "x"});
    records.rows.push_back({"level", "pay", "2", "1", "1", "0", "1", "1", "500", "1", "0"});
    const auto p = ReadProgress(records);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->levels.at({Drill::PayIt, 2}).tasks, 1);
}

// An answer is then not recorded: the file is left as it is, for the store to move aside.
TEST(ProgressFile, AnyMalformedRowMakesTheWholeFileUnreadable) {
    // clang-format off
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
        {"letters_for_tasks", {"level", "pay", "2", "x", "1", "0", "1", "1", "500", "1", "0"}},
        {"negative_tasks", {"level", "pay", "2", "-1", "1", "0", "1", "1", "500", "1", "0"}},
        {"trailing_junk", {"level", "pay", "2", "1", "1", "0", "1", "1", "500ms", "1", "0"}},
        {"empty_number", {"level", "pay", "2", "", "1", "0", "1", "1", "500", "1", "0"}},
        {"level_five", {"level", "pay", "5", "1", "1", "0", "1", "1", "500", "1", "0"}},
        {"unknown_drill", {"level", "spin", "2", "1", "1", "0", "1", "1", "500", "1", "0"}},
        {"outcomes_not_ones_and_zeros", {"level", "pay", "2", "1", "1", "0", "1", "1", "500", "1a", "0"}},
        {"too_few_fields", {"level", "pay", "2", "1"}},
        {"unknown_bet", {"bet", "place", "1", "Jackpot", "1", "1"}},
        {"spot_past_the_layout", {"missed", "place", "1", "Tier", "157", "1"}},
    };
    // clang-format on
    for (const auto& [name, row] : cases) {
        SCOPED_TRACE(name);
        StoredRecords records = ProgressRecords({});
        records.rows.push_back(row);
        EXPECT_EQ(ReadProgress(records), std::nullopt);
        const StoredRecords before = records;
        EXPECT_FALSE(RecordAnswer(records, Answer(true, 1000)));
        EXPECT_EQ(records, before);
    }
}

} // namespace
