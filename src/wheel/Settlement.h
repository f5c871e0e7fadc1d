#pragma once

#include "table/GameState.h"

#include <cstdint>

struct Settlement {
    std::int16_t ResultNumber;
    std::int32_t SpinWin;
};

// Settles every stake against the number in WinPocket: winners are paid and
// stay, losers are cleared through UpdateChip, LastWin and the history are
// written. Throws MoneyOverflow with the state untouched if a sum would wrap.
Settlement CalcWin(GameState& state);
