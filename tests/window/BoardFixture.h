#pragma once

#include "window/board/frmBoard.h"

#include "core/FixedRandom.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <map>
#include <memory>
#include <ostream>

// Readable failure messages for names and captions.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Twips of the layout to logical pixels, each rounded.
inline QRect PxRect(int left, int top, int width, int height) {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return {px(left), px(top), px(width), px(height)};
}

inline QAction* ActionOf(const frmBoard& b, const char* name) {
    return b.findChild<QAction*>(QLatin1String(name));
}

// A file written as a hand or a crash left it, its folder made first.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// By the actions, as the player steps: from wherever it is down to 100 %, then up.
inline void ZoomTo(frmBoard& b, int percent) {
    ActionOf(b, "actZoomReset")->trigger();
    for (int i = 0; i < 7 && std::lround(b.Zoom() * 100) < percent; ++i) {
        ActionOf(b, "actZoomIn")->trigger();
    }
    ASSERT_EQ(std::lround(b.Zoom() * 100), percent);
}

// Presses Spin with the timer held back, so that the test steps the ball.
inline void PressSpinHeld(frmBoard& b) {
    b.findChild<QTimer*>(QStringLiteral("tmrDelay"))->setInterval(60'000);
    QTest::mouseClick(b.findChild<QWidget*>(QStringLiteral("cmdSpin")), Qt::LeftButton);
    ASSERT_TRUE(b.state().Spinning) << "the ball did not start";
}

// Steps the ball tick by tick, as the timer would, until it stops.
inline void RunBallOut(frmBoard& b) {
    for (int tick = 0; tick < 200 && b.state().Spinning; ++tick) {
        b.tmrDelay_Timer();
    }
    ASSERT_FALSE(b.state().Spinning) << "the ball did not stop";
}

// Tool tips and screen-reader names arrive right after a shown table's first frame.
inline void WaitForHelp(const frmBoard& b) {
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return b.findChild<QObject*>(QStringLiteral("controlHelp"));
    })) << "no tips or names after the first frame";
}

// Stakes expected on, or put on, the layout: every spot not named holds nothing.
using StakesBySpot = std::map<int, int>;

// Stakes put straight on the layout with the $5 chip, their money taken from the Balance.
inline void Lay(frmBoard& b, const StakesBySpot& stakes) {
    GameState& state = b.stateForTest();
    for (const auto& [spot, stake] : stakes) {
        state.SpotStake.at(spot) = static_cast<std::int16_t>(stake);
        state.SpotChip.at(spot) = 2;
        state.BetTotal += stake;
        state.Balance -= stake;
    }
    b.RedrawAllSpots();
    b.RedrawTotals();
}

// A started table, shown offscreen, with its ball resting in pocket 18 (0.5 x 37).
class BoardTest : public ::testing::Test {
  protected:
    BoardTest() : board(nullptr, MakeRandom()) { board.show(); }

    template <class T = QWidget> T* Find(const QString& name) { return board.findChild<T*>(name); }

    // The control a press at this window point would reach (null: the window itself).
    QString NameAt(QPoint point) {
        const QWidget* hit = board.childAt(point);
        return hit ? hit->objectName() : QString();
    }

    // Puts a stake on a spot straight into the state and redraws it.
    void ShowStake(std::int16_t spot, std::int16_t stake, std::int16_t chip) {
        board.stateForTest().SpotStake.at(spot) = stake;
        board.stateForTest().SpotChip.at(spot) = chip;
        board.RedrawSpot(spot);
    }

    QImage Grab() { return board.grab().toImage(); }

    // Spins into a pocket, the ball stepped tick by tick as the timer would.
    void SpinTo(int pocket) {
        m_random->Set(ValueForPocket(pocket));
        PressSpinHeld(board);
        RunBallOut(board);
    }

    FixedRandom* m_random = nullptr;
    frmBoard board;

  private:
    std::unique_ptr<RandomSource> MakeRandom() {
        auto random = std::make_unique<FixedRandom>();
        m_random = random.get();
        return random;
    }
};
