#pragma once

#include "table/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

// Mouse-button codes as the press handlers receive them; 0 is settlement's.
inline constexpr std::int16_t kNoButton = 0;
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

enum class RefusalKind { Multiple, Maximum, Minimum };

// Why a stake was refused, and the table's limit that it broke.
struct Refusal {
    RefusalKind kind;
    std::int16_t limit;
    bool operator==(const Refusal&) const = default;
};

// The message box text, e.g. "Minimum bet allowed is  5" (two blanks).
std::string RefusalText(const Refusal& refusal);

// How the table tests a new stake of 1 or more on a spot: the multiple, then
// the maximum, then the minimum. UpdateChip's test, open to the simulator.
std::optional<Refusal> TestStake(const TableLimits& limits, std::int16_t table, std::int16_t spot,
                                 std::int16_t stake);

// The one funnel for every change of a stake. Button 1 adds the selected
// chip, 2 takes its value off, anything else changes nothing but re-tests the
// stake. A new stake of 0 or less clears the spot untested. Leaves the outcome
// in BetAccepted; on a refusal nothing else changes. Throws MoneyOverflow,
// leaving the state untouched, if Balance or BetTotal would wrap.
// Precondition: 0 <= iCount < kSpotCount.
std::optional<Refusal> UpdateChip(GameState& state, std::int16_t iCount, std::int16_t iButton);

// The same funnel for a stake given outright rather than by a chip: the new
// stake is tested exactly as UpdateChip tests it (0 or less clears untested),
// the marker takes the selected chip, and only the difference moves between
// Balance and BetTotal. For rebet, double and clear.
std::optional<Refusal> StakeTo(GameState& state, std::int16_t iCount, std::int16_t stake);

// How a spot's stake label looks: drawn from the stake and from the chip that
// was selected at the spot's latest accepted change.
struct StakeLabel {
    std::string text; // plain form
    int pointSize;    // 6 up to three characters, 5 from four
    bool white;       // white for chips 2, 3 and 5, black otherwise
    bool operator==(const StakeLabel&) const = default;
};
StakeLabel FormatValue(const GameState& state, std::int16_t iCount);

// A marker and its label are shown exactly while the spot holds a stake.
inline bool SpotShown(const GameState& state, std::int16_t spot) {
    return state.SpotStake.at(spot) > 0;
}
