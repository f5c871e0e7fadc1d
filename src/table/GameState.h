#pragma once

#include "table/Catalogue.h"
#include "table/Limits.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class RandomSource;

enum class HistoryColour { None, Red, Yellow, Green };

struct HistoryEntry {
    std::string text; // blanks included: they set the number's place in the column
    HistoryColour colour = HistoryColour::None;
    bool operator==(const HistoryEntry&) const = default;
};

// Everything the table remembers. The window owns one and draws from it;
// the rules in betting/ and wheel/ change it.
struct GameState {
    Catalogue catalogue; // constant after start-up
    TableLimits limits;  // constant after start-up

    std::array<std::int16_t, kSpotCount> SpotStake{};
    // The chip whose picture a spot's marker shows: the one selected at the
    // spot's latest accepted change, not a chip of the stake's own value.
    std::array<std::int16_t, kSpotCount> SpotChip{};
    std::int16_t ChipIndex = 2;
    std::int16_t TableIndex = 2;
    bool BetAccepted = true;
    std::int32_t Balance = 0;
    std::int32_t BetTotal = 0;

    // The result boxes stay empty until first written.
    bool TotalsShown = false;                              // "Bet" and "Balance"
    std::optional<std::int32_t> LastWin;                   // "Last Win"
    std::array<HistoryEntry, kHistoryCount> LastNumbers{}; // 0 is the newest

    float BallRadius = 1300.0F;
    std::int16_t BallPocket = 0;
    std::int16_t BallDirection = 1;
    std::int16_t WinPocket = 0;
    std::int16_t LapCount = 0;
    bool Spinning = false;
    // Top-left of the ball in twips of the window's client area.
    float BallLeft = 6120.0F;
    float BallTop = 3120.0F;
    bool BallShown = false;
};

// Start-up up to, not including, the resting ball: totals cleared, the random
// source seeded, the constant tables filled, all stakes 0, chip "$5" and
// table "$5" selected, the ball's next run clockwise.
void StartTable(GameState& state, RandomSource& random);

// Sum of all stakes; what BetTotal must equal whenever the table is idle.
std::int32_t StakeSum(const GameState& state);
