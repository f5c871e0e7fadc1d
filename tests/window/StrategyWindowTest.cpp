#include "PlayerPresses.h"

#include "StrategyFigures.h"
#include "betting/StakeJournal.h"
#include "table/GameState.h"
#include "window/strategy/frmStrategy.h"

#include <QProgressBar>
#include <QSpinBox>

namespace {

class StrategyWindowTest : public BoardTest {
  protected:
    // Two inside spots and red at the "$5" table, each stake within its limits.
    void PlaceLayout() { Lay(board, {{91, 5}, {92, 10}, {153, 20}}); }
    QWidget* Open() {
        ActionOf(board, "actStrategy")->trigger();
        return board.findChild<QWidget*>("frmStrategy");
    }
    void Set(QWidget* tester, const TesterInputs& s) {
        for (const auto& [name, value] : {std::pair{"spnSessions", s.sessions},
                                          {"spnSessionSpins", s.spins},
                                          {"spnBankroll", s.bankroll},
                                          {"spnTarget", s.target},
                                          {"spnSeed", s.seed}}) {
            tester->findChild<QSpinBox*>(name)->setValue(value);
        }
        tester->findChild<QComboBox*>("cmbProgression")->setCurrentIndex(s.progression);
    }
    static QString Text(QWidget* tester, const char* name) {
        return tester->findChild<QLabel*>(name)->text();
    }
    static QWidget* Run(QWidget* tester) {
        auto* run = tester->findChild<QPushButton*>("cmdRun");
        QTest::mouseClick(run, Qt::LeftButton);
        return run;
    }
};

// The figures shown are the core's for the same inputs, on one thread and
// on four, and the table's own money, stakes and history are untouched.
TEST_F(StrategyWindowTest, ShowsTheSameFiguresOnAnyThreadsAndLeavesTheTableAlone) {
    PlaceLayout();
    const GameState before = board.state();
    QWidget* tester = Open();
    ASSERT_NE(tester, nullptr);
    const TesterInputs inputs{700, 200, 500, 150, 1, 31}; // Martingale
    Set(tester, inputs);
    const QStringList expected = CoreFigures(before, inputs);
    QStringList shown[2];
    for (const int threads : {1, 4}) {
        static_cast<frmStrategy*>(tester)->SetThreadCount(threads);
        QWidget* run = Run(tester);
        QTRY_VERIFY_WITH_TIMEOUT(run->isEnabled(), 30000);
        QStringList& texts = shown[threads == 1 ? 0 : 1];
        for (const char* name : {"lblWagered", "lblExpectedLoss", "lblActualLoss", "lblBroke",
                                 "lblTarget", "lblStopped", "lblFinal", "lblDrawdown"}) {
            texts << Text(tester, name);
        }
    }
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ((QStringList{shown[0].at(0), shown[0].at(2), shown[0].at(3), shown[0].at(7)}),
              expected);
    auto* bar = tester->findChild<QProgressBar*>("barProgress");
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(TakeSnapshot(board.state()) == TakeSnapshot(before));
    EXPECT_EQ(board.state().LastNumbers, before.LastNumbers);
}

// A run far too long to wait for: the window answers while it runs, and
// Cancel gives the inputs back at once.
TEST_F(StrategyWindowTest, CancelStopsALongRun) {
    PlaceLayout();
    QWidget* tester = Open();
    ASSERT_NE(tester, nullptr);
    Set(tester, {100000, 100000, 1000000000, 0, 0, 5});
    QWidget* run = Run(tester);
    EXPECT_FALSE(run->isEnabled());
    EXPECT_FALSE(tester->findChild<QSpinBox*>("spnSeed")->isEnabled());
    QTest::qWait(50); // the event loop turns while the workers play
    QTest::mouseClick(tester->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_TRUE(run->isEnabled());
    EXPECT_EQ(Text(tester, "lblState"), "Cancelled.");
    auto* bar = tester->findChild<QProgressBar*>("barProgress");
    EXPECT_LT(bar->value(), bar->maximum());
}

} // namespace
