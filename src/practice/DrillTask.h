#pragma once

#include "betting/AnnouncedBets.h"
#include "table/GameState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

// What the drills put in front of the player. Every bet is staked by the real
// press on a copy of the table, so a task can never ask for a bet the table
// would refuse, and the window only has to copy the stakes across.

using Stakes = std::array<std::int16_t, kSpotCount>;

// An announced bet with the texts of "Cover" and "Either Side" it reads.
struct BetCall {
    AnnouncedBet bet = AnnouncedBet::Tier;
    std::string cover;
    std::string neighb;
};

// One bet pressed at one table with one chip.
struct PlacedBet {
    BetCall call;
    std::int16_t tableIndex = 0;
    std::int16_t chipIndex = 0;
    std::int16_t pieceValue = 0; // the chip's value
    std::string title;           // as the forecast names it: "Neighbours of 17, 2 either side"
    std::string piece;           // "$5 a piece"
    Stakes stakes{};             // what the press staked, nothing else
};

struct NameTask {
    PlacedBet bet;
    std::array<std::string, 4> choices; // bet titles, no two placing the same chips
    std::array<BetCall, 4> calls;       // the bet each choice names, for its preview
    std::size_t right = 0;              // index of the right choice
};

struct PayTask {
    PlacedBet bet;   // the call bet alone
    Stakes stakes{}; // everything on the layout: the call bet and any chips by hand
    std::int16_t number = 0;
    std::string text; // "17 wins"
};

// The spots a pattern stakes, one piece counted per chip.
Stakes PiecesPerSpot(const std::vector<std::int16_t>& spots);

// The call pressed onto the state as its button would; false when the table
// refuses any chip of it, the money would leave its range, or it stakes nothing.
bool PressCallOnto(GameState& state, const BetCall& call);

// The call pressed on an empty copy of the table; nullopt when the table
// refuses any chip of it, the money would leave its range, or it stakes nothing.
std::optional<GameState> PressOnEmptyTable(const GameState& table, const BetCall& call,
                                           std::int16_t tableIndex, std::int16_t chipIndex);

// Tasks of a level (1..4), drawn from the caller's seeded engine. `table` is
// a started table: its catalogue and limits are read, its stakes are not.
PlacedBet DrawPlaceTask(const GameState& table, int level, std::mt19937& random);
NameTask DrawNameTask(const GameState& table, int level, std::mt19937& random);
PayTask DrawPayTask(const GameState& table, int level, std::mt19937& random);
