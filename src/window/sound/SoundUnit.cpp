#include "window/sound/SoundUnit.h"

#include "table/SettingValue.h"
#include "window/common/AfterFirstFrame.h"
#include "window/common/SettingsFile.h"
#include "window/common/Table.h"
#include "window/common/TableTexts.h"
#include "window/sound/dlgSettings.h"

#include <QAction>

#include <utility>

Q_LOGGING_CATEGORY(lcSound, "velmora.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcVoice, "velmora.voice", QtWarningMsg)

namespace {

QString NoVoiceTip() {
    return SoundUnit::tr("No voice: install qt6-speech-speechd-plugin, speech-dispatcher and "
                         "espeak-ng (%1), then start Velmora again.")
        .arg(QStringLiteral(
            "sudo apt-get install qt6-speech-speechd-plugin speech-dispatcher espeak-ng"));
}

// The croupier speaks the table's language where the service has a voice for it.
VoiceChoice InTableLanguage(VoiceChoice choice) {
    //: This translation's language code, for the croupier's voice: fr, de
    const QString language = SoundUnit::tr("en");
    if (language != QLatin1String("en")) {
        choice.language = language;
    }
    return choice;
}

int Stored(const StoredSettings& stored, const char* key, int low, int high, int fallback) {
    return SettingInRange(stored.value(QLatin1String(key)).toString().toStdString(), low, high,
                          fallback);
}

bool Switch(const StoredSettings& stored, const char* key) {
    return SettingSwitch(stored.value(QLatin1String(key)).toString().toStdString(), true);
}

} // namespace

SoundSettings ReadSoundSettings() {
    const StoredSettings stored;
    SoundSettings s;
    s.sound = Switch(stored, "sound/on");
    s.voice = Switch(stored, "voice/on");
    s.soundVolume = Stored(stored, "sound/volume", 0, 100, s.soundVolume);
    s.voiceChoice.volume = Stored(stored, "voice/volume", 0, 100, s.voiceChoice.volume);
    s.voiceChoice.rate = Stored(stored, "voice/rate", -100, 100, s.voiceChoice.rate);
    s.voiceChoice.voice = stored.value(QStringLiteral("voice/name")).toString().left(200);
    return s;
}

void StoreSoundSettings(const SoundSettings& s) {
    StoredSettings stored;
    stored.setValue(QStringLiteral("sound/on"), s.sound);
    stored.setValue(QStringLiteral("voice/on"), s.voice);
    stored.setValue(QStringLiteral("sound/volume"), s.soundVolume);
    stored.setValue(QStringLiteral("voice/volume"), s.voiceChoice.volume);
    stored.setValue(QStringLiteral("voice/rate"), s.voiceChoice.rate);
    stored.setValue(QStringLiteral("voice/name"), s.voiceChoice.voice);
}

SoundUnit::SoundUnit(Table& table, std::function<PlayPace()> pace,
                     std::function<TableAudio&()> audio)
    : QObject(&table), m_table(table), m_pace(std::move(pace)), m_audio(std::move(audio)),
      m_settings(ReadSoundSettings()) {
    setObjectName(QStringLiteral("soundUnit"));
    CreateActions();
    ConnectTable();
    // Loaded once the table stands, so the first chip already sounds and
    // the voice's state is known, without holding back the first frame.
    RunAfterFirstFrame(m_table.owner(), [this] { Player(); });
}

TableAudio& SoundUnit::Player() {
    if (!m_player) {
        m_player = &m_audio();
        m_player->WhenSpeechKnown(
            [self = QPointer<SoundUnit>(this)](bool speaks, const QStringList& voices) {
                if (self) {
                    self->ShowSpeech(speaks, voices);
                }
            });
    }
    return *m_player;
}

void SoundUnit::CreateActions() {
    m_actSound = new QAction(tr("Sound"), this);
    m_actSound->setObjectName(QStringLiteral("actSound"));
    m_actVoice = new QAction(tr("Croupier's voice"), this);
    m_actVoice->setObjectName(QStringLiteral("actVoice"));
    for (QAction* action : {m_actSound, m_actVoice}) {
        action->setCheckable(true);
    }
    m_actSound->setChecked(m_settings.sound);
    m_actVoice->setChecked(m_settings.voice);
    connect(m_actSound, &QAction::toggled, this, [this](bool on) {
        SoundSettings s = m_settings;
        s.sound = on;
        Apply(s);
        if (m_dlgSettings) {
            m_dlgSettings->Show(m_settings, m_voices);
        }
    });
    connect(m_actVoice, &QAction::toggled, this, [this](bool on) {
        SoundSettings s = m_settings;
        s.voice = on;
        Apply(s);
        if (m_dlgSettings) {
            m_dlgSettings->Show(m_settings, m_voices);
        }
    });
    m_actConfigure = new QAction(tr("Configure Velmora..."), this);
    m_actConfigure->setObjectName(QStringLiteral("actConfigure"));
    connect(m_actConfigure, &QAction::triggered, this, &SoundUnit::OpenSettings);
}

void SoundUnit::ConnectTable() {
    connect(&m_table, &Table::chipStaked, this, [this] { Play(TableSound::Chip, m_pace()); });
    connect(&m_table, &Table::patternStaked, this, [this] { Play(TableSound::Bet, m_pace()); });
    connect(&m_table, &Table::spinLaunched, this, &SoundUnit::BallLaunched);
    connect(&m_table, &Table::spinSettled, this, [this](bool, int number) { BallStopped(number); });
}

// Kept at once, so a table opened next hears as this one does.
void SoundUnit::Apply(const SoundSettings& settings) {
    const bool soundWasOn = m_settings.sound;
    m_settings = settings;
    StoreSoundSettings(settings);
    m_actSound->setChecked(settings.sound);
    m_actVoice->setChecked(settings.voice);
    if (soundWasOn && !settings.sound && std::exchange(m_spinSounding, false)) {
        Player().StopSpin();
    }
}

void SoundUnit::ShowSpeech(bool speaks, const QStringList& voices) {
    m_speaks = speaks;
    m_voices = voices;
    m_actVoice->setStatusTip(speaks ? QString() : NoVoiceTip());
    m_actVoice->setToolTip(speaks ? m_actVoice->text() : NoVoiceTip());
    if (m_dlgSettings) {
        m_dlgSettings->Show(m_settings, m_voices);
    }
}

void SoundUnit::OpenSettings() {
    Player(); // the voices the service offers, for the list
    if (!m_dlgSettings) {
        m_dlgSettings = new dlgSettings(m_table.owner());
        connect(m_dlgSettings, &dlgSettings::changed, this, &SoundUnit::Apply);
        connect(m_dlgSettings, &dlgSettings::testVoice, this,
                [this] { Say(ResultCall(17), PlayPace::TableSpeed); });
    }
    m_dlgSettings->Show(m_settings, m_voices);
    m_dlgSettings->show();
    m_dlgSettings->raise();
}

bool SoundUnit::Play(TableSound sound, PlayPace pace) {
    if (!m_settings.sound || !HeardAt(pace).sounds) {
        return false;
    }
    const auto name = SoundName(sound);
    qCInfo(lcSound).noquote() << QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
    Player().Play(sound, m_settings.soundVolume);
    return true;
}

void SoundUnit::Say(const std::string& sentence, PlayPace pace) {
    if (!m_settings.voice || !HeardAt(pace).voice) {
        return;
    }
    const QString text = SpokenText(sentence);
    qCInfo(lcVoice).noquote() << text;
    Player().Say(text, InTableLanguage(m_settings.voiceChoice));
}

// Logged as asked, as every sentence is, whether or not a service speaks it.
bool SoundUnit::SpeakCall(const QString& sentence) {
    Player(); // knows by now whether a voice speaks, if it ever will
    if (!m_settings.voice) {
        return false;
    }
    qCInfo(lcVoice).noquote() << sentence;
    if (!m_speaks) {
        return false;
    }
    m_player->Say(sentence, InTableLanguage(m_settings.voiceChoice));
    return true;
}

// The stakes as the ball leaves: what the settlement will sound like.
void SoundUnit::BallLaunched() {
    m_stakesAtLaunch = m_table.state().SpotStake;
    m_paceAtLaunch = m_pace();
    m_spinSounding = Play(TableSound::Spin, m_paceAtLaunch);
    Say(std::string(kNoMoreBets), m_paceAtLaunch);
}

void SoundUnit::BallStopped(int number) {
    if (std::exchange(m_spinSounding, false)) {
        Player().StopSpin();
    }
    // Heard at the pace the ball was launched at: autoplay may end with this spin.
    for (const TableSound sound : SettlementSounds(m_stakesAtLaunch, number)) {
        Play(sound, m_paceAtLaunch);
    }
    Say(ResultCall(number), m_paceAtLaunch);
}
