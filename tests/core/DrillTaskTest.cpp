#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "practice/DrillCheck.h"
#include "practice/DrillLevels.h"
#include "practice/DrillTask.h"
#include "practice/PaySum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr int kSweep = 1000;

// The win by the layout's geometry, not by the catalogue.
std::int32_t IndependentPay(const Stakes& stakes, std::int16_t number) {
    std::int32_t total = 0;
    for (int spot = 0; spot < kSpotCount; ++spot) {
        total += oracle::Covers(spot, number) ? oracle::Payout(spot) * stakes.at(spot) : 0;
    }
    return total;
}

bool InLevel(int level, AnnouncedBet bet) {
    const auto& bets = LevelRules(level).bets;
    return std::find(bets.begin(), bets.end(), bet) != bets.end();
}

// The whole pattern, one chip of the task's value on each of its spots.
void ExpectWholeBet(const GameState& table, const PlacedBet& bet, int level) {
    ASSERT_TRUE(InLevel(level, bet.call.bet)) << bet.title;
    const auto& chips = LevelRules(level).chips;
    ASSERT_NE(std::find(chips.begin(), chips.end(), bet.chipIndex), chips.end());
    const auto spots =
        AnnouncedSpots(table.catalogue, bet.call.bet, bet.call.cover, bet.call.neighb);
    ASSERT_FALSE(spots.empty()) << bet.title;
    const Stakes pieces = PiecesPerSpot(spots);
    const std::int16_t value = table.catalogue.ChipValue.at(bet.chipIndex);
    for (std::size_t s = 0; s < pieces.size(); ++s) {
        ASSERT_EQ(bet.stakes.at(s), pieces.at(s) * value) << bet.title << " spot " << s;
    }
    GameState fresh = table;
    SelectTable(fresh, bet.tableIndex);
    SelectChip(fresh, bet.chipIndex);
    for (const std::int16_t spot : spots) {
        ASSERT_FALSE(UpdateChip(fresh, spot, kLeftButton)) << bet.title << " refused";
    }
    EXPECT_EQ(bet.pieceValue, value);
    EXPECT_EQ(bet.piece, "$" + std::to_string(value) + " a piece");
}

std::set<std::int16_t> Covered(const Stakes& stakes) {
    std::set<std::int16_t> numbers;
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (stakes.at(spot) > 0) {
            for (const auto n : SpotNumbers(spot)) {
                numbers.insert(n);
            }
        }
    }
    return numbers;
}

// A complete: every inside spot touching one number holds a chip.
bool HasComplete(const Stakes& stakes) {
    std::array<int, kNumberCount> empty{}; // inside spots on each number without a chip
    for (int spot = 0; spot < kFirstOutsideSpot; ++spot) {
        for (int n = 0; n < kNumberCount; ++n) {
            empty.at(n) += oracle::Covers(spot, n) && stakes.at(spot) == 0 ? 1 : 0;
        }
    }
    return std::ranges::find(empty, 0) != empty.end();
}

class DrillSweep : public testing::TestWithParam<int> {
  protected:
    GameState m_table = StartedTable();
    std::mt19937 m_random{static_cast<unsigned>(GetParam()) * 7919U};
};

TEST_P(DrillSweep, PlaceItTasksAreWholeBetsTheTableAccepts) {
    for (int i = 0; i < kSweep; ++i) {
        ExpectWholeBet(m_table, DrawPlaceTask(m_table, GetParam(), m_random), GetParam());
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_P(DrillSweep, NameItOffersFourDifferentLayoutsSharingNumbers) {
    for (int i = 0; i < kSweep; ++i) {
        const NameTask task = DrawNameTask(m_table, GetParam(), m_random);
        ExpectWholeBet(m_table, task.bet, GetParam());
        ASSERT_EQ(task.choices.at(task.right), task.bet.title);
        std::set<Stakes> layouts;
        for (std::size_t c = 0; c < task.calls.size(); ++c) {
            const auto& call = task.calls.at(c);
            const Stakes pieces =
                PiecesPerSpot(AnnouncedSpots(m_table.catalogue, call.bet, call.cover, call.neighb));
            layouts.insert(pieces);
            const auto offered = Covered(pieces);
            ASSERT_NE(std::ranges::find_first_of(offered, Covered(task.bet.stakes)), offered.end())
                << task.choices.at(c) << " shares no number";
        }
        ASSERT_EQ(layouts.size(), 4U) << task.bet.title;
        ASSERT_EQ(std::set<std::string>(task.choices.begin(), task.choices.end()).size(), 4U);
    }
}

TEST_P(DrillSweep, PayItSumsMatchAnIndependentCount) {
    int withHandChips = 0;
    for (int i = 0; i < kSweep; ++i) {
        const PayTask task = DrawPayTask(m_table, GetParam(), m_random);
        for (std::size_t s = 0; s < task.stakes.size(); ++s) {
            ASSERT_GE(task.stakes.at(s), task.bet.stakes.at(s)) << "the call bet is all there";
        }
        ASSERT_TRUE(Covered(task.stakes).count(task.number)) << "a number the layout covers wins";
        ASSERT_EQ(task.text, std::to_string(task.number) + " wins");
        ASSERT_EQ(PaySum(m_table.catalogue, task.stakes, task.number).total,
                  IndependentPay(task.stakes, task.number));
        if (GetParam() < 3) {
            ASSERT_EQ(task.stakes, task.bet.stakes) << "no chips by hand below level 3";
        }
        withHandChips += task.stakes != task.bet.stakes ? 1 : 0;
        ASSERT_TRUE(GetParam() < 4 || HasComplete(task.stakes)) << "a complete at level 4";
    }
    EXPECT_TRUE(GetParam() < 3 || withHandChips > kSweep * 3 / 4) << withHandChips;
}

INSTANTIATE_TEST_SUITE_P(Levels, DrillSweep, testing::Range(1, kLevelCount + 1));

} // namespace
