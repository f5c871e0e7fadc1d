// Autoplay from the window: real spins played from the layout as it started,
// stopped by its rules, by a refusal or by the player.
#include "PlayerPresses.h"
#include "units/RecordingAudio.h"

#include "window/autoplay/dlgAutoplay.h"
#include "window/board/MainWindow.h"

#include "wheel/Spin.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QStatusBar>

#include <functional>
#include <tuple>

namespace {

using Lines = std::vector<std::string>;

// Draws the given pockets in turn, the first for the resting ball.
class SequenceRandom final : public RandomSource {
  public:
    explicit SequenceRandom(std::vector<int> pockets) : m_pockets(std::move(pockets)) {}
    void SeedFromClock() override {}
    float Next() override { return ValueForPocket(m_pockets.at(m_next++ % m_pockets.size())); }

  private:
    std::vector<int> m_pockets;
    std::size_t m_next = 0;
};

// Pockets 3, 26, 0, 32 and 15 hold 19, 31, 0, 28 and 30: 17 never comes.
const std::vector<int> kPockets = {18, 3, 26, 0, 32, 15};
constexpr std::int16_t kSeventeen = 17;

// Answers the autoplay dialog once it opens, as the player fills it in.
void StartFromDialog(frmBoard& board, int spins, ProgressionKind kind, AutoplaySpeed speed,
                     const std::function<void(dlgAutoplay&)>& more = {}) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<dlgAutoplay*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the autoplay dialog did not open";
        dialog->findChild<QSpinBox*>("spnSpins")->setValue(spins);
        dialog->findChild<QComboBox*>("cmbProgression")->setCurrentIndex(static_cast<int>(kind));
        dialog->findChild<QComboBox*>("cmbSpeed")->setCurrentIndex(static_cast<int>(speed));
        if (more) {
            more(*dialog);
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
    });
    ActionOf(board, "actAutoplay")->trigger();
}

// Steps the ball tick by tick and cuts the pause between spins short.
void PlayUntil(frmBoard& board, const std::function<bool()>& done) {
    auto* pause = board.findChild<QTimer*>("tmrAutoplay");
    for (int step = 0; step < 100'000 && !done(); ++step) {
        if (board.state().Spinning) {
            board.tmrDelay_Timer();
        } else {
            pause->setInterval(0);
            QCoreApplication::processEvents();
        }
    }
    ASSERT_TRUE(done()) << "autoplay did not get there";
}

void PlayOut(frmBoard& board) {
    PlayUntil(board, [&] { return !board.autoplayRunning(); });
}

int SpinsPlayed(const GameState& state) {
    int played = 0;
    for (const HistoryEntry& entry : state.LastNumbers) {
        played += entry.text.empty() ? 0 : 1;
    }
    return played;
}

class AutoplayTest : public ::testing::Test {
  protected:
    AutoplayTest() : board(nullptr, std::make_unique<SequenceRandom>(kPockets)) { board.show(); }
    frmBoard board;
};

struct SpeedCase {
    const char* name;
    AutoplaySpeed speed;
    bool animated;
    int tickMilliseconds; // while the ball runs
    int ballSounds;       // heard: the sounds at every speed but Instant
    int sentences;        // and the croupier only at the table's speed
};

class AutoplaySpeedTest : public AutoplayTest, public testing::WithParamInterface<SpeedCase> {};

// The same five spins pressed by hand, each after a rebet, are the reference.
TEST_P(AutoplaySpeedTest, PlaysTheSameSpinsAsThePlayerWouldAtEverySpeed) {
    frmBoard byHand(nullptr, std::make_unique<SequenceRandom>(kPockets));
    Lay(byHand, {{kRedSpot, 10}});
    for (int spin = 0; spin < 5; ++spin) {
        ActionOf(byHand, "actRebet")->trigger();
        PressSpinHeld(byHand);
        RunBallOut(byHand);
    }
    Lay(board, {{kRedSpot, 10}});
    const RecordedAudio recorded;
    StartFromDialog(board, 5, ProgressionKind::Flat, GetParam().speed);
    auto* tick = board.findChild<QTimer*>("tmrDelay");
    EXPECT_EQ(board.state().Spinning, GetParam().animated);
    if (GetParam().animated) {
        EXPECT_EQ(tick->interval(), GetParam().tickMilliseconds);
    }
    PlayOut(board);
    EXPECT_EQ(board.lastAutoplayEnd(), AutoplayEnd::SpinsDone);
    EXPECT_EQ(tick->interval(), kTickMilliseconds);
    EXPECT_EQ(SpinsPlayed(board.state()), 5);
    const auto played = [](const GameState& s) {
        return std::tie(s.LastNumbers, s.SpotStake, s.Balance, s.LastWin, s.BallPocket,
                        s.BallRadius, s.BallDirection);
    };
    EXPECT_EQ(played(board.state()), played(byHand.state()));
    EXPECT_EQ(board.findChild<QComboBox*>("cmbNumber")->currentText(), " 30");
    const Lines& heard = recorded.audio.played;
    EXPECT_EQ(std::count(heard.begin(), heard.end(), "spin"), GetParam().ballSounds);
    EXPECT_EQ(recorded.audio.said.size(), static_cast<std::size_t>(GetParam().sentences));
}

