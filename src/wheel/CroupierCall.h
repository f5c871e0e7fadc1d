#pragma once

#include "betting/LayoutActions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the croupier says and the table sounds, as rules: the window only
// plays them.

inline constexpr std::string_view kNoMoreBets = "No more bets";

// The number in English words, capital first, tens joined by a hyphen:
// "Zero", "Seventeen", "Twenty-one".
std::string NumberWords(int number);

// The result as called when the ball stops: "Seventeen, black, odd, low";
// "Zero" alone. Low is 1 to 18, high 19 to 36; the colour follows the
// table's red numbers.
std::string ResultCall(int number);

enum class TableSound { Chip, Bet, Spin, Drop, Win, Sweep };

// The sound's name as its file and its log line give it ("chip", "bet", ...).
std::string_view SoundName(TableSound sound);

// What a settlement sounds like, in order: the ball dropping, a win when a
// stake covers the number, the sweep when a stake does not.
std::vector<TableSound> SettlementSounds(const SpotStakes& stakesBefore, int number);

// How fast the table plays: by hand and autoplay at the table's speed both
// sound and speak; fast autoplay only sounds; instant autoplay is silent.
enum class PlayPace { TableSpeed, Fast, Instant };
struct Hearing {
    bool sounds = true;
    bool voice = true;
    bool operator==(const Hearing&) const = default;
};
Hearing HeardAt(PlayPace pace);
