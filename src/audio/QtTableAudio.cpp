// Qt Multimedia's and Qt TextToSpeech's side of TableAudio, built as a module
// of its own so that the program loads them only after the table's first
// frame (see window/common/TableAudio.cpp). The speech engine starts on a
// thread of its own: reaching the speech service may take a while, and the
// table must not wait for it.
#include "window/common/TableAudio.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QThread>
#include <QUrl>
#include <QVoice>

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Qt Multimedia tells the terminal at length that there is no sound server
// or device; the player gets one line from us instead.
QtMessageHandler g_previousHandler = nullptr;
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

bool HasAudioOutput() {
    g_previousHandler = qInstallMessageHandler(Quiet);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(g_previousHandler);
    return found;
}

// Lives on the speech thread, with its engine.
class Speaker final : public QObject {
  public:
    void Start() {
        m_speech = new QTextToSpeech(this);
        const bool speaks = m_speech->state() != QTextToSpeech::Error;
        QStringList voices;
        for (const QVoice& voice : m_speech->availableVoices()) {
            voices << voice.name();
        }
        m_known(speaks && !voices.isEmpty(), voices);
    }
    void Say(const QString& sentence, const VoiceChoice& choice) {
        m_speech->setVolume(choice.volume / 100.0);
        m_speech->setRate(choice.rate / 100.0);
        if (choice.voice.isEmpty() && !choice.language.isEmpty()) {
            for (const QLocale& locale : m_speech->availableLocales()) {
                if (locale.name().section(u'_', 0, 0) == choice.language) {
                    m_speech->setLocale(locale);
                    break;
                }
            }
        }
        for (const QVoice& voice : m_speech->availableVoices()) {
            if (voice.name() == choice.voice) {
                m_speech->setVoice(voice);
            }
        }
        m_speech->say(sentence);
    }
    std::function<void(bool, QStringList)> m_known;

  private:
    QTextToSpeech* m_speech = nullptr;
};

class QtTableAudio final : public TableAudio {
  public:
    QtTableAudio() : m_device(HasAudioOutput()) {
        if (m_device) {
            LoadEffects();
        } else {
            std::fputs("Velmora: no sound device was found, so the table plays without sound.\n",
                       stderr);
        }
        StartSpeaker();
    }

    void Play(TableSound sound, int volume) override {
        if (!m_device) {
            return;
        }
        QSoundEffect& effect = *m_effects.at(static_cast<std::size_t>(sound));
        effect.setVolume(static_cast<float>(volume) / 100.0F);
        effect.play();
    }
    void StopSpin() override {
        if (m_device) {
            m_effects.at(static_cast<std::size_t>(TableSound::Spin))->stop();
        }
    }
    void Say(const QString& sentence, const VoiceChoice& voice) override {
        Speaker* speaker = m_speaker;
        if (!speaker) {
            return; // the program is ending
        }
        QMetaObject::invokeMethod(
            speaker, [speaker, sentence, voice] { speaker->Say(sentence, voice); },
            Qt::QueuedConnection);
    }
    void WhenSpeechKnown(std::function<void(bool, QStringList)> known) override {
        if (m_speechKnown) {
            known(m_speaks, m_voices);
        } else {
            m_waiting.push_back(std::move(known));
        }
    }

  private:
    void LoadEffects() {
        for (std::size_t i = 0; i < m_effects.size(); ++i) {
            const auto name = SoundName(static_cast<TableSound>(i));
            m_effects.at(i) = std::make_unique<QSoundEffect>();
            m_effects.at(i)->setSource(QUrl(
                QStringLiteral("qrc:/sounds/%1.wav").arg(QLatin1String(name.data(), name.size()))));
        }
        // The ball runs as long as the animation does: its sound loops until stopped.
        m_effects.at(static_cast<std::size_t>(TableSound::Spin))
            ->setLoopCount(QSoundEffect::Infinite);
    }

    void StartSpeaker() {
        m_speaker = new Speaker; // deleted with its thread's end
        m_speaker->moveToThread(&m_thread);
        m_speaker->m_known = [this](bool speaks, const QStringList& voices) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [this, speaks, voices] { SpeechKnown(speaks, voices); }, Qt::QueuedConnection);
        };
        QObject::connect(&m_thread, &QThread::started, m_speaker, [this] { m_speaker->Start(); });
        QObject::connect(&m_thread, &QThread::finished, m_speaker, &QObject::deleteLater);
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [this] { StopSpeaker(); });
        // Also where the application ends without its event loop's quit
        // (tests), before Qt unloads the speech plugin under the thread.
        qAddPostRoutine([] { Instance()->StopSpeaker(); });
        m_thread.start();
    }

  public:
    static QtTableAudio* Instance() {
        static auto* audio = new QtTableAudio;
        return audio;
    }

  private:
    void StopSpeaker() {
        m_speaker = nullptr;
        m_thread.quit();
        m_thread.wait();
    }
    void SpeechKnown(bool speaks, const QStringList& voices) {
        m_speechKnown = true;
        m_speaks = speaks;
        m_voices = voices;
        for (const auto& known : std::exchange(m_waiting, {})) {
            known(m_speaks, m_voices);
        }
    }

    bool m_device;
    std::array<std::unique_ptr<QSoundEffect>, 6> m_effects;
    QThread m_thread;
    Speaker* m_speaker = nullptr;
    bool m_speechKnown = false;
    bool m_speaks = false;
    QStringList m_voices;
    std::vector<std::function<void(bool, QStringList)>> m_waiting;
};

} // namespace

// Made once and kept for the rest of the run: the program outlives no table audio.
extern "C" Q_DECL_EXPORT TableAudio* VelmoraTableAudio() {
    return QtTableAudio::Instance();
}
