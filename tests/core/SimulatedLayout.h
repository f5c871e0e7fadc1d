#pragma once

#include "TestTable.h"

#include "strategy/LayoutReturn.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>

// A whole layout of stakes, as the simulator takes it.
using Stakes = std::array<std::int16_t, kSpotCount>;

inline Stakes LayoutOf(std::initializer_list<std::pair<int, std::int16_t>> spots) {
    Stakes stakes{};
    for (const auto& [spot, stake] : spots) {
        stakes.at(spot) = stake;
    }
    return stakes;
}

inline LayoutReturn ReturnOf(const Stakes& stakes, std::int16_t table = table::kFive) {
    const GameState state = StartedTable();
    return LayoutReturn(state.catalogue, state.limits, table, stakes);
}

// True when the table takes the layout scaled by m, staked through its funnel.
inline bool StakeLayout(GameState& state, const Stakes& stakes, std::int64_t m) {
    for (std::int16_t s = 0; s < kSpotCount; ++s) {
        const std::int64_t stake = m * stakes.at(s);
        if (stake > 32767 || (stake > 0 && StakeTo(state, s, static_cast<std::int16_t>(stake)))) {
            return false;
        }
    }
    return true;
}
