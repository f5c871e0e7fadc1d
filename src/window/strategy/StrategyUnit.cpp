#include "window/strategy/StrategyUnit.h"

#include "window/common/Table.h"
#include "window/common/WindowPlaces.h"
#include "window/strategy/frmStrategy.h"

#include <QAction>

#include <algorithm>

// No key, so it stays off the table's own action list; the menu finds it by name.
StrategyUnit::StrategyUnit(Table& table)
    : QObject(&table), m_table(table), m_action(new QAction(tr("Strategy &tester"), this)) {
    setObjectName(QStringLiteral("strategyUnit"));
    m_action->setObjectName(QStringLiteral("actStrategy"));
    connect(m_action, &QAction::triggered, this, &StrategyUnit::Open);
}

// Each opening takes the layout and table as they are now.
void StrategyUnit::Open() {
    const GameState& state = m_table.state();
    if (state.Spinning) {
        return;
    }
    const bool empty = std::all_of(state.SpotStake.begin(), state.SpotStake.end(),
                                   [](std::int16_t stake) { return stake <= 0; });
    if (empty) {
        m_table.ShowMessage(tr("Place some chips first: the tester plays the stakes "
                               "lying on the table."));
        return;
    }
    if (!m_window) {
        QWidget* owner = m_table.owner();
        m_window = new frmStrategy(owner);
        m_window->move(owner->window()->frameGeometry().topLeft() + QPoint(40, 40));
        WindowPlaces::Track(m_window, m_window->objectName());
    }
    m_window->SetBase(state);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

frmStrategy* StrategyUnit::window() const {
    return m_window;
}
