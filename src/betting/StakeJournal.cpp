#include "betting/StakeJournal.h"

namespace {

// Writing the boxes for the first time is no change of stakes: a right press
// on an empty spot does only that, and leaves nothing to undo.
bool SameLayout(const StakeSnapshot& a, const StakeSnapshot& b) {
    return a.stakes == b.stakes && a.chips == b.chips && a.balance == b.balance &&
           a.betTotal == b.betTotal;
}

} // namespace

StakeSnapshot TakeSnapshot(const GameState& state) {
    return {state.SpotStake, state.SpotChip, state.Balance, state.BetTotal, state.TotalsShown};
}

void StakeJournal::Record(const StakeSnapshot& before, const GameState& after) {
    if (!SameLayout(before, TakeSnapshot(after))) {
        m_steps.push_back(before);
    }
}

bool StakeJournal::Undo(GameState& state) {
    if (m_steps.empty() || state.Spinning) {
        return false;
    }
    const StakeSnapshot& step = m_steps.back();
    state.SpotStake = step.stakes;
    state.SpotChip = step.chips;
    state.Balance = step.balance;
    state.BetTotal = step.betTotal;
    state.TotalsShown = step.totalsShown;
    m_steps.pop_back();
    return true;
}
