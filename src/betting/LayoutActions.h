#pragma once

#include "betting/UpdateChip.h"
#include "table/GameState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

using SpotStakes = std::array<std::int16_t, kSpotCount>;

// What one of the actions below did, spot by spot in ascending order.
struct LayoutRun {
    std::vector<std::int16_t> changed; // spots whose new stake was accepted
    std::optional<Refusal> refusal;    // the refusal that ended the run
};

// Each of these is one action on the whole layout and does nothing while the
// ball is running. Stakes go through StakeTo, so money moves only between
// Balance and BetTotal and an overflow throws MoneyOverflow, leaving the spot
// it was meant for as it was and the spots before it changed.

// Brings every spot up to the stake it held when the last spin started; a
// spot that holds as much or more is left alone. Each new stake is tested at
// the selected table, and the first refusal ends the rebet.
LayoutRun Rebet(GameState& state, const SpotStakes& lastSpin);

// Doubles every stake, each tested at the selected table; the first refusal
// ends the double.
LayoutRun DoubleStakes(GameState& state);

// Gives every stake back to Balance, untested, as a stake taken off is.
LayoutRun ClearStakes(GameState& state);

// Brings the layout to multiple x base for the next spin of a run: first
// every spot holding more than its target gives the excess back to Balance
// untested, as clearing does; then every spot holding less is raised to its
// target in ascending order, each tested at the selected table, and the
// first refusal ends the run. A target that does not fit a stake throws
// MoneyOverflow when its spot is reached.
LayoutRun StakeToMultiple(GameState& state, const SpotStakes& base, std::int64_t multiple);
// Adds each stake of `added` to its spot, each new stake tested at the
// selected table; the first refusal ends the run.
LayoutRun AddStakes(GameState& state, const SpotStakes& added);
