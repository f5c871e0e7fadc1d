// Autoplay against the fake table: when a run may start, what it asks of the
// table before and after each spin, and each way a run ends.
#include "FakeTable.h"

#include "wheel/Spin.h"
#include "window/autoplay/AutoplayUnit.h"
#include "window/autoplay/dlgAutoplay.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

class AutoplayUnitTest : public ::testing::Test {
  protected:
    AutoplayUnitTest() { table.game.SpotStake.at(153) = 10; } // red

    // Answers the dialog as the player fills it in; counts the dialogs seen.
    void StartFromDialog(int spins, AutoplaySpeed speed) {
        QTimer::singleShot(0, [=, this] {
            auto* dialog = qobject_cast<dlgAutoplay*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ++dialogs;
            dialog->findChild<QSpinBox*>("spnSpins")->setValue(spins);
            dialog->findChild<QComboBox*>("cmbProgression")->setCurrentIndex(0); // flat
            dialog->findChild<QComboBox*>("cmbSpeed")->setCurrentIndex(static_cast<int>(speed));
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
        });
        unit.action()->trigger();
    }
    void PlayOut() {
        ASSERT_TRUE(QTest::qWaitFor([&] {
            if (table.state().Spinning) {
                table.StepBall();
            }
            return !unit.running();
        }));
    }

    FakeTable table;
    AutoplayUnit unit{table};
    int dialogs = 0;
};

TEST_F(AutoplayUnitTest, PlaysItsSpinsHoldingTheTableAndGivesItBackAsItWas) {
    QSignalSpy status(&unit, &AutoplayUnit::status);
    QSignalSpy busy(&table, &Table::busyChanged);
    StartFromDialog(4, AutoplaySpeed::Instant);
    EXPECT_TRUE(table.held());
    EXPECT_TRUE(table.blocked);
    EXPECT_EQ(unit.action()->text(), "Stop autoplay");
    PlayOut();
    EXPECT_EQ(table.spins, 4);
    EXPECT_EQ(table.heldAtSpin, std::vector<bool>(4, true)) << "the player's input kept away";
    EXPECT_EQ(table.multiples, (std::vector<std::int64_t>{1, 1, 1, 1}));
    EXPECT_EQ(unit.lastEnd(), AutoplayEnd::SpinsDone);
    EXPECT_FALSE(table.held());
    EXPECT_FALSE(table.blocked);
    EXPECT_EQ(table.ballTick, kTickMilliseconds);
    EXPECT_EQ(unit.action()->text(), "&Autoplay...");
    ASSERT_EQ(status.size(), 5);
    EXPECT_FALSE(status.at(0).at(0).toString().isEmpty());
    EXPECT_TRUE(status.last().at(0).toString().isEmpty());
    EXPECT_FALSE(busy.last().at(0).toBool());
}

// Fast runs the ball four times as fast; the table's own speed leaves it.
TEST_F(AutoplayUnitTest, TheSpeedSetsTheBallsTick) {
    for (const auto& [speed, tick] : {std::pair{AutoplaySpeed::Fast, kTickMilliseconds / 4},
                                      std::pair{AutoplaySpeed::Table, kTickMilliseconds}}) {
        StartFromDialog(1, speed);
        EXPECT_TRUE(table.state().Spinning);
        EXPECT_EQ(table.ballTick, tick);
        PlayOut();
    }
}

// The stop waits for the spin under way to be settled.
TEST_F(AutoplayUnitTest, StoppedByThePlayerAfterTheSpinUnderWay) {
    StartFromDialog(10, AutoplaySpeed::Table);
    ASSERT_TRUE(table.state().Spinning);
    unit.action()->trigger();
    EXPECT_TRUE(unit.running());
    table.StepBall();
    EXPECT_FALSE(unit.running());
    EXPECT_EQ(unit.lastEnd(), AutoplayEnd::PlayerStopped);
    EXPECT_EQ(table.spins, 1);
}

// Between spins nothing is under way: the run ends at once, the pause cut.
TEST_F(AutoplayUnitTest, StoppedBetweenSpinsAtOnce) {
    StartFromDialog(5, AutoplaySpeed::Fast);
    table.StepBall();
    ASSERT_TRUE(unit.running());
    unit.action()->trigger();
    EXPECT_FALSE(unit.running());
    EXPECT_EQ(unit.lastEnd(), AutoplayEnd::PlayerStopped);
    QTest::qWait(200); // longer than the pause after a fast spin
    EXPECT_EQ(table.spins, 1);
    EXPECT_EQ(table.ballTick, kTickMilliseconds);
}

struct EndCase {
    const char* what;
    Table::Staked staked;
    AutoplayEnd end;
    int messages;
};

TEST_F(AutoplayUnitTest, ARefusalOrAnOverflowBeforeASpinEndsTheRunUnspun) {
    const EndCase cases[] = {
        {"a refusal", {false, Refusal{RefusalKind::Maximum, 100}}, AutoplayEnd::Refused, 1},
        {"an overflow (its box is the table's)", {true, std::nullopt}, AutoplayEnd::Overflow, 0},
    };
    for (const EndCase& c : cases) {
        table.nextStaked = c.staked;
        table.messages.clear();
        table.spins = 0;
        StartFromDialog(3, AutoplaySpeed::Instant);
        EXPECT_FALSE(unit.running()) << c.what;
        EXPECT_EQ(unit.lastEnd(), c.end) << c.what;
        EXPECT_EQ(table.spins, 0) << c.what;
        ASSERT_EQ(table.messages.size(), c.messages) << c.what;
        if (c.staked.refusal) {
            EXPECT_EQ(table.messages[0], QString::fromStdString(RefusalText(*c.staked.refusal)));
        }
        EXPECT_FALSE(table.held()) << c.what;
        EXPECT_EQ(table.overflowText, "Autoplay stopped before this spin.") << c.what;
    }
}

struct RefuseCase {
    const char* what;
    bool staked, spinning, held, drill;
    int messages;
};

// No dialog at all: a layout to play is needed, and the table must be the player's.
TEST_F(AutoplayUnitTest, NoRunWithoutStakesOrWhileTheTableIsNotThePlayers) {
    const RefuseCase cases[] = {
        {"nothing staked", false, false, false, false, 1},
        {"the ball running", true, true, false, false, 0},
        {"a drill open", true, false, false, true, 0},
    };
    for (const RefuseCase& c : cases) {
        FakeTable other;
        other.game.SpotStake.at(153) = c.staked ? 10 : 0;
        other.game.Spinning = c.spinning;
        if (c.drill) {
            other.PutLayoutAside();
            other.game.SpotStake.at(153) = 10;
        }
        AutoplayUnit refused(other);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                asked = true;
                dialog->reject();
            }
        });
        refused.action()->trigger();
        QCoreApplication::processEvents();
        EXPECT_FALSE(asked) << c.what;
        EXPECT_FALSE(refused.running()) << c.what;
        EXPECT_EQ(other.messages,
                  QStringList(c.messages, QStringLiteral("Place a bet on the layout "
                                                         "before starting autoplay.")))
            << c.what;
    }
}

// A spin played by hand is settled without autoplay's business.
TEST_F(AutoplayUnitTest, ASpinByHandIsNoRun) {
    table.Spin();
    table.StepBall();
    EXPECT_FALSE(unit.lastEnd().has_value());
    EXPECT_FALSE(table.held());
}

} // namespace
