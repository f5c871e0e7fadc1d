// The six actions around the table, the main window that lists them and the
// statistics window.
#include "AnnouncedPresses.h"

#include "window/MainWindow.h"
#include "window/Picture.h"

#include <QAction>
#include <QChartView>
#include <QLineSeries>
#include <QMenuBar>

namespace {

struct ActionRow {
    const char* name;
    QKeySequence shortcut;
};

// Built on first use: the platform's Undo key needs the application.
const std::vector<ActionRow>& Actions() {
    static const std::vector<ActionRow> rows = {
        {"actUndo", QKeySequence::Undo},       {"actRebet", Qt::CTRL | Qt::Key_R},
        {"actClear", Qt::CTRL | Qt::Key_L},    {"actDouble", Qt::CTRL | Qt::SHIFT | Qt::Key_D},
        {"actSpin", QKeySequence(Qt::Key_F5)}, {"actStatistics", Qt::CTRL | Qt::Key_T},
    };
    return rows;
}

class ActionsTest : public AnnouncedTest {
  protected:
    QAction* Action(const char* name) { return board.findChild<QAction*>(name); }
    void Trigger(const char* name) { Action(name)->trigger(); }
    QString Enabled() { // in the order of Actions()
        QString enabled;
        for (const ActionRow& row : Actions()) {
            enabled += Action(row.name)->isEnabled() ? '1' : '0';
        }
        return enabled;
    }
    BoxLog boxes;
};

// The table owns its actions. The editors claim Undo for their own text and
// no other table key, and the other keys mean nothing to a line edit, so the
// table takes nothing from typing.
TEST_F(ActionsTest, NoKeyButUndoIsTheComboEditorsOwn) {
    for (const ActionRow& row : Actions()) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(Action(row.name), nullptr);
        EXPECT_EQ(Action(row.name)->shortcut(), row.shortcut);
        const QKeyCombination key = row.shortcut[0];
        QKeyEvent override(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
        override.ignore();
        QApplication::sendEvent(Cover()->lineEdit(), &override); // both boxes are alike
        EXPECT_EQ(override.isAccepted(), row.shortcut == QKeySequence::Undo);
        QLineEdit probe(QStringLiteral("12 34")); // Undo too: it has nothing to undo
        probe.setCursorPosition(2);
        QTest::keyClick(&probe, key.key(), key.keyboardModifiers());
        EXPECT_EQ(std::pair(probe.text(), probe.cursorPosition()), std::pair(QString("12 34"), 2));
    }
}

// Each press is one step: undone, the window is drawn again pixel for pixel
// as it was before it, the boxes left empty at the start included.
TEST_F(ActionsTest, UndoDrawsTheWindowBackAsItWasBeforeEachPress) {
    SelectChip(5); // $100
    std::vector<QImage> before{Grab()};
    const auto step = [&](const std::function<void()>& press) {
        press();
        before.push_back(Grab());
    };
    step([&] { ClickOn("imgRed"); });
    step([&] { PressButton("cmdTier", Qt::LeftButton); });
    step([&] { PressButton("cmdTier", Qt::LeftButton); }); // every split at its 200
    step([&] { PressAt(Find("imgChip(27)")->geometry().center(), Qt::RightButton); });
    step([&] { PressButton("cmdTier", Qt::LeftButton); }); // 27 back to 200, stops at 44
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes()[0], "Maximum bet allowed is  200");
    ExpectStakes({{153, 100}, {27, 200}, {44, 200}, {61, 200}, {94, 200}, {113, 200}, {137, 200}});
    before.pop_back();
    while (!before.empty()) {
        ASSERT_TRUE(Action("actUndo")->isEnabled()) << before.size();
        Trigger("actUndo");
        EXPECT_TRUE(Grab() == before.back()) << before.size();
        before.pop_back();
    }
    EXPECT_FALSE(Action("actUndo")->isEnabled());
}

