#include "units/RecordingAudio.h"
#include "window/common/AppIcon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The table reopens the windows left open by the last one; every test starts
// with none remembered, as on a first run.
class ForgetWindows final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QFile::remove(QSettings(QSettings::IniFormat, QSettings::UserScope,
                                QStringLiteral("velmora"), QStringLiteral("windows"))
                          .fileName());
    }
};

} // namespace

// The window tests need a QApplication alive for the whole run; headless
// unless a platform is chosen. Whatever the program stores goes to folders
// of this run's own, never the user's. Nothing is played or spoken: the
// tables hear through a recording audio unless a test asks for the module.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    QApplication app(argc, argv);
    ApplyAppIdentity();
    const RecordedAudio silent;
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetWindows);
    return RUN_ALL_TESTS();
}
