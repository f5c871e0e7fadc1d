#include "window/common/AppIcon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The window tests need a QApplication alive for the whole run; headless
// unless a platform is chosen. Whatever the program stores goes to folders
// of this run's own, never the user's.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    QApplication app(argc, argv);
    ApplyAppIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
