#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class Table;
class frmStrategy;

// The strategy tester, opened from the table with the stakes lying on it.
class StrategyUnit : public QObject {
    Q_OBJECT
  public:
    explicit StrategyUnit(Table& table);

    QAction* action() const { return m_action; }
    frmStrategy* window() const;

  private:
    void Open();

    Table& m_table;
    QAction* m_action;
    QPointer<frmStrategy> m_window; // built on first use
};
