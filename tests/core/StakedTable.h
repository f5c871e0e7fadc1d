#pragma once

#include "TestTable.h"

#include "betting/LayoutActions.h"

#include <map>

// Stakes by spot, for cases that name only the spots they stake.
using Stakes = std::map<std::int16_t, std::int16_t>;

inline SpotStakes Layout(const Stakes& stakes) {
    SpotStakes layout{};
    for (const auto& [spot, stake] : stakes) {
        layout.at(spot) = stake;
    }
    return layout;
}

// A fresh table at `tableIndex` with `before` on the layout, each stake drawn
// with the $1 chip and paid from a Balance that started at `balance`.
inline GameState TableWith(const Stakes& before, std::int16_t tableIndex,
                           std::int32_t balance = 0) {
    GameState state = StartedTable();
    state.SpotStake = Layout(before);
    state.BetTotal = StakeSum(state);
    state.Balance = balance - state.BetTotal;
    SelectTable(state, tableIndex);
    return state;
}

// A spot raised above its stake `before` shows the chip in hand; the others
// keep the $1 marker.
inline void ExpectMarkers(const GameState& state, const Stakes& before, const Stakes& after,
                          std::int16_t chipInHand) {
    for (const auto& [s, stake] : after) {
        const bool raised = stake > (before.count(s) ? before.at(s) : 0);
        EXPECT_EQ(state.SpotChip.at(s), raised ? chipInHand : std::int16_t{chip::k1})
            << "spot " << s;
    }
}
