// What the croupier calls and what the table sounds like, for every number.
#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "wheel/CroupierCall.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

// Written out by hand from the table's red list, so that neither the words
// nor the chances can come from the code under test.
const char* const kCalls[37] = {
    "Zero",
    "One, red, odd, low",
    "Two, black, even, low",
    "Three, red, odd, low",
    "Four, black, even, low",
    "Five, red, odd, low",
    "Six, black, even, low",
    "Seven, red, odd, low",
    "Eight, black, even, low",
    "Nine, red, odd, low",
    "Ten, black, even, low",
    "Eleven, black, odd, low",
    "Twelve, red, even, low",
    "Thirteen, black, odd, low",
    "Fourteen, red, even, low",
    "Fifteen, black, odd, low",
    "Sixteen, red, even, low",
    "Seventeen, black, odd, low",
    "Eighteen, red, even, low",
    "Nineteen, red, odd, high",
    "Twenty, black, even, high",
    "Twenty-one, red, odd, high",
    "Twenty-two, black, even, high",
    "Twenty-three, red, odd, high",
    "Twenty-four, black, even, high",
    "Twenty-five, red, odd, high",
    "Twenty-six, black, even, high",
    "Twenty-seven, red, odd, high",
    "Twenty-eight, black, even, high",
    "Twenty-nine, black, odd, high",
    "Thirty, red, even, high",
    "Thirty-one, black, odd, high",
    "Thirty-two, red, even, high",
    "Thirty-three, black, odd, high",
    "Thirty-four, red, even, high",
    "Thirty-five, black, odd, high",
    "Thirty-six, red, even, high",
};

TEST(CroupierCall, EveryNumberIsCalledInWordsWithItsColourParityAndHalf) {
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(ResultCall(n), kCalls[n]) << n;
    }
}

// Random layouts on every number: the settlement sounds a win exactly when
// it pays something, a sweep exactly when it clears a stake, and always the drop.
TEST(TableSounds, ASettlementSoundsItsWinAndItsSweepExactlyWhenTheyHappen) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        GameState state = StartedTable();
        for (int chips = round % 4; chips > 0; --chips) {
            state.SpotStake.at(random() % kSpotCount) = 5;
        }
        for (int n = 0; n <= 36; ++n) {
            GameState settled = state;
            settled.WinPocket = static_cast<std::int16_t>(oracle::PocketOf(n));
            const Settlement paid = CalcWin(settled);
            bool cleared = false;
            for (int s = 0; s < kSpotCount; ++s) {
                cleared = cleared || (state.SpotStake.at(s) > 0 && settled.SpotStake.at(s) == 0);
            }
            std::vector<TableSound> expected{TableSound::Drop};
            if (paid.SpinWin > 0) {
                expected.push_back(TableSound::Win);
            }
            if (cleared) {
                expected.push_back(TableSound::Sweep);
            }
            ASSERT_EQ(SettlementSounds(state.SpotStake, n), expected) << round << ", " << n;
        }
    }
}

TEST(TableSounds, FastAutoplaySoundsButDoesNotSpeakAndInstantIsSilent) {
    EXPECT_EQ(HeardAt(PlayPace::TableSpeed), (Hearing{true, true}));
    EXPECT_EQ(HeardAt(PlayPace::Fast), (Hearing{true, false}));
    EXPECT_EQ(HeardAt(PlayPace::Instant), (Hearing{false, false}));
    const std::tuple<TableSound, const char*> names[] = {
        {TableSound::Chip, "chip"}, {TableSound::Bet, "bet"}, {TableSound::Spin, "spin"},
        {TableSound::Drop, "drop"}, {TableSound::Win, "win"}, {TableSound::Sweep, "sweep"}};
    for (const auto& [sound, name] : names) {
        EXPECT_EQ(SoundName(sound), name);
    }
}

} // namespace
