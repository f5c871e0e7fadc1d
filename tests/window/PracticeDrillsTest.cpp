// Name it and Pay it on the table, the clock, the levels and the table of
// bets that the practice window keeps.
#include "PracticeFixture.h"

#include "betting/BetNames.h"
#include "practice/PaySum.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableWidget>

namespace {

class DrillsTest : public PracticeTest {
  protected:
    void Press(frmPractice* window, Qt::Key key) { QTest::keyClick(window, key); }
    void ChooseByKey(frmPractice* window, std::size_t choice) {
        Press(window, static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(choice)));
    }
    QPushButton* Choice(frmPractice* window, std::size_t choice) {
        return window->findChild<QPushButton*>(QStringLiteral("cmdChoice%1").arg(choice + 1));
    }
    QImage Layout() { return Find(QStringLiteral("imgBoard"))->grab().toImage(); }
    QImage Wheel() { return Find(QStringLiteral("imgWheel"))->grab().toImage(); }
};

TEST_F(DrillsTest, NameItLaysTheBetByItsButtonAndAnswersAtOnce) {
    frmPractice* window = Open(board, "actDrillName");
    const NameTask* task = board.nameTaskForTest();
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(board.state().SpotStake, task->bet.stakes) << "the press staked the task's bet";
    EXPECT_EQ(board.state().TableIndex, task->bet.tableIndex);
    EXPECT_EQ(board.state().ChipIndex, task->bet.chipIndex);
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_TRUE(
            Choice(window, c)->text().endsWith(QString::fromStdString(task->choices.at(c))));
    }
    const QString title = QString::fromStdString(task->bet.title);
    ChooseByKey(window, task->right);
    EXPECT_EQ(Text(window, "lblVerdict"), "Right: " + title);
    EXPECT_EQ(Text(window, "lblRight"), "Right: 1");
    EXPECT_FALSE(Choice(window, 0)->isEnabled()) << "answered: the choices wait for Next";
}

TEST_F(DrillsTest, AWrongNameNamesBothBetsAndMarksBothOnTheTable) {
    frmPractice* window = Open(board, "actDrillName");
    const NameTask task = *board.nameTaskForTest();
    const std::size_t wrong = (task.right + 1) % 4;
    const QImage layout = Layout();
    const QImage wheel = Wheel();
    QTest::mouseClick(Choice(window, wrong), Qt::LeftButton);
    const QString verdict = Text(window, "lblVerdict");
    EXPECT_TRUE(
        verdict.startsWith("Wrong: you chose " + QString::fromStdString(task.choices.at(wrong))));
    EXPECT_TRUE(verdict.endsWith(QString::fromStdString(task.bet.title)));
    EXPECT_EQ(Text(window, "lblWrong"), "Wrong: 1");
    EXPECT_TRUE(window->findChild<QLabel*>("lblLegend")->isVisibleTo(window));
    EXPECT_NE(Layout(), layout);
    EXPECT_NE(Wheel(), wheel);
    ChooseByKey(window, task.right); // answered already
    EXPECT_EQ(Text(window, "lblRight"), "Right: 0");
}

struct PayRow {
    const char* name;
    std::int64_t offset; // added to the right sum; unused when typed is set
    const char* typed;
    const char* verdictStart;
    const char* right;
    const char* wrong;
};

class PayAnswers : public DrillsTest, public ::testing::WithParamInterface<PayRow> {};

TEST_P(PayAnswers, EnterChecksTheTypedSum) {
    frmPractice* window = Open(board, "actDrillPay");
    const PayTask* task = board.payTaskForTest();
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(board.state().SpotStake, task->stakes) << "the call bet and the chips by hand";
    EXPECT_TRUE(Text(window, "lblTask").startsWith(QString::fromStdString(task->text)));
    const auto sum = PaySum(board.state().catalogue, task->stakes, task->number).total;
    const QString typed = GetParam().typed ? QString::fromLatin1(GetParam().typed)
                                           : QString::number(sum + GetParam().offset);
    auto* answer = window->findChild<QLineEdit*>("txtAnswer");
    QTest::keyClicks(answer, typed);
    QTest::keyClick(answer, Qt::Key_Return);
    EXPECT_TRUE(Text(window, "lblVerdict").startsWith(GetParam().verdictStart));
    EXPECT_EQ(Text(window, "lblRight"), GetParam().right);
    EXPECT_EQ(Text(window, "lblWrong"), GetParam().wrong);
}

