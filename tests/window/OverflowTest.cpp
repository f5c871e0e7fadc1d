// An overflow of the money, forced by setting the balance near a limit of its
// 32 bits, is told to the player and leaves the table as it was and playable.
#include "BoardFixture.h"

#include "window/InputBlocker.h"
#include "window/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <limits>

namespace {

// The fixture's ball always stops in pocket 18, the pocket of 10.
const std::int16_t kStraightTen = StraightUpSpot(10);

class OverflowTest : public BoardTest {
  protected:
    // Every box is answered with OK and kept, so a box the test did not expect
    // fails it instead of blocking it.
    OverflowTest() {
        m_answer.setInterval(5);
        QObject::connect(&m_answer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back(box->windowTitle() + '|' + box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_answer.start();
        board.stateForTest().ChipIndex = 3; // 10, the even chances' minimum at this table
    }

    void PressRed() {
        auto* red = Find("imgRed");
        QTest::mousePress(red, Qt::LeftButton, Qt::NoModifier, red->rect().center());
        QTest::mouseRelease(red, Qt::LeftButton, Qt::NoModifier, red->rect().center());
    }

    void SpinToTheEnd() {
        QTest::mouseClick(Find("cmdSpin"), Qt::LeftButton);
        for (int tick = 0; board.state().Spinning && tick < 200; ++tick) {
            board.tmrDelay_Timer();
        }
        ASSERT_FALSE(board.state().Spinning);
    }

    // One box, OK only, that says what happened.
    void ExpectInternalError() {
        ASSERT_EQ(boxes.size(), 1) << "expected one message for the overflow";
        EXPECT_TRUE(boxes.front().startsWith("Velmora|Internal error"))
            << boxes.front().toStdString();
        boxes.clear();
    }

    void ExpectIdle() {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(board.findChild<InputBlocker*>()->blocking());
        EXPECT_TRUE(Find("cmbNumber")->isVisible());
        EXPECT_TRUE(Find("cmbNeighb")->isVisible());
    }

    QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }

    QStringList boxes;

  private:
    QTimer m_answer;
};

TEST_F(OverflowTest, AStakeThatWouldWrapTheBalanceIsReportedAndNotPlaced) {
    board.stateForTest().Balance = std::numeric_limits<std::int32_t>::min() + 2;
    PressRed();
    ExpectInternalError();
    EXPECT_EQ(board.state().SpotStake.at(kRedSpot), 0);
    EXPECT_EQ(board.state().BetTotal, 0);
    EXPECT_EQ(board.state().Balance, std::numeric_limits<std::int32_t>::min() + 2);
    EXPECT_FALSE(Find("imgChip(153)")->isVisible());

    board.stateForTest().Balance = 0;
    PressRed();
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(board.state().SpotStake.at(kRedSpot), 10);
    EXPECT_EQ(Text("txtWinTotal"), "-10");
}

TEST_F(OverflowTest, ASettlementThatWouldWrapTheBalanceIsReportedAndUndone) {
    const std::int32_t nearTop = std::numeric_limits<std::int32_t>::max() - 10;
    board.stateForTest().Balance = nearTop;
    board.stateForTest().BetTotal = 10;
    ShowStake(kStraightTen, 10, 2);
    SpinToTheEnd();
    ExpectInternalError();
    ExpectIdle();
    EXPECT_EQ(board.state().Balance, nearTop);
    EXPECT_EQ(board.state().BetTotal, 10);
    EXPECT_EQ(board.state().SpotStake.at(kStraightTen), 10);
    EXPECT_TRUE(Find(ArrayName("imgChip", kStraightTen))->isVisible());
    EXPECT_EQ(Text("txtLastNumber(0)"), "");

    // The table plays on: the same spin from a sound balance pays 35 to one.
    board.stateForTest().Balance = 0;
    SpinToTheEnd();
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(board.state().Balance, 350);
    EXPECT_EQ(Text("txtWinSpin"), " 350");
    EXPECT_EQ(Text("txtLastNumber(0)"), "    10");
}

} // namespace

namespace {

// The press places chips one by one: those placed before the overflow stay,
// and the layout must show them.
TEST_F(OverflowTest, AnAnnouncedPressCutShortByAnOverflowShowsTheChipsItPlaced) {
    board.stateForTest().ChipIndex = 2; // 5: two chips fit above the bottom, the third not
    board.stateForTest().Balance = std::numeric_limits<std::int32_t>::min() + 12;
    QTest::mousePress(Find("cmdTier"), Qt::LeftButton);
    QTest::mouseRelease(Find("cmdTier"), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().endsWith("The press stopped there.")) << boxes.front().toStdString();
    boxes.clear();
    EXPECT_EQ(board.state().SpotStake.at(27), 5);
    EXPECT_EQ(board.state().SpotStake.at(44), 5);
    EXPECT_EQ(board.state().SpotStake.at(61), 0);
    EXPECT_TRUE(Find("imgChip(27)")->isVisible());
    EXPECT_TRUE(Find("lblChip(44)")->isVisible());
    EXPECT_FALSE(Find("imgChip(61)")->isVisible());
    EXPECT_EQ(Text("txtBetValue"), " 10");
    EXPECT_FALSE(Find<QPushButton>("cmdTier")->isDown());
}

} // namespace
