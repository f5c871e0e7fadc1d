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
    built.at(SpotCovering({26})) = 4; // two pieces and a part short
    built.at(SpotCovering({17})) = 5; // an extra chip marks nothing
    const PlaceVerdict v = CheckPlace(task, built);
    for (std::int16_t n = 0; n < kNumberCount; ++n) {
        const int expected = n == 0 || n == 3 ? 1 : n == 26 ? 3 : 0;
        EXPECT_EQ(v.missingPerNumber.at(n), expected) << "number " << n;
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

} // namespace
