#pragma once

#include <QObject>

#include <array>

class QAction;
class QWidget;
class Table;

// The zoom: the table, the main window round it and the windows that follow
// the table drawn larger in steps, the step kept for the next start. Not
// while the ball runs: its path keeps the size it started at.
class ZoomUnit : public QObject {
    Q_OBJECT
  public:
    explicit ZoomUnit(Table& table);

    int percent() const { return m_percent; }
    // The step kept at the last exit, once the table has started, so the
    // chips and the ball are placed as designed first.
    void Restore();
    void SetZoom(int percent);

  signals:
    // The step changed: what may be used has too.
    void stepped();

  private:
    Table& m_table;
    int m_percent = 100;
    std::array<QAction*, 3> m_actions{}; // in, out, reset
};
