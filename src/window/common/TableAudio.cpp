#include "window/common/TableAudio.h"

#include "window/common/Modules.h"

#include <QCoreApplication>

#include <utility>

#ifndef VELMORA_AUDIO_BUILD_PATH
#define VELMORA_AUDIO_BUILD_PATH ""
#endif

namespace {

// No module: the table plays on in silence.
class SilentAudio final : public TableAudio {
  public:
    void Play(TableSound, int) override {}
    void StopSpin() override {}
    void Say(const QString&, const VoiceChoice&) override {}
    void WhenSpeechKnown(std::function<void(bool, QStringList)> known) override {
        known(false, {});
    }
};

using AudioEntry = TableAudio* (*)();

TableAudio* g_replaced = nullptr;

} // namespace

QStringList AudioModulePaths(const QString& programDir) {
    return ModulePaths(QStringLiteral("libvelmora_audio.so"), "VELMORA_AUDIO_MODULE", programDir,
                       QStringLiteral(VELMORA_AUDIO_BUILD_PATH));
}

TableAudio& LoadAudio(const QStringList& modulePaths) {
    if (const auto entry = ModuleEntry<AudioEntry>(modulePaths, "VelmoraTableAudio")) {
        if (TableAudio* audio = entry()) {
            return *audio;
        }
    }
    static SilentAudio silent;
    return silent;
}

TableAudio* ReplaceAudioForTests(TableAudio* audio) {
    return std::exchange(g_replaced, audio);
}

TableAudio& Audio() {
    if (g_replaced) {
        return *g_replaced;
    }
    static TableAudio& audio = LoadAudio(AudioModulePaths(QCoreApplication::applicationDirPath()));
    return audio;
}
