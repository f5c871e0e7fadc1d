// The drills against the fake table: the layout put aside and brought back,
// what each task asks of the table, and the progress kept between runs.
#include "FakeTable.h"

#include "betting/BetNames.h"
#include "practice/DrillCheck.h"
#include "window/practice/DrillsUnit.h"
#include "window/practice/frmPractice.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

QString ProgressPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/progress.txt");
}

// A fresh progress file, a table and its drills, and a clock the test moves.
class DrillsUnitTest : public ::testing::Test {
  protected:
    DrillsUnitTest() {
        QDir folder(QFileInfo(ProgressPath()).path());
        for (const QString& old : folder.entryList({QStringLiteral("progress.txt*")})) {
            folder.remove(old);
        }
    }
    frmPractice* Open(const char* action = "actDrillPlace") {
        unit->findChild<QAction*>(action)->trigger();
        frmPractice* window = unit->window();
        if (window) {
            window->SetClock([this] { return now; });
        }
        return window;
    }
    QString Text(const char* name) { return unit->window()->findChild<QLabel*>(name)->text(); }
    void Check() {
        QTest::mouseClick(unit->window()->findChild<QPushButton*>("cmdCheck"), Qt::LeftButton);
    }
    void Next() { QTest::keyClick(unit->window(), Qt::Key_Escape); }
    void BuildTask() { table.game.SpotStake = unit->placeTask()->stakes; }
    bool LevelOpen(int row) {
        auto* levels = unit->window()->findChild<QComboBox*>("cmbLevel");
        return qobject_cast<QStandardItemModel*>(levels->model())->item(row)->isEnabled();
    }

    // The croupier's voice: what it was asked to say, and whether it speaks.
    std::unique_ptr<DrillsUnit> MakeUnit() {
        return std::make_unique<DrillsUnit>(table, random, DrillsUnit::ProgressStore(),
                                            [this](const QString& sentence) {
                                                spoken << sentence;
                                                return voice;
                                            });
    }

    FakeTable table;
    FixedRandom random;
    QStringList spoken;
    bool voice = true;
    std::unique_ptr<DrillsUnit> unit = MakeUnit();
    qint64 now = 1000;
};

TEST_F(DrillsUnitTest, TheLayoutIsPutAsideOnceAndBroughtBackWhenTheWindowCloses) {
    table.game.SpotStake.at(153) = 10;
    frmPractice* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(table.putAside, 1);
    EXPECT_EQ(table.game.ChipIndex, unit->placeTask()->chipIndex);
    EXPECT_EQ(table.game.TableIndex, unit->placeTask()->tableIndex);
    EXPECT_TRUE(table.silenced) << "Place it is built by hand, without the buttons' preview";
    EXPECT_TRUE(table.announcedDiverted());
    EXPECT_GE(table.undoForgotten, 1);
    Open("actDrillName");
    EXPECT_EQ(unit->window(), window) << "another drill only switches the window";
    EXPECT_EQ(table.putAside, 1);
    EXPECT_FALSE(table.silenced);
    EXPECT_FALSE(table.announcedDiverted());
    const NameTask& task = *unit->nameTask();
    ASSERT_EQ(table.presses.size(), 1U);
    EXPECT_EQ(table.presses[0].bet, task.bet.call.bet);
    EXPECT_EQ(table.presses[0].cover, task.bet.call.cover);
    EXPECT_EQ(table.presses[0].eitherSide, QString::fromStdString(task.bet.call.neighb));
    window->close();
    EXPECT_FALSE(unit->open());
    EXPECT_EQ(table.broughtBack, 1);
    EXPECT_EQ(table.game.SpotStake.at(153), 10);
    EXPECT_FALSE(table.announcedDiverted());
}

TEST_F(DrillsUnitTest, NoDrillWhileTheBallRunsOrAutoplayHoldsTheTable) {
    for (const auto& [spinning, held] : {std::pair{true, false}, std::pair{false, true}}) {
        table.game.Spinning = spinning;
        table.isHeld = held;
        EXPECT_EQ(Open(), nullptr);
        EXPECT_EQ(table.putAside, 0);
    }
}

