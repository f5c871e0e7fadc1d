#include "betting/TableSession.h"

void BeginSpin(TableSession& session, const GameState& state) {
    session.journal.Clear();
    session.lastSpin = state.SpotStake;
    session.spinStaked = state.BetTotal;
}

// After settlement BetTotal holds exactly the winning stakes.
void EndSpin(TableSession& session, const GameState& state, std::int16_t number,
             std::int32_t spinWin) {
    session.statistics.Record({number, session.spinStaked, spinWin, state.BetTotal, state.Balance});
}
