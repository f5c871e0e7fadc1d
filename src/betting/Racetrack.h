#pragma once

#include "betting/AnnouncedBets.h"
#include "table/Catalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The racetrack: the 37 numbers on an oval in wheel order with the four
// sector bets inside it. A press on the track is the press of a button, so
// all that lives here is where things lie and how the keyboard moves.

// The sectors inside the oval, in the order they are reached from the keyboard.
inline constexpr std::array<AnnouncedBet, 4> kTrackSectors = {
    AnnouncedBet::Tier, AnnouncedBet::Orphns, AnnouncedBet::Grande, AnnouncedBet::Zero};

// A stop of the track: 0..36 are the pockets round the oval, then the sectors.
inline constexpr int kTrackStopCount = kPocketCount + static_cast<int>(kTrackSectors.size());

// What a stop stakes: Neighbours of a number, or a sector bet (number unset).
struct TrackTarget {
    AnnouncedBet bet = AnnouncedBet::Neighb;
    std::optional<std::int16_t> number;
    bool operator==(const TrackTarget&) const = default;
};
TrackTarget TargetOfStop(const Catalogue& catalogue, int stop);

// The cover text a number's stop gives the Neighbours press: its plain form.
std::string TrackCoverText(std::int16_t number);

// The pockets a sector bet's chips cover, ascending. Read from the bet's own
// pattern, so the track cannot show a sector its button does not stake.
std::vector<int> SectorPockets(const Catalogue& catalogue, AnnouncedBet bet);

// A run of pockets, clockwise from `first`.
struct PocketArc {
    int first = 0;
    int count = 0;
    bool operator==(const PocketArc&) const = default;
};

// The sector's pockets as runs of neighbouring pockets; a run through pocket 0 is one arc.
std::vector<PocketArc> SectorArcs(const Catalogue& catalogue, AnnouncedBet bet);

// Angles on the oval, in degrees clockwise on the screen from its right end
// (its parameter angle, not a true angle). Zero lies at the left end and the
// pockets follow clockwise, as on the wheel.
struct TrackSpan {
    double from = 0.0;
    double to = 0.0;
    double middle() const { return (from + to) / 2.0; }
};
TrackSpan PocketSpan(int pocket);
TrackSpan ArcSpan(PocketArc arc);

// A point of the ellipse with these half-axes about the origin, y down.
struct TrackPoint {
    double x = 0.0;
    double y = 0.0;
};
TrackPoint OnOval(double degrees, double radiusX, double radiusY);

// The stop the arrow keys reach from `stop`: round the oval among the pockets
// (positive steps clockwise), round the sectors among the sectors.
int MoveStop(int stop, int steps);

// The either-side count after + (delta 1) or - (delta -1), from the box's
// text read as a press reads it, held within the box's list, 1 to 6.
int SteppedEitherSide(std::string_view neighbText, int delta);
