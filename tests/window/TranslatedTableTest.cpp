// The table in French and German: the translation loaded at start, its texts
// in their controls at every zoom, and what a player reads in each language.
#include "PlayerPresses.h"

#include "wheel/CroupierCall.h"
#include "window/common/Language.h"
#include "window/common/TableTexts.h"
#include "window/help/HelpViewer.h"
#include "window/practice/frmPractice.h"

#include <QLabel>
#include <QTemporaryDir>

namespace {

struct LanguageRow {
    const char* name;
    const char* locale;
    const char* yes;      // Qt's own Yes button
    const char* grande;   // cmdGrande's caption
    const char* maximum;  // the refusal of $100 at the $1 table
    const char* forecast; // Neighbours of 26, 2 either side, with the $25 chip
    const char* verdict;  // a button pressed where the bet was to be built by hand
    const char* help;     // the page Help opens where only English and French lie
    const char* call;     // the croupier's call of 17
};

// The English table, under the name of any language Velmora has no translation for.
constexpr LanguageRow English(const char* name, const char* locale) {
    return {name,
            locale,
            "&Yes",
            "Grande",
            "Maximum bet allowed is  25",
            "Neighbours of 26, 2 either side\n"
            "straight 26, straight 0, straight 3, straight 32, straight 35\n5 chips of $25: $125",
            "Wrong: this bet is to be built by hand, chip by chip, not with its button",
            "Velmora.html",
            "Seventeen, black, odd, low"};
}

// Italian has Qt's own translation but not Velmora's, so it stays English throughout.
const LanguageRow kLanguages[] = {
    English("English", "en_US"),
    English("Italian", "it_IT"),
    {"French", "fr_CH", "&Oui", "V. zéro", "Mise maximale autorisée : 25",
     "Voisins de 26, 2 de chaque côté\n"
     "plein 26, plein 0, plein 3, plein 32, plein 35\n5 jetons de $25 : $125",
     "Faux : cette mise se construit à la main, jeton par jeton, pas avec son bouton",
     "Velmora.fr.html", "Dix-sept, noir, impair et manque"},
    {"German", "de_AT", "&Ja", "V. Zéro", "Höchsteinsatz: 25",
     "Nachbarn von 26, 2 auf jeder Seite\n"
     "Plein 26, Plein 0, Plein 3, Plein 32, Plein 35\n5 Jetons zu $25: $125",
     "Falsch: Dieser Satz wird von Hand gelegt, Jeton für Jeton, nicht mit seiner Taste",
     "Velmora.html", "Siebzehn, schwarz, ungerade, manque"},
};

// Installed before the table is made, as main() does, so its captions are translated.
class InLanguage {
  protected:
    explicit InLanguage(const char* locale) {
        InstallTranslations(&m_translations, QLocale(QString::fromLatin1(locale)));
    }

  private:
    QObject m_translations;
};

class TranslatedTableTest : public ::testing::WithParamInterface<LanguageRow>,
                            public InLanguage,
                            public AnnouncedTest {
  protected:
    TranslatedTableTest() : InLanguage(GetParam().locale) {}

    // Every caption of the table, with how wide its control leaves room for it.
    void ExpectEveryCaptionFits() {
        for (QWidget* control : board.findChildren<QWidget*>()) {
            QString text;
            int room = control->width();
            if (auto* label = qobject_cast<QLabel*>(control)) {
                text = label->text();
                room = label->contentsRect().width();
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                text = button->text();
                room = control->width() - 2; // its border
            }
            if (text.isEmpty() || !control->isVisible()) {
                continue;
            }
            const int width = control->fontMetrics().horizontalAdvance(text);
            EXPECT_LE(width, room)
                << control->objectName().toStdString() << " \"" << text.toStdString() << "\"";
        }
    }
};

TEST_P(TranslatedTableTest, EveryCaptionFitsItsControlAtOneAndThreeTimesTheSize) {
    for (const int percent : {100, 300}) {
        SCOPED_TRACE(percent);
        ZoomTo(board, percent);
        ExpectEveryCaptionFits();
    }
}

TEST_P(TranslatedTableTest, TheButtonsAndTheRefusalsSpeakTheTablesLanguage) {
    EXPECT_EQ(Find<QAbstractButton>("cmdGrande")->text(), QString::fromUtf8(GetParam().grande));
    BoxLog boxes;
    ClickOn("lblTable1");
    SelectChip(5);
    PressAt(PixelOf(880, 2920), Qt::LeftButton); // straight 17
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes()[0], QString::fromUtf8(GetParam().maximum));
}

TEST_P(TranslatedTableTest, TheForecastSpeaksTheTablesLanguage) {
    SelectChip(4);
    Type(Cover(), "26");
    Type(EitherSide(), "2");
    Enter(Find("cmdNeighb"));
    EXPECT_EQ(Find("cmdNeighb")->toolTip(), QString::fromUtf8(GetParam().forecast));
}

TEST_P(TranslatedTableTest, ADrillsVerdictSpeaksTheTablesLanguage) {
    BoxLog boxes;
    ActionOf(board, "actDrillPlace")->trigger();
    auto* window = board.findChild<frmPractice*>(QStringLiteral("frmPractice"));
    ASSERT_NE(window, nullptr);
    PressButton("cmdTier", Qt::LeftButton);
    EXPECT_EQ(window->findChild<QLabel*>("lblVerdict")->text(),
              QString::fromUtf8(GetParam().verdict));
    window->close();
}

TEST_P(TranslatedTableTest, HelpOpensThePageInTheTablesLanguageElseTheEnglishOne) {
    const QTemporaryDir folder;
    for (const char* page : {"Velmora.html", "Velmora.fr.html"}) {
        WriteFile(folder.filePath(QLatin1String(page)), "<html></html>");
    }
    EXPECT_EQ(HelpViewer::FindPage(folder.path()), folder.filePath(QLatin1String(GetParam().help)));
}

TEST_P(TranslatedTableTest, TheCroupierAndQtsOwnDialogsSpeakTheTablesLanguage) {
    EXPECT_EQ(SpokenText(ResultCall(17)), QString::fromUtf8(GetParam().call));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), GetParam().yes);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedTableTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
