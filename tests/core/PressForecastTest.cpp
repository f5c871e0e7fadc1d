#include "TestTable.h"

#include "betting/BetNames.h"
#include "betting/PressForecast.h"
#include "table/Money.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Spots = std::vector<std::int16_t>;
using enum AnnouncedBet;

// Texts a player might leave in the two boxes, the odd ones included.
// clang-format off
const std::vector<std::string> kCovers = {"", "0", "17", "26", "36", "37", "40", "-3", "-20", " 5",
                                          "2.5", "3.5", "99999", "abc", "7x", "47", "2147483648"};
const std::vector<std::string> kCounts = {"", "0", "-1", "1", "2", "3", "6", "10", "11", "19",
                                          "20", "37", "38", "2.5", "99999"};
// clang-format on

template <class T> const T& Pick(std::mt19937& rng, const std::vector<T>& pool) {
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng)];
}

int Between(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// Stakes as any table could have left them, so the selected one may refuse
// them; now and then a balance on the edge of overflowing.
GameState RandomTable(std::mt19937& rng) {
    static const GameState started = StartedTable();
    GameState state = started;
    SelectTable(state, static_cast<std::int16_t>(Between(rng, 0, 3)));
    SelectChip(state, static_cast<std::int16_t>(Between(rng, 0, 7)));
    for (int s = 0; s < kSpotCount; ++s) {
        if (Between(rng, 0, 5) == 0) {
            const auto table = static_cast<std::size_t>(Between(rng, 0, 3));
            state.SpotStake.at(s) =
                static_cast<std::int16_t>(Between(rng, 1, state.limits.SpotMaxBet[table].at(s)));
        }
    }
    state.BetTotal = StakeSum(state);
    const int chip = state.catalogue.ChipValue.at(state.ChipIndex);
    state.Balance = Between(rng, 0, 19) == 0
                        ? std::numeric_limits<std::int32_t>::min() + Between(rng, 0, 5 * chip)
                        : -state.BetTotal;
    state.BetAccepted = Between(rng, 0, 1) == 1;
    return state;
}

struct Tally {
    int refused = 0, overflowed = 0, nothing = 0;
};

// Presses for real what the forecast foretold and holds the one against the other.
void ExpectPressAgrees(const GameState& state, AnnouncedBet bet, const std::string& cover,
                       const std::string& neighb, Tally& tally) {
    const PressForecast forecast = ForecastPress(state, bet, cover, neighb);
    GameState pressed = state;
    AnnouncedPress press;
    bool overflow = false;
    try {
        press = PressAnnounced(pressed, bet, cover, neighb, kLeftButton);
    } catch (const MoneyOverflow&) {
        overflow = true;
    }
    GameState expected = state;
    for (std::size_t i = 0; i < forecast.placed; ++i) {
        expected.SpotStake.at(forecast.chips.at(i)) += forecast.chipValue;
    }
    ASSERT_EQ(pressed.SpotStake, expected.SpotStake);
    ASSERT_EQ(forecast.overflow, overflow);
    ASSERT_EQ(forecast.refusal, press.refusal);
    if (!overflow) {
        ASSERT_EQ(Spots(forecast.chips.begin(), forecast.chips.begin() + forecast.placed),
                  press.changed);
    }
    ASSERT_EQ(forecast.placed < forecast.chips.size(), forecast.refusal || forecast.overflow);
    ASSERT_EQ(forecast.placesNothing.empty(), !forecast.chips.empty());
    tally.refused += forecast.refusal.has_value();
    tally.overflowed += forecast.overflow;
    tally.nothing += forecast.chips.empty();
}

} // namespace

// All eighteen buttons, round after round, on random positions, tables,
// chips and typed texts; each kind of outcome must turn up often.
TEST(PressForecast, AgreesWithThePressItForetells) {
    std::mt19937 rng(20261207);
    Tally tally;
    constexpr int kRounds = 18 * 400;
    for (int round = 0; round < kRounds; ++round) {
        const GameState state = RandomTable(rng);
        const auto bet = static_cast<AnnouncedBet>(round % 18);
        const std::string& cover = Pick(rng, kCovers);
        const std::string neighb =
            Between(rng, 0, 2) == 0 ? std::to_string(Between(rng, -5, 40)) : Pick(rng, kCounts);
        SCOPED_TRACE("round " + std::to_string(round) + ", cover \"" + cover +
                     "\", either side \"" + neighb + "\"");
        ExpectPressAgrees(state, bet, cover, neighb, tally);
        if (HasFatalFailure()) {
            return;
        }
    }
    std::cout << "[ forecast ] " << kRounds << " presses: " << tally.refused << " refused, "
              << tally.overflowed << " overflowed, " << tally.nothing << " placed nothing\n";
    EXPECT_GT(tally.refused, kRounds / 10);
    EXPECT_GT(tally.overflowed, kRounds / 100);
    EXPECT_GT(tally.nothing, kRounds / 100);
}

