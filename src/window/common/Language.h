#pragma once

#include <QLocale>

class QObject;

// Installs Velmora's translation for the first of the locale's languages that
// has one, and Qt's own for it so that OK, Yes and No agree with the table.
// English is built in: a language list that reaches English before any
// translated language stays English. The translators belong to owner and
// leave the application with it.
void InstallTranslations(QObject* owner, const QLocale& locale = QLocale());
