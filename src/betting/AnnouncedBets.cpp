#include "betting/AnnouncedBets.h"

#include "betting/TypedValue.h"
#include "betting/WheelSectors.h"

#include <cstddef>

namespace {

using Spots = std::vector<std::int16_t>;

// Sector offsets: the opposite side of the wheel, a quarter turn clockwise,
// a quarter turn anticlockwise.
constexpr int kOpposOffset = 18;
constexpr int kQtrPlusOffset = 9;
constexpr int kQtrMinusOffset = 27;

// Split, trio and corner bets that no wheel walk produces; a spot named twice
// takes two chips.
Spots FixedSpots(AnnouncedBet bet) {
    switch (bet) {
    case AnnouncedBet::Tier:
        return {27, 44, 61, 94, 113, 137};
    case AnnouncedBet::Orphns:
        return {7, 29, 63, 75, 133};
    case AnnouncedBet::Grande:
        return {4, 4, 25, 53, 77, 85, 110, 110, 135};
    case AnnouncedBet::Zero:
        return {5, 53, 105, 135};
    case AnnouncedBet::Birds:
        return {27, 33, 39};
    case AnnouncedBet::Cousins:
        return {21, 43, 69, 139};
    case AnnouncedBet::Reds:
        return {41, 73, 77, 113};
    case AnnouncedBet::Blacks:
        return {39, 49, 75, 111, 121};
    default:
        return {};
    }
}

// Finals reads 32 bits; the remainder keeps the number's sign, so a negative
// cover gives a negative last digit and selects nothing.
Spots FinalsSpots(std::string_view coverText) {
    const auto cover = ReadTypedValue(coverText, 32);
    if (!cover || *cover % 10 < 0) {
        return {};
    }
    Spots spots;
    for (int n = *cover % 10; n < kNumberCount; n += 10) {
        spots.push_back(StraightUpSpot(static_cast<std::int16_t>(n)));
    }
    return spots;
}

// Numbers 1..36 with the same remainder on division by 9 share their
// repeated digit sum; zero stands alone.
Spots FigureSpots(std::string_view coverText) {
    const auto cover = ReadTypedValue(coverText, 16);
    if (!cover || *cover < 0 || *cover >= kNumberCount) {
        return {};
    }
    if (*cover == 0) {
        return {0};
    }
    Spots spots;
    for (int n = (*cover - 1) % 9 + 1; n < kNumberCount; n += 9) {
        spots.push_back(StraightUpSpot(static_cast<std::int16_t>(n)));
    }
    return spots;
}

bool IsSector(AnnouncedBet bet) {
    return bet == AnnouncedBet::Oppos || bet == AnnouncedBet::QtrPlus ||
           bet == AnnouncedBet::QtrMinus;
}

} // namespace

std::vector<std::int16_t> AnnouncedSpots(const Catalogue& catalogue, AnnouncedBet bet,
                                         std::string_view coverText, std::string_view neighbText) {
    switch (bet) {
    case AnnouncedBet::Neighb:
        return NeighbourSpots(catalogue, coverText, neighbText);
    case AnnouncedBet::Finals:
        return FinalsSpots(coverText);
    case AnnouncedBet::Figure:
        return FigureSpots(coverText);
    case AnnouncedBet::Qtr1:
        return PocketRunSpots(catalogue, 0, 9);
    case AnnouncedBet::Qtr2:
        return PocketRunSpots(catalogue, 10, 18);
    case AnnouncedBet::Qtr3:
        return PocketRunSpots(catalogue, 19, 27);
    case AnnouncedBet::Qtr4:
        return PocketRunSpots(catalogue, 28, 36);
    case AnnouncedBet::Oppos:
        return SectorSpots(catalogue, kOpposOffset, coverText, neighbText);
    case AnnouncedBet::QtrPlus:
        return SectorSpots(catalogue, kQtrPlusOffset, coverText, neighbText);
    case AnnouncedBet::QtrMinus:
        return SectorSpots(catalogue, kQtrMinusOffset, coverText, neighbText);
    default:
        return FixedSpots(bet);
    }
}

std::optional<int> LargestEitherSide(AnnouncedBet bet) {
    switch (bet) {
    case AnnouncedBet::Neighb:
        return kLargestNeighbourCount;
    case AnnouncedBet::Oppos:
        return LargestSectorCount(kOpposOffset);
    case AnnouncedBet::QtrPlus:
        return LargestSectorCount(kQtrPlusOffset);
    case AnnouncedBet::QtrMinus:
        return LargestSectorCount(kQtrMinusOffset);
    default:
        return std::nullopt;
    }
}

// The sector bets set BetAccepted once their cover is found, before any chip,
// so with a count below 1 they place nothing yet leave it true. The others
// place their first chip untested, and UpdateChip sets it then.
AnnouncedPress PressAnnounced(GameState& state, AnnouncedBet bet, std::string_view coverText,
                              std::string_view neighbText, std::int16_t button) {
    const Spots spots = AnnouncedSpots(state.catalogue, bet, coverText, neighbText);
    if (IsSector(bet) && CoverPocket(state.catalogue, coverText)) {
        state.BetAccepted = true;
    }
    AnnouncedPress press;
    for (std::size_t i = 0; i < spots.size(); ++i) {
        if (i > 0 && !state.BetAccepted) {
            break;
        }
        press.refusal = UpdateChip(state, spots[i], button);
        if (!press.refusal) {
            press.changed.push_back(spots[i]);
        }
    }
    return press;
}
