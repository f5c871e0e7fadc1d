#pragma once

#include "betting/AnnouncedBets.h"
#include "betting/UpdateChip.h"
#include "table/GameState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a left press of an announced-bet button would do now. It is found by
// running the real press on a copy of the table, so it cannot disagree with
// the press itself.
struct PressForecast {
    AnnouncedBet bet = AnnouncedBet::Tier;
    std::vector<std::int16_t> chips; // the pattern's spots, in order of placement
    std::size_t placed = 0;          // chips the press places before it stops
    std::optional<Refusal> refusal;  // why chips[placed] is refused
    bool overflow = false;           // chips[placed] would take the money out of range
    std::string placesNothing;       // why the typed texts name no chip at all
    std::int16_t chipValue = 0;      // the selected chip
    std::string table;               // the selected table's caption
    std::string title;               // the bet, with the texts it read
};

PressForecast ForecastPress(const GameState& state, AnnouncedBet bet, std::string_view coverText,
                            std::string_view neighbText);

// The chips the press places that cover each number 0..36.
std::array<int, kNumberCount> ChipsPerNumber(const PressForecast& forecast);

// The forecast as the button's tool tip tells it, e.g.
// "Tier\nsplit 5/8, ..., split 33/36\n6 chips of $25: $150".
std::string ForecastText(const PressForecast& forecast);
