#include "window/common/Language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>

namespace {

struct LanguageCase {
    const char* name;
    const char* locale;
    const char* yes; // what Qt's own dialogs then call Yes
};

class LanguageTest : public ::testing::TestWithParam<LanguageCase> {};

QString QtYes() {
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

TEST_P(LanguageTest, TheFirstTranslatedLanguageIsLoadedWithQtsOwn) {
    QObject owner;
    InstallTranslations(&owner, QLocale(QString::fromLatin1(GetParam().locale)));
    EXPECT_EQ(QtYes(), QString::fromUtf8(GetParam().yes));
}

TEST(LanguageTest, TheTranslationsLeaveWithTheirOwner) {
    {
        QObject owner;
        InstallTranslations(&owner, QLocale(QLocale::French, QLocale::France));
        ASSERT_EQ(QtYes(), QStringLiteral("&Oui"));
    }
    EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
}

INSTANTIATE_TEST_SUITE_P(Locales, LanguageTest,
                         ::testing::Values(LanguageCase{"French", "fr_FR", "&Oui"},
                                           LanguageCase{"FrenchOfSwitzerland", "fr_CH", "&Oui"},
                                           LanguageCase{"German", "de_DE", "&Ja"},
                                           LanguageCase{"GermanOfAustria", "de_AT", "&Ja"},
                                           LanguageCase{"English", "en_GB", "&Yes"},
                                           LanguageCase{"Italian", "it_IT", "&Yes"}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
