// The table heard, through the real window: which press sounds as a chip and
// which as one bet, a spin from the launch to the settlement, and the
// switches in the main window's Settings menu. The audio records; the rules
// of what is heard are the sound unit's own tests.
#include "PlayerPresses.h"
#include "units/RecordingAudio.h"

#include "window/board/MainWindow.h"
#include "window/common/SettingsFile.h"

#include <QMenuBar>

#include <functional>

namespace {

using Lines = std::vector<std::string>;

class SoundWindowTest : public AnnouncedTest {
  protected:
    RecordedAudio recorded;
    RecordingAudio& audio = recorded.audio;
    BoxLog boxes;
};

// A chip on or off by hand clicks; an announced bet, a rebet, a double sound
// once for the whole press; a refused chip or a press that changes nothing is silent.
TEST_F(SoundWindowTest, EachPressIsHeardAsAChipOrAsOneBet) {
    const std::tuple<const char*, std::function<void()>, Lines> presses[] = {
        {"a $10 chip on red",
         [this] {
             SelectChip(3);
             ClickOn(QStringLiteral("imgRed"));
         },
         {"chip"}},
        {"the chip taken off red",
         [this] { PressAt(Find("imgRed")->geometry().center(), Qt::RightButton); },
         {"chip"}},
        {"nothing to take off",
         [this] { PressAt(Find("imgRed")->geometry().center(), Qt::RightButton); },
         {}},
        {"Tier", [this] { PressButton("cmdTier", Qt::LeftButton); }, {"bet"}},
        {"Double", [this] { ActionOf(board, "actDouble")->trigger(); }, {"bet"}},
        {"a chip the table refuses",
         [this] {
             SelectChip(0); // $1 on red at the $5 table
             ClickOn(QStringLiteral("imgRed"));
         },
         {}},
    };
    for (const auto& [what, press, heard] : presses) {
        SCOPED_TRACE(what);
        audio.played.clear();
        press();
        EXPECT_EQ(audio.played, heard);
    }
    EXPECT_EQ(boxes.boxes().size(), 1U) << "the refusal's box, as ever";
}

// The ball runs and the croupier closes the bets; it drops, the winner on 0
// is paid, the loser on red swept, and the number is called.
TEST_F(SoundWindowTest, ASpinIsHeardFromTheLaunchToTheSettlement) {
    Lay(board, {{0, 5}, {kRedSpot, 10}});
    SpinTo(0);
    EXPECT_EQ(audio.played, (Lines{"spin", "stop", "drop", "win", "sweep"}));
    EXPECT_EQ(audio.said, (Lines{"No more bets", "Zero"}));
    audio.played.clear();
    ActionOf(board, "actRebet")->trigger();
    EXPECT_EQ(audio.played, (Lines{"bet"})) << "the rebet puts back the lost red";
}

// The main window lists the switches and the dialog under Settings; switched
// off they silence this table and the next.
TEST_F(SoundWindowTest, TheSettingsMenuSwitchesSoundAndVoiceOffForThisTableAndTheNext) {
    QFile::remove(SettingsFile::Path());
    {
        MainWindow main;
        QStringList listed;
        for (QAction* menu : main.menuBar()->actions()) {
            if (menu->text() == QStringLiteral("&Settings")) {
                for (QAction* action : menu->menu()->actions()) {
                    listed << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
                }
            }
        }
        EXPECT_EQ(listed, (QStringList{"actSound", "actVoice", "-", "actConfigure"}));
        auto* table = main.findChild<frmBoard*>();
        ActionOf(*table, "actSound")->trigger();
        ActionOf(*table, "actVoice")->trigger();
    }
    frmBoard next(nullptr, std::make_unique<FixedRandom>());
    Lay(next, {{0, 5}});
    PressSpinHeld(next);
    RunBallOut(next);
    EXPECT_TRUE(audio.played.empty());
    EXPECT_TRUE(audio.said.empty());
    EXPECT_FALSE(ActionOf(next, "actSound")->isChecked());
}

} // namespace
