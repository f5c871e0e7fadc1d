#include "practice/DrillCheck.h"

#include "betting/BetNames.h"

#include <algorithm>
#include <cctype>

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
    Stakes shortBy{};
    Stakes over{};
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto want = task.stakes.at(spot);
        const auto have = built.at(spot);
        if (have < want) {
            v.missing.push_back(spot);
            shortBy.at(spot) = static_cast<std::int16_t>(want - have);
        } else if (have > want) {
            v.extra.push_back(spot);
            over.at(spot) = static_cast<std::int16_t>(have - want);
        }
    }
    v.missingPerNumber = MarksOf(shortBy, task.pieceValue);
    v.extraPerNumber = MarksOf(over, task.pieceValue);
    v.right = v.missing.empty() && v.extra.empty();
    v.text = VerdictText(v);
    return v;
}

PlaceVerdict ButtonPressedVerdict() {
    PlaceVerdict v;
    v.text = "Wrong: this bet is to be built by hand, chip by chip, not with its button";
    return v;
}

MarksByNumber MarksOf(const Stakes& stakes, std::int16_t pieceValue) {
    MarksByNumber marks{};
    const int value = std::max<int>(pieceValue, 1);
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const int pieces = (stakes.at(spot) + value - 1) / value;
        for (const std::int16_t n : SpotNumbers(spot)) {
            marks.at(static_cast<std::size_t>(n)) += pieces;
        }
    }
    return marks;
}

namespace {

Stakes CallPieces(const Catalogue& catalogue, const BetCall& call) {
    return PiecesPerSpot(AnnouncedSpots(catalogue, call.bet, call.cover, call.neighb));
}

} // namespace

NameVerdict CheckName(const Catalogue& catalogue, const NameTask& task, std::size_t chosen) {
    NameVerdict v;
    v.right = chosen == task.right;
    const Stakes right = CallPieces(catalogue, task.calls.at(task.right));
    v.rightMarks = MarksOf(right, 1);
    if (v.right) {
        v.text = "Right: " + task.choices.at(chosen);
        return v;
    }
    const Stakes picked = CallPieces(catalogue, task.calls.at(chosen));
    v.chosenMarks = MarksOf(picked, 1);
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        if (right.at(spot) > picked.at(spot)) {
            v.missed.push_back(spot);
        }
    }
    v.text = "Wrong: you chose " + task.choices.at(chosen) + "; the bet on the layout is " +
             task.choices.at(task.right);
    return v;
}

std::optional<std::int64_t> ReadAmount(std::string_view typed) {
    constexpr std::size_t kMostDigits = 12;
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    typed = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    if (typed.front() == '$') {
        typed.remove_prefix(1);
    }
    const bool digits = std::all_of(typed.begin(), typed.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    if (typed.empty() || typed.size() > kMostDigits || !digits) {
        return std::nullopt;
    }
    return std::stoll(std::string(typed));
}

PayVerdict CheckPayAnswer(const PayBreakdown& sum, std::string_view typed) {
    const auto amount = ReadAmount(typed);
    if (!amount) {
        return {false, false, "Type the sum in whole dollars, for example 175"};
    }
    if (CheckPay(sum, *amount)) {
        return {true, true, "Right: " + Dollars(sum.total)};
    }
    std::string text = "Wrong: not " + Dollars(*amount) + " but " + Dollars(sum.total);
    for (const PayLine& line : sum.lines) {
        text += "\n" + line.text;
    }
    return {true, false, text};
}
