#include "window/common/SettingsFile.h"

#include "window/common/FileAside.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace {

// Velmora writes a few hundred bytes here; past this it is not Velmora's.
constexpr qint64 kLargestSettings = qint64{256} * 1024;

bool g_checked = false;
QString g_notice;

bool Readable(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestSettings) {
        return false;
    }
    return QSettings(path, QSettings::IniFormat).status() == QSettings::NoError;
}

} // namespace

QString SettingsFile::Path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velmora/windows.ini");
}

void SettingsFile::CheckOnce() {
    if (std::exchange(g_checked, true)) {
        return;
    }
    const QString path = Path();
    if (!PathPresent(path) || Readable(path)) {
        return;
    }
    const QString movedTo = MoveAside(path);
    g_notice = movedTo.isEmpty()
                   ? QCoreApplication::translate(
                         "SettingsFile",
                         "Velmora could not read its window settings in %1 and uses its defaults.")
                         .arg(path)
                   : QCoreApplication::translate(
                         "SettingsFile",
                         "Velmora could not read its window settings, so it moved the file to %1 "
                         "and uses its defaults.")
                         .arg(movedTo);
}

QString SettingsFile::TakeNotice() {
    return std::exchange(g_notice, QString());
}

void SettingsFile::ForgetCheck() {
    g_checked = false;
    g_notice.clear();
}

namespace {

QString CheckedPath() {
    SettingsFile::CheckOnce();
    return SettingsFile::Path();
}

} // namespace

StoredSettings::StoredSettings() : QSettings(CheckedPath(), QSettings::IniFormat) {}
