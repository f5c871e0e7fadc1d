// A full spin through the real window: when tmrDelay's ticks arrive against
// their 24 ms, how long each tick's own work takes (the handler, then the
// repaint it causes) and how long a spin lasts against ticks x 24 ms. The
// layout is full before each spin, so the stopping tick settles every spot.
//   velmora_spin_bench [spins]        (platform from QT_QPA_PLATFORM / DISPLAY)
#include "Clock.h"
#include "Platform.h"
#include "Stats.h"

#include "betting/Selectors.h"
#include "betting/UpdateChip.h"
#include "wheel/Spin.h"
#include "window/board/frmBoard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMetaEnum>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Tick {
    std::int64_t start = 0;
    double handlerMs = 0.0; // tmrDelay_Timer as the timer delivers it
    double afterMs = 0.0;   // every other event handled before the next tick: the repaint
    double paintMs = 0.0;   // of which paint events of any widget
    double wheelMs = 0.0;   // of which painting the wheel picture
    double slowestMs = 0.0; // the slowest of those other events, and its type
    QEvent::Type slowest = QEvent::None;
};

// Times every event delivery; a tick is the timer's event to tmrDelay, and
// the outermost events up to the next tick are charged to it.
class TickClock : public QApplication {
  public:
    using QApplication::QApplication;

    void watch(QObject* timer, QObject* wheel) {
        m_timer = timer;
        m_wheel = wheel;
    }
    std::vector<Tick>& ticks() { return m_ticks; }
    void closeTick() { m_open = false; }

    bool notify(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool outer = m_depth == 0;
        const std::int64_t start = MonotonicNanoseconds();
        ++m_depth;
        const bool result = QApplication::notify(receiver, event);
        --m_depth;
        const double ms = static_cast<double>(MonotonicNanoseconds() - start) / 1e6;
        if (receiver == m_timer && type == QEvent::Timer) {
            m_ticks.push_back({start, ms, 0.0, 0.0, 0.0, 0.0, QEvent::None});
            m_open = true;
        } else if (m_open && type == QEvent::Paint) {
            // Widgets are painted one after another, never inside each other.
            m_ticks.back().paintMs += ms;
            m_ticks.back().wheelMs += receiver == m_wheel ? ms : 0.0;
        } else if (m_open && outer) {
            Tick& tick = m_ticks.back();
            tick.afterMs += ms;
            if (ms > tick.slowestMs) {
                tick.slowestMs = ms;
                tick.slowest = type;
            }
        }
        return result;
    }

  private:
    QObject* m_timer = nullptr;
    QObject* m_wheel = nullptr;
    std::vector<Tick> m_ticks;
    bool m_open = false;
    int m_depth = 0;
};

// A chip of 5 on every empty spot at the $1 table, straight into the rules.
void FillLayout(frmBoard& board) {
    GameState& state = board.stateForTest();
    SelectTable(state, 0);
    SelectChip(state, 2);
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (state.SpotStake.at(spot) == 0) {
            UpdateChip(state, spot, kLeftButton);
        }
    }
    board.RedrawAllSpots();
    board.RedrawTotals();
    board.RedrawSelectors();
}

void Settle(QApplication& app, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        app.processEvents(QEventLoop::AllEvents, 10);
    }
}

struct Summary {
    std::vector<double> intervals, handler, after, paint, wheel, work, stopWork, durationRatio;
    int ticks = 0;
    Tick worst; // the ordinary tick with the most work
};

void Print(const char* what, const std::vector<double>& values, const char* target) {
    std::printf("  %-34s %8.3f %8.3f %8.3f   %s\n", what, Mean(values), Percentile(values, 99),
                Max(values), target);
}

} // namespace

int main(int argc, char* argv[]) {
    const int spins = argc > 1 ? std::atoi(argv[1]) : 10;
    TickClock app(argc, argv);
    frmBoard board;
    auto* timer = board.findChild<QTimer*>(QStringLiteral("tmrDelay"));
    auto* wheel = board.findChild<QWidget*>(QStringLiteral("imgWheel"));
    auto* spin = board.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
    if (!timer || !wheel || !spin) {
        std::fprintf(stderr, "controls not found\n");
        return 1;
    }
    app.watch(timer, wheel);
    board.show();
    Settle(app, 300);

    Summary summary;
    for (int s = 0; s < spins; ++s) {
        FillLayout(board);
        Settle(app, 50);
        app.ticks().clear();
        const std::int64_t clicked = MonotonicNanoseconds();
        spin->click();
        while (board.state().Spinning) {
            app.processEvents(QEventLoop::WaitForMoreEvents);
        }
        Settle(app, 30); // the repaint after the stopping tick
        app.closeTick();
        std::vector<Tick>& ticks = app.ticks();
        const auto count = static_cast<int>(ticks.size());
        summary.ticks += count;
        const double duration = static_cast<double>(ticks.back().start - clicked) / 1e6;
        summary.durationRatio.push_back(duration / (count * kTickMilliseconds));
        for (int i = 0; i < count; ++i) {
            const Tick& tick = ticks[static_cast<std::size_t>(i)];
            const std::int64_t previous = i == 0 ? clicked : ticks[i - 1].start;
            summary.intervals.push_back(static_cast<double>(tick.start - previous) / 1e6);
            if (i + 1 == count) {
                summary.stopWork.push_back(tick.handlerMs + tick.afterMs);
                continue;
            }
            summary.handler.push_back(tick.handlerMs);
            summary.after.push_back(tick.afterMs);
            summary.paint.push_back(tick.paintMs);
            summary.wheel.push_back(tick.wheelMs);
            summary.work.push_back(tick.handlerMs + tick.afterMs);
            if (tick.handlerMs + tick.afterMs > summary.worst.handlerMs + summary.worst.afterMs) {
                summary.worst = tick;
            }
        }
    }

    std::printf("Spin animation, platform %s, %d spins, %d ticks\n", Platform(), spins,
                summary.ticks);
    std::printf("  %-34s %8s %8s %8s\n", "ms", "mean", "p99", "max");
    Print("tick interval", summary.intervals, "(target p99 <= 26)");
    Print("tick handler (tmrDelay_Timer)", summary.handler, "");
    Print("repaint after the tick", summary.after, "");
    Print("  of which widgets' paint events", summary.paint, "");
    Print("  of which the wheel's paint", summary.wheel, "");
    Print("tick's own work (handler+repaint)", summary.work, "(target < 0.5)");
    Print("stopping tick, settles full layout", summary.stopWork, "");
    std::printf("  worst ordinary tick: handler %.3f ms, then %.3f ms, most in one %s event\n",
                summary.worst.handlerMs, summary.worst.afterMs,
                QMetaEnum::fromType<QEvent::Type>().valueToKey(summary.worst.slowest));
    std::printf(
        "  spin duration / (ticks x 24 ms): mean %.4f, worst %.4f (target within 1%%)\n",
        Mean(summary.durationRatio),
        *std::max_element(summary.durationRatio.begin(), summary.durationRatio.end(),
                          [](double a, double b) { return std::abs(a - 1) < std::abs(b - 1); }));
    return 0;
}
