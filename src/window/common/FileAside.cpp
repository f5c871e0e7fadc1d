#include "window/common/FileAside.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

bool PathPresent(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

QString MoveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; PathPresent(target); ++n) {
        target = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    }
    // rename(2) itself: QFile's refuses what is not a file, such as a link to nowhere.
    const QByteArray from = QFile::encodeName(path);
    return std::rename(from.constData(), QFile::encodeName(target).constData()) == 0 ? target
                                                                                     : QString();
}
