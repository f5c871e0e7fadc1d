#include "window/statistics/StatisticsUnit.h"

#include "window/common/Table.h"
#include "window/common/WindowPlaces.h"
#include "window/statistics/frmStatistics.h"

StatisticsUnit::StatisticsUnit(Table& table) : QObject(&table), m_table(table) {
    setObjectName(QStringLiteral("statisticsUnit"));
    connect(&table, &Table::spinSettled, this, [this] {
        if (m_window) {
            m_window->ShowSession(m_table.statistics());
        }
    });
}

void StatisticsUnit::Show() {
    if (m_table.state().Spinning) {
        return;
    }
    if (!m_window) {
        QWidget* owner = m_table.owner();
        m_window = new frmStatistics(owner);
        WindowPlaces::PlaceBeside(m_window, owner->window(),
                                  owner->window()->frameGeometry().top());
        WindowPlaces::Track(m_window, m_window->objectName());
    }
    m_window->ShowSession(m_table.statistics());
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

frmStatistics* StatisticsUnit::window() const {
    return m_window;
}
