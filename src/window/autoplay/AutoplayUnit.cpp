#include "window/autoplay/AutoplayUnit.h"

#include "wheel/Spin.h"
#include "window/autoplay/dlgAutoplay.h"
#include "window/common/Table.h"
#include "window/common/TableTexts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

QString AutoplayText() {
    return AutoplayUnit::tr("&Autoplay...");
}
QString StopText() {
    return AutoplayUnit::tr("Stop autoplay");
}

// Lets Escape through to the run while the table's blocker keeps every
// other key away; it must sit in front of the blocker's filter.
class EscapeKey : public QObject {
  public:
    EscapeKey(QObject* parent, const QWidget* table, std::function<void()> pressed)
        : QObject(parent), m_table(table), m_pressed(std::move(pressed)) {}

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
    const QWidget* m_table;
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

// No key of its own (Escape stops a run), so it need not be one of the
// table's keyboard actions; the main window lists it by name.
AutoplayUnit::AutoplayUnit(Table& table)
    : QObject(&table), m_table(table), m_action(new QAction(AutoplayText(), this)),
      m_pause(new QTimer(this)) {
    setObjectName(QStringLiteral("autoplayUnit"));
    m_action->setObjectName(QStringLiteral("actAutoplay"));
    connect(m_action, &QAction::triggered, this, &AutoplayUnit::Triggered);
    m_pause->setObjectName(QStringLiteral("tmrAutoplay"));
    m_pause->setSingleShot(true);
    connect(m_pause, &QTimer::timeout, this, &AutoplayUnit::NextSpin);
    m_escape = new EscapeKey(this, table.owner(), [this] {
        if (m_run) {
            Triggered();
        }
    });
    connect(&table, &Table::spinSettled, this, [this](bool settled) { Settled(settled); });
}

// While a run is under way the action is its stop.
void AutoplayUnit::Triggered() {
    if (m_run) {
        m_run->RequestStop();
        if (!m_run->running()) {
            End();
        }
        return;
    }
    if (m_table.busy() || m_table.layoutAside()) {
        return;
    }
    if (!HasStakes(m_table.state().SpotStake)) {
        m_table.ShowMessage(tr("Place a bet on the layout before starting autoplay."));
        return;
    }
    dlgAutoplay dialog(m_table.owner(), m_settings, m_speed);
    if (dialog.exec() == QDialog::Accepted) {
        Start(dialog.settings(), dialog.speed());
    }
}

void AutoplayUnit::Start(const AutoplaySettings& settings, AutoplaySpeed speed) {
    m_settings = settings;
    m_speed = speed;
    m_run.emplace(settings, m_table.state().SpotStake);
    m_lastEnd.reset();
    m_table.SetBallTick(speed == AutoplaySpeed::Fast ? kTickMilliseconds / 4 : kTickMilliseconds);
    m_pause->setInterval(PauseAfterSpin(speed));
    m_action->setText(StopText());
    Block();
    m_table.setHeld(true);
    NextSpin();
}

// The layout is brought to the multiple unblocked, so that a refusal or an
// overflow can show its box; nothing else runs until it is blocked again.
void AutoplayUnit::NextSpin() {
    if (!m_run || !m_run->running()) {
        End();
        return;
    }
    m_table.blockInput(false);
    const Table::Staked staked = m_table.StakeToMultiple(m_run->base(), m_run->Multiplier(),
                                                         tr("Autoplay stopped before this spin."));
    if (staked.overflow) {
        m_run->End(AutoplayEnd::Overflow);
    }
    if (staked.refusal) {
        m_run->End(AutoplayEnd::Refused);
        End();
        m_table.ShowMessage(RefusalMessage(*staked.refusal));
        return;
    }
    if (!m_run->running()) {
        End();
        return;
    }
    Block();
    emit status(TableText(m_run->StatusText()));
    const GameState& state = m_table.state();
    m_run->BeforeSpin(std::int64_t{state.Balance} + state.BetTotal);
    m_table.Spin();
    // The same ticks as an animated spin, so the ball ends where it would.
    while (m_speed == AutoplaySpeed::Instant && m_table.state().Spinning) {
        m_table.StepBall();
    }
}

void AutoplayUnit::Settled(bool settled) {
    if (!m_run) {
        return;
    }
    if (!settled) {
        m_run->End(AutoplayEnd::Overflow);
    }
    const GameState& state = m_table.state();
    m_run->AfterSpin(state.Balance, state.BetTotal, state.LastWin.value_or(0));
    if (!m_run->running()) {
        End();
        return;
    }
    Block();
    m_table.setHeld(true);
    m_pause->start();
}

// The blocker's filter goes in anew at every block, so Escape's follows it.
void AutoplayUnit::Block() {
    m_table.blockInput(true);
    qApp->installEventFilter(m_escape);
}

void AutoplayUnit::End() {
    m_pause->stop();
    qApp->removeEventFilter(m_escape);
    if (!m_table.state().Spinning) {
        m_table.blockInput(false);
    }
    m_table.SetBallTick(kTickMilliseconds);
    if (m_run) {
        m_lastEnd = m_run->end();
    }
    m_run.reset();
    m_action->setText(AutoplayText());
    emit status(QString());
    m_table.setHeld(false);
}

PlayPace AutoplayUnit::pace() const {
    if (!running()) {
        return PlayPace::TableSpeed;
    }
    switch (m_speed) {
    case AutoplaySpeed::Fast:
        return PlayPace::Fast;
    case AutoplaySpeed::Instant:
        return PlayPace::Instant;
    default:
        return PlayPace::TableSpeed;
    }
}
