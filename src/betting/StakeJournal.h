#pragma once

#include "table/GameState.h"

#include <array>
#include <cstdint>
#include <vector>

// What one action on the layout can change: the stakes, the chip each marker
// shows, the two totals and whether their boxes have been written yet. The
// chip and table in the player's hand are not part of it.
struct StakeSnapshot {
    std::array<std::int16_t, kSpotCount> stakes{};
    std::array<std::int16_t, kSpotCount> chips{};
    std::int32_t balance = 0;
    std::int32_t betTotal = 0;
    bool totalsShown = false;
    bool operator==(const StakeSnapshot&) const = default;
};

StakeSnapshot TakeSnapshot(const GameState& state);

// The actions of one betting round, newest last, each kept as the layout
// before it. Emptied when a spin starts, so undo never reaches across one.
class StakeJournal {
  public:
    // Keeps `before` as one step if the action changed the layout; a refused
    // press, or one that moved nothing, leaves nothing to undo.
    void Record(const StakeSnapshot& before, const GameState& after);

    // Puts the layout back as it was before the newest step. Money only moves
    // between Balance and BetTotal, since every step did the same. False, and
    // nothing done, when there is no step or the ball is running.
    bool Undo(GameState& state);

    bool CanUndo() const { return !m_steps.empty(); }
    void Clear() { m_steps.clear(); }

  private:
    std::vector<StakeSnapshot> m_steps;
};
