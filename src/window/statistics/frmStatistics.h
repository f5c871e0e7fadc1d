#pragma once

#include <QWidget>

class QLabel;
class SessionStatistics;

// The session's statistics in a window of their own beside the table: the
// numbers that came, the groups against their expected shares, the money
// and the Balance after every spin as a line chart. It never blocks the
// table and does not keep the program running once the table is closed.
class frmStatistics : public QWidget {
    Q_OBJECT
  public:
    explicit frmStatistics(QWidget* owner);

    // Redraws everything from the statistics alone.
    void ShowSession(const SessionStatistics& statistics);

  private:
    QWidget* CreateChart();

    QLabel* m_lblSummary = nullptr;
    QLabel* m_lblGroups = nullptr;
    QLabel* m_lblNumbers = nullptr;
    QWidget* m_chart = nullptr;
};
