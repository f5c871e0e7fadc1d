#include "practice/DrillProgress.h"

#include <gtest/gtest.h>

namespace {

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

class Tally : public testing::TestWithParam<TallyCase> {};

TEST_P(Tally, CountsStreaksAndTime) {
    DrillProgress p;
    for (const Step& s : GetParam().steps) {
        ApplyAnswer(p, Answer(s.right, s.ms));
    }
    const LevelProgress& l = p.levels.at({Drill::PayIt, 2});
    EXPECT_EQ(l.tasks, static_cast<int>(GetParam().steps.size()));
    EXPECT_EQ(l.right, GetParam().right);
    EXPECT_EQ(l.wrong, GetParam().wrong);
    EXPECT_EQ(l.bestStreak, GetParam().best);
    EXPECT_EQ(l.streak, GetParam().streak);
    EXPECT_EQ(AverageMs(l), GetParam().averageMs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Answers, Tally,
    testing::Values(
        TallyCase{"one_right", {{true, 4000}}, 1, 0, 1, 1, 4000},
        TallyCase{"one_wrong", {{false, 2000}}, 0, 1, 0, 0, 2000},
        TallyCase{"a_wrong_answer_breaks_the_streak", {{true, 1000}, {true, 2000}, {false, 3000}, {true, 6000}}, 3, 1, 2, 1, 3000},
        TallyCase{"the_best_streak_outlives_a_shorter_one", {{true, 10}, {false, 10}, {true, 10}, {true, 10}, {true, 10}}, 4, 1, 3, 3, 10}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

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

struct BadRow {
    const char* name;
    std::vector<std::string> row;
};

class MalformedRow : public testing::TestWithParam<BadRow> {};

// An answer is then not recorded: the file is left as it is, for the store to move aside.
TEST_P(MalformedRow, MakesTheWholeFileUnreadable) {
    StoredRecords records = ProgressRecords({});
    records.rows.push_back(GetParam().row);
    EXPECT_EQ(ReadProgress(records), std::nullopt);
    const StoredRecords before = records;
    EXPECT_FALSE(RecordAnswer(records, Answer(true, 1000)));
    EXPECT_EQ(records, before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedRow,
    testing::Values(
        BadRow{"letters_for_tasks", {"level", "pay", "2", "x", "1", "0", "1", "1", "500", "1", "0"}},
        BadRow{"negative_tasks", {"level", "pay", "2", "-1", "1", "0", "1", "1", "500", "1", "0"}},
        BadRow{"trailing_junk", {"level", "pay", "2", "1", "1", "0", "1", "1", "500ms", "1", "0"}},
        BadRow{"empty_number", {"level", "pay", "2", "", "1", "0", "1", "1", "500", "1", "0"}},
        BadRow{"level_five", {"level", "pay", "5", "1", "1", "0", "1", "1", "500", "1", "0"}},
        BadRow{"unknown_drill", {"level", "spin", "2", "1", "1", "0", "1", "1", "500", "1", "0"}},
        BadRow{"outcomes_not_ones_and_zeros", {"level", "pay", "2", "1", "1", "0", "1", "1", "500", "1a", "0"}},
        BadRow{"too_few_fields", {"level", "pay", "2", "1"}},
        BadRow{"unknown_bet", {"bet", "place", "1", "Jackpot", "1", "1"}},
        BadRow{"spot_past_the_layout", {"missed", "place", "1", "Tier", "157", "1"}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

} // namespace
