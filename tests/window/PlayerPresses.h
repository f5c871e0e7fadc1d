#pragma once

#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QToolTip>

#include <vector>

// What one message box showed.
struct SeenBox {
    QString text, title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::Warning;
};

// The window pixel that holds a point given in twips of the client area.
inline QPoint PixelOf(int x, int y) {
    return {x / 15, y / 15};
}

// The tip the toolkit shows for a pause of the pointer at a point of the window.
inline QString TipAt(QWidget& window, QPoint at) {
    QWidget* target = window.childAt(at);
    const QPoint local = target->mapFrom(&window, at);
    QHelpEvent help(QEvent::ToolTip, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &help);
    return QToolTip::text();
}

// A press where the player would put the pointer: on whatever lies in front
// there, so the stacking decides who takes it. The control that took it, or null.
inline QWidget* PressPoint(QWidget& window, QPoint at, Qt::MouseButton button) {
    QWidget* target = window.childAt(at);
    if (target) {
        const QPoint local = target->mapFrom(&window, at);
        QTest::mousePress(target, button, Qt::NoModifier, local);
        QTest::mouseRelease(target, button, Qt::NoModifier, local);
    }
    return target;
}

// What a screen reader is told of a control.
inline QString Accessible(QWidget* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// Labels draw in WindowText, the boxes in Text.
inline QColor TextColour(const QWidget* widget, QPalette::ColorRole role = QPalette::WindowText) {
    return widget->palette().color(role);
}

// A refusal or a pattern's message: the table's own caption, OK only, no icon.
inline void ExpectTableMessage(const SeenBox& seen, const QString& text) {
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.title, "Velmora");
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

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

// Answers every modal message box while it lives (with OK, or the answer
// given, else it rejects the box) and keeps what each showed: for presses that
// may show more than one box, or none. An unexpected box then fails the test
// instead of blocking it.
class BoxLog {
  public:
    explicit BoxLog(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer) {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { AnswerOpenBox(); });
        m_poll.start();
    }
    BoxLog(const BoxLog&) = delete;
    BoxLog& operator=(const BoxLog&) = delete;

    const std::vector<SeenBox>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

  private:
    void AnswerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        m_boxes.push_back({box->text(), box->windowTitle(), box->standardButtons(),
                           box->standardButton(box->defaultButton()), box->icon()});
        if (QAbstractButton* answer = box->button(m_answer)) {
            answer->click();
        } else {
            box->reject();
        }
    }

    QMessageBox::StandardButton m_answer;
    QTimer m_poll;
    std::vector<SeenBox> m_boxes;
};

// Presses as the player does: at a point of the window, on whatever control
// lies in front there, so the stacking decides who takes the press.
class PlayerTest : public BoardTest {
  protected:
    // The control that took the press, or null if nothing but the window lies there.
    QWidget* PressAt(QPoint point, Qt::MouseButton button) {
        QWidget* target = PressPoint(board, point, button);
        EXPECT_NE(target, nullptr) << "nothing to press at " << point.x() << "," << point.y();
        return target;
    }

    // A click in the middle of a named control, reached through the stacking.
    void ClickOn(const QString& name) {
        QWidget* control = Find(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        const QPoint centre = control->geometry().center();
        ASSERT_EQ(NameAt(centre), name);
        PressAt(centre, Qt::LeftButton);
    }

    void SelectChip(int chip) { ClickOn(QStringLiteral("lblChipColour(%1)").arg(chip)); }

    QString BetBox() { return Find<QLineEdit>("txtBetValue")->text(); }
    QString BalanceBox() { return Find<QLineEdit>("txtWinTotal")->text(); }
    int Stake(int spot) const { return board.state().SpotStake.at(spot); }
};

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

    void ExpectStakes(const StakesBySpot& expected) {
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
