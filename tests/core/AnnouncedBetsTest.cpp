#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "betting/AnnouncedBets.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Spots = std::vector<std::int16_t>;
using enum AnnouncedBet;

Spots StraightUps(const std::vector<int>& numbers) {
    Spots spots;
    for (const int n : numbers) {
        spots.push_back(static_cast<std::int16_t>(oracle::StraightUp(n)));
    }
    return spots;
}

Spots Placed(AnnouncedBet bet, const std::string& cover = "", const std::string& neighb = "2") {
    static const GameState table = StartedTable();
    return AnnouncedSpots(table.catalogue, bet, cover, neighb);
}

// The published patterns, which no typed text changes.
TEST(AnnouncedSpots, FixedPatternsIgnoreTheBoxes) {
    const std::vector<std::pair<AnnouncedBet, Spots>> cases = {
        {Tier, {27, 44, 61, 94, 113, 137}},
        {Orphns, {7, 29, 63, 75, 133}},
        {Grande, {4, 4, 25, 53, 77, 85, 110, 110, 135}},
        {Zero, {5, 53, 105, 135}},
        {Birds, {27, 33, 39}},
        {Cousins, {21, 43, 69, 139}},
        {Reds, {41, 73, 77, 113}},
        {Blacks, {39, 49, 75, 111, 121}},
        {Qtr1, {0, 129, 59, 79, 19, 83, 9, 103, 69, 139}},
        {Qtr2, {23, 107, 55, 143, 45, 119, 33, 93, 43}},
        {Qtr3, {21, 95, 67, 131, 7, 81, 57, 127, 35}},
        {Qtr4, {91, 71, 117, 31, 115, 47, 141, 11, 105}},
    };
    for (const auto& [bet, spots] : cases) {
        EXPECT_EQ(Placed(bet), spots) << static_cast<int>(bet);
        EXPECT_EQ(Placed(bet, "abc", "99999"), spots) << static_cast<int>(bet);
    }
}

// Bet, cover box, count box, and the straight-ups placed, in order of placement.
// clang-format off
const std::vector<std::tuple<const char*, AnnouncedBet, const char*, const char*, std::vector<int>>> kTextCases = {
    {"NeighboursWrapPastTheLastPocket", Neighb, "26", "1", {26, 0, 3}},
    {"CoverThatIsNoPocketNumber", Neighb, "37", "2", {}},
    {"CountBeyondOneWrap", Neighb, "5", "38", {}},
    {"SectorWithCountZero", Oppos, "0", "0", {}},
    {"OppositeBeyondOneWrap", Oppos, "0", "20", {}},
    {"FinalsNegativePlacesNothing", Finals, "-3", "2", {}},
    {"FinalsNegativeWithRemainderZero", Finals, "-20", "2", {0, 10, 20, 30}},
    {"FinalsReadsThirtyTwoBits", Finals, "40007", "2", {7, 17, 27}},
    {"FinalsPastThirtyTwoBits", Finals, "2147483648", "2", {}},
    {"FigureTwentyEight", Figure, "28", "2", {1, 10, 19, 28}},
    {"FigureZeroAlone", Figure, "0", "2", {0}},
    {"FigureThirtySix", Figure, "36", "2", {9, 18, 27, 36}},
    {"FigureThirtySevenPlacesNothing", Figure, "37", "2", {}},
};
// clang-format on

TEST(AnnouncedSpots, TypedTextsChooseTheChips) {
    for (const auto& [name, bet, cover, neighb, numbers] : kTextCases) {
        EXPECT_EQ(Placed(bet, cover, neighb), StraightUps(numbers)) << name;
    }
}

// Every cover and every count that one wrap of 37 allows, against a walk of
// the wheel in modular arithmetic.
TEST(AnnouncedSpots, WheelBetsMatchAWalkOfTheWheel) {
    struct Sector {
        AnnouncedBet bet;
        int offset, largestCount;
    };
    const std::array<Sector, 3> sectors = {{{Oppos, 18, 19}, {QtrPlus, 9, 10}, {QtrMinus, 27, 10}}};
    for (int number = 0; number <= 36; ++number) {
        const int p = oracle::PocketOf(number);
        const std::string cover = std::to_string(number);
        std::vector<int> neighbours = {number};
        for (int k = 1; k <= 37; ++k) {
            neighbours.push_back(oracle::NumberAt(p + k));
            neighbours.push_back(oracle::NumberAt(p - k));
            ASSERT_EQ(Placed(Neighb, cover, std::to_string(k)), StraightUps(neighbours)) << cover;
        }
        for (const Sector& sector : sectors) {
            for (int k = 1; k <= sector.largestCount; ++k) {
                std::vector<int> numbers;
                for (int q = p + sector.offset - k + 1; q <= p + sector.offset + k; ++q) {
                    numbers.push_back(oracle::NumberAt(q));
                }
                ASSERT_EQ(Placed(sector.bet, cover, std::to_string(k)), StraightUps(numbers))
                    << cover << " either side " << k;
            }
        }
    }
}

// A press with chips the layout partly refuses: `full` holds a stake at its
// maximum (100 on a straight, 200 on a split at the "$5" table) beforehand,
// and the chips before it are placed.
TEST(PressAnnounced, StopsAtTheFirstRefusedChipAndKeepsTheChipsBefore) {
    const std::vector<std::tuple<const char*, AnnouncedBet, const char*, std::int16_t, Spots>>
        cases = {
            {"ThirdTierChipRefused", Tier, "", 61, {27, 44}},
            {"FirstOrphnsChipRefusedEndsThePress", Orphns, "", 7, {}},
            {"SecondOppositeChipRefused", Oppos, "0", 43, {93}},
            {"LastGrandeChipRefused", Grande, "", 135, {4, 4, 25, 53, 77, 85, 110, 110}},
        };
    for (const auto& [name, bet, cover, full, placed] : cases) {
        SCOPED_TRACE(name);
        GameState state = StartedTable();
        const bool split = SpotNumbers(full).size() == 2;
        Stake(state, full, table::kFive, chip::k100, split ? 2 : 1);
        SelectChip(state, chip::k5);
        GameState expected = state;
        for (const std::int16_t spot : placed) {
            UpdateChip(expected, spot, kLeftButton);
        }
        const AnnouncedPress press = PressAnnounced(state, bet, cover, "2", kLeftButton);
        EXPECT_EQ(press.changed, placed);
        EXPECT_EQ(press.refusal,
                  (Refusal{RefusalKind::Maximum, static_cast<std::int16_t>(split ? 200 : 100)}));
        EXPECT_EQ(state.SpotStake, expected.SpotStake);
        EXPECT_EQ(state.Balance, expected.Balance);
        EXPECT_FALSE(state.BetAccepted);
    }
}

// Regression: a sector press marks itself accepted before its first chip, so
// one that places nothing still clears an earlier refusal.
TEST(PressAnnounced, SectorWithoutChipsStillClearsAnEarlierRefusal) {
    GameState state = StartedTable();
    state.BetAccepted = false;
    const AnnouncedPress press = PressAnnounced(state, QtrMinus, "4", "0", kLeftButton);
    EXPECT_TRUE(press.changed.empty());
    EXPECT_FALSE(press.refusal.has_value());
    EXPECT_TRUE(state.BetAccepted);
}

} // namespace
