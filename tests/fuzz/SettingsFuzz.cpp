// Any bytes as the window settings file: looked at, then either moved aside
// or read by QSettings for what the table reads back, never a crash.
#include "table/ZoomSteps.h"
#include "window/common/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// Settings of this run's own, never the user's.
const QString& Home() {
    static QTemporaryDir home;
    static const bool set = [] {
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        return QDir().mkpath(home.path() + QStringLiteral("/velmora"));
    }();
    if (!set) {
        std::abort();
    }
    static const QString path = home.path();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Home();
    const QString path = SettingsFile::Path();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::abort();
    }
    file.close();
    SettingsFile::ForgetCheck();
    SettingsFile::CheckOnce();
    if (QFile::exists(path)) {
        const QSettings settings(path, QSettings::IniFormat);
        const int zoom =
            ParseZoom(settings.value(QStringLiteral("table/zoom")).toString().toStdString());
        if (!IsZoomStep(zoom)) {
            std::abort();
        }
        static_cast<void>(settings.value(QStringLiteral("windows/frmRacetrack/place")).toRect());
        static_cast<void>(settings.value(QStringLiteral("windows/frmRacetrack/open")).toString());
    }
    // What was moved aside goes, so the folder does not fill up over a run.
    const QDir folder = QFileInfo(path).dir();
    for (const QString& aside : folder.entryList({QStringLiteral("*.unreadable-*")})) {
        QFile::remove(folder.filePath(aside));
    }
    return 0;
}
