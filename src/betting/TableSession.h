#pragma once

#include "betting/LayoutActions.h"
#include "betting/StakeJournal.h"
#include "table/GameState.h"
#include "table/SessionStatistics.h"

#include <cstdint>

// What the table remembers of the session beyond the current layout: the
// steps of this betting round, the stakes of the last spin and the spins.
struct TableSession {
    StakeJournal journal;
    SpotStakes lastSpin{};        // the stakes as the last spin started
    std::int32_t spinStaked = 0;  // BetTotal as the running spin started
    SessionStatistics statistics; // this run's spins, nothing saved
};

// The ball is sent off: the round can no longer be undone, and its stakes
// are what the next rebet brings back.
void BeginSpin(TableSession& session, const GameState& state);

// The spin was settled on `number` with `spinWin` won.
void EndSpin(TableSession& session, const GameState& state, std::int16_t number,
             std::int32_t spinWin);
