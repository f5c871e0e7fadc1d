// Autoplay: real spins, one after another, with the layout brought to the
// progression's multiple of the layout it started from before each one.
// The table takes no input for the whole run; Escape or "Stop autoplay"
// ends it once the spin under way is settled.
#include "window/board/frmBoard.h"

#include "betting/LayoutActions.h"
#include "wheel/Spin.h"
#include "window/autoplay/dlgAutoplay.h"
#include "window/board/BoardTable.h"
#include "window/board/UndoStep.h"
#include "window/common/InputBlocker.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <functional>

namespace {

const QString kAutoplayText = QStringLiteral("&Autoplay...");
const QString kStopText = QStringLiteral("Stop autoplay");

// Lets Escape through to the run while the table's blocker keeps every
// other key away; it must sit in front of the blocker's filter.
class EscapeKey : public QObject {
  public:
    EscapeKey(QWidget* table, std::function<void()> pressed)
        : QObject(table), m_table(table), m_pressed(std::move(pressed)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
            return false;
        }
        const auto* widget = static_cast<QWidget*>(watched);
        const QWidget* window = m_table->window();
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
            (widget != window && !window->isAncestorOf(widget))) {
            return false;
        }
        m_pressed();
        return true;
    }

  private:
    QWidget* m_table;
    std::function<void()> m_pressed;
};

// The pause after a settled spin, so the player can read it.
int PauseAfterSpin(AutoplaySpeed speed) {
    switch (speed) {
    case AutoplaySpeed::Table:
        return 700;
    case AutoplaySpeed::Fast:
        return 175;
    case AutoplaySpeed::Instant:
        return 0;
    }
    return 0;
}

} // namespace

void frmBoard::CreateAutoplay() {
    m_actAutoplay = new QAction(kAutoplayText, this);
    // No key of its own (Escape stops a run), so it need not be one of the
    // table's keyboard actions; the main window lists it by name.
    m_actAutoplay->setObjectName(QStringLiteral("actAutoplay"));
    connect(m_actAutoplay, &QAction::triggered, this, &frmBoard::actAutoplay_Triggered);
    m_tmrAutoplay = new QTimer(this);
    m_tmrAutoplay->setObjectName(QStringLiteral("tmrAutoplay"));
    m_tmrAutoplay->setSingleShot(true);
    connect(m_tmrAutoplay, &QTimer::timeout, this, &frmBoard::NextAutoplaySpin);
    m_autoplayKeys = new EscapeKey(this, [this] {
        if (m_autoplay) {
            actAutoplay_Triggered();
        }
    });
    UpdateAutoplayAction();
}

bool frmBoard::AutoplayAllowed() const {
    return TableIdle() && !DrillOpen();
}

// While a run is under way the action is its stop.
void frmBoard::UpdateAutoplayAction() {
    if (!m_actAutoplay) {
        return;
    }
    m_actAutoplay->setText(m_autoplay ? kStopText : kAutoplayText);
}

void frmBoard::actAutoplay_Triggered() {
    if (m_autoplay) {
        m_autoplay->RequestStop();
        if (!m_autoplay->running()) {
            EndAutoplay();
        }
        return;
    }
    if (!AutoplayAllowed()) {
        return;
    }
    if (!HasStakes(m_state.SpotStake)) {
        ShowMessage(QStringLiteral("Place a bet on the layout before starting autoplay."));
        return;
    }
    dlgAutoplay dialog(this, m_autoplaySettings, m_autoplaySpeed);
    if (dialog.exec() == QDialog::Accepted) {
        StartAutoplay(dialog.settings(), dialog.speed());
    }
}

void frmBoard::StartAutoplay(const AutoplaySettings& settings, AutoplaySpeed speed) {
    m_autoplaySettings = settings;
    m_autoplaySpeed = speed;
    m_autoplay.emplace(settings, m_state.SpotStake);
    m_lastAutoplayEnd.reset();
    m_tmrDelay->setInterval(speed == AutoplaySpeed::Fast ? kTickMilliseconds / 4
                                                         : kTickMilliseconds);
    m_tmrAutoplay->setInterval(PauseAfterSpin(speed));
    BlockForAutoplay();
    m_table->setHeld(true);
    NextAutoplaySpin();
}

// The layout is brought to the multiple unblocked, so that a refusal or an
// overflow can show its box; nothing else runs until it is blocked again.
void frmBoard::NextAutoplaySpin() {
    if (!m_autoplay || !m_autoplay->running()) {
        EndAutoplay();
        return;
    }
    m_inputBlocker->Release();
    LayoutRun run;
    {
        const UndoStep step(*this);
        if (!RunGuarded(
                [&] {
                    run = StakeToMultiple(m_state, m_autoplay->base(), m_autoplay->Multiplier());
                },
                QStringLiteral("Autoplay stopped before this spin."))) {
            m_autoplay->End(AutoplayEnd::Overflow);
        }
    }
    RedrawAllSpots();
    RedrawTotals();
    if (run.refusal) {
        m_autoplay->End(AutoplayEnd::Refused);
        EndAutoplay();
        ShowMessage(QString::fromStdString(RefusalText(*run.refusal)));
        return;
    }
    if (!m_autoplay->running()) {
        EndAutoplay();
        return;
    }
    BlockForAutoplay();
    emit autoplayStatus(QString::fromStdString(m_autoplay->StatusText()));
    m_autoplay->BeforeSpin(std::int64_t{m_state.Balance} + m_state.BetTotal);
    cmdSpin_Click();
    // The same ticks as an animated spin, so the ball ends where it would.
    while (m_autoplaySpeed == AutoplaySpeed::Instant && m_state.Spinning) {
        tmrDelay_Timer();
    }
}

// Called after every settlement; a spin played by hand is no business of autoplay.
void frmBoard::AutoplaySettled(bool settled) {
    if (!m_autoplay) {
        return;
    }
    if (!settled) {
        m_autoplay->End(AutoplayEnd::Overflow);
    }
    m_autoplay->AfterSpin(m_state.Balance, m_state.BetTotal, m_state.LastWin.value_or(0));
    if (!m_autoplay->running()) {
        EndAutoplay();
        return;
    }
    BlockForAutoplay();
    FollowTableChange();
    m_tmrAutoplay->start();
}

// The blocker's filter goes in anew at every block, so Escape's follows it.
void frmBoard::BlockForAutoplay() {
    m_inputBlocker->Block();
    qApp->installEventFilter(m_autoplayKeys);
}

void frmBoard::EndAutoplay() {
    m_tmrAutoplay->stop();
    qApp->removeEventFilter(m_autoplayKeys);
    if (!m_state.Spinning) {
        m_inputBlocker->Release();
    }
    m_tmrDelay->setInterval(kTickMilliseconds);
    if (m_autoplay) {
        m_lastAutoplayEnd = m_autoplay->end();
    }
    m_autoplay.reset();
    emit autoplayStatus(QString());
    m_table->setHeld(false);
}
