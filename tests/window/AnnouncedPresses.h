#pragma once

#include "PlayerPresses.h"

#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>

// Stakes expected on the layout: every spot not named holds nothing.
using Stakes = std::map<int, int>;

// Replaces the box's text by typing, as the player does.
inline void Type(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

// The pointer comes onto a control (where it came in matters to no one), or leaves it.
inline void Enter(QWidget* control) {
    QEnterEvent enter{QPointF(), QPointF(), QPointF()};
    QApplication::sendEvent(control, &enter);
}
inline void Leave(QWidget* control) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control, &leave);
}

// Presses on the announced-bet buttons, with texts typed into the two boxes.
class AnnouncedTest : public PlayerTest {
  protected:
    QComboBox* Cover() { return Find<QComboBox>("cmbNumber"); }
    QComboBox* EitherSide() { return Find<QComboBox>("cmbNeighb"); }

    // Presses and releases the button itself; it must lie in front where it is drawn.
    QPushButton* PressButton(const char* name, Qt::MouseButton button) {
        auto* control = Find<QPushButton>(name);
        EXPECT_EQ(NameAt(control->geometry().center()), name);
        QTest::mousePress(control, button);
        QTest::mouseRelease(control, button);
        EXPECT_FALSE(control->isDown()) << name;
        return control;
    }

    void ExpectStakes(const Stakes& expected) {
        int total = 0;
        for (int s = 0; s < kSpotCount; ++s) {
            const auto it = expected.find(s);
            const int stake = it == expected.end() ? 0 : it->second;
            EXPECT_EQ(Stake(s), stake) << "spot " << s;
            total += stake;
        }
        EXPECT_EQ(board.state().BetTotal, total);
    }
};
