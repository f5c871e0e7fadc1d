// The table heard, against a fake table and a recording audio: which event
// sounds and speaks what, at which pace, what is logged, and what is kept.
#include "FakeTable.h"
#include "RecordingAudio.h"

#include "window/common/SettingsFile.h"
#include "window/sound/SoundUnit.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSlider>

#include <memory>

namespace {

using Lines = std::vector<std::string>;

// The logged lines of the two categories, "sound: chip", "voice: Zero".
Lines g_logged;
void Record(QtMsgType, const QMessageLogContext& context, const QString& text) {
    const std::string category = context.category;
    if (category.rfind("velmora.", 0) == 0) {
        g_logged.push_back(category.substr(8) + ": " + text.toStdString());
    }
}

class SoundUnitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(SettingsFile::Path());
        QLoggingCategory::setFilterRules(QStringLiteral("velmora.*.info=true"));
        g_logged.clear();
        m_previous = qInstallMessageHandler(Record);
    }
    void TearDown() override {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    std::unique_ptr<SoundUnit> Unit() {
        return std::make_unique<SoundUnit>(
            table, [this] { return pace; }, [this]() -> TableAudio& { return audio; });
    }
    FakeTable table;
    RecordingAudio audio;
    PlayPace pace = PlayPace::TableSpeed;
    QtMessageHandler m_previous = nullptr;
};

TEST_F(SoundUnitTest, AChipByHandClicksAndAPressOfAWholeBetSoundsOnce) {
    auto unit = Unit();
    emit table.chipStaked();
    emit table.patternStaked();
    EXPECT_EQ(audio.played, (Lines{"chip", "bet"}));
    EXPECT_EQ(g_logged, (Lines{"sound: chip", "sound: bet"}));
    EXPECT_EQ(audio.lastVolume, 80);
}

// Switched off, nothing is played, said or logged; each switch is kept for
// the next table, and so are the dialog's volumes, rate and voice.
TEST_F(SoundUnitTest, SoundAndVoiceSwitchedOffAreSilentAndRemembered) {
    {
        auto unit = Unit();
        EXPECT_TRUE(unit->actSound()->isChecked() && unit->actVoice()->isChecked());
        unit->actSound()->trigger();
        unit->actVoice()->trigger();
        emit table.chipStaked();
        table.Spin();
        table.StepBall();
        EXPECT_TRUE(audio.said.empty());
        EXPECT_TRUE(g_logged.empty());
    }
    auto next = Unit();
    EXPECT_FALSE(next->actSound()->isChecked());
    EXPECT_FALSE(next->actVoice()->isChecked());
    next->actVoice()->trigger();
    emit table.chipStaked();
    table.Spin();
    EXPECT_EQ(audio.said, (Lines{"No more bets"}));
    EXPECT_EQ(g_logged, (Lines{"voice: No more bets"}));
}

TEST_F(SoundUnitTest, TheSettingsDialogSetsVolumesRateAndVoiceAndTestsTheVoice) {
    {
        auto unit = Unit();
        unit->actConfigure()->trigger();
        auto* dialog = table.owner()->findChild<QDialog*>(QStringLiteral("dlgSettings"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSlider*>(QStringLiteral("sldSoundVolume"))->setValue(30);
        dialog->findChild<QSlider*>(QStringLiteral("sldVoiceVolume"))->setValue(60);
        dialog->findChild<QSlider*>(QStringLiteral("sldVoiceRate"))->setValue(-40);
        auto* voices = dialog->findChild<QComboBox*>(QStringLiteral("cmbVoice"));
        ASSERT_EQ(voices->count(), 3); // the service's own, and the two it offers
        voices->setCurrentIndex(voices->findText(QStringLiteral("french")));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdTestVoice"))->click();
        EXPECT_EQ(audio.said, (Lines{"Seventeen, black, odd, low"}));
        dialog->close();
    }
    auto next = Unit();
    emit table.chipStaked();
    table.Spin();
    EXPECT_EQ(audio.lastVolume, 30);
    EXPECT_EQ(audio.lastVoice.volume, 60);
    EXPECT_EQ(audio.lastVoice.rate, -40);
    EXPECT_EQ(audio.lastVoice.voice, QStringLiteral("french"));
}

// No speech service: the table plays on, and the voice's tip says how to get one.
TEST_F(SoundUnitTest, WithoutASpeechServiceTheVoiceSaysHowToGetOne) {
    audio.speaks = false;
    audio.voices.clear();
    auto unit = Unit();
    table.Spin(); // loads the audio, as the first frame would
    EXPECT_TRUE(unit->actVoice()->statusTip().contains(QStringLiteral("speech-dispatcher")));
    EXPECT_TRUE(unit->actVoice()->statusTip().contains(QStringLiteral("espeak-ng")));
}

// Hear it's calls: spoken whatever the table's pace while the voice is on,
// logged as asked even where no service speaks them, and then reported unspoken.
TEST_F(SoundUnitTest, ADrillsCallIsSpokenWhileTheVoiceIsOnAndASayerIsThere) {
    const std::tuple<bool, bool, bool, Lines> cases[] = {
        {true, true, true, {"voice: Orphelins by 2"}},
        {false, true, false, {"voice: Orphelins by 2"}},
        {true, false, false, {}},
    };
    for (const auto& [speaks, voiceOn, spoken, logged] : cases) {
        QFile::remove(SettingsFile::Path());
        g_logged.clear();
        audio.said.clear();
        audio.speaks = speaks;
        pace = PlayPace::Instant;
        auto unit = Unit();
        if (!voiceOn) {
            unit->actVoice()->trigger();
        }
        EXPECT_EQ(unit->SpeakCall(QStringLiteral("Orphelins by 2")), spoken);
        EXPECT_EQ(audio.said, spoken ? Lines{"Orphelins by 2"} : Lines{});
        EXPECT_EQ(g_logged, logged);
    }
}

} // namespace
