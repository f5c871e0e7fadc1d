#include "window/common/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Velmora's .qm files are built into the program (qt_add_translations).
const QString kOwnTranslations = QStringLiteral(":/i18n");

void Install(QObject* owner, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(owner);
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

void InstallTranslations(QObject* owner, const QLocale& locale) {
    for (const QString& language : locale.uiLanguages()) {
        const QString code = QLocale(language).name().section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || code == QLatin1String("C")) {
            return;
        }
        const QString own = QStringLiteral("velmora_") + code;
        if (QFile::exists(kOwnTranslations + QLatin1Char('/') + own + QStringLiteral(".qm"))) {
            Install(owner, own, kOwnTranslations);
            Install(owner, QStringLiteral("qtbase_") + code,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
