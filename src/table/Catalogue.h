#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The constant tables of the layout: what each bet spot covers and pays, the
// cover list settlement walks, the wheel order, the colours and the chips.
// Filled once by InitChipArrays and only read afterwards.

inline constexpr int kSpotCount = 157;  // spots 0..156
inline constexpr int kNumberCount = 37; // numbers 0..36
inline constexpr int kPocketCount = 37; // wheel pockets 0..36
inline constexpr int kCoverCount = 537; // (number, spot) pairs
inline constexpr int kChipCount = 8;
inline constexpr int kHistoryCount = 14;

// Spot numbers the other rules name directly.
inline constexpr std::int16_t kFirstOutsideSpot = 145;
inline constexpr std::int16_t kRedSpot = 153;
inline constexpr std::int16_t kBlackSpot = 154;

enum class NumberColourCode : std::int16_t { Zero = -1, Black = 0, Red = 1 };

struct TwipPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct Catalogue {
    std::array<std::int16_t, kSpotCount> SpotPayout{};
    std::array<std::int16_t, kCoverCount> CoverNumber{};
    std::array<std::int16_t, kCoverCount> CoverSpot{};
    std::array<std::int16_t, kNumberCount> NumberFirstCover{};
    // Row 0: the number lying in each pocket; row 1: that number's straight-up spot.
    std::array<std::array<std::int16_t, kPocketCount>, 2> WheelPocket{};
    std::array<std::int16_t, kNumberCount> NumberColour{}; // 1 red, 0 black, -1 zero
    std::array<std::int16_t, kChipCount> ChipValue{};
    std::array<TwipPoint, kSpotCount> ChipPlace{}; // top-left of each spot's chip marker
    std::vector<std::string> NumberListItems;      // the list of cmbNumber
    std::vector<std::string> NeighbListItems;      // the list of cmbNeighb
    std::string NeighbStartText;                   // cmbNeighb's text before any play
};

// Fills every table; the order follows the start-up sequence, though only the end state matters.
void InitChipArrays(Catalogue& catalogue);

// The numbers a spot covers, ascending, derived from the layout's numbering.
std::vector<std::int16_t> SpotNumbers(std::int16_t spot);

// Straight-up spot of number 0..36.
std::int16_t StraightUpSpot(std::int16_t number);

// Top-left of spot s's chip marker, in twips of the window's client area.
TwipPoint ChipMarkerPlace(std::int16_t spot);

// The stake label lies this far right of and below its marker.
inline constexpr TwipPoint kStakeLabelOffset{20, 45};

bool IsRed(std::int16_t number);
