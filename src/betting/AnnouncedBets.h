#pragma once

#include "betting/UpdateChip.h"
#include "table/GameState.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class AnnouncedBet {
    Tier,
    Orphns,
    Grande,
    Zero,
    Neighb,
    Finals,
    Figure,
    Birds,
    Cousins,
    Reds,
    Blacks,
    Qtr1,
    Qtr2,
    Qtr3,
    Qtr4,
    Oppos,
    QtrPlus,
    QtrMinus
};

// The spots one press of the button stakes, in order of placement, from the
// cover text ("Cover") and the either-side text ("Either Side"). Empty when a
// text names nothing to stake: a cover that is no pocket number or does not
// fit its width, or an either-side count beyond one wrap of the wheel (above
// 37 for Neighb, 19 for Oppos, 10 for Qtr + and Qtr -).
std::vector<std::int16_t> AnnouncedSpots(const Catalogue& catalogue, AnnouncedBet bet,
                                         std::string_view coverText, std::string_view neighbText);

// The largest either-side count the bet takes (37 for Neighb); nullopt for
// the bets that do not read "Either Side".
std::optional<int> LargestEitherSide(AnnouncedBet bet);

struct AnnouncedPress {
    std::vector<std::int16_t> changed; // spots UpdateChip accepted, in order
    std::optional<Refusal> refusal;    // the refusal that ended the press
};

// One chip per spot through UpdateChip with the pressed button, ending at the
// first refusal; chips already placed stay.
AnnouncedPress PressAnnounced(GameState& state, AnnouncedBet bet, std::string_view coverText,
                              std::string_view neighbText, std::int16_t button);
