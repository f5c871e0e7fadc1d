// Hear it: the calls as a croupier says them, several at once, drawn per
// level, the level-4 stream's clock and the check.
#include "TestTable.h"

#include "practice/DrillLevels.h"
#include "practice/HearTask.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using enum AnnouncedBet;

std::int16_t SpotOf(std::vector<std::int16_t> numbers) {
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (SpotNumbers(spot) == numbers) {
            return spot;
        }
    }
    ADD_FAILURE() << "no such spot";
    return 0;
}

// All eighteen bets, as called at the $1 table.
TEST(HearCall, EachBetIsCalledByItsCroupiersName) {
    // clang-format off
    const std::tuple<AnnouncedBet, const char*, const char*, std::int16_t, const char*> cases[] = {
        {Grande, "17", "2", chip::k5, "Voisins du zéro by 5"},
        {Tier, "17", "2", chip::k5, "Tiers du cylindre by 5"},
        {Orphns, "17", "2", chip::k2, "Orphelins by 2"},
        {Zero, "17", "2", chip::k1, "Jeu zéro by 1"},
        {Neighb, "17", "2", chip::k5, "17 and the neighbours by 5"},
        {Neighb, "5", "1", chip::k2, "5 and 1 neighbour by 2"},
        {Neighb, "32", "3", chip::k1, "32 and 3 neighbours by 1"},
        {Finals, "7", "2", chip::k5, "Finale 7 by 5"},
        {Figure, "3", "2", chip::k2, "Figure of 3 by 2"},
        {Birds, "17", "2", chip::k5, "Birds by 5"},
        {Cousins, "17", "2", chip::k1, "Cousins by 1"},
        {Reds, "17", "2", chip::k1, "Reds by 1"},
        {Blacks, "17", "2", chip::k2, "Blacks by 2"},
        {Qtr1, "17", "2", chip::k1, "1st Quarter by 1"},
        {Qtr2, "17", "2", chip::k1, "2nd Quarter by 1"},
        {Qtr3, "17", "2", chip::k1, "3rd Quarter by 1"},
        {Qtr4, "17", "2", chip::k1, "4th Quarter by 1"},
        {Oppos, "0", "2", chip::k1, "Opposite of 0, 2 either side by 1"},
        {QtrPlus, "34", "1", chip::k2, "Qtr + of 34, 1 either side by 2"},
        {QtrMinus, "10", "1", chip::k5, "Qtr - of 10, 1 either side by 5"},
    };
    // clang-format on
    const GameState table = StartedTable();
    for (const auto& [bet, cover, side, chip, text] : cases) {
        const auto task = MakeHearTask(table, {{bet, cover, side}}, table::kOne, chip);
        ASSERT_TRUE(task) << text;
        EXPECT_EQ(task->sentence, text);
    }
}

// Voisins du zéro and Jeu zéro share splits 12/15 and 32/35: each holds both stakes.
TEST(HearCall, TwoCallsAreOneSentenceAndASharedSpotHoldsBothStakes) {
    const GameState table = StartedTable();
    const auto task =
        MakeHearTask(table, {{Grande, "0", "2"}, {Zero, "0", "2"}}, table::kOne, chip::k2);
    ASSERT_TRUE(task);
    EXPECT_EQ(task->sentence, "Voisins du zéro by 2, and Jeu zéro by 2");
    EXPECT_EQ(task->stakes.at(SpotOf({12, 15})), 4);
    EXPECT_EQ(task->stakes.at(SpotOf({32, 35})), 4);
    EXPECT_EQ(task->stakes.at(SpotOf({26})), 2);
    EXPECT_EQ(task->stakes.at(SpotOf({0, 2, 3})), 4) << "Voisins puts two pieces on the trio";
    EXPECT_EQ(CallSentence({"a", "b", "c"}), "a, and b, and c");
}

// Many draws per level: the level's count of calls, bets and pieces, and the
// stakes of all the calls together on the one table drawn.
TEST(HearDraw, EachLevelDrawsItsCallsAndTheTableTakesThemAll) {
    const GameState table = StartedTable();
    std::mt19937 random(11);
    for (int level = 1; level <= kLevelCount; ++level) {
        const HearLevel& rules = HearLevelRules(level);
        for (int draw = 0; draw < 150; ++draw) {
            const HearTask task = DrawHearTask(table, level, random);
            ASSERT_EQ(task.calls.size(), static_cast<std::size_t>(rules.calls));
            ASSERT_NE(std::find(rules.chips.begin(), rules.chips.end(), task.chipIndex),
                      rules.chips.end());
            Stakes sum{};
            for (const PlacedBet& call : task.calls) {
                ASSERT_NE(std::find(rules.bets.begin(), rules.bets.end(), call.call.bet),
                          rules.bets.end());
                for (int s = 0; s < kSpotCount; ++s) {
                    sum.at(s) = static_cast<std::int16_t>(sum.at(s) + call.stakes.at(s));
                }
            }
            ASSERT_EQ(task.stakes, sum) << task.sentence;
            ASSERT_EQ(task.sentence, CallSentence(task.texts));
        }
    }
    EXPECT_EQ(HearLevelRules(1).bets, (std::vector<AnnouncedBet>{Grande, Tier, Orphns, Zero}));
    EXPECT_TRUE(HearLevelRules(4).stream && !HearLevelRules(3).stream);
}

// Three calls 3 s apart and "No more bets" 12 s after the first; the countdown.
TEST(HearStream, TheCallsComeThreeSecondsApartAndNoMoreBetsAtTwelve) {
    const GameState table = StartedTable();
    const auto task = MakeHearTask(
        table, {{Orphns, "0", "2"}, {Neighb, "17", "2"}, {Birds, "0", "2"}}, table::kOne, chip::k1);
    ASSERT_TRUE(task);
    const auto steps = StreamSchedule(*task);
    ASSERT_EQ(steps.size(), 4U);
    const std::tuple<int, const char*, bool> expected[] = {
        {0, "Orphelins by 1", false},
        {3000, "17 and the neighbours by 1", false},
        {6000, "Birds by 1", false},
        {12000, "No more bets", true}};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(std::tie(steps[i].atMs, steps[i].sentence, steps[i].noMoreBets),
                  std::make_tuple(std::get<0>(expected[i]), std::string(std::get<1>(expected[i])),
                                  std::get<2>(expected[i])));
    }
    const std::tuple<int, int> left[] = {{0, 12},    {1, 12},    {1000, 11}, {11001, 1},
                                         {11999, 1}, {12000, 0}, {20000, 0}};
    for (const auto& [elapsed, seconds] : left) {
        EXPECT_EQ(SecondsLeft(elapsed), seconds) << elapsed;
    }
}

TEST(HearCheck, TheVerdictWritesTheCallBeforeWhatIsMissingOrExtra) {
    const GameState table = StartedTable();
    const auto task = MakeHearTask(table, {{Zero, "0", "2"}}, table::kOne, chip::k1);
    ASSERT_TRUE(task);
    EXPECT_EQ(CheckHear(*task, task->stakes).text, "Jeu zéro by 1: Right");
    Stakes built = task->stakes;
    built.at(SpotOf({26})) = 0;
    built.at(SpotOf({17})) = 1;
    const PlaceVerdict wrong = CheckHear(*task, built);
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.text, "Jeu zéro by 1: missing straight 26; extra straight 17");
}

} // namespace