// In Place it a button shows the answer: the first press counts wrong, no other.
TEST_F(DrillsUnitTest, AnAnnouncedPressInPlaceItCountsWrongOnce) {
    Open();
    for (int press = 0; press < 2; ++press) {
        static_cast<Table&>(table).PressAnnounced(AnnouncedBet::Tier, Qt::LeftButton);
    }
    EXPECT_TRUE(table.presses.empty());
    EXPECT_EQ(Text("lblVerdict").toStdString(), ButtonPressedVerdict().text);
    EXPECT_EQ(Text("lblWrong"), "Wrong: 1");
    EXPECT_TRUE(table.pair.has_value()) << "the answer marked";
    Check();
    EXPECT_EQ(Text("lblWrong"), "Wrong: 1");
}

// Progress is stored and read back: the counts, the streak and the level opened.
TEST_F(DrillsUnitTest, APassedLevelAndTheCountsAreKeptForTheNextTable) {
    Open();
    EXPECT_TRUE(LevelOpen(0));
    EXPECT_FALSE(LevelOpen(1));
    for (int i = 0; i < kMarkWindow; ++i) {
        BuildTask();
        Check();
        Next();
    }
    EXPECT_TRUE(LevelOpen(1));
    EXPECT_FALSE(LevelOpen(2));
    unit->window()->close();
    unit = MakeUnit();
    Open();
    EXPECT_TRUE(LevelOpen(1));
    EXPECT_EQ(Text("lblRight"), QStringLiteral("Right: %1").arg(kMarkWindow));
    EXPECT_EQ(Text("lblStreak"), QStringLiteral("Streak: %1 (best %1)").arg(kMarkWindow));
    EXPECT_TRUE(table.messages.isEmpty());
}

// A file the drill cannot read (which rows break its rules is the core's
// test) is moved aside with one notice when the drill first reads it, and
// answers count again.
TEST_F(DrillsUnitTest, AnUnreadableProgressFileIsMovedAsideWithOneNotice) {
    const QByteArray bytes = "not a progress file\n\x01\x02";
    QDir folder(QFileInfo(ProgressPath()).path());
    QDir().mkpath(folder.path());
    QFile file(ProgressPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    Open();
    const QStringList aside = folder.entryList({"progress.txt.unreadable-*"});
    ASSERT_EQ(aside.size(), 1);
    const QString movedTo = folder.filePath(aside.at(0));
    EXPECT_EQ(table.messages, QStringList{"Velmora could not read its practice progress, so it "
                                          "moved the file to " +
                                          movedTo + " and starts afresh."});
    QFile kept(movedTo);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), bytes);
    EXPECT_EQ(Text("lblRight"), "Right: 0");
    BuildTask();
    Check();
    EXPECT_EQ(Text("lblRight"), "Right: 1");
    EXPECT_EQ(table.messages.size(), 1);
}

TEST_F(DrillsUnitTest, TheClockRunsOnTheTaskAndStopsAtTheAnswer) {
    frmPractice* window = Open();
    now += 65'400;
    window->Tick();
    EXPECT_EQ(Text("lblClock"), "1:05");
    BuildTask();
    Check();
    now += 10'000;
    window->Tick();
    EXPECT_EQ(Text("lblClock"), "1:05") << "stopped at the answer";
    EXPECT_EQ(Text("lblAverage"), "Average time: 65.4 s");
    Next();
    EXPECT_EQ(Text("lblClock"), "0:00");
}

// Next skips an unchecked task uncounted; a checked one is a row of the table.
TEST_F(DrillsUnitTest, TheTableOfBetsCountsTasksAndTheMostMissedChip) {
    frmPractice* window = Open();
    auto* bets = window->findChild<QTableWidget*>("tblBets");
    Next();
    EXPECT_EQ(Text("lblRight") + Text("lblWrong"), "Right: 0Wrong: 0");
    EXPECT_EQ(bets->rowCount(), 0);
    const PlacedBet task = *unit->placeTask();
    Check(); // nothing built: every spot missed, the lowest named
    ASSERT_EQ(bets->rowCount(), 1);
    EXPECT_EQ(bets->verticalHeaderItem(0)->text(),
              QString::fromStdString(AnnouncedBetName(task.call.bet)));
    EXPECT_EQ(bets->item(0, 0)->text(), "1");
    EXPECT_EQ(bets->item(0, 1)->text(), "0");
    std::int16_t lowest = 0;
    while (task.stakes.at(lowest) == 0) {
        ++lowest;
    }
    EXPECT_EQ(bets->item(0, 2)->text(), QString::fromStdString(SpotName(lowest)));
}

TEST_F(DrillsUnitTest, ThePracticeWindowFollowsTheZoom) {
    const frmPractice* window = Open();
    const qreal designed = window->font().pointSizeF();
    table.setZoom(1.5);
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), designed * 1.5);
    unit->window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_DOUBLE_EQ(Open()->font().pointSizeF(), designed * 1.5) << "opened at the zoom now";
}

