#include "betting/Selectors.h"

void SelectChip(GameState& state, std::int16_t index) {
    if (index >= 0 && index < kChipCount) {
        state.ChipIndex = index;
    }
}

void SelectTable(GameState& state, std::int16_t index) {
    if (index >= 0 && index < kTableCount) {
        state.TableIndex = index;
    }
}
