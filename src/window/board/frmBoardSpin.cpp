// The spin: the ball runs on tmrDelay while the table takes no input, then
// the stakes are settled.
#include "window/board/frmBoard.h"

#include "window/board/BoardControl.h"

#include "table/NumberText.h"
#include "wheel/Settlement.h"
#include "wheel/Spin.h"
#include "window/board/BoardTable.h"
#include "window/common/InputBlocker.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>

void frmBoard::ConnectSpin() {
    m_inputBlocker = new InputBlocker(this);
    connect(Control<QPushButton>(QStringLiteral("cmdSpin")), &QPushButton::clicked, this,
            &frmBoard::cmdSpin_Click);
    connect(m_tmrDelay, &QTimer::timeout, this, &frmBoard::tmrDelay_Timer);
}

// A spin with nothing on the layout is allowed and settles to a win of 0.
void frmBoard::cmdSpin_Click() {
    if (m_state.Spinning || DrillOpen()) {
        return;
    }
    m_cmbNeighb->hide();
    m_cmbNumber->hide();
    m_inputBlocker->Block();
    StartSpin(m_state, *m_random);
    BeginRound();
    m_tmrDelay->start();
    emit m_table->spinLaunched();
    emit m_table->busyChanged(true);
}

void frmBoard::tmrDelay_Timer() {
    if (!m_state.Spinning) {
        return;
    }
    const bool stopped = TickBall(m_state);
    RedrawBall();
    if (stopped) {
        StopBall();
        CalcWin();
    }
}

void frmBoard::StopBall() {
    m_tmrDelay->stop();
    m_cmbNeighb->show();
    m_cmbNumber->show();
    m_inputBlocker->Release();
    FollowTableChange();
    emit m_table->busyChanged(m_table->busy());
}

bool frmBoard::CalcWin() {
    std::optional<Settlement> settled;
    if (!RunGuarded([&] { settled = ::CalcWin(m_state); },
                    tr("This spin was not settled; the stakes stay as they were."))) {
        emit m_table->spinSettled(false, -1);
        return false;
    }
    RedrawAllSpots();
    m_cmbNumber->setEditText(QString::fromStdString(SignedForm(settled->ResultNumber)));
    RedrawTotals();
    RedrawHistory();
    EndRound(settled->ResultNumber, settled->SpinWin);
    return true;
}
