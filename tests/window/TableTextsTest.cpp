// The rules' texts pass through the window's translation keyed by their
// shapes; in English each must come back exactly as the rules wrote it.
#include "window/common/TableTexts.h"

#include "betting/BetNames.h"
#include "betting/PressForecast.h"
#include "core/TestTable.h"
#include "practice/DrillCheck.h"
#include "practice/HearTask.h"
#include "practice/PaySum.h"
#include "wheel/CroupierCall.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr AnnouncedBet kLastBet = AnnouncedBet::QtrMinus;

// Every forecast of every bet for a spread of typed texts, chips and tables,
// refusals and texts that name nothing among them.
std::vector<std::string> Forecasts() {
    std::vector<std::string> texts;
    GameState state = StartedTable();
    for (int bet = 0; bet <= static_cast<int>(kLastBet); ++bet) {
        for (const char* cover : {"17", "0", "5", "36", "40", "x", "-3"}) {
            for (const char* neighb : {"2", "1", "0", "9", "x"}) {
                for (const int chip : {0, 2, 5, 7}) {
                    state.ChipIndex = static_cast<std::int16_t>(chip);
                    state.TableIndex = static_cast<std::int16_t>(chip % 4);
                    texts.push_back(ForecastText(
                        ForecastPress(state, static_cast<AnnouncedBet>(bet), cover, neighb)));
                }
            }
        }
    }
    return texts;
}

std::vector<std::string> Names() {
    std::vector<std::string> texts;
    GameState state = StartedTable();
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        texts.push_back(SpotName(spot));
        texts.push_back(SpotDescription(state, spot));
    }
    for (int table = 0; table < 4; ++table) {
        texts.push_back(TableSummary(state.limits, table));
    }
    for (int bet = 0; bet <= static_cast<int>(kLastBet); ++bet) {
        texts.push_back(AnnouncedBetName(static_cast<AnnouncedBet>(bet)));
    }
    return texts;
}

// Tasks of every level with right, wrong and unreadable answers.
std::vector<std::string> Drills() {
    std::vector<std::string> texts = {ButtonPressedVerdict().text};
    const GameState table = StartedTable();
    std::mt19937 random(7);
    for (int level = 1; level <= 4; ++level) {
        for (int i = 0; i < 10; ++i) {
            const PlacedBet place = DrawPlaceTask(table, level, random);
            texts.insert(texts.end(), {place.title, place.piece, CheckPlace(place, {}).text,
                                       CheckPlace(place, place.stakes).text});
            const NameTask name = DrawNameTask(table, level, random);
            for (std::size_t choice = 0; choice < name.choices.size(); ++choice) {
                texts.push_back(CheckName(table.catalogue, name, choice).text);
            }
            const PayTask pay = DrawPayTask(table, level, random);
            const PayBreakdown sum = PaySum(table.catalogue, pay.stakes, pay.number);
            for (const char* typed : {"1", "", "$5", "x"}) {
                texts.push_back(CheckPayAnswer(sum, typed).text);
            }
            texts.push_back(pay.text);
        }
    }
    return texts;
}

TEST(TableTextsTest, EveryCallOfTheCroupierComesBackUnchangedInEnglish) {
    std::vector<std::string> calls = {std::string(kNoMoreBets)};
    for (int number = 0; number < kNumberCount; ++number) {
        calls.push_back(ResultCall(number));
    }
    const GameState table = StartedTable();
    std::mt19937 random(11);
    for (int level = 1; level <= 4; ++level) {
        for (int i = 0; i < 10; ++i) {
            calls.push_back(DrawHearTask(table, level, random).sentence);
        }
    }
    for (const std::string& call : calls) {
        EXPECT_EQ(SpokenText(call).toStdString(), call);
    }
}

TEST(TableTextsTest, EveryRulesTextComesBackUnchangedInEnglish) {
    for (const auto& texts : {Forecasts(), Names(), Drills()}) {
        for (const std::string& text : texts) {
            EXPECT_EQ(TableText(text).toStdString(), text);
        }
    }
}

} // namespace
