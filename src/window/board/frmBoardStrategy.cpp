// The strategy tester: opened from the table with the stakes lying on it.
#include "window/board/frmBoard.h"

#include "window/common/WindowPlaces.h"
#include "window/strategy/frmStrategy.h"

#include <QAction>
#include <QMessageBox>

#include <algorithm>

void frmBoard::CreateStrategyAction() {
    m_actStrategy = new QAction(QStringLiteral("Strategy &tester"), this);
    m_actStrategy->setObjectName(QStringLiteral("actStrategy"));
    // No key, so it stays off the table's own action list; the menu finds it by name.
    connect(m_actStrategy, &QAction::triggered, this, &frmBoard::actStrategy_Triggered);
}

// Built on first use; each opening takes the layout and table as they are now.
void frmBoard::actStrategy_Triggered() {
    if (m_state.Spinning) {
        return;
    }
    const bool empty = std::all_of(m_state.SpotStake.begin(), m_state.SpotStake.end(),
                                   [](std::int16_t stake) { return stake <= 0; });
    if (empty) {
        ShowMessage(QStringLiteral("Place some chips first: the tester plays the stakes lying "
                                   "on the table."));
        return;
    }
    if (!m_frmStrategy) {
        m_frmStrategy = new frmStrategy(this);
        m_frmStrategy->move(window()->frameGeometry().topLeft() + QPoint(40, 40));
        WindowPlaces::Track(m_frmStrategy, m_frmStrategy->objectName());
    }
    m_frmStrategy->SetBase(m_state);
    m_frmStrategy->show();
    m_frmStrategy->raise();
    m_frmStrategy->activateWindow();
}
