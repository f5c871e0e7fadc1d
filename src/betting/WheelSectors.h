#pragma once

#include "table/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The announced bets that walk the wheel from a chosen pocket.

// Neighbours beyond one wrap of the wheel are refused.
inline constexpr int kLargestNeighbourCount = kPocketCount;

// The first pocket holding the number typed as cover; nullopt when the text
// names no pocket number (outside 0..36, or too large for 16 bits).
std::optional<int> CoverPocket(const Catalogue& catalogue, std::string_view coverText);

// The cover number, then its neighbours at +1, -1, ..., +K, -K. A count below
// 1 keeps the cover alone; a count above 37, which one wrap of 37 can no
// longer bring back onto the wheel, places nothing.
std::vector<std::int16_t> NeighbourSpots(const Catalogue& catalogue, std::string_view coverText,
                                         std::string_view neighbText);

// The 2K pockets p + offset - K + 1 .. p + offset + K, clockwise. Nothing when
// K is below 1, or so large that one wrap of 37 would leave the wheel (above
// 19 for the opposite sector, above 10 for the quarter turns).
std::vector<std::int16_t> SectorSpots(const Catalogue& catalogue, int offset,
                                      std::string_view coverText, std::string_view neighbText);

// The largest either-side count a sector bet at this offset takes: one wrap
// of 37 must bring both of its ends back onto the wheel.
int LargestSectorCount(int offset);

// Straight-ups of the pockets first..last in wheel order.
std::vector<std::int16_t> PocketRunSpots(const Catalogue& catalogue, int first, int last);
