#pragma once

#include "window/frmBoard.h"

#include "table/RandomSource.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cmath>
#include <memory>
#include <ostream>

// Readable failure messages for names and captions.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Always the same draw, so the resting ball's pocket is known.
class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(float value) : m_value(value) {}
    void SeedFromClock() override {}
    float Next() override { return m_value; }

  private:
    float m_value;
};

// Twips of the layout to logical pixels, rounded.
inline int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect PxRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// A started table, shown offscreen, with its ball resting in pocket 18 (0.5 x 37).
class BoardTest : public ::testing::Test {
  protected:
    BoardTest() : board(nullptr, std::make_unique<FixedRandom>(0.5F)) { board.show(); }

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

    frmBoard board;
};
