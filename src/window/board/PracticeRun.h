#pragma once

#include "betting/StakeJournal.h"
#include "practice/DrillProgress.h"
#include "practice/DrillTask.h"
#include "table/GameState.h"
#include "window/board/frmBoard.h"

#include <QString>

#include <optional>
#include <random>

// What a drill keeps while the practice window is open; shared by the two
// files of the table's practice code only.
struct frmBoard::PracticeRun {
    GameState saved; // the layout, chip and table as the drill started
    StakeJournal journal;
    QString cover;
    QString eitherSide;
    std::mt19937 random;
    // The task on show: one of the three, by the drill.
    std::optional<PlacedBet> place;
    std::optional<NameTask> name;
    std::optional<PayTask> pay;
    bool checked = false;
    DrillProgress progress;
};
