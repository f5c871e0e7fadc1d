// The six actions around the table, the main window that lists them and the
// statistics window.
#include "PlayerPresses.h"

#include "table/ActionRules.h"
#include "window/board/MainWindow.h"

#include <QChartView>
#include <QLineSeries>
#include <QMenuBar>

namespace {

class ActionsTest : public AnnouncedTest {
  protected:
    void Trigger(const char* name) { Find<QAction>(name)->trigger(); }
    QString Enabled() { // one digit per action, in the order the table made them
        QString enabled;
        for (const QAction* action : board.actions()) {
            enabled += action->isEnabled() ? '1' : '0';
        }
        return enabled;
    }
    BoxLog boxes;
};

// Each press is one step: undone, the window is drawn again pixel for pixel
// as it was before it, the boxes left empty at the start included.
TEST_F(ActionsTest, UndoDrawsTheWindowBackAsItWasBeforeEachPress) {
    SelectChip(5); // $100
    std::vector<QImage> before;
    const auto step = [&](const std::function<void()>& press) {
        before.push_back(Grab());
        press();
    };
    step([&] { ClickOn("imgRed"); });
    step([&] { PressButton("cmdTier", Qt::LeftButton); });
    step([&] { PressButton("cmdTier", Qt::LeftButton); }); // every split at its 200
    step([&] { PressAt(Find("imgChip(27)")->geometry().center(), Qt::RightButton); });
    step([&] { PressButton("cmdTier", Qt::LeftButton); }); // 27 back to 200, stops at 44
    ASSERT_EQ(boxes.boxes().size(), 1U);
    while (!before.empty()) {
        Trigger("actUndo");
        EXPECT_TRUE(Grab() == before.back()) << before.size();
        before.pop_back();
    }
    EXPECT_FALSE(Find<QAction>("actUndo")->isEnabled());
}

// One betting round around a spin by actSpin, which is the Spin button: while
// the ball runs no action can be taken, what was placed before it cannot be
// undone after it, and the statistics window follows every spin, open or not.
// The lost stake is then brought back and doubled until the table refuses,
// cleared and the clear undone, each drawing what it changed.
TEST_F(ActionsTest, ARoundOfActionsAroundASpinByAction) {
    EXPECT_EQ(Find("frmStatistics"), nullptr); // built on first use only
    Trigger("actStatistics");
    QWidget* statistics = Find("frmStatistics");
    ASSERT_TRUE(statistics && statistics->isWindow() && statistics->isVisible() &&
                !statistics->isModal());
    const QLabel* summary = statistics->findChild<QLabel*>("lblSummary");
    SelectChip(7); // $1000
    ClickOn("imgRed");
    m_random->Set(2.5F / 37.0F); // 15, black
    board.findChild<QTimer*>("tmrDelay")->setInterval(60'000);
    Trigger("actSpin");
    EXPECT_EQ(Enabled(), "0000000");
    EXPECT_FALSE(Find<QAction>("actAutoplay")->isEnabled()) << "not offered while the ball runs";
    RunBallOut(board);
    EXPECT_EQ(Enabled(), "0111111");
    EXPECT_TRUE(Find<QAction>("actAutoplay")->isEnabled());
    EXPECT_TRUE(summary->text().contains("Spins played: 1"));
    Trigger("actRebet");
    EXPECT_EQ(Find<QLabel>("lblChip(153)")->text(), "1000");
    Trigger("actDouble");
    Trigger("actDouble");
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes()[0], "Maximum bet allowed is  2000");
    EXPECT_EQ(Find<QLabel>("lblChip(153)")->text(), "2000");
    EXPECT_EQ(BetBox(), " 2000");
    Trigger("actClear");
    EXPECT_FALSE(Find("imgChip(153)")->isVisible());
    Trigger("actUndo");
    EXPECT_TRUE(Find("imgChip(153)")->isVisible());
    statistics->close();
    SpinTo(5);
    Trigger("actStatistics");
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_TRUE(summary->text().contains("Spins played: 2"));
    const auto* chart = statistics->findChild<QChartView*>("chtBalance")->chart();
    EXPECT_EQ(qobject_cast<QLineSeries*>(chart->series().at(0))->count(), 2);
    board.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    Cover()->lineEdit()->setFocus();
    ClickOn("imgBlk"); // takes the keyboard from the editor: the Undo key is the table's again
    EXPECT_FALSE(Cover()->lineEdit()->hasFocus());
}

// The menus list the table's own actions with their keys (Undo is the
// platform's; the others are keys the combo boxes' editors leave alone).
TEST(MainWindowTest, HoldsTheTableUnchangedUnderItsMenusAndExitClosesIt) {
    MainWindow window(std::make_unique<FixedRandom>());
    window.show();
    EXPECT_EQ(window.windowTitle(), "Velmora");
    EXPECT_EQ(window.board()->geometry(), QRect(0, window.menuBar()->height(), 632, 445));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    QStringList menus;
    for (const QAction* menu : window.menuBar()->actions()) {
        menus << menu->text();
        for (const QAction* item : menu->menu()->actions()) {
            menus << item->objectName() + ' ' + item->shortcut().toString();
        }
    }
    EXPECT_EQ(
        menus.join(", "),
        "&Table, actUndo Ctrl+Z, actRebet Ctrl+R, actClear Ctrl+L, "
        "actDouble Ctrl+Shift+D,  , actSpin F5, actAutoplay ,  , actSaveLayout Ctrl+S,  , "
        "actManageLayouts , &View, actStatistics Ctrl+T, actRacetrack Ctrl+K, actStrategy ,  , "
        "actZoomIn Ctrl++, actZoomOut Ctrl+-, actZoomReset Ctrl+0, "
        "&Practice, actDrillPlace , actDrillName , actDrillPay , actDrillHear , &Settings, "
        "actSound , actVoice ,  , actConfigure ");
    const BoxLog answer(QMessageBox::Yes);
    QTest::mouseClick(window.board()->findChild<QWidget*>("cmdExit"), Qt::LeftButton);
    EXPECT_EQ(answer.boxes().size(), 1U);
    EXPECT_FALSE(window.isVisible());
}

// The rules are read by objectName: a row naming no action would never apply.
// A new table is ruled as idle at 100 % with nothing to undo, every unit's actions too.
TEST(ActionRulesWiring, EveryRuleNamesAnActionOfTheTableAndANewTableFollowsThem) {
    frmBoard board(nullptr, std::make_unique<FixedRandom>());
    for (const ActionRule& rule : ActionRules()) {
        const QString name = QString::fromUtf8(rule.name.data(), rule.name.size());
        if (!name.endsWith('(')) {
            const QAction* action = board.findChild<QAction*>(name);
            ASSERT_NE(action, nullptr) << name.toStdString();
            EXPECT_EQ(action->isEnabled(), Allowed(rule, TableMoment{})) << name.toStdString();
        }
    }
}

} // namespace
