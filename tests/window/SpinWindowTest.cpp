// A spin from the window: the ball runs with the table closed to input,
// stops in the drawn pocket and the stakes are settled.
#include "BoardFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The next draw can be set by the test; start-up rests the ball in pocket 18.
class ScriptedRandom final : public RandomSource {
  public:
    void SeedFromClock() override {}
    float Next() override { return value; }
    float value = 0.5F;
};

// The middle of a pocket's share of [0, 1).
float DrawFor(int pocket) {
    return (static_cast<float>(pocket) + 0.5F) / 37.0F;
}

class SpinWindowTest : public ::testing::Test {
  protected:
    SpinWindowTest() {
        auto random = std::make_unique<ScriptedRandom>();
        m_random = random.get();
        board = std::make_unique<frmBoard>(nullptr, std::move(random));
        board->show();
        // Ticks as fast as the event loop goes: the path is the same, only quicker.
        board->findChild<QTimer*>("tmrDelay")->setInterval(0);
    }

    template <class T = QWidget> T* Find(const QString& name) {
        return board->findChild<T*>(name);
    }

    // Presses whatever a player would reach at this window point.
    void PressAt(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* target = board->childAt(point);
        ASSERT_NE(target, nullptr);
        const QPoint local = target->mapFrom(board.get(), point);
        QTest::mousePress(target, button, Qt::NoModifier, local);
        QTest::mouseRelease(target, button, Qt::NoModifier, local);
    }

    void ClickControl(const QString& name) {
        auto* control = Find(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        QTest::mouseClick(control, Qt::LeftButton);
    }

    void StartSpin(int pocket) {
        m_random->value = DrawFor(pocket);
        ClickControl("cmdSpin");
        ASSERT_TRUE(board->state().Spinning);
    }

    void SpinTo(int pocket) {
        StartSpin(pocket);
        QTRY_VERIFY_WITH_TIMEOUT(!board->state().Spinning, 5000);
    }

    QString Text(const QString& box) { return Find<QLineEdit>(box)->text(); }

    std::unique_ptr<frmBoard> board;
    ScriptedRandom* m_random = nullptr;
};

TEST_F(SpinWindowTest, EmptyLayoutSpinSettlesToNothingAndRecordsTheNumber) {
    SpinTo(8); // the pocket of 17, black
    EXPECT_EQ(board->state().BallPocket, 8);
    EXPECT_EQ(Text("txtWinSpin"), " 0");
    EXPECT_EQ(Text("txtBetValue"), " 0");
    EXPECT_EQ(Text("txtWinTotal"), " 0");
    EXPECT_EQ(Text("txtLastNumber(0)"), "    17");
    EXPECT_EQ(Find<QLineEdit>("txtLastNumber(0)")->palette().color(QPalette::Text),
              QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(Find<QComboBox>("cmbNumber")->currentText(), " 17");
}

// 10 on straight 17, 5 on red and 20 on split 17/20 at the "$1" table.
TEST_F(SpinWindowTest, WorkedExampleSettlesFromTheWindow) {
    ClickControl("lblTable1");
    ClickControl("imgChipColour(2)");
    const QPoint straight17(Px(780 + 100), Px(2820 + 100));
    const QPoint split1720(Px(780 + 100), Px(3045 + 100));
    const QPoint red(Px(2520 + 180), Px(2320 + 360));
    for (int i = 0; i < 2; ++i) {
        PressAt(straight17);
    }
    PressAt(red);
    for (int i = 0; i < 4; ++i) {
        PressAt(split1720);
    }
    ASSERT_EQ(board->state().SpotStake.at(69), 10);
    ASSERT_EQ(board->state().SpotStake.at(153), 5);
    ASSERT_EQ(board->state().SpotStake.at(75), 20);
    ASSERT_EQ(Text("txtWinTotal"), "-35");

    SpinTo(8); // 17 is black: the red stake loses
    EXPECT_EQ(Text("txtWinSpin"), " 690");
    EXPECT_EQ(Text("txtBetValue"), " 30");
    EXPECT_EQ(Text("txtWinTotal"), " 655");
    EXPECT_TRUE(Find("imgChip(69)")->isVisible());
    EXPECT_TRUE(Find("lblChip(75)")->isVisible());
    EXPECT_FALSE(Find("imgChip(153)")->isVisible());
    EXPECT_FALSE(Find("lblChip(153)")->isVisible());
}

TEST_F(SpinWindowTest, RedNumberAndZeroEnterTheHistoryInTheirColours) {
    SpinTo(1);  // 32, red
    SpinTo(0);  // zero
    EXPECT_EQ(Text("txtLastNumber(0)"), "   0");
    EXPECT_EQ(Find<QLineEdit>("txtLastNumber(0)")->palette().color(QPalette::Text),
              QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(Text("txtLastNumber(1)"), " 32");
    EXPECT_EQ(Find<QLineEdit>("txtLastNumber(1)")->palette().color(QPalette::Text),
              QColor(0xFF, 0x00, 0x00));
}

TEST_F(SpinWindowTest, WhileTheBallRunsNoInputReachesTheTable) {
    StartSpin(30);
    auto* number = Find<QComboBox>("cmbNumber");
    auto* neighb = Find<QComboBox>("cmbNeighb");
    EXPECT_FALSE(number->isVisible());
    EXPECT_FALSE(neighb->isVisible());
    EXPECT_TRUE(board->isEnabled()) << "the table must not grey out";
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    // Any press that got through could open a modal box (a refusal, Exit):
    // close each one, and count it as a failure.
    int boxes = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&boxes] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++boxes;
            box->close();
        }
    });
    watch.start(20);
    const GameState before = board->state();
    PressAt(QPoint(Px(2520 + 180), Px(2320 + 360)));          // red
    PressAt(QPoint(Px(330), Px(700)));                        // straight 1
    QTest::mousePress(Find("cmdTier"), Qt::LeftButton);       // an announced bet
    QTest::mouseRelease(Find("cmdTier"), Qt::LeftButton);
    ClickControl("lblTable10");
    ClickControl("imgChipColour(7)");
    ClickControl("cmdExit");
    QTest::keyClick(board.get(), Qt::Key_Space);
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(board->state().SpotStake, before.SpotStake);
    EXPECT_EQ(board->state().TableIndex, before.TableIndex);
    EXPECT_EQ(board->state().ChipIndex, before.ChipIndex);
    EXPECT_EQ(board->state().Balance, before.Balance);

    QTRY_VERIFY_WITH_TIMEOUT(!board->state().Spinning, 5000);
    EXPECT_TRUE(number->isVisible());
    EXPECT_TRUE(neighb->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ClickControl("lblTable10");
    EXPECT_EQ(board->state().TableIndex, 3) << "input comes back when the ball stops";
}

