#pragma once

#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <vector>

// What one message box showed.
struct SeenBox {
    QString text;
    QString title;
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
        QWidget* target = board.childAt(point);
        EXPECT_NE(target, nullptr) << "nothing to press at " << point.x() << "," << point.y();
        if (target) {
            const QPoint local = target->mapFrom(&board, point);
            QTest::mousePress(target, button, Qt::NoModifier, local);
            QTest::mouseRelease(target, button, Qt::NoModifier, local);
        }
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
