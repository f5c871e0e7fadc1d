#include "betting/WheelSectors.h"

#include "betting/TypedValue.h"

#include <cstddef>

namespace {

// Indexes stay in 0..2*37-1 by the count limits, so one wrap suffices.
int Wrap(int pocket) {
    if (pocket > kPocketCount - 1) {
        return pocket - kPocketCount;
    }
    return pocket < 0 ? pocket + kPocketCount : pocket;
}

std::int16_t PocketSpot(const Catalogue& catalogue, int pocket) {
    return catalogue.WheelPocket[1].at(static_cast<std::size_t>(pocket));
}

} // namespace

// Sectors may reach K pockets below p + offset + 1 and K above p + offset:
// both ends must stay within one wrap for every pocket p.
int LargestSectorCount(int offset) {
    const int belowLimit = offset + 1;
    const int aboveLimit = kPocketCount - offset;
    return belowLimit < aboveLimit ? belowLimit : aboveLimit;
}

std::optional<int> CoverPocket(const Catalogue& catalogue, std::string_view coverText) {
    const auto number = ReadTypedValue(coverText, 16);
    if (!number) {
        return std::nullopt;
    }
    for (int pocket = 0; pocket < kPocketCount; ++pocket) {
        if (catalogue.WheelPocket[0].at(static_cast<std::size_t>(pocket)) == *number) {
            return pocket;
        }
    }
    return std::nullopt;
}

std::vector<std::int16_t> NeighbourSpots(const Catalogue& catalogue, std::string_view coverText,
                                         std::string_view neighbText) {
    const auto pocket = CoverPocket(catalogue, coverText);
    const auto count = ReadTypedValue(neighbText, 16);
    if (!pocket || !count || *count > kLargestNeighbourCount) {
        return {};
    }
    std::vector<std::int16_t> spots{PocketSpot(catalogue, *pocket)};
    for (int j = 1; j <= *count; ++j) {
        spots.push_back(PocketSpot(catalogue, Wrap(*pocket + j)));
        spots.push_back(PocketSpot(catalogue, Wrap(*pocket - j)));
    }
    return spots;
}

std::vector<std::int16_t> SectorSpots(const Catalogue& catalogue, int offset,
                                      std::string_view coverText, std::string_view neighbText) {
    const auto pocket = CoverPocket(catalogue, coverText);
    const auto count = ReadTypedValue(neighbText, 16);
    if (!pocket || !count || *count > LargestSectorCount(offset)) {
        return {};
    }
    std::vector<std::int16_t> spots;
    const int start = *pocket + offset - *count;
    for (int j = 1; j <= 2 * *count; ++j) {
        spots.push_back(PocketSpot(catalogue, Wrap(start + j)));
    }
    return spots;
}

std::vector<std::int16_t> PocketRunSpots(const Catalogue& catalogue, int first, int last) {
    std::vector<std::int16_t> spots;
    for (int pocket = first; pocket <= last; ++pocket) {
        spots.push_back(PocketSpot(catalogue, pocket));
    }
    return spots;
}
