#include "betting/Racetrack.h"

#include "betting/TypedValue.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegreesPerPocket = 360.0 / kPocketCount;
constexpr int kSectorCount = static_cast<int>(kTrackSectors.size());
constexpr int kFewestEitherSide = 1;
constexpr int kMostEitherSide = 6;

int Wrap(int value, int count) {
    return ((value % count) + count) % count;
}

int PocketOf(const Catalogue& catalogue, std::int16_t number) {
    const auto& numbers = catalogue.WheelPocket[0];
    return static_cast<int>(std::find(numbers.begin(), numbers.end(), number) - numbers.begin());
}

} // namespace

TrackTarget TargetOfStop(const Catalogue& catalogue, int stop) {
    if (stop < kPocketCount) {
        return {AnnouncedBet::Neighb, catalogue.WheelPocket[0].at(stop)};
    }
    return {kTrackSectors.at(stop - kPocketCount), std::nullopt};
}

std::string TrackCoverText(std::int16_t number) {
    return std::to_string(number);
}

std::vector<int> SectorPockets(const Catalogue& catalogue, AnnouncedBet bet) {
    std::vector<bool> covered(kPocketCount, false);
    for (const std::int16_t spot : AnnouncedSpots(catalogue, bet, "", "")) {
        for (const std::int16_t number : SpotNumbers(spot)) {
            covered.at(PocketOf(catalogue, number)) = true;
        }
    }
    std::vector<int> pockets;
    for (int p = 0; p < kPocketCount; ++p) {
        if (covered[p]) {
            pockets.push_back(p);
        }
    }
    return pockets;
}

// An arc starts at a covered pocket whose anticlockwise neighbour is not covered.
std::vector<PocketArc> SectorArcs(const Catalogue& catalogue, AnnouncedBet bet) {
    std::vector<bool> covered(kPocketCount, false);
    for (const int p : SectorPockets(catalogue, bet)) {
        covered[p] = true;
    }
    std::vector<PocketArc> arcs;
    for (int p = 0; p < kPocketCount; ++p) {
        if (!covered[p] || covered[Wrap(p - 1, kPocketCount)]) {
            continue;
        }
        PocketArc arc{p, 0};
        while (arc.count < kPocketCount && covered[Wrap(p + arc.count, kPocketCount)]) {
            ++arc.count;
        }
        arcs.push_back(arc);
    }
    if (arcs.empty() && covered[0]) {
        arcs.push_back({0, kPocketCount}); // the whole wheel has no start
    }
    return arcs;
}

TrackSpan PocketSpan(int pocket) {
    const double middle = 180.0 + kDegreesPerPocket * pocket;
    return {middle - kDegreesPerPocket / 2.0, middle + kDegreesPerPocket / 2.0};
}

TrackSpan ArcSpan(PocketArc arc) {
    const double from = PocketSpan(arc.first).from;
    return {from, from + kDegreesPerPocket * arc.count};
}

TrackPoint OnOval(double degrees, double radiusX, double radiusY) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {radiusX * std::cos(radians), radiusY * std::sin(radians)};
}

int MoveStop(int stop, int steps) {
    if (stop < kPocketCount) {
        return Wrap(stop + steps, kPocketCount);
    }
    return kPocketCount + Wrap(stop - kPocketCount + steps, kSectorCount);
}

int SteppedEitherSide(std::string_view neighbText, int delta) {
    const std::int32_t count = ReadTypedValue(neighbText, 16).value_or(kFewestEitherSide);
    const std::int32_t held = std::clamp<std::int32_t>(count, kFewestEitherSide, kMostEitherSide);
    return std::clamp<std::int32_t>(held + delta, kFewestEitherSide, kMostEitherSide);
}
