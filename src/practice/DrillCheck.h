#pragma once

#include "practice/DrillTask.h"
#include "practice/PaySum.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The verdict on a Place it answer: the layout the player built against the
// stakes the task asked for.
struct PlaceVerdict {
    bool right = false;
    std::vector<std::int16_t> missing; // spots holding less than they should, ascending
    std::vector<std::int16_t> extra;   // spots holding more than they should, ascending
    std::string text;                  // "Right" or "missing split 0/3; extra straight 26"
    // Per number 0..36, the missing pieces that cover it (a part piece counts
    // whole), for marking the layout as the preview marks a press.
    std::array<int, kNumberCount> missingPerNumber{};
    std::array<int, kNumberCount> extraPerNumber{}; // the same for the chips too many
};

PlaceVerdict CheckPlace(const PlacedBet& task, const Stakes& built);

// A press of an announced-bet button during a Place it task: the bet was to
// be built by hand, so the answer is wrong whatever the layout holds.
PlaceVerdict ButtonPressedVerdict();

// Chips per number 0..36 that a bet places, a part piece counted whole.
using MarksByNumber = std::array<int, kNumberCount>;
MarksByNumber MarksOf(const Stakes& stakes, std::int16_t pieceValue);

// The verdict on a Name it choice. A wrong one names both bets and gives both
// patterns, so the player sees where they part.
struct NameVerdict {
    bool right = false;
    std::string text;
    MarksByNumber rightMarks{};
    MarksByNumber chosenMarks{};      // empty when right
    std::vector<std::int16_t> missed; // spots of the right bet the chosen one leaves off
};

NameVerdict CheckName(const Catalogue& catalogue, const NameTask& task, std::size_t chosen);

// The typed sum: blanks around it, an optional "$", whole dollars. Anything
// else (empty, signs, separators, more than 12 digits) is no amount.
std::optional<std::int64_t> ReadAmount(std::string_view typed);

// The verdict on a Pay it answer. A text that is no amount is not counted:
// the player is asked again. A wrong sum gives the breakdown spot by spot.
struct PayVerdict {
    bool counted = false;
    bool right = false;
    std::string text;
};

PayVerdict CheckPayAnswer(const PayBreakdown& sum, std::string_view typed);
