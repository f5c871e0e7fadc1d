#include "TestTable.h"

#include "betting/PressForecast.h"
#include "table/Money.h"

#include <limits>
#include <random>

namespace {

using enum AnnouncedBet;

// Texts a player might leave in either box, the odd ones included.
// clang-format off
const std::vector<std::string> kTexts = {"", "0", "-1", "1", "2", "3", "6", "10", "11", "17", "19",
    "20", "26", "36", "37", "38", "40", "-3", "-20", " 5", "2.5", "3.5", "99999", "abc", "7x", "47",
    "2147483648"};
// clang-format on

struct Dice {
    std::mt19937 rng{20261207};
    int operator()(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    std::string Text() { return kTexts.at(std::size_t((*this)(0, int(kTexts.size()) - 1))); }
};

// Stakes as any table could have left them, so the selected one may refuse
// them; now and then a balance on the edge of overflowing.
GameState RandomTable(Dice& roll) {
    static const GameState started = StartedTable();
    GameState state = started;
    SelectTable(state, static_cast<std::int16_t>(roll(0, 3)));
    SelectChip(state, static_cast<std::int16_t>(roll(0, 7)));
    for (int s = 0; s < kSpotCount; ++s) {
        if (roll(0, 5) == 0) {
            const auto& top = state.limits.SpotMaxBet.at(static_cast<std::size_t>(roll(0, 3)));
            state.SpotStake.at(s) = static_cast<std::int16_t>(roll(1, top.at(s)));
        }
    }
    state.BetTotal = StakeSum(state);
    const int chip = state.catalogue.ChipValue.at(state.ChipIndex);
    state.Balance =
        roll(0, 19) ? -state.BetTotal : std::numeric_limits<int>::min() + roll(0, 5 * chip);
    state.BetAccepted = roll(0, 1) == 1;
    return state;
}

} // namespace

// Each forecast is held to the real press that follows it; every kind of
// outcome must turn up often.
TEST(PressForecast, AgreesWithThePressOfAllEighteenButtonsOnRandomTables) {
    Dice roll;
    int refused = 0, overflowed = 0, nothing = 0;
    constexpr int kRounds = 18 * 400;
    for (int round = 0; round < kRounds; ++round) {
        const GameState state = RandomTable(roll);
        const auto bet = static_cast<AnnouncedBet>(round % 18);
        const std::string cover = roll.Text();
        const std::string side = roll(0, 2) == 0 ? std::to_string(roll(-5, 40)) : roll.Text();
        SCOPED_TRACE("round " + std::to_string(round) + ", \"" + cover + "\", \"" + side + "\"");
        const PressForecast forecast = ForecastPress(state, bet, cover, side);
        GameState pressed = state;
        AnnouncedPress press;
        bool overflow = false;
        try {
            press = PressAnnounced(pressed, bet, cover, side, kLeftButton);
        } catch (const MoneyOverflow&) {
            overflow = true;
        }
        auto stakes = state.SpotStake;
        for (std::size_t i = 0; i < forecast.placed; ++i) {
            stakes.at(forecast.chips.at(i)) += forecast.chipValue;
        }
        ASSERT_EQ(pressed.SpotStake, stakes);
        ASSERT_EQ(forecast.overflow, overflow);
        ASSERT_EQ(forecast.refusal, press.refusal);
        ASSERT_EQ(forecast.placesNothing.empty(), !forecast.chips.empty());
        refused += forecast.refusal.has_value();
        overflowed += overflow;
        nothing += forecast.chips.empty();
    }
    EXPECT_TRUE(refused > kRounds / 10 && overflowed > kRounds / 100 && nothing > kRounds / 100)
        << refused << " refused, " << overflowed << " overflowed, " << nothing << " placed nothing";
}

struct TextCase {
    const char* name;
    AnnouncedBet bet;
    std::string text;
    void (*setUp)(GameState&) = [](GameState&) {}; // on the $5 table with a $5 chip
};

// clang-format off
const std::vector<TextCase> kTextCases = {
    {"Grande names its trio and corner twice, six chips a line", Grande,
     "Grande\ntrio 0/2/3, trio 0/2/3, split 4/7, split 12/15, split 18/21, split 19/22,\n"
     "corner 25/26/28/29, corner 25/26/28/29, split 32/35\n9 chips of $5: $45"},
    {"a refused first chip places none", Birds,
     "Birds\nsplit 5/8, straight 8, split 8/11\n3 chips of $2: $6\nThe $5 table refuses chip 1, "
     "split 5/8: \"Bets must be in multiples of  5\"\nNo chip is placed before it.",
     [](GameState& s) { SelectChip(s, chip::k2); }},
    {"a cover that is no pocket places nothing", Neighb,
     "Neighbours of 40, 2 either side\nplaces nothing: 40 is not a number on the wheel"},
    {"a full stake stops the press after two chips", Zero,
     "Zero\nsplit 0/3, split 12/15, straight 26, split 32/35\n4 chips of $5: $20\nThe $5 table "
     "refuses chip 3, straight 26: \"Maximum bet allowed is  100\"\n2 chips are placed before it.",
     [](GameState& s) { s.SpotStake[105] = 100; }},
    {"the press stops where the money would overflow", Birds,
     "Birds\nsplit 5/8, straight 8, split 8/11\n3 chips of $5: $15\n"
     "Stops at chip 2, straight 8: the money would go out of range.\n1 chip is placed before it.",
     [](GameState& s) { s.Balance = std::numeric_limits<std::int32_t>::min() + 7; }},
};
// clang-format on

// The first line names the bet with the boxes' values, as far as the bet reads
// them and they read as numbers.
TEST(ForecastText, TheTitleNamesTheCoverAndCountOnlyWhereTheBetReadsThem) {
    // clang-format off
    const std::tuple<AnnouncedBet, const char*, const char*, const char*> cases[] = {
        {Tier, "17", "2", "Tier"},
        {Finals, "7", "2", "Finals of 7"},
        {Figure, "3", "1", "Figure of 3"},
        {Neighb, "17", "1", "Neighbours of 17, 1 either side"},
        {Oppos, "0", "2", "Opposite of 0, 2 either side"},
        {QtrPlus, "34", "1", "Qtr + of 34, 1 either side"},
        {Neighb, "99999", "2", "Neighbours"},
        {Neighb, "17", "99999", "Neighbours of 17"},
    };
    // clang-format on
    for (const auto& [bet, cover, side, title] : cases) {
        EXPECT_EQ(ForecastPress(StartedTable(), bet, cover, side).title, title);
    }
}

// The boxes hold 40 and 2, which only Neighb reads.
TEST(ForecastText, TellsThePatternItsCostWhereItStopsAndWhyNothingIsPlaced) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.name);
        GameState state = StartedTable();
        c.setUp(state);
        EXPECT_EQ(ForecastText(ForecastPress(state, c.bet, "40", "2")), c.text);
    }
}
