#include "window/help/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

// The data folder as seen from the executable's, fixed when the install
// layout is configured.
#ifndef VELMORA_DATA_FROM_BIN
#define VELMORA_DATA_FROM_BIN "../share/velmora"
#endif

namespace {

const QString kPageName = QStringLiteral("Velmora.html");

} // namespace

HelpViewer::HelpViewer(QWidget* owner) : QTextBrowser(owner) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Velmora Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(520, 445);
}

void HelpViewer::showFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        setSource(QUrl::fromLocalFile(path));
    } else {
        setPlainText(tr("Help file not found: %1").arg(QDir::toNativeSeparators(path)));
    }
    show();
    raise();
}

namespace {

QString FindNamed(const QString& programDir, const QString& name) {
    const QDir folder(programDir);
    const QString beside = folder.filePath(name);
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(VELMORA_DATA_FROM_BIN "/") + name));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

} // namespace

// The page in the table's language where there is one, else the English page.
QString HelpViewer::FindPage(const QString& programDir) {
    //: The help page's file name in this language, as installed: Velmora.<language>.html
    const QString translated = tr("Velmora.html");
    if (translated != kPageName) {
        const QString page = FindNamed(programDir, translated);
        if (QFileInfo::exists(page)) {
            return page;
        }
    }
    return FindNamed(programDir, kPageName);
}

QString HelpViewer::DefaultPath() {
    return FindPage(QCoreApplication::applicationDirPath());
}
