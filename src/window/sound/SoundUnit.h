#pragma once

#include "betting/LayoutActions.h"
#include "wheel/CroupierCall.h"
#include "window/common/TableAudio.h"

#include <QLoggingCategory>
#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

class QAction;
class Table;
class dlgSettings;

Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcVoice)

// What the player set: kept with the window settings, read by each new table.
struct SoundSettings {
    bool sound = true;
    bool voice = true;
    int soundVolume = 80;
    VoiceChoice voiceChoice;
};
SoundSettings ReadSoundSettings();
void StoreSoundSettings(const SoundSettings& settings);

// The table heard: the chips, the ball and the croupier's calls. It knows
// nothing of the game but the table's signals, and plays through TableAudio.
// Every sound asked for is logged under velmora.sound by its name, every
// sentence under velmora.voice, whether or not a device or a speech service
// is there; nothing is logged, played or said while it is switched off.
class SoundUnit final : public QObject {
    Q_OBJECT
  public:
    // `pace` tells how fast the table plays now (autoplay's speed, or the
    // table's own); `audio` gives the player, loaded on first use.
    SoundUnit(Table& table, std::function<PlayPace()> pace, std::function<TableAudio&()> audio);

    QAction* actSound() const { return m_actSound; }
    QAction* actVoice() const { return m_actVoice; }
    QAction* actConfigure() const { return m_actConfigure; }

    // A drill's call in the croupier's voice, whatever the table's pace;
    // false when no voice speaks it (switched off, or no speech service).
    bool SpeakCall(const QString& sentence);

  private:
    void CreateActions();
    void ConnectTable();
    void OpenSettings();
    void Apply(const SoundSettings& settings);
    void ShowSpeech(bool speaks, const QStringList& voices);
    TableAudio& Player();
    // True when it played: on, and heard at this pace.
    bool Play(TableSound sound, PlayPace pace);
    void Say(const std::string& sentence, PlayPace pace);
    void BallLaunched();
    void BallStopped(int number);

    Table& m_table;
    std::function<PlayPace()> m_pace;
    std::function<TableAudio&()> m_audio;
    TableAudio* m_player = nullptr; // once loaded
    SoundSettings m_settings;
    SpotStakes m_stakesAtLaunch{};
    PlayPace m_paceAtLaunch = PlayPace::TableSpeed;
    bool m_spinSounding = false; // the ball's sound plays until the ball stops
    QStringList m_voices;
    bool m_speaks = false; // a speech service answered with a voice
    QAction* m_actSound = nullptr;
    QAction* m_actVoice = nullptr;
    QAction* m_actConfigure = nullptr;
    QPointer<dlgSettings> m_dlgSettings;
};
