// The drills' levels and the progress record: the pass mark, the tallies,
// and the rows the record is kept in.
#include "practice/DrillProgress.h"
#include "practice/DrillLevels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// Level, answers given, right ones among the newest of the latest 20, passed.
TEST(PassMark, NeedsTwentyAnswersAndTheLevelsShareOfTheLatestTwenty) {
    // clang-format off
    const std::tuple<int, int, int, bool> cases[] = {
        {1, 20, 14, true}, {1, 20, 13, false}, {1, 19, 19, false}, // 70 %, and 20 answers
        {2, 40, 17, true}, {2, 40, 16, false},                     // 85 %
        {3, 25, 19, true}, {3, 25, 18, false},                     // 95 %
        {4, 20, 20, true}, {4, 20, 19, false},                     // 98 %: all 20
    };
    // clang-format on
    for (const auto& [level, answered, counted, passed] : cases) {
        std::vector<bool> latest(kMarkWindow, false);
        std::fill(latest.end() - counted, latest.end(), true);
        EXPECT_EQ(LevelPassed(level, answered, latest), passed) << level << ": " << counted;
    }
    std::vector<bool> latest(kMarkWindow, true);
    latest.insert(latest.begin(), 30, false); // an old bad run no longer counts
    EXPECT_TRUE(LevelPassed(4, 50, latest));
    latest.push_back(false);
    EXPECT_FALSE(LevelPassed(4, 51, latest));
}