// Hear it, level 1: the call is spoken, never shown before the check;
// Repeat says it again; a right and a wrong answer, each with the call written.
TEST_F(DrillsUnitTest, HearItSpeaksTheCallAndWritesItOnlyInTheVerdict) {
    Open("actDrillHear");
    const HearTask task = *unit->hearTask();
    const QString call = QString::fromStdString(task.sentence);
    EXPECT_EQ(Text("lblTask"), "Listen to the call and place it.");
    EXPECT_EQ(spoken, QStringList{call});
    EXPECT_EQ(task.calls.size(), 1U);
    EXPECT_TRUE(table.silenced && table.announcedDiverted());
    QTest::mouseClick(unit->window()->findChild<QPushButton*>("cmdRepeat"), Qt::LeftButton);
    QTest::keyClick(unit->window(), Qt::Key_R);
    EXPECT_EQ(spoken, (QStringList{call, call, call}));
    EXPECT_FALSE(Text("lblTask").contains(call));
    table.game.SpotStake = task.stakes;
    Check();
    EXPECT_EQ(Text("lblVerdict"), call + ": Right");
    EXPECT_EQ(Text("lblRight"), "Right: 1");
    Next();
    const HearTask next = *unit->hearTask();
    table.game.SpotStake = {};
    Check();
    EXPECT_TRUE(
        Text("lblVerdict").startsWith(QString::fromStdString(next.sentence) + ": missing "));
    EXPECT_TRUE(table.pair.has_value()) << "the missing chips marked";
    EXPECT_EQ(Text("lblWrong"), "Wrong: 1");
}

// Level 4: three calls 3 s apart on the drill's clock, a countdown, and at
// 12 s "No more bets", which checks what lies on the layout and closes it to
// presses until Next. Check before it does nothing.
TEST_F(DrillsUnitTest, HearItsStreamChecksTheLayoutAtNoMoreBets) {
    DrillProgress passed;
    for (int level = 1; level < kLevelCount; ++level) {
        passed.levels[{Drill::HearIt, level}].passed = true;
    }
    DrillsUnit::ProgressStore().Update(
        [passed](StoredRecords& records) { records = ProgressRecords(passed); });
    unit = MakeUnit();
    Open("actDrillHear");
    auto* levels = unit->window()->findChild<QComboBox*>("cmbLevel");
    levels->setCurrentIndex(3);
    emit levels->activated(3);
    const HearTask task = *unit->hearTask();
    ASSERT_EQ(task.texts.size(), 3U);
    const auto said = [&](std::size_t calls) {
        QStringList expected;
        for (std::size_t i = 0; i < calls; ++i) {
            expected << QString::fromStdString(task.texts.at(i));
        }
        return expected;
    };
    EXPECT_EQ(spoken.mid(spoken.size() - 1), said(1));
    spoken.clear();
    now += 3000;
    unit->window()->Tick();
    now += 3000;
    unit->window()->Tick();
    EXPECT_EQ(spoken, said(3).mid(1));
    EXPECT_EQ(Text("lblCountdown"), "No more bets in 6 s");
    table.game.SpotStake = task.stakes;
    Check();
    EXPECT_EQ(Text("lblRight"), "Right: 0") << "only No more bets checks";
    now += 6000;
    unit->window()->Tick();
    EXPECT_EQ(spoken.back(), "No more bets");
    EXPECT_EQ(Text("lblRight"), "Right: 1");
    EXPECT_EQ(Text("lblCountdown"), "No more bets in 0 s");
    EXPECT_TRUE(table.blocked) << "the layout takes no press until Next";
    Next();
    EXPECT_FALSE(table.blocked);
}

// No voice: the call is written in the task and the verdict line says why;
// level 1 reads at once, and nothing waits for speech.
TEST_F(DrillsUnitTest, WithoutAVoiceHearItShowsTheCall) {
    voice = false;
    Open("actDrillHear");
    const QString call = QString::fromStdString(unit->hearTask()->sentence);
    EXPECT_EQ(Text("lblTask"), call);
    EXPECT_EQ(Text("lblVerdict"),
              "No voice speaks here, so the call is written above: place it as read.");
    table.game.SpotStake = unit->hearTask()->stakes;
    Check();
    EXPECT_EQ(Text("lblVerdict"), call + ": Right");
}

} // namespace
