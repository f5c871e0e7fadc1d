#pragma once

#include "table/GameState.h"

#include <cstdint>

// The chip in the player's hand and the table played. Neither touches the
// stakes already on the layout; an index out of range is ignored.
void SelectChip(GameState& state, std::int16_t index);
void SelectTable(GameState& state, std::int16_t index);
