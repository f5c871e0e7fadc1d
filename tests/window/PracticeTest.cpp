// The practice window at the table: each drill's answer reaching the rule
// and its verdict the screen, and the layout put aside while it is open.
// The rules are tested in the core, the unit's own logic against a fake table.
#include "PlayerPresses.h"

#include "practice/DrillCheck.h"
#include "practice/PaySum.h"
#include "window/practice/frmPractice.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace {

using Layout = std::array<std::int16_t, kSpotCount>;

QString ProgressPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/progress.txt");
}

// A fresh progress file, a clock the test moves, and the presses a player answers with.
class PracticeTest : public PlayerTest {
  protected:
    PracticeTest() {
        QDir folder(QFileInfo(ProgressPath()).path());
        for (const QString& old : folder.entryList({QStringLiteral("progress.txt*")})) {
            folder.remove(old);
        }
    }
    frmPractice* Open(frmBoard& table, const char* action = "actDrillPlace") {
        table.findChild<QAction*>(action)->trigger();
        auto* window = table.findChild<frmPractice*>(QStringLiteral("frmPractice"));
        window->SetClock([this] { return now; });
        return window;
    }
    QString Text(frmPractice* window, const char* name) {
        return window->findChild<QLabel*>(name)->text();
    }
    void Check(frmPractice* window) {
        QTest::mouseClick(window->findChild<QPushButton*>("cmdCheck"), Qt::LeftButton);
    }
    void Press(frmPractice* window, Qt::Key key) { QTest::keyClick(window, key); }
    QPushButton* Choice(frmPractice* window, std::size_t choice) {
        return window->findChild<QPushButton*>(QStringLiteral("cmdChoice%1").arg(choice + 1));
    }
    // Builds the task's bet straight into the layout, as the player would by hand.
    void BuildTask(frmBoard& table) {
        const PlacedBet* task = table.placeTaskForTest();
        ASSERT_NE(task, nullptr);
        table.stateForTest().SpotStake = task->stakes;
    }
    QImage Picture(const char* name) { return Find(name)->grab().toImage(); }

    qint64 now = 1000;
    BoxLog boxes;
};