// Drill, level, right, milliseconds, counted: right and within the level's time.
TEST(PassMark, AnAnswerCountsOnlyWhenRightAndInTime) {
    // clang-format off
    const std::tuple<Drill, int, bool, int, bool> cases[] = {
        {Drill::PlaceIt, 1, true, 600'000, true}, {Drill::NameIt, 1, false, 100, false}, // level 1 has no time limit
        {Drill::PayIt, 2, true, 30'000, true}, {Drill::PayIt, 2, true, 30'001, false},
        {Drill::PlaceIt, 3, true, 15'000, true}, {Drill::PlaceIt, 3, true, 15'001, false},
        {Drill::NameIt, 4, true, 10'000, true}, {Drill::NameIt, 4, true, 10'001, false},
        // Hear it: 30 s at level 2, 20 s at level 3, and the stream's own clock at 4.
        {Drill::HearIt, 1, true, 600'000, true}, {Drill::HearIt, 2, true, 30'001, false},
        {Drill::HearIt, 3, true, 20'000, true}, {Drill::HearIt, 3, true, 20'001, false},
        {Drill::HearIt, 4, true, 60'000, true}, {Drill::HearIt, 4, false, 100, false},
    };
    // clang-format on
    for (const auto& [drill, level, right, ms, counts] : cases) {
        EXPECT_EQ(CountsTowardMark(drill, level, right, ms), counts)
            << level << ", " << ms << " ms";
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

// Answers (right, ms) given at PayIt level 2, then right, wrong, best streak,
// streak and average time.
TEST(Tally, CountsStreaksAndTime) {
    using Steps = std::vector<std::pair<bool, int>>;
    // clang-format off
    const std::tuple<Steps, int, int, int, int, std::int64_t> cases[] = {
        {{{true, 4000}}, 1, 0, 1, 1, 4000},
        {{{false, 2000}}, 0, 1, 0, 0, 2000},
        {{{true, 1000}, {true, 2000}, {false, 3000}, {true, 6000}}, 3, 1, 2, 1, 3000}, // a wrong one breaks the streak
        {{{true, 10}, {false, 10}, {true, 10}, {true, 10}, {true, 10}}, 4, 1, 3, 3, 10}, // the best outlives a shorter one
    };
    // clang-format on
    for (const auto& [steps, right, wrong, best, streak, averageMs] : cases) {
        SCOPED_TRACE(steps.size());
        DrillProgress p;
        for (const auto& [isRight, ms] : steps) {
            ApplyAnswer(p, Answer(isRight, ms));
        }
        const LevelProgress& l = p.levels.at({Drill::PayIt, 2});
        EXPECT_EQ(std::tie(l.tasks, l.right, l.wrong, l.bestStreak, l.streak),
                  std::make_tuple(static_cast<int>(steps.size()), right, wrong, best, streak));
        EXPECT_EQ(AverageMs(l), averageMs);
    }
}

// Twenty quick right answers pass and open the next level of that drill only,
// the last level too; slow ones never pass, and only the latest twenty are kept.
TEST(Progress, TwentyQuickRightAnswersPassAndUnlockTheNextLevel) {
    DrillProgress quick, slow;
    for (int i = 0; i < kMarkWindow + 10; ++i) {
        EXPECT_EQ(IsUnlocked(quick, Drill::PayIt, 3), i >= kMarkWindow) << i;
        ApplyAnswer(quick, Answer(true, 1000));
        ApplyAnswer(slow, Answer(true, 31'000));
    }
    EXPECT_FALSE(IsUnlocked(quick, Drill::NameIt, 3)) << "levels unlock per drill";
    EXPECT_FALSE(IsUnlocked(quick, Drill::PayIt, 4));
    for (int i = 0; i < kMarkWindow; ++i) {
        ApplyAnswer(quick, Answer(true, 1000, 3));
    }
    EXPECT_TRUE(IsUnlocked(quick, Drill::PayIt, 4)) << "the last level opens too";
    EXPECT_FALSE(slow.levels.at({Drill::PayIt, 2}).passed);
    EXPECT_EQ(slow.levels.at({Drill::PayIt, 2}).latest.size(), std::size_t{kMarkWindow});
}

// Twenty wrong answers, then twenty right: the mark sees only the newest
// twenty, oldest first, and passes. A passed level stays passed, and the next
// stays open, however the answers go afterwards.
TEST(Progress, TheMarkSeesTheNewestTwentyAndAPassStaysForGood) {
    DrillProgress p;
    for (int i = 0; i < kMarkWindow; ++i) {
        ApplyAnswer(p, Answer(false, 1000));
    }
    ApplyAnswer(p, Answer(true, 1000));
    std::vector<bool> expected(kMarkWindow, false);
    expected.back() = true;
    EXPECT_EQ(p.levels.at({Drill::PayIt, 2}).latest, expected) << "the oldest goes first";
    for (int i = 1; i < kMarkWindow; ++i) {
        ApplyAnswer(p, Answer(true, 1000));
    }
    EXPECT_TRUE(p.levels.at({Drill::PayIt, 2}).passed);
    for (int i = 0; i < kMarkWindow; ++i) {
        ApplyAnswer(p, Answer(false, 1000));
    }
    EXPECT_TRUE(p.levels.at({Drill::PayIt, 2}).passed);
    EXPECT_TRUE(IsUnlocked(p, Drill::PayIt, 3));
}

TEST(Progress, EachBetKeepsItsTasksAndMostMissedSpot) {
    DrillProgress p;
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, false, 100, {0, 40}});
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, false, 100, {40}});
    ApplyAnswer(p, {Drill::PlaceIt, 1, AnnouncedBet::Zero, true, 100, {}});
    const BetProgress& b = p.levels.at({Drill::PlaceIt, 1}).bets.at(AnnouncedBet::Zero);
    EXPECT_EQ(std::tie(b.tasks, b.right), std::make_tuple(3, 1));
    EXPECT_EQ(MostMissed(b), std::optional<std::int16_t>(40));
    EXPECT_EQ(MostMissed(BetProgress{}), std::nullopt);

    // Every field goes through the file and back.
    ApplyAnswer(p, Answer(true, 1200, 3, AnnouncedBet::Oppos));
    ApplyAnswer(p, Answer(false, 700, 3, AnnouncedBet::QtrPlus));
    const auto records =
        ReadStoredText(WriteStoredText(ProgressRecords(p)), kProgressKind, kProgressVersion);
    ASSERT_TRUE(records);
    EXPECT_EQ(ReadProgress(*records), p);
}

// An answer is added to the records on disk, written meanwhile by another
// Velmora; rows of unknown kinds are skipped.
TEST(ProgressFile, AnAnswerIsAddedToTheRecordsOnDisk) {
    DrillProgress onDisk;
    ApplyAnswer(onDisk, Answer(true, 1000));
    StoredRecords records = ProgressRecords(onDisk);
    records.rows.push_back({"trophy", "gold", "x"});
    ASSERT_TRUE(RecordAnswer(records, Answer(false, 2000, 1, AnnouncedBet::Orphns)));
    // The fourth drill joins a file the three drills wrote.
    ASSERT_TRUE(RecordAnswer(records, {Drill::HearIt, 3, AnnouncedBet::Zero, true, 900, {}}));
    const auto now = ReadProgress(records);
    ASSERT_TRUE(now.has_value());
    EXPECT_EQ(now->levels.at({Drill::PayIt, 2}).tasks, 1);
    EXPECT_EQ(now->levels.at({Drill::PayIt, 1}).wrong, 1);
    EXPECT_EQ(now->levels.at({Drill::HearIt, 3}).right, 1);
    EXPECT_EQ(now->levels.size(), 3U);
}

// Counts stop at their largest rather than wrap, and a record at the largest
// still reads back after another answer: use never makes a file unreadable.
TEST(ProgressFile, ARecordAtTheLargestCountsTakesAnotherAnswer) {
    const std::string most = "1000000000";
    StoredRecords records = ProgressRecords({});
    records.rows.push_back(
        {"level", "pay", "2", most, most, most, most, most, "1000000000000000", "1", "1"});
    records.rows.push_back({"bet", "pay", "2", "Tier", most, most});
    records.rows.push_back({"missed", "pay", "2", "Tier", "40", most});
    DrillAnswer answer = Answer(true, 1000);
    answer.missed = {40};
    ASSERT_TRUE(RecordAnswer(records, answer));
    const auto read = ReadProgress(records);
    ASSERT_TRUE(read.has_value());
    const LevelProgress& l = read->levels.at({Drill::PayIt, 2});
    EXPECT_EQ(std::tie(l.tasks, l.right, l.streak, l.totalMs),
              std::make_tuple(1'000'000'000, 1'000'000'000, 1'000'000'000,
                              std::int64_t{1'000'000'000'000'000}));
    EXPECT_EQ(l.bets.at(AnnouncedBet::Tier).missed.at(40), 1'000'000'000);
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
        {"more_outcomes_than_the_window", {"level", "pay", "2", "21", "21", "0", "21", "21", "500", std::string(21, '1'), "1"}},
        {"too_few_fields", {"level", "pay", "2", "1"}},
        {"unknown_bet", {"bet", "place", "1", "Jackpot", "1", "1"}},
        {"nul_in_a_name", {"bet", "place", "1", std::string("Ti\0er", 5), "1", "1"}},
        {"tasks_past_the_largest", {"level", "place", "1", "1000000001", "1", "0", "1", "1", "500", "1", "0"}},
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
