// The sound module's libraries load after the table's first frame, not
// before it; with no sound device and no speech service (a socket that is
// not there) the table still comes up and plays, silently.
#include "units/RecordingAudio.h"
#include "window/board/MainWindow.h"
#include "window/board/frmBoard.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

namespace {

bool Mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(AudioLoading, TheSoundModuleLoadsAfterTheFirstFrameAndNeedsNoDevice) {
    qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/velmora-speech");
    TableAudio* recording = ReplaceAudioForTests(nullptr); // the real module, this once
    {
        MainWindow window;
        EXPECT_FALSE(Mapped("libvelmora_audio"));
        window.show();
        EXPECT_FALSE(Mapped("libQt6Multimedia"));
        EXPECT_FALSE(Mapped("libQt6TextToSpeech"));
        ASSERT_TRUE(QTest::qWaitFor([] { return Mapped("libvelmora_audio"); }));
        EXPECT_TRUE(Mapped("libQt6Multimedia"));
        auto* voice = window.findChild<QAction*>(QStringLiteral("actVoice"));
        ASSERT_TRUE(QTest::qWaitFor([voice] { return !voice->statusTip().isEmpty(); }))
            << "no voice, and the tip says how to get one";
        EXPECT_TRUE(voice->statusTip().contains(QStringLiteral("espeak-ng")));
        window.findChild<QAction*>(QStringLiteral("actSpin"))->trigger();
        EXPECT_TRUE(window.findChild<frmBoard*>()->state().Spinning);
    }
    ReplaceAudioForTests(recording);
}

} // namespace
