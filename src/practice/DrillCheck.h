#pragma once

#include "practice/DrillTask.h"

#include <array>
#include <cstdint>
#include <string>
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
};

PlaceVerdict CheckPlace(const PlacedBet& task, const Stakes& built);

// A press of an announced-bet button during a Place it task: the bet was to
// be built by hand, so the answer is wrong whatever the layout holds.
PlaceVerdict ButtonPressedVerdict();
