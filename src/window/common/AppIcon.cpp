#include "window/common/AppIcon.h"

#include <QGuiApplication>

#include <array>

namespace {

// The launcher entry's and the icon's name, as installed.
const QString kAppId = QStringLiteral("org.velmora.Velmora");

} // namespace

QIcon AppIcon() {
    static constexpr std::array kSizes = {16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(kAppId),
                     QSize(size, size));
    }
    return icon;
}

void ApplyAppIdentity() {
    // Names the folders the stored files live in: ~/.local/share/velmora and the like.
    QCoreApplication::setApplicationName(QStringLiteral("velmora"));
    QGuiApplication::setWindowIcon(AppIcon());
    QGuiApplication::setDesktopFileName(kAppId);
}
