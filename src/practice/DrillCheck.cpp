#include "practice/DrillCheck.h"

#include "betting/BetNames.h"

#include <algorithm>

namespace {

std::string Named(const std::string& word, const std::vector<std::int16_t>& spots) {
    std::string text;
    for (const std::int16_t spot : spots) {
        text += (text.empty() ? word + " " : ", ") + SpotName(spot);
    }
    return text;
}

std::string VerdictText(const PlaceVerdict& v) {
    if (v.right) {
        return "Right";
    }
    const std::string missing = Named("missing", v.missing);
    const std::string extra = Named("extra", v.extra);
    return missing + (missing.empty() || extra.empty() ? "" : "; ") + extra;
}

} // namespace

PlaceVerdict CheckPlace(const PlacedBet& task, const Stakes& built) {
    PlaceVerdict v;
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto want = task.stakes.at(spot);
        const auto have = built.at(spot);
        if (have < want) {
            v.missing.push_back(spot);
            const int value = std::max<int>(task.pieceValue, 1);
            const int pieces = (want - have + value - 1) / value;
            for (const std::int16_t n : SpotNumbers(spot)) {
                v.missingPerNumber.at(static_cast<std::size_t>(n)) += pieces;
            }
        } else if (have > want) {
            v.extra.push_back(spot);
        }
    }
    v.right = v.missing.empty() && v.extra.empty();
    v.text = VerdictText(v);
    return v;
}

PlaceVerdict ButtonPressedVerdict() {
    PlaceVerdict v;
    v.text = "Wrong: this bet is to be built by hand, chip by chip, not with its button";
    return v;
}
