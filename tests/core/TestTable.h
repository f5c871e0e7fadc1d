#pragma once

#include "FixedRandom.h"

#include "betting/Selectors.h"
#include "betting/UpdateChip.h"
#include "table/GameState.h"

#include <gtest/gtest.h>

#include <cstdint>

// A table right after start-up; the random source is never drawn from here.
inline GameState StartedTable() {
    GameState state;
    FixedRandom random;
    StartTable(state, random);
    return state;
}

// Table indexes by caption, and chip indexes by value, for readable cases.
namespace table {
enum : std::int16_t { kOne, kTwo, kFive, kTen };
} // namespace table

namespace chip {
enum : std::int16_t { k1, k2, k5, k10, k25, k100, k500, k1000 };
} // namespace chip

// Left presses with one chip at one table, as a player would build a stake;
// the test fails if any of them is refused.
inline void Stake(GameState& state, std::int16_t spot, std::int16_t tableIndex,
                  std::int16_t chipIndex, int presses = 1) {
    SelectTable(state, tableIndex);
    SelectChip(state, chipIndex);
    for (int i = 0; i < presses; ++i) {
        const auto refusal = UpdateChip(state, spot, kLeftButton);
        ASSERT_FALSE(refusal.has_value()) << "setting up spot " << spot << " was refused";
    }
}
