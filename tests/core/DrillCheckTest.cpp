#include "TestTable.h"

#include "practice/DrillCheck.h"
#include "practice/PaySum.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::int16_t SpotCovering(std::vector<std::int16_t> numbers) {
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (SpotNumbers(spot) == numbers) {
            return spot;
        }
    }
    ADD_FAILURE() << "no such spot";
    return 0;
}

// Zero game with $5 pieces: split 0/3, split 12/15, straight 26, split 32/35.
PlacedBet ZeroGame() {
    const GameState table = StartedTable();
    const BetCall call{AnnouncedBet::Zero, "", "2"};
    PlacedBet task{call, table::kFive, chip::k5, 5, "Zero", "$5 a piece", {}};
    task.stakes = PressOnEmptyTable(table, call, table::kFive, chip::k5)->SpotStake;
    return task;
}

struct Change {
    std::vector<std::int16_t> numbers;
    std::int16_t stake;
};

struct PlaceCase {
    const char* name;
    std::vector<Change> changes; // set these spots to these stakes on the right layout
    const char* text;
};

class PlaceCheck : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceCheck, NamesEachMissingAndExtraChip) {
    const PlacedBet task = ZeroGame();
    Stakes built = task.stakes;
    for (const Change& c : GetParam().changes) {
        built.at(SpotCovering(c.numbers)) = c.stake;
    }
    const PlaceVerdict v = CheckPlace(task, built);
    EXPECT_EQ(v.text, GetParam().text);
    EXPECT_EQ(v.right, GetParam().changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ZeroGame, PlaceCheck,
    testing::Values(PlaceCase{"built_as_asked", {}, "Right"},
                    PlaceCase{"one_split_left_off", {{{0, 3}, 0}}, "missing split 0/3"},
                    PlaceCase{"one_piece_short", {{{12, 15}, 2}}, "missing split 12/15"},
                    PlaceCase{"a_chip_too_many", {{{26}, 10}}, "extra straight 26"},
                    PlaceCase{"a_spot_not_in_the_bet", {{{17}, 5}}, "extra straight 17"},
                    PlaceCase{"missing_and_extra",
                              {{{0, 3}, 0}, {{32, 35}, 0}, {{26}, 10}, {{17}, 5}},
                              "missing split 0/3, split 32/35; extra straight 17, straight 26"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PlaceCheck, MissingPiecesAreMarkedOnTheirNumbers) {
    PlacedBet task = ZeroGame();
    task.stakes.at(SpotCovering({26})) = 15; // three pieces asked
    Stakes built = task.stakes;
    built.at(SpotCovering({0, 3})) = 0;
    built.at(SpotCovering({26})) = 4;      // two pieces and a part short
    built.at(SpotCovering({17})) = 5;      // an extra chip marks only the extras
    built.at(SpotCovering({32, 35})) = 11; // a piece and a part too many: two
    const PlaceVerdict v = CheckPlace(task, built);
    for (std::int16_t n = 0; n < kNumberCount; ++n) {
        const int expected = n == 0 || n == 3 ? 1 : n == 26 ? 3 : 0;
        EXPECT_EQ(v.missingPerNumber.at(n), expected) << "number " << n;
        const int extra = n == 17 ? 1 : n == 32 || n == 35 ? 2 : 0;
        EXPECT_EQ(v.extraPerNumber.at(n), extra) << "number " << n;
    }
}

TEST(PlaceCheck, AButtonPressIsWrongWhateverTheLayout) {
    EXPECT_FALSE(ButtonPressedVerdict().right);
}

struct PayCase {
    const char* name;
    std::int16_t number;
    std::int32_t total;
    std::vector<std::string> lines;
};

class PayCheck : public testing::TestWithParam<PayCase> {};

// 10 on straight 17, 5 on black and 20 on split 17/20 (17 and 20 are both black).
TEST_P(PayCheck, PaysEveryCoveringSpotAndLeavesTheStakes) {
    const GameState table = StartedTable();
    Stakes stakes{};
    stakes.at(SpotCovering({17})) = 10;
    stakes.at(kBlackSpot) = 5;
    stakes.at(SpotCovering({17, 20})) = 20;
    const PayBreakdown pay = PaySum(table.catalogue, stakes, GetParam().number);
    EXPECT_EQ(pay.total, GetParam().total);
    std::vector<std::string> lines;
    std::transform(pay.lines.begin(), pay.lines.end(), std::back_inserter(lines),
                   [](const PayLine& l) { return l.text; });
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_TRUE(CheckPay(pay, GetParam().total));
    EXPECT_FALSE(CheckPay(pay, GetParam().total + 10));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExample, PayCheck,
    testing::Values(PayCase{"17_wins_all_three",
                            17,
                            695,
                            {"black: 1 x $5 = $5", "split 17/20: 17 x $20 = $340",
                             "straight 17: 35 x $10 = $350"}},
                    PayCase{"20_wins_the_split_and_black",
                            20,
                            345,
                            {"black: 1 x $5 = $5", "split 17/20: 17 x $20 = $340"}},
                    PayCase{"red_5_wins_nothing", 5, 0, {}},
                    PayCase{"zero_wins_nothing", 0, 0, {}}),
    [](const auto& row) { return std::string(row.param.name); });

struct AmountCase {
    const char* name;
    const char* typed;
    std::optional<std::int64_t> amount;
};

class AmountRead : public testing::TestWithParam<AmountCase> {};

TEST_P(AmountRead, TakesWholeDollarsOnly) {
    EXPECT_EQ(ReadAmount(GetParam().typed), GetParam().amount);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, AmountRead,
    testing::Values(
        AmountCase{"plain", "695", 695}, AmountCase{"with_dollar", "$695", 695},
        AmountCase{"blanks_around", "  345 ", 345}, AmountCase{"zero", "0", 0},
        AmountCase{"empty", "", std::nullopt}, AmountCase{"blanks_only", "   ", std::nullopt},
        AmountCase{"dollar_only", "$", std::nullopt}, AmountCase{"word", "lots", std::nullopt},
        AmountCase{"negative", "-5", std::nullopt}, AmountCase{"cents", "12.50", std::nullopt},
        AmountCase{"separator", "1,000", std::nullopt},
        AmountCase{"blank_inside", "3 45", std::nullopt},
        AmountCase{"twelve_digits", "999999999999", 999999999999},
        AmountCase{"thirteen_digits", "9999999999999", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// 10 on straight 17 and 20 on split 17/20: 17 wins 350 + 340.
PayBreakdown SeventeenWins() {
    Stakes stakes{};
    stakes.at(SpotCovering({17})) = 10;
    stakes.at(SpotCovering({17, 20})) = 20;
    return PaySum(StartedTable().catalogue, stakes, 17);
}

TEST(PayAnswer, RightWrongAndNoAmount) {
    const PayBreakdown sum = SeventeenWins();
    const PayVerdict right = CheckPayAnswer(sum, "$690");
    EXPECT_TRUE(right.counted && right.right);
    EXPECT_EQ(right.text, "Right: $690");
    const PayVerdict wrong = CheckPayAnswer(sum, "350");
    EXPECT_TRUE(wrong.counted);
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.text, "Wrong: not $350 but $690\nstraight 17: 35 x $10 = $350\n"
                          "split 17/20: 17 x $20 = $340");
    const PayVerdict none = CheckPayAnswer(sum, "six hundred");
    EXPECT_FALSE(none.counted || none.right);
}

// Neighbours of 17, 2 either side (2, 25, 17, 34, 6 straight up) against the
// orphans (1 straight, splits 6/9, 14/17, 17/20, 31/34): they share 6, 17, 34.
NameTask NeighboursOrOrphans() {
    NameTask task;
    task.calls.at(0) = {AnnouncedBet::Neighb, "17", "2"};
    task.calls.at(1) = {AnnouncedBet::Orphns, "", "2"};
    task.choices = {"Neighbours of 17", "Orphelins", "", ""};
    task.right = 0;
    return task;
}

TEST(NameCheck, ARightChoiceMarksOnlyItsBet) {
    const NameVerdict v = CheckName(StartedTable().catalogue, NeighboursOrOrphans(), 0);
    EXPECT_TRUE(v.right);
    EXPECT_EQ(v.text, "Right: Neighbours of 17");
    for (std::int16_t n = 0; n < kNumberCount; ++n) {
        const bool covered = n == 2 || n == 25 || n == 17 || n == 34 || n == 6;
        EXPECT_EQ(v.rightMarks.at(n), covered ? 1 : 0) << "number " << n;
        EXPECT_EQ(v.chosenMarks.at(n), 0) << "number " << n;
    }
    EXPECT_TRUE(v.missed.empty());
}

TEST(NameCheck, AWrongChoiceNamesAndMarksBothBets) {
    const NameVerdict v = CheckName(StartedTable().catalogue, NeighboursOrOrphans(), 1);
    EXPECT_FALSE(v.right);
    EXPECT_EQ(v.text, "Wrong: you chose Orphelins; the bet on the layout is Neighbours of 17");
    EXPECT_EQ(v.rightMarks.at(25), 1);
    EXPECT_EQ(v.chosenMarks.at(25), 0);
    EXPECT_EQ(v.chosenMarks.at(17), 2); // two splits
    EXPECT_EQ(v.chosenMarks.at(1), 1);
    EXPECT_EQ(v.chosenMarks.at(9), 1);
    std::vector<std::int16_t> straights;
    for (const int n : {2, 6, 17, 25, 34}) {
        straights.push_back(SpotCovering({static_cast<std::int16_t>(n)}));
    }
    std::sort(straights.begin(), straights.end());
    EXPECT_EQ(v.missed, straights) << "the orphans place no straight up of the neighbours";
}

} // namespace
