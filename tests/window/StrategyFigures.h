#pragma once

#include "table/GameState.h"

#include <QStringList>

// The tester's inputs, kept apart from the simulator's header: that one and
// the table window's cannot meet in one file (two types named SpinOutcome).
// `progression` is the index in the progression list.
struct TesterInputs {
    int sessions, spins, bankroll, target, progression, seed;
};

// The core's own figures for the table's layout, as the tester words them:
// staked, actual loss, broke share, worst fall.
QStringList CoreFigures(const GameState& table, const TesterInputs& inputs);
