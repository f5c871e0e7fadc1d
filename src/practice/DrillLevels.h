#pragma once

#include "betting/AnnouncedBets.h"

#include <cstdint>
#include <vector>

// The four drills, each with four levels of its own.
enum class Drill { PlaceIt, NameIt, PayIt, HearIt };

inline constexpr int kLevelCount = 4;
inline constexpr int kMarkWindow = 20; // the pass mark looks at this many latest answers

struct DrillLevel {
    std::vector<AnnouncedBet> bets;  // the bets a task of this level draws
    std::vector<std::int16_t> chips; // chip indexes a piece may be
    int largestEitherSide = 2;       // for the bets that read "Either Side"
    int passPercent = 70;            // right within the time, over the window
    int timeLimitMs = 0;             // 0: no limit
    bool handChips = false;          // Pay it adds a few chips by hand
    bool complete = false;           // Pay it adds a complete on one number
};

// Level 1..4; anything else is a programming error and throws.
const DrillLevel& LevelRules(int level);

// Whether one answer counts toward the pass mark: right, and within the
// level's time (Hear it has times of its own; its stream keeps its own clock).
bool CountsTowardMark(Drill drill, int level, bool right, int milliseconds);

// Passed once at least kMarkWindow answers were given and the latest
// kMarkWindow of them (counted ones true, oldest first) meet the mark.
bool LevelPassed(int level, int answered, const std::vector<bool>& latest);

// Level 1 is always open; each further one once the one before is passed.
bool LevelUnlocked(int level, const std::vector<bool>& passed);
