// The features with a window of their own and little else: statistics, help
// and the strategy tester, each against the fake table.
#include "FakeTable.h"

#include "window/help/HelpUnit.h"
#include "window/help/HelpViewer.h"
#include "window/statistics/StatisticsUnit.h"
#include "window/statistics/frmStatistics.h"
#include "window/strategy/StrategyUnit.h"
#include "window/strategy/frmStrategy.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

namespace {

QString Summary(const frmStatistics& window) {
    return window.findChild<QLabel*>(QStringLiteral("lblSummary"))->text();
}

TEST(StatisticsUnit, OneWindowShownAndKeptUpToDateAsSpinsSettle) {
    FakeTable table;
    StatisticsUnit unit(table);
    table.game.Spinning = true;
    unit.Show();
    EXPECT_EQ(unit.window(), nullptr) << "not while the ball runs";
    table.game.Spinning = false;
    unit.Show();
    frmStatistics* window = unit.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), table.owner());
    const QString before = Summary(*window);
    table.session.Record({17, 5, 175, 5, 1170});
    table.Spin();
    table.StepBall();
    EXPECT_NE(Summary(*window), before) << "the settled spin is shown at once";
    const QString after = Summary(*window);
    unit.Show();
    EXPECT_EQ(unit.window(), window);
    EXPECT_EQ(Summary(*window), after);
}

TEST(HelpUnit, TheViewerIsBuiltOnceAndShowsThePage) {
    FakeTable table;
    HelpUnit unit(table);
    EXPECT_EQ(unit.viewer(), nullptr);
    unit.Show();
    HelpViewer* viewer = unit.viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    unit.Show();
    EXPECT_EQ(unit.viewer(), viewer);
    EXPECT_EQ(table.owner()->findChildren<HelpViewer*>().size(), 1);
}

struct StrategyCase {
    const char* what;
    bool staked;
    bool spinning;
    bool opens;
    int messages;
};

TEST(StrategyUnit, OpensOnlyWithStakesOnTheTableAndTheBallAtRest) {
    const StrategyCase cases[] = {
        {"stakes, ball at rest", true, false, true, 0},
        {"nothing staked", false, false, false, 1},
        {"the ball running", true, true, false, 0},
    };
    for (const StrategyCase& c : cases) {
        FakeTable table;
        StrategyUnit unit(table);
        table.game.SpotStake.at(69) = c.staked ? 5 : 0;
        table.game.Spinning = c.spinning;
        EXPECT_EQ(unit.action()->objectName(), "actStrategy");
        unit.action()->trigger();
        EXPECT_EQ(unit.window() != nullptr && unit.window()->isVisible(), c.opens) << c.what;
        EXPECT_EQ(table.messages.size(), c.messages) << c.what;
    }
}

} // namespace