struct TextCase {
    const char* name;
    AnnouncedBet bet;
    const char* cover;
    const char* neighb;
    std::int16_t table;
    std::int16_t chip;
    std::string text;
    void (*setUp)(GameState&) = nullptr;
};

// clang-format off
const std::vector<TextCase> kTextCases = {
    {"TierCountsItsChipsAndTheirCost", Tier, "", "2", table::kFive, chip::k25,
     "Tier\nsplit 5/8, split 10/11, split 13/16, split 23/24, split 27/30, split 33/36\n"
     "6 chips of $25: $150"},
    {"NeighboursReadTheBoxesAsTyped", Neighb, "17", "2", table::kFive, chip::k5,
     "Neighbours of 17, 2 either side\n"
     "straight 17, straight 34, straight 25, straight 6, straight 2\n5 chips of $5: $25"},
    {"GrandeNamesItsTrioAndCornerTwice", Grande, "", "2", table::kOne, chip::k1,
     "Grande\ntrio 0/2/3, trio 0/2/3, split 4/7, split 12/15, split 18/21, split 19/22,\n"
     "corner 25/26/28/29, corner 25/26/28/29, split 32/35\n9 chips of $1: $9"},
    {"RefusedFirstChipPlacesNone", Tier, "", "2", table::kFive, chip::k2,
     "Tier\nsplit 5/8, split 10/11, split 13/16, split 23/24, split 27/30, split 33/36\n"
     "6 chips of $2: $12\nThe $5 table refuses chip 1, split 5/8: "
     "\"Bets must be in multiples of  5\"\nNo chip is placed before it."},
    {"CoverThatIsNoPocketNumber", Neighb, "40", "2", table::kFive, chip::k5,
     "Neighbours of 40, 2 either side\nplaces nothing: 40 is not a number on the wheel"},
    {"StopsAtAFullStakeAfterTwoChips", Zero, "", "", table::kOne, chip::k1,
     "Zero\nsplit 0/3, split 12/15, straight 26, split 32/35\n4 chips of $1: $4\n"
     "The $1 table refuses chip 3, straight 26: \"Maximum bet allowed is  25\"\n"
     "2 chips are placed before it.",
     [](GameState& s) { s.SpotStake[105] = 25; }},
    {"StopsWhereTheMoneyWouldOverflow", Birds, "", "", table::kFive, chip::k5,
     "Birds\nsplit 5/8, straight 8, split 8/11\n3 chips of $5: $15\n"
     "Stops at chip 2, straight 8: the money would go out of range.\n1 chip is placed before it.",
     [](GameState& s) { s.Balance = std::numeric_limits<std::int32_t>::min() + 7; }},
};
// clang-format on

TEST(ForecastText, TellsThePatternItsCostWhereItStopsAndWhyNothingIsPlaced) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.name);
        GameState state = StartedTable();
        SelectTable(state, c.table);
        SelectChip(state, c.chip);
        if (c.setUp) {
            c.setUp(state);
        }
        EXPECT_EQ(ForecastText(ForecastPress(state, c.bet, c.cover, c.neighb)), c.text);
    }
}

TEST(PressForecast, CountsTheChipsEachNumberWouldTake) {
    GameState state = StartedTable();
    EXPECT_EQ(ChipsPerNumber(ForecastPress(state, Birds, "", "")).at(8), 3);
    Stake(state, 44, table::kFive, chip::k100, 2); // split 10/11 full: Tier stops there
    const auto tier = ChipsPerNumber(ForecastPress(state, Tier, "", ""));
    EXPECT_EQ(tier.at(5) + tier.at(8) + tier.at(10) + tier.at(11) + tier.at(13), 2);
}

// The layout's own names and limits are held to the window's tips; here the
// bets and tables those do not show.
TEST(BetNames, NameTheColumnsAndEachTablesLimits) {
    GameState state = StartedTable();
    SelectTable(state, table::kTwo);
    EXPECT_EQ(SpotDescription(state, 146),
              "2nd column (2, 5, ..., 35), pays 2 to 1, $5 to $1000 at this table");
    EXPECT_EQ(SpotDescription(state, 4), "Trio 0/2/3, pays 11 to 1, $2 to $150 at this table");
    EXPECT_EQ(TableSummary(state.limits, table::kTwo),
              "$2 table: stakes in multiples of 1\n"
              "Inside bets from $2, at most $50 on a straight, $100 on a split,\n"
              "$150 on a street or trio, $200 on a corner, $300 on a six-line\n"
              "Outside bets from $5, at most $1000 on a column or dozen,\n$2000 on an even chance");
}