// A lost red stake brought back and doubled until the table refuses.
TEST_F(ActionsTest, RebetAndDoubleDrawTheirSpotsWithTheChipInHand) {
    SelectChip(4); // $25
    ClickOn("imgRed");
    SpinTo(2); // 15, black
    SelectChip(5);
    Trigger("actRebet");
    EXPECT_EQ(Find<Picture>("imgChip(153)")->artwork(), (ArtworkId{ArtworkKind::Chip, 5}));
    EXPECT_EQ(Find<QLabel>("lblChip(153)")->text(), "25");
    for (int i = 0; i < 7; ++i) {
        Trigger("actDouble");
    }
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes()[0], "Maximum bet allowed is  2000");
    EXPECT_EQ(Find<QLabel>("lblChip(153)")->text(), "1600");
    Trigger("actClear");
    EXPECT_FALSE(Find("imgChip(153)")->isVisible());
    EXPECT_EQ(BetBox(), " 0");
    EXPECT_EQ(BalanceBox(), "-25");
    board.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    Cover()->lineEdit()->setFocus();
    ClickOn("imgRed"); // leaves the Undo key to the table, not to typing
    EXPECT_FALSE(Cover()->lineEdit()->hasFocus());
}

// actSpin is the Spin button: while the ball runs no action can be taken,
// and what was placed before the spin cannot be undone after it.
TEST_F(ActionsTest, SpinByActionBlocksEveryActionUntilTheBallStops) {
    EXPECT_EQ(Enabled(), "011111");
    SelectChip(4);
    ClickOn("imgRed");
    board.findChild<QTimer*>("tmrDelay")->setInterval(60'000);
    Trigger("actSpin");
    ASSERT_TRUE(board.state().Spinning);
    EXPECT_FALSE(Cover()->isVisible());
    EXPECT_EQ(Enabled(), "000000");
    while (board.state().Spinning) {
        board.tmrDelay_Timer();
    }
    EXPECT_EQ(Enabled(), "011111");
}

TEST_F(ActionsTest, StatisticsWindowIsBuiltOnFirstUseAndFollowsEverySpin) {
    EXPECT_EQ(Find("frmStatistics"), nullptr);
    Trigger("actStatistics");
    QWidget* statistics = Find("frmStatistics");
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(statistics->isWindow() && statistics->isVisible() && !statistics->isModal());
    const auto summary = [&] { return statistics->findChild<QLabel*>("lblSummary")->text(); };
    SpinTo(2);
    EXPECT_TRUE(summary().contains("Spins played: 1"));
    statistics->close();
    SpinTo(5);
    Trigger("actStatistics");
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_TRUE(summary().contains("Spins played: 2"));
    const auto* chart = statistics->findChild<QChartView*>("chtBalance")->chart();
    EXPECT_EQ(qobject_cast<QLineSeries*>(chart->series().at(0))->count(), 2);
}

TEST(MainWindowTest, HoldsTheTableUnchangedUnderItsMenusAndExitClosesIt) {
    MainWindow window(std::make_unique<FixedRandom>(0.5F));
    window.show();
    frmBoard alone(nullptr, std::make_unique<FixedRandom>(0.5F));
    frmBoard* board = window.board();
    EXPECT_EQ(window.windowTitle(), "Velmora");
    EXPECT_EQ(board->geometry(), QRect(0, window.menuBar()->height(), 632, 445));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    QStringList menus;
    for (const QAction* menu : window.menuBar()->actions()) {
        menus << menu->text();
        for (const QAction* item : menu->menu()->actions()) {
            menus << item->objectName();
        }
    }
    EXPECT_EQ(menus.join(' '), "&Table actUndo actRebet actClear actDouble  actSpin &View "
                               "actStatistics");
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Yes);
    QTest::mouseClick(board->findChild<QWidget*>("cmdExit"), Qt::LeftButton);
    EXPECT_TRUE(seen.seen);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
