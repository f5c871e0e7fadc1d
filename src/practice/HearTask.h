#pragma once

#include "practice/DrillCheck.h"
#include "practice/DrillLevels.h"
#include "practice/DrillTask.h"

#include <random>
#include <string>
#include <vector>

// Hear it: the call bets as a croupier hears them, spoken and placed by hand.

// One bet at a piece of p dollars as called: "Orphelins by 2", "17 and the
// neighbours by 5", "Finale 7 by 5", "Birds by 5", and for every other bet
// the title the forecast gives it ("Qtr + of 34, 1 either side by 2").
std::string CallText(const PlacedBet& bet);

// Several calls as one sentence: "Orphelins by 2, and 17 and the neighbours by 1".
std::string CallSentence(const std::vector<std::string>& calls);

struct HearLevel {
    std::vector<AnnouncedBet> bets;
    std::vector<std::int16_t> chips; // chip indexes a piece may be
    int largestEitherSide = 2;
    int calls = 1;       // called at once
    bool stream = false; // spoken one after another against the clock
};

// Level 1..4; anything else throws.
const HearLevel& HearLevelRules(int level);

struct HearTask {
    std::vector<PlacedBet> calls; // each as pressed alone, at the task's table and chip
    std::vector<std::string> texts;
    std::string sentence; // all the calls, as spoken at once or written after
    std::int16_t tableIndex = 0;
    std::int16_t chipIndex = 0;
    std::int16_t pieceValue = 0;
    Stakes stakes{}; // every call pressed on one table: a shared spot holds both
};

// A task of the level, every call accepted together by the one table drawn.
HearTask DrawHearTask(const GameState& table, int level, std::mt19937& random);

// The calls pressed in turn on one empty table at that table and chip;
// nullopt when the table refuses any chip of any of them.
std::optional<HearTask> MakeHearTask(const GameState& table, const std::vector<BetCall>& calls,
                                     std::int16_t tableIndex, std::int16_t chipIndex);

// The stream of level 4: each call spoken kCallGapMs after the one before,
// "No more bets" kNoMoreBetsMs after the first, when the layout is checked.
inline constexpr int kCallGapMs = 3000;
inline constexpr int kNoMoreBetsMs = 12000;
struct StreamStep {
    int atMs = 0;
    std::string sentence;
    bool noMoreBets = false;
};
std::vector<StreamStep> StreamSchedule(const HearTask& task);
// Whole seconds left until "No more bets" (rounded up), 0 once it is said.
int SecondsLeft(int elapsedMs);

// The layout built against the calls: Place it's verdict, with the call in
// writing before it ("Orphelins by 2: Right").
PlaceVerdict CheckHear(const HearTask& task, const Stakes& built);
