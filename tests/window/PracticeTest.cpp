// The practice window: its drills, the layout put aside while it is open,
// and the progress it keeps between runs.
#include "PracticeFixture.h"

namespace {

TEST_F(PracticeTest, PlaceItRightAndWrongAreCountedAndTheWrongOneMarksTheMissingSpots) {
    frmPractice* window = Open(board);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_TRUE(Text(window, "lblTask").startsWith("Place "));
    BuildTask(board);
    Check(window);
    EXPECT_EQ(Text(window, "lblVerdict"), "Right");
    EXPECT_EQ(Text(window, "lblRight"), "Right: 1");

    QTest::mouseClick(window->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(board.state().SpotStake, Layout{}) << "Next clears the layout";
    const QImage unmarked = Find(QStringLiteral("imgBoard"))->grab().toImage();
    Check(window); // nothing built: every piece is missing
    EXPECT_TRUE(Text(window, "lblVerdict").startsWith("missing "));
    EXPECT_EQ(Text(window, "lblWrong"), "Wrong: 1");
    EXPECT_EQ(Text(window, "lblStreak"), "Streak: 0 (best 1)");
    EXPECT_NE(Find(QStringLiteral("imgBoard"))->grab().toImage(), unmarked);
}

TEST_F(PracticeTest, AnAnnouncedButtonInPlaceItPlacesNothingAndCountsWrong) {
    frmPractice* window = Open(board);
    QTest::mouseClick(Find(QStringLiteral("cmdTier")), Qt::LeftButton);
    EXPECT_EQ(board.state().SpotStake, Layout{});
    EXPECT_EQ(Text(window, "lblWrong"), "Wrong: 1");
    Check(window); // the task was answered by the press: no second count
    EXPECT_EQ(Text(window, "lblWrong"), "Wrong: 1");
    EXPECT_EQ(Text(window, "lblRight"), "Right: 0");
}

TEST_F(PracticeTest, TheStakesThatLayBeforeTheDrillComeBackWhenItCloses) {
    SelectChip(3);
    ClickOn(QStringLiteral("imgRed"));
    ClickOn(QStringLiteral("imgBlk"));
    Find<QComboBox>(QStringLiteral("cmbNumber"))->setEditText(QStringLiteral("26"));
    const GameState before = board.state();
    const QImage drawn = Grab();
    frmPractice* window = Open(board);
    EXPECT_EQ(board.state().BetTotal, 0);
    EXPECT_EQ(board.state().Balance, before.Balance + before.BetTotal);
    BuildTask(board);
    SelectChip(0);
    ClickOn(QStringLiteral("lblTable10"));
    window->close();
    EXPECT_FALSE(board.DrillOpen());
    EXPECT_EQ(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().SpotChip, before.SpotChip);
    EXPECT_EQ(board.state().Balance, before.Balance);
    EXPECT_EQ(board.state().BetTotal, before.BetTotal);
    EXPECT_EQ(board.state().ChipIndex, before.ChipIndex);
    EXPECT_EQ(board.state().TableIndex, before.TableIndex);
    EXPECT_EQ(Grab(), drawn);
    Find<QAction>("actUndo")->trigger(); // the journal is the one of before: Black goes
    EXPECT_EQ(board.state().BetTotal, before.BetTotal / 2);
}

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

struct RefusedRow {
    const char* action;
};

class RefusedWhileOpen : public PracticeTest, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedWhileOpen, DoesNothingWhileADrillIsOpen) {
    ClickOn(QStringLiteral("imgRed"));
    SpinTo(5); // a last spin for Rebet to bring back
    Open(board);
    const GameState before = board.state();
    auto* action = Find<QAction>(GetParam().action);
    EXPECT_FALSE(action->isEnabled());
    action->trigger();
    QTest::mouseClick(Find(QStringLiteral("cmdSpin")), Qt::LeftButton);
    EXPECT_FALSE(board.state().Spinning);
    EXPECT_EQ(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().LastNumbers, before.LastNumbers);
}

INSTANTIATE_TEST_SUITE_P(Actions, RefusedWhileOpen,
                         ::testing::Values(RefusedRow{"actSpin"}, RefusedRow{"actRebet"},
                                           RefusedRow{"actDouble"}, RefusedRow{"actAutoplay"},
                                           RefusedRow{"actSaveLayout"}),
                         [](const auto& row) { return std::string(row.param.action); });

TEST_F(PracticeTest, ProgressIsKeptForTheNextTable) {
    frmPractice* window = Open(board);
    BuildTask(board);
    Check(window);
    window->close();
    frmBoard second(nullptr, std::make_unique<FixedRandom>());
    frmPractice* again = Open(second);
    EXPECT_EQ(Text(again, "lblRight"), "Right: 1");
    EXPECT_EQ(Text(again, "lblStreak"), "Streak: 1 (best 1)");
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PracticeTest, ACorruptProgressFileIsMovedAsideWithOneNotice) {
    QDir().mkpath(QFileInfo(ProgressPath()).path());
    QFile file(ProgressPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a progress file\n\x01\x02");
    file.close();
    frmPractice* window = Open(board);
    QTRY_COMPARE(boxes.boxes().size(), std::size_t{1});
    const QStringList aside =
        QFileInfo(ProgressPath()).dir().entryList({"progress.txt.unreadable-*"});
    ASSERT_EQ(aside.size(), 1);
    const QString movedTo = QFileInfo(ProgressPath()).dir().filePath(aside.at(0));
    EXPECT_EQ(boxes.boxes().at(0).text, "Velmora could not read its practice progress, so it moved "
                                        "the file to " +
                                            movedTo + " and starts afresh.");
    QFile kept(movedTo);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not a progress file\n\x01\x02"));
    EXPECT_EQ(Text(window, "lblRight"), "Right: 0");
    BuildTask(board);
    Check(window);
    EXPECT_EQ(Text(window, "lblRight"), "Right: 1");
    EXPECT_EQ(boxes.boxes().size(), std::size_t{1});
}

TEST_F(PracticeTest, ThePracticeWindowFollowsTheZoom) {
    const frmPractice* window = Open(board);
    const qreal designed = window->font().pointSizeF();
    const int narrowest = window->minimumWidth();
    Find<QAction>("actZoomIn")->trigger();
    Find<QAction>("actZoomIn")->trigger(); // 150 %
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), designed * 1.5);
    EXPECT_GE(window->minimumWidth(), narrowest * 14 / 10);
    board.findChild<frmPractice*>()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const frmPractice* again = Open(board); // opened at the zoom of the moment
    EXPECT_DOUBLE_EQ(again->font().pointSizeF(), designed * 1.5);
    Find<QAction>("actZoomReset")->trigger();
    EXPECT_DOUBLE_EQ(again->font().pointSizeF(), designed);
    EXPECT_EQ(again->minimumWidth(), narrowest);
}

} // namespace
