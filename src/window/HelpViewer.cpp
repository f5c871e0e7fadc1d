#include "window/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Velmora Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(520, 445);
}

void HelpViewer::showFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        setSource(QUrl::fromLocalFile(path));
    } else {
        setPlainText(QStringLiteral("Help file not found: ") + QDir::toNativeSeparators(path));
    }
    show();
    raise();
}

QString HelpViewer::DefaultPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Velmora.html"));
}
