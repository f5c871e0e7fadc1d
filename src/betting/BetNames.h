#pragma once

#include "betting/AnnouncedBets.h"
#include "table/GameState.h"

#include <cstdint>
#include <string>

// The words the table uses to teach: what a spot, a table or an announced bet
// is called. Nothing here changes the state.

// A bet as a chip list names it: its kind and numbers joined by "/", e.g.
// "split 5/8", "trio 0/2/3", "corner 25/26/28/29", "straight 26", "red".
std::string SpotName(std::int16_t spot);

// The same as a title, for the spot on its own: "Split 17/20", "Red".
std::string SpotTitle(std::int16_t spot);

// "Split 17/20, pays 17 to 1, $5 to $200 at this table": the spot with its
// payout and the limits of the selected table.
std::string SpotDescription(const GameState& state, std::int16_t spot);

// Whole dollars with the sign of money: "$150", "-$5".
std::string Dollars(std::int64_t amount);

// A table's caption, its inside minimum: "$1", "$2", "$5", "$10".
std::string TableCaption(const TableLimits& limits, int table);

// The multiple and the inside and outside minimums and maximums of one table.
std::string TableSummary(const TableLimits& limits, int table);

// The bet as players call it: "Tier", "Orphans", "Neighbours", "Qtr +".
std::string AnnouncedBetName(AnnouncedBet bet);
