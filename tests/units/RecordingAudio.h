#pragma once

#include "window/common/TableAudio.h"

#include <string>
#include <vector>

// Plays and speaks nothing, and keeps what it was asked to: the sounds with
// their volumes, the stops of the ball's sound, the sentences with their voices.
class RecordingAudio final : public TableAudio {
  public:
    void Play(TableSound sound, int volume) override {
        played.emplace_back(SoundName(sound));
        lastVolume = volume;
    }
    void StopSpin() override { played.emplace_back("stop"); }
    void Say(const QString& sentence, const VoiceChoice& voice) override {
        said.push_back(sentence.toStdString());
        lastVoice = voice;
    }
    void WhenSpeechKnown(std::function<void(bool, QStringList)> known) override {
        known(speaks, voices);
    }

    bool speaks = true;
    QStringList voices{QStringLiteral("english"), QStringLiteral("french")};
    std::vector<std::string> played;
    std::vector<std::string> said;
    int lastVolume = -1;
    VoiceChoice lastVoice;
};

// The table's Audio() records for as long as this lives.
struct RecordedAudio {
    RecordedAudio() : previous(ReplaceAudioForTests(&audio)) {}
    ~RecordedAudio() { ReplaceAudioForTests(previous); }
    RecordedAudio(const RecordedAudio&) = delete;
    RecordedAudio& operator=(const RecordedAudio&) = delete;
    RecordingAudio audio;
    TableAudio* previous;
};
