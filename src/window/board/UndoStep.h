#pragma once

#include "window/board/frmBoard.h"

// Journals one action on the layout: the layout as it was when the action
// began is kept for undo if the action changed it, on every way out of the
// handler (a refusal that ended an announced press, an overflow) alike.
class frmBoard::UndoStep {
  public:
    explicit UndoStep(frmBoard& board) : m_board(board), m_before(TakeSnapshot(board.m_state)) {}
    ~UndoStep() { m_board.JournalStep(m_before); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

  private:
    frmBoard& m_board;
    StakeSnapshot m_before;
};