TEST_F(SpinWindowTest, BallRunsTwoToFourLapsAndStopsInTheDrawnPocket) {
    // Stepped by hand: every tick moves the ball one pocket and shows it there.
    board->findChild<QTimer*>("tmrDelay")->setInterval(60000);
    StartSpin(10);
    const int start = 18;
    int ticks = 0;
    while (board->state().Spinning && ticks < 200) {
        board->tmrDelay_Timer();
        ++ticks;
        const QPoint expected(Px(static_cast<int>(std::lround(board->state().BallLeft))),
                              Px(static_cast<int>(std::lround(board->state().BallTop))));
        ASSERT_LE((Find("shpBall")->pos() - expected).manhattanLength(), 1) << "tick " << ticks;
    }
    EXPECT_EQ(ticks, 111 - start + 10); // clockwise from 18 to 10
    EXPECT_EQ(board->state().BallPocket, 10);
    EXPECT_EQ(board->state().BallDirection, -1) << "the next spin runs the other way";
    EXPECT_FALSE(board->findChild<QTimer*>("tmrDelay")->isActive());
}

TEST_F(SpinWindowTest, FifteenthNumberPushesTheFirstOut) {
    const std::array<int, 15> pockets = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (const int pocket : pockets) {
        SpinTo(pocket);
    }
    // Pockets 2 and 15 hold 15 (black) and 30 (red).
    EXPECT_EQ(Text("txtLastNumber(13)"), "    15");
    EXPECT_EQ(Text("txtLastNumber(0)"), " 30");
}

TEST_F(SpinWindowTest, ClosingTheWindowMidSpinEndsCleanly) {
    StartSpin(20);
    for (int i = 0; i < 5; ++i) {
        board->tmrDelay_Timer();
    }
    board->close();
    board.reset();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::qWait(10); // no tick may reach the destroyed window
}

} // namespace
