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

// Spots (by their numbers) set to stakes on the right layout, and the verdict.
TEST(PlaceCheck, NamesEachMissingAndExtraChip) {
    using Changes = std::vector<std::pair<std::vector<std::int16_t>, std::int16_t>>;
    // clang-format off
    const std::vector<std::pair<Changes, const char*>> cases = {
        {{}, "Right"},
        {{{{0, 3}, 0}}, "missing split 0/3"},
        {{{{12, 15}, 2}}, "missing split 12/15"}, // a piece short
        {{{{26}, 10}}, "extra straight 26"},
        {{{{17}, 5}}, "extra straight 17"}, // a spot not in the bet
        {{{{0, 3}, 0}, {{32, 35}, 0}, {{26}, 10}, {{17}, 5}}, "missing split 0/3, split 32/35; extra straight 17, straight 26"},
    };
    // clang-format on
    const PlacedBet task = ZeroGame();
    for (const auto& [changes, text] : cases) {
        Stakes built = task.stakes;
        for (const auto& [numbers, stake] : changes) {
            built.at(SpotCovering(numbers)) = stake;
        }
        const PlaceVerdict v = CheckPlace(task, built);
        EXPECT_EQ(v.text, text);
        EXPECT_EQ(v.right, changes.empty()) << text;
    }
}

TEST(PlaceCheck, MissingPiecesAreMarkedOnTheirNumbers) {
    PlacedBet task = ZeroGame();
    task.stakes.at(SpotCovering({26})) = 15; // three pieces asked
    Stakes built = task.stakes;
    built.at(SpotCovering({0, 3})) = 0;
    built.at(SpotCovering({26})) = 9;      // a piece and a part short: two
    built.at(SpotCovering({17})) = 5;      // an extra chip marks only the extras
    built.at(SpotCovering({32, 35})) = 11; // a piece and a part too many: two
    const PlaceVerdict v = CheckPlace(task, built);
    for (std::int16_t n = 0; n < kNumberCount; ++n) {
        const int expected = n == 0 || n == 3 ? 1 : n == 26 ? 2 : 0;
        EXPECT_EQ(v.missingPerNumber.at(n), expected) << "number " << n;
        const int extra = n == 17 ? 1 : n == 32 || n == 35 ? 2 : 0;
        EXPECT_EQ(v.extraPerNumber.at(n), extra) << "number " << n;
    }
}

TEST(PlaceCheck, AButtonPressIsWrongWhateverTheLayout) {
    const PlaceVerdict v = ButtonPressedVerdict();
    EXPECT_FALSE(v.right);
    EXPECT_EQ(v.text, "Wrong: this bet is to be built by hand, chip by chip, not with its button");
}

struct PayCase {
    const char* name;
    std::int16_t number;
    std::int32_t total;
    std::vector<std::string> lines; // in spot order
};

// 10 on straight 17, 20 on split 17/20 and 5 on black (17 and 20 are both
// black): the sum, the lines of a wrong answer's breakdown, and the answers.
TEST(PayCheck, PaysEveryCoveringSpotAndJudgesTheTypedSum) {
    // clang-format off
    const std::vector<PayCase> cases = {
        {"17 wins all three", 17, 695, {"straight 17: 35 x $10 = $350", "split 17/20: 17 x $20 = $340", "black: 1 x $5 = $5"}},
        {"20 wins the split and black", 20, 345, {"split 17/20: 17 x $20 = $340", "black: 1 x $5 = $5"}},
        {"red 5 wins nothing", 5, 0, {}},
        {"zero wins nothing", 0, 0, {}},
    };
    // clang-format on
    Stakes stakes{};
    stakes.at(SpotCovering({17})) = 10;
    stakes.at(kBlackSpot) = 5;
    stakes.at(SpotCovering({17, 20})) = 20;
    for (const PayCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PayBreakdown pay = PaySum(StartedTable().catalogue, stakes, c.number);
        EXPECT_EQ(pay.total, c.total);
        std::string breakdown = "Wrong: not $350 but $" + std::to_string(c.total);
        ASSERT_EQ(pay.lines.size(), c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(pay.lines.at(i).text, c.lines.at(i));
            breakdown += "\n" + c.lines.at(i);
        }
        EXPECT_TRUE(CheckPay(pay, c.total));
        EXPECT_FALSE(CheckPay(pay, c.total + 10));
        const PayVerdict right = CheckPayAnswer(pay, "$" + std::to_string(c.total));
        EXPECT_TRUE(right.counted && right.right);
        EXPECT_EQ(right.text, "Right: $" + std::to_string(c.total));
        const PayVerdict wrong = CheckPayAnswer(pay, "350");
        EXPECT_TRUE(wrong.counted && !wrong.right);
        EXPECT_EQ(wrong.text, breakdown);
        const PayVerdict none = CheckPayAnswer(pay, "six hundred");
        EXPECT_FALSE(none.counted || none.right);
        EXPECT_EQ(none.text, "Type the sum in whole dollars, for example 175");
    }
}

// Whole dollars only: a dollar sign and blanks around are allowed.
TEST(AmountRead, TakesWholeDollarsOnly) {
    // clang-format off
    const std::vector<std::pair<const char*, std::optional<std::int64_t>>> cases = {
        {"695", 695}, {"$695", 695}, {"  345 ", 345}, {"0", 0}, {"999999999999", 999999999999},
        {"", std::nullopt}, {"   ", std::nullopt}, {"$", std::nullopt}, {"lots", std::nullopt},
        {"-5", std::nullopt}, {"12.50", std::nullopt}, {"1,000", std::nullopt},
        {"3 45", std::nullopt}, {"9999999999999", std::nullopt},
    };
    // clang-format on
    for (const auto& [typed, amount] : cases) {
        EXPECT_EQ(ReadAmount(typed), amount) << '"' << typed << '"';
    }
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

// A right choice marks only its bet; a wrong one names and marks both.
TEST(NameCheck, MarksTheBetOnTheLayoutAndAWrongChoice) {
    const NameVerdict v = CheckName(StartedTable().catalogue, NeighboursOrOrphans(), 0);
    EXPECT_TRUE(v.right);
    EXPECT_EQ(v.text, "Right: Neighbours of 17");
    for (std::int16_t n = 0; n < kNumberCount; ++n) {
        const bool covered = n == 2 || n == 25 || n == 17 || n == 34 || n == 6;
        EXPECT_EQ(v.rightMarks.at(n), covered ? 1 : 0) << "number " << n;
        EXPECT_EQ(v.chosenMarks.at(n), 0) << "number " << n;
    }
    EXPECT_TRUE(v.missed.empty());

    const NameVerdict w = CheckName(StartedTable().catalogue, NeighboursOrOrphans(), 1);
    EXPECT_FALSE(w.right);
    EXPECT_EQ(w.text, "Wrong: you chose Orphelins; the bet on the layout is Neighbours of 17");
    EXPECT_EQ(w.rightMarks, v.rightMarks);
    EXPECT_EQ(std::vector<int>({w.chosenMarks.at(25), w.chosenMarks.at(17), w.chosenMarks.at(1),
                                w.chosenMarks.at(9)}),
              std::vector<int>({0, 2, 1, 1})); // 17 lies on two splits
    std::vector<std::int16_t> straights;
    for (const std::int16_t n : std::vector<std::int16_t>{2, 6, 17, 25, 34}) {
        straights.push_back(SpotCovering({n}));
    }
    std::sort(straights.begin(), straights.end());
    EXPECT_EQ(w.missed, straights) << "the orphans place no straight up of the neighbours";
}

} // namespace
