#pragma once

#include "table/RandomSource.h"

#include <QMainWindow>

#include <memory>

class frmBoard;

// The program's window: the table, unchanged and at its fixed size, with a
// menu bar above it that lists the table's actions.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // A null random source means one seeded from the clock.
    explicit MainWindow(std::unique_ptr<RandomSource> random = nullptr);

    frmBoard* board() const { return m_board; }

  private:
    frmBoard* m_board;
};
