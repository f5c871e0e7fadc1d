// The racetrack against the fake table: what each stop presses, when the
// track answers, the either-side steps and the preview marks.
#include "FakeTable.h"

#include "window/racetrack/RacetrackUnit.h"
#include "window/racetrack/frmRacetrack.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>

namespace {

constexpr int kSeventeen = 8; // the stop of 17, ninth round the wheel from 0
constexpr int kTier = 37;     // the first sector

class RacetrackUnitTest : public ::testing::Test {
  protected:
    RacetrackUnitTest() {
        unit.action()->trigger();
        track = unit.window();
    }
    FakeTable table;
    RacetrackUnit unit{table};
    frmRacetrack* track = nullptr;
};

struct StopCase {
    const char* what;
    int stop;
    Qt::MouseButton button;
    AnnouncedBet bet;
    std::optional<std::string> cover;
};

TEST_F(RacetrackUnitTest, ANumberPressesItsNeighboursAndASectorItsBetWithTheButtonGiven) {
    const StopCase cases[] = {
        {"17, left", kSeventeen, Qt::LeftButton, AnnouncedBet::Neighb, "17"},
        {"0, right", 0, Qt::RightButton, AnnouncedBet::Neighb, "0"},
        {"Tier, left", kTier, Qt::LeftButton, AnnouncedBet::Tier, std::nullopt},
        {"Zero, middle", kTier + 3, Qt::MiddleButton, AnnouncedBet::Zero, std::nullopt},
    };
    for (const StopCase& c : cases) {
        table.presses.clear();
        emit track->stopPressed(c.stop, c.button);
        ASSERT_EQ(table.presses.size(), 1U) << c.what;
        EXPECT_EQ(table.presses[0].bet, c.bet) << c.what;
        EXPECT_EQ(table.presses[0].button, c.button) << c.what;
        EXPECT_EQ(table.presses[0].cover, c.cover) << c.what;
        EXPECT_FALSE(table.presses[0].eitherSide.has_value()) << "the box's own count";
    }
}

struct QuietCase {
    const char* what;
    bool spinning;
    bool held;
    bool diverted;
    bool answers;
};

// While the ball runs, autoplay holds the table or a drill wants the bet
// built by hand, nothing on the track acts and nothing is marked.
TEST_F(RacetrackUnitTest, TheTrackAnswersOnlyWhenTheTableTakesThePlayersPresses) {
    const QuietCase cases[] = {
        {"idle", false, false, false, true},
        {"the ball running", true, false, false, false},
        {"autoplay between spins", false, true, false, false},
        {"a Place it task", false, false, true, false},
    };
    for (const QuietCase& c : cases) {
        table.presses.clear();
        table.marks.reset();
        table.eitherSide = QStringLiteral("2");
        table.game.Spinning = c.spinning;
        table.isHeld = c.held;
        table.taker = c.diverted ? std::function<void()>([] {}) : nullptr;
        emit table.stakesChanged();
        emit track->stopHovered(kSeventeen);
        emit track->stopPressed(kSeventeen, Qt::LeftButton);
        emit track->eitherSideStepped(1);
        EXPECT_EQ(table.presses.size(), c.answers ? 1U : 0U) << c.what;
        EXPECT_EQ(table.eitherSide, c.answers ? "3" : "2") << c.what;
        EXPECT_EQ(table.marks.has_value(), c.answers) << c.what;
    }
}

// The marks of 17's neighbours at two either side, until the pointer leaves;
// a button's own preview is never cleared from here.
TEST_F(RacetrackUnitTest, TheHoveredStopMarksTheTableUntilThePointerLeaves) {
    emit track->stopHovered(kSeventeen);
    ASSERT_TRUE(table.marks.has_value());
    int marked = 0;
    for (const int chips : *table.marks) {
        marked += chips > 0 ? 1 : 0;
    }
    EXPECT_EQ(marked, 5);
    EXPECT_EQ(table.marks->at(17), 1);
    emit track->stopHovered(-1);
    EXPECT_FALSE(table.marks.has_value());
    table.hovered = true;
    table.marks = ChipsByNumber{};
    emit table.boxesEdited();
    EXPECT_TRUE(table.marks.has_value()) << "the button's preview stays";
}

TEST_F(RacetrackUnitTest, OneWindowThatFollowsTheTablesZoom) {
    const QSize at100 = track->size();
    table.setZoom(2.0);
    EXPECT_EQ(track->size(), at100 * 2);
    unit.action()->trigger();
    EXPECT_EQ(unit.window(), track);
    EXPECT_EQ(table.owner()->actions(), QList<QAction*>{unit.action()}) << "a key of the table";
}

} // namespace