// The name change itself goes out only to an active screen reader, which the
// offscreen platform has none of; the names are what it would read.
TEST_F(PracticeTest, PlaceItRightAndWrongAreCountedAndTheWrongOneMarksTheMissingSpots) {
    frmPractice* window = Open(board);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
    auto* verdict = window->findChild<QLabel*>("lblVerdict");
    EXPECT_EQ(verdict->accessibleName(), "No verdict yet");
    EXPECT_TRUE(window->findChild<QLabel*>("lblTask")->accessibleName().startsWith("Task: Place "));
    BuildTask(board);
    Check(window);
    EXPECT_EQ(verdict->text(), "Right");
    EXPECT_EQ(Text(window, "lblRight"), "Right: 1");

    QTest::mouseClick(window->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(board.state().SpotStake, Layout{}) << "Next clears the layout";
    const QImage unmarked = Picture("imgBoard");
    Check(window); // nothing built: every piece is missing
    EXPECT_EQ(verdict->text().toStdString(),
              CheckPlace(*board.placeTaskForTest(), board.state().SpotStake).text);
    EXPECT_TRUE(verdict->accessibleName().startsWith("Verdict: missing "));
    EXPECT_EQ(Text(window, "lblWrong"), "Wrong: 1");
    EXPECT_EQ(Text(window, "lblStreak"), "Streak: 0 (best 1)");
    EXPECT_NE(Picture("imgBoard"), unmarked);
}

class StakesComeBack : public PracticeTest, public ::testing::WithParamInterface<const char*> {};

// A task answered, the chip, the table and the boxes changed meanwhile: closing
// the drill brings back the layout, the money, the boxes, the picture and the
// journal. Meanwhile the drill's stakes are not spun.
TEST_P(StakesComeBack, WhenTheDrillCloses) {
    SelectChip(3);
    ClickOn(QStringLiteral("imgRed"));
    ClickOn(QStringLiteral("imgBlk"));
    Find<QComboBox>(QStringLiteral("cmbNumber"))->setEditText(QStringLiteral("26"));
    Find<QComboBox>(QStringLiteral("cmbNeighb"))->setEditText(QStringLiteral("3"));
    const GameState before = board.state();
    const QImage drawn = Grab();
    frmPractice* window = Open(board, GetParam());
    // No spin of the drill's stakes, by the key or the button (which actions a
    // drill refuses is the rules' table).
    EXPECT_FALSE(Find<QAction>("actSpin")->isEnabled());
    QTest::mouseClick(Find(QStringLiteral("cmdSpin")), Qt::LeftButton);
    EXPECT_FALSE(board.state().Spinning);
    // The player's stakes are put aside with their money; the drill's lie alone.
    EXPECT_NE(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().BetTotal, StakeSum(board.state()));
    EXPECT_EQ(board.state().Balance, before.Balance + before.BetTotal - board.state().BetTotal);
    window->findChild<QLineEdit*>("txtAnswer")->setText(QStringLiteral("1"));
    Press(window, Qt::Key_1);      // Name it's answer
    Press(window, Qt::Key_Return); // Place it's and Pay it's
    ASSERT_EQ(Text(window, "lblRight").mid(7).toInt() + Text(window, "lblWrong").mid(7).toInt(), 1);
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cmbNeighb"))->currentText(), "3");
    SelectChip(0);
    ClickOn(QStringLiteral("lblTable10"));
    Find<QComboBox>(QStringLiteral("cmbNumber"))->setEditText(QStringLiteral("7"));
    Find<QComboBox>(QStringLiteral("cmbNeighb"))->setEditText(QStringLiteral("5"));
    Press(window, Qt::Key_Escape);
    window->close();
    EXPECT_FALSE(board.DrillOpen());
    EXPECT_EQ(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().SpotChip, before.SpotChip);
    EXPECT_EQ(board.state().Balance, before.Balance);
    EXPECT_EQ(board.state().BetTotal, before.BetTotal);
    EXPECT_EQ(board.state().ChipIndex, before.ChipIndex);
    EXPECT_EQ(board.state().TableIndex, before.TableIndex);
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cmbNeighb"))->currentText(), "3");
    EXPECT_EQ(Grab(), drawn);
    Find<QAction>("actUndo")->trigger(); // the journal is the one of before: Black goes
    EXPECT_EQ(board.state().BetTotal, before.BetTotal / 2);
}

INSTANTIATE_TEST_SUITE_P(Drills, StakesComeBack,
                         ::testing::Values("actDrillPlace", "actDrillName", "actDrillPay"),
                         [](const auto& row) { return std::string(row.param); });

// Undo stays within the task: the player's own presses, not the drill's
// laying of the task, nor the chips of a task gone by.
TEST_F(PracticeTest, UndoTakesBackOnlyThePlayersPressesOnThisTask) {
    frmPractice* window = Open(board);
    ClickOn(QStringLiteral("imgRed"));
    QTest::mouseClick(window->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
    auto* undo = Find<QAction>("actUndo");
    EXPECT_FALSE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(board.state().SpotStake, Layout{});
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Open(board, "actDrillName");
    const Layout laid = board.state().SpotStake;
    ClickOn(QStringLiteral("imgBlk"));
    undo->trigger();
    EXPECT_EQ(board.state().SpotStake, laid);
    EXPECT_FALSE(undo->isEnabled());
}

// A right name by its key, then on the next task a wrong one by its button.
TEST_F(PracticeTest, NameItLaysTheBetByItsButtonAndAWrongNameMarksBothBets) {
    frmPractice* window = Open(board, "actDrillName");
    for (const bool right : {true, false}) {
        const NameTask task = *board.nameTaskForTest();
        EXPECT_EQ(board.state().SpotStake, task.bet.stakes) << "the press staked the task's bet";
        EXPECT_EQ(board.state().TableIndex, task.bet.tableIndex);
        EXPECT_EQ(board.state().ChipIndex, task.bet.chipIndex);
        for (std::size_t c = 0; c < 4; ++c) {
            EXPECT_TRUE(
                Choice(window, c)->text().endsWith(QString::fromStdString(task.choices.at(c))));
        }
        const std::size_t chosen = right ? task.right : (task.right + 1) % 4;
        const QImage layout = Picture("imgBoard");
        const QImage wheel = Picture("imgWheel");
        right ? Press(window, static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(chosen)))
              : QTest::mouseClick(Choice(window, chosen), Qt::LeftButton);
        EXPECT_EQ(Text(window, "lblVerdict").toStdString(),
                  CheckName(board.state().catalogue, task, chosen).text);
        EXPECT_EQ(Text(window, "lblRight") + Text(window, "lblWrong"),
                  right ? "Right: 1Wrong: 0" : "Right: 1Wrong: 1");
        EXPECT_FALSE(Choice(window, 0)->isEnabled()) << "answered: the choices wait for Next";
        EXPECT_EQ(window->findChild<QLabel*>("lblLegend")->isVisibleTo(window), !right);
        EXPECT_EQ(Picture("imgBoard") != layout && Picture("imgWheel") != wheel, !right);
        Press(window, static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(task.right)));
        EXPECT_EQ(Text(window, "lblRight"), "Right: 1") << "answered already";
        Press(window, Qt::Key_Escape);
    }
}

// Enter and Check both check the typed sum; what is no sum is asked again uncounted.
TEST_F(PracticeTest, PayItChecksTheTypedSumAndBreaksAWrongOneDown) {
    frmPractice* window = Open(board, "actDrillPay");
    auto* answer = window->findChild<QLineEdit*>("txtAnswer");
    int right = 0, wrong = 0;
    const auto countsShown = [&] {
        return Text(window, "lblRight") + ", " + Text(window, "lblWrong") ==
               QStringLiteral("Right: %1, Wrong: %2").arg(right).arg(wrong);
    };
    for (const int off : {0, -10}) {
        const PayTask task = *board.payTaskForTest();
        EXPECT_EQ(board.state().SpotStake, task.stakes) << "the call bet and the chips by hand";
        EXPECT_TRUE(Text(window, "lblTask").startsWith(QString::fromStdString(task.text)));
        QTest::keyClicks(answer, "lots");
        QTest::keyClick(answer, Qt::Key_Return);
        EXPECT_EQ(Text(window, "lblVerdict"), "Type the sum in whole dollars, for example 175");
        EXPECT_TRUE(countsShown());
        const auto sum = PaySum(board.state().catalogue, task.stakes, task.number);
        answer->setText(QString::number(sum.total + off));
        off == 0 ? QTest::keyClick(answer, Qt::Key_Return) : Check(window);
        EXPECT_EQ(Text(window, "lblVerdict").toStdString(),
                  CheckPayAnswer(sum, answer->text().toStdString()).text);
        ++(off == 0 ? right : wrong);
        EXPECT_TRUE(countsShown());
        Press(window, Qt::Key_Escape);
    }
}

} // namespace