INSTANTIATE_TEST_SUITE_P(Speeds, AutoplaySpeedTest,
                         testing::Values(SpeedCase{"Table", AutoplaySpeed::Table, true, 24, 5, 10},
                                         SpeedCase{"Fast", AutoplaySpeed::Fast, true, 6, 5, 0},
                                         SpeedCase{"Instant", AutoplaySpeed::Instant, false, 0, 0,
                                                   0}),
                         [](const auto& row) { return std::string(row.param.name); });

// 5 staked straight up on `number`; `amount` is null for a rule without one.
struct RuleCase {
    const char* name;
    std::int16_t number;
    const char *check, *amount;
    int value, played;
    AutoplayEnd end;
};

// clang-format off
const std::vector<RuleCase> kRuleCases = {
    {"TheFloorStopsAtItsBalance", kSeventeen, "chkStopBelow", "spnStopBelow", -15, 3, AutoplayEnd::BalanceBelow},
    {"AFloorNotReachedLetsEverySpinPlay", kSeventeen, "chkStopBelow", "spnStopBelow", -100, 4, AutoplayEnd::SpinsDone},
};
// clang-format on

TEST_F(AutoplayTest, EachStopRuleEndsTheRunAfterTheSpinThatMeetsIt) {
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.name);
        frmBoard table(nullptr, std::make_unique<SequenceRandom>(kPockets));
        table.show();
        Lay(table, {{StraightUpSpot(c.number), 5}});
        StartFromDialog(table, 4, ProgressionKind::Flat, AutoplaySpeed::Instant,
                        [&](dlgAutoplay& d) {
                            d.findChild<QCheckBox*>(c.check)->setChecked(true);
                            if (c.amount) {
                                d.findChild<QSpinBox*>(c.amount)->setValue(c.value);
                            }
                        });
        PlayOut(table);
        EXPECT_EQ(table.lastAutoplayEnd(), c.end);
        EXPECT_EQ(SpinsPlayed(table.state()), c.played);
    }
}

// A refused stake ends the run before its spin, in the table's own box (an
// empty layout refused before the dialog is the unit's test).
TEST_F(AutoplayTest, ARefusedStakeStopsAutoplayWithTheTablesMessage) {
    BoxLog boxes;
    const std::int16_t spot = StraightUpSpot(kSeventeen);
    const std::int16_t maximum = board.state().limits.SpotMaxBet.at(2).at(spot);
    ASSERT_EQ(maximum % 10, 0);
    Lay(board, {{spot, maximum / 2}});
    StartFromDialog(board, 10, ProgressionKind::Martingale, AutoplaySpeed::Instant);
    PlayOut(board);
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes().front(),
                       QStringLiteral("Maximum bet allowed is  %1").arg(maximum));
    EXPECT_EQ(board.lastAutoplayEnd(), AutoplayEnd::Refused);
    EXPECT_EQ(SpinsPlayed(board.state()), 2);
    EXPECT_EQ(board.state().SpotStake.at(spot), 0) << "the refused stake is not placed";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(ActionOf(board, "actSpin")->isEnabled());
}

// The main window shows the run's progress; the table takes no input between
// spins; Escape stops once the spin under way is settled.
TEST(AutoplayMainWindowTest, ShowsProgressAndStopsOnEscapeAfterTheSpin) {
    MainWindow window(std::make_unique<SequenceRandom>(kPockets));
    window.show();
    frmBoard& board = *window.board();
    Lay(board, {{StraightUpSpot(kSeventeen), 5}});
    StartFromDialog(board, 3, ProgressionKind::Martingale, AutoplaySpeed::Table);
    QAction* autoplay = ActionOf(board, "actAutoplay");
    EXPECT_EQ(window.statusBar()->currentMessage(), "Autoplay: spin 1 of 3, Martingale x1");
    EXPECT_EQ(autoplay->text(), "Stop autoplay");
    EXPECT_TRUE(autoplay->isEnabled());
    EXPECT_FALSE(ActionOf(board, "actRebet")->isEnabled());

    PlayUntil(board, [&] { return !board.state().Spinning; });
    QWidget* table10 = board.findChild<QWidget*>("lblTable10");
    QTest::mouseClick(table10, Qt::LeftButton, {}, table10->rect().center());
    EXPECT_EQ(board.state().TableIndex, 2) << "no input between autoplay spins";
    EXPECT_FALSE(ActionOf(board, "actRebet")->isEnabled());

    PlayUntil(board, [&] { return board.state().Spinning; });
    EXPECT_EQ(window.statusBar()->currentMessage(), "Autoplay: spin 2 of 3, Martingale x2");
    EXPECT_EQ(board.state().SpotStake.at(StraightUpSpot(kSeventeen)), 10);
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_TRUE(board.state().Spinning) << "the spin under way still runs";
    PlayOut(board);
    EXPECT_EQ(board.lastAutoplayEnd(), AutoplayEnd::PlayerStopped);
    EXPECT_EQ(SpinsPlayed(board.state()), 2);
    EXPECT_EQ(window.statusBar()->currentMessage(), "");
    EXPECT_EQ(autoplay->text(), "&Autoplay...");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
