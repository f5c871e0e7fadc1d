#pragma once

#include "wheel/CroupierCall.h"

#include <QString>
#include <QStringList>

#include <functional>

// How the croupier speaks: volume 0 to 100, rate -100 (slowest) to 100, and
// a voice by name (empty: the service's own, in the table's language where
// the service has a voice for it).
struct VoiceChoice {
    int volume = 80;
    int rate = 0;
    QString voice;
    QString language; // a translated table's language code, "fr" or "de"; empty in English
};

// What plays the table's sounds and speaks its calls. The real one lives in
// the sound module, opened after the table's first frame so that Qt
// Multimedia and Qt TextToSpeech load only then; tests give a recording one.
class TableAudio {
  public:
    virtual ~TableAudio() = default;
    // volume 0 to 100. Spin plays on until StopSpin.
    virtual void Play(TableSound sound, int volume) = 0;
    virtual void StopSpin() = 0;
    virtual void Say(const QString& sentence, const VoiceChoice& voice) = 0;
    // Called on the caller's thread once it is known whether a speech
    // service speaks, with the voices it offers; at once if known already.
    virtual void WhenSpeechKnown(std::function<void(bool speaks, QStringList voices)> known) = 0;
};

// The sound module's audio from the first path that loads, else one that
// plays nothing and never speaks. Opened once, on the first call.
TableAudio& LoadAudio(const QStringList& modulePaths);
QStringList AudioModulePaths(const QString& programDir);
TableAudio& Audio();

// For tests: Audio() gives this from now on (null: the module again); the
// one it gave before, for putting back.
TableAudio* ReplaceAudioForTests(TableAudio* audio);
