#pragma once

#include <QObject>
#include <QPointer>

class Table;
class frmStatistics;

// The session's statistics in a window of their own, beside the table,
// kept up to date as each spin is settled.
class StatisticsUnit : public QObject {
    Q_OBJECT
  public:
    explicit StatisticsUnit(Table& table);

    // Built the first time it is asked for (start-up builds no chart), then
    // shown and raised; nothing while the ball runs.
    void Show();
    frmStatistics* window() const;

  private:
    Table& m_table;
    QPointer<frmStatistics> m_window;
};
