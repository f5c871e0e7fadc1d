#pragma once

#include "strategy/Progression.h"

#include <cstdint>
#include <optional>

// Why an autoplay run ended.
enum class AutoplayEnd {
    SpinsDone,     // every spin asked for was played
    BalanceBelow,  // the Balance box fell to or below its floor
    BalanceAbove,  // the Balance box rose to or above its ceiling
    LastWinAbove,  // one spin's Last Win reached its mark
    SpinWon,       // a spin was won and the player asked to stop on a win
    Refused,       // a stake of the next layout was refused by the table
    Overflow,      // money would have gone out of range
    PlayerStopped, // Escape or "Stop autoplay"
    EmptyLayout,   // nothing to play: never started
};

// The rules the player ticked; an unticked rule is empty (or false).
struct StopRules {
    std::optional<std::int32_t> balanceAtOrBelow;
    std::optional<std::int32_t> balanceAtOrAbove;
    std::optional<std::int32_t> lastWinAtOrAbove;
    bool onWin = false;
};

// What the rules read after a spin is settled.
struct SettledSpin {
    std::int32_t balance; // the Balance box
    std::int32_t lastWin; // the spin's Last Win
    SpinOutcome outcome;
};

// The first rule, in the order of StopRules, that the settled spin meets.
std::optional<AutoplayEnd> StopRuleMet(const StopRules& rules, const SettledSpin& spin);