INSTANTIATE_TEST_SUITE_P(
    Sums, PayAnswers,
    ::testing::Values(PayRow{"RightSum", 0, nullptr, "Right: $", "Right: 1", "Wrong: 0"},
                      PayRow{"TenShort", -10, nullptr, "Wrong: not $", "Right: 0", "Wrong: 1"},
                      PayRow{"NoNumberIsAskedAgain", 0, "lots", "Type the sum", "Right: 0",
                             "Wrong: 0"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(DrillsTest, AWrongSumIsBrokenDownSpotBySpot) {
    frmPractice* window = Open(board, "actDrillPay");
    const PayTask task = *board.payTaskForTest();
    const PayBreakdown sum = PaySum(board.state().catalogue, task.stakes, task.number);
    window->findChild<QLineEdit*>("txtAnswer")->setText(QString::number(sum.total + 1));
    Check(window);
    for (const PayLine& line : sum.lines) {
        EXPECT_TRUE(Text(window, "lblVerdict").contains(QString::fromStdString(line.text)));
    }
}

struct DrillRow {
    const char* action;
};

class StakesComeBack : public DrillsTest, public ::testing::WithParamInterface<DrillRow> {};

TEST_P(StakesComeBack, AfterATaskOfEachDrill) {
    SelectChip(3);
    ClickOn(QStringLiteral("imgRed"));
    auto* eitherSide = Find<QComboBox>(QStringLiteral("cmbNeighb"));
    eitherSide->setEditText(QStringLiteral("3"));
    const GameState before = board.state();
    const QImage drawn = Grab();
    frmPractice* window = Open(board, GetParam().action);
    window->findChild<QLineEdit*>("txtAnswer")->setText(QStringLiteral("1"));
    Press(window, Qt::Key_1);      // Name it's answer
    Press(window, Qt::Key_Return); // Pay it's
    ASSERT_EQ(Text(window, "lblRight").mid(7).toInt() + Text(window, "lblWrong").mid(7).toInt(), 1);
    Press(window, Qt::Key_Escape);
    window->close();
    EXPECT_EQ(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().Balance, before.Balance);
    EXPECT_EQ(board.state().BetTotal, before.BetTotal);
    EXPECT_EQ(eitherSide->currentText(), "3");
    EXPECT_EQ(Grab(), drawn);
}

INSTANTIATE_TEST_SUITE_P(Drills, StakesComeBack,
                         ::testing::Values(DrillRow{"actDrillName"}, DrillRow{"actDrillPay"}),
                         [](const auto& row) { return std::string(row.param.action); });

TEST_F(DrillsTest, TheClockRunsOnTheTaskAndStopsAtTheAnswer) {
    frmPractice* window = Open(board);
    now += 65'400;
    window->Tick();
    EXPECT_EQ(Text(window, "lblClock"), "1:05");
    EXPECT_EQ(window->findChild<QLabel*>("lblClock")->accessibleName(), "Time on this task 1:05");
    BuildTask(board);
    Check(window);
    now += 10'000;
    window->Tick();
    EXPECT_EQ(Text(window, "lblClock"), "1:05") << "stopped at the answer";
    EXPECT_EQ(Text(window, "lblAverage"), "Average time: 65.4 s");
    Press(window, Qt::Key_Escape);
    EXPECT_EQ(Text(window, "lblClock"), "0:00");
}

TEST_F(DrillsTest, EscapeOnAnUncheckedTaskSkipsItUncounted) {
    frmPractice* window = Open(board);
    Press(window, Qt::Key_Escape);
    EXPECT_EQ(Text(window, "lblRight"), "Right: 0");
    EXPECT_EQ(Text(window, "lblWrong"), "Wrong: 0");
    EXPECT_EQ(window->findChild<QTableWidget*>("tblBets")->rowCount(), 0);
}

TEST_F(DrillsTest, TheTableOfBetsCountsTasksAndTheMostMissedChip) {
    frmPractice* window = Open(board);
    const PlacedBet task = *board.placeTaskForTest();
    Check(window); // nothing built: every spot missed, the lowest named
    auto* table = window->findChild<QTableWidget*>("tblBets");
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->verticalHeaderItem(0)->text(),
              QString::fromStdString(AnnouncedBetName(task.call.bet)));
    EXPECT_EQ(table->item(0, 0)->text(), "1");
    EXPECT_EQ(table->item(0, 1)->text(), "0");
    std::int16_t lowest = 0;
    while (task.stakes.at(lowest) == 0) {
        ++lowest;
    }
    EXPECT_EQ(table->item(0, 2)->text(), QString::fromStdString(SpotName(lowest)));
}

TEST_F(DrillsTest, APassedLevelIsOpenAtTheNextTable) {
    frmPractice* window = Open(board);
    auto* levels = window->findChild<QComboBox*>("cmbLevel");
    const auto enabled = [](QComboBox* box, int row) {
        return qobject_cast<QStandardItemModel*>(box->model())->item(row)->isEnabled();
    };
    EXPECT_TRUE(enabled(levels, 0));
    EXPECT_FALSE(enabled(levels, 1));
    for (int i = 0; i < kMarkWindow; ++i) {
        BuildTask(board);
        Check(window);
        Press(window, Qt::Key_Escape);
    }
    EXPECT_TRUE(enabled(levels, 1));
    EXPECT_FALSE(enabled(levels, 2));
    window->close();
    frmBoard second(nullptr, std::make_unique<FixedRandom>());
    frmPractice* again = Open(second);
    EXPECT_TRUE(enabled(again->findChild<QComboBox*>("cmbLevel"), 1));
    EXPECT_EQ(Text(again, "lblRight"), QStringLiteral("Right: %1").arg(kMarkWindow));
}

// The name change itself goes out only to an active screen reader, which the
// offscreen platform has none of; the names are what it would read.
TEST_F(DrillsTest, TheTaskAndTheVerdictHaveTheirNames) {
    frmPractice* window = Open(board);
    auto* verdict = window->findChild<QLabel*>("lblVerdict");
    EXPECT_EQ(verdict->accessibleName(), "No verdict yet");
    Check(window);
    EXPECT_TRUE(verdict->accessibleName().startsWith("Verdict: missing "));
    EXPECT_TRUE(window->findChild<QLabel*>("lblTask")->accessibleName().startsWith("Task: Place "));
}

} // namespace
