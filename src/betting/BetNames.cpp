#include "betting/BetNames.h"

#include "table/NumberText.h"

#include <array>
#include <cstddef>

namespace {

// One spot of each kind, to read a table's limits for that kind.
constexpr std::int16_t kStraightSpot = 7;
constexpr std::int16_t kSplitSpot = 8;
constexpr std::int16_t kStreetSpot = 12;
constexpr std::int16_t kCornerSpot = 14;
constexpr std::int16_t kSixLineSpot = 18;
constexpr std::int16_t kColumnSpot = 145;
constexpr std::int16_t kEvenChanceSpot = 151;

constexpr std::array<const char*, kSpotCount - kFirstOutsideSpot> kOutsideNames = {
    "1st column (1, 4, ..., 34)",
    "2nd column (2, 5, ..., 35)",
    "3rd column (3, 6, ..., 36)",
    "1st dozen (1 to 12)",
    "2nd dozen (13 to 24)",
    "3rd dozen (25 to 36)",
    "low (1 to 18)",
    "even",
    "red",
    "black",
    "odd",
    "high (19 to 36)"};

// Inside kinds follow from the count of numbers covered; the zero makes a
// three-number bet a trio and a four-number bet the first four.
const char* InsideKind(const std::vector<std::int16_t>& numbers) {
    const bool zero = numbers.front() == 0;
    switch (numbers.size()) {
    case 1:
        return "straight";
    case 2:
        return "split";
    case 3:
        return zero ? "trio" : "street";
    case 4:
        return zero ? "first four" : "corner";
    default:
        return "six-line";
    }
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::int16_t Minimum(const TableLimits& limits, int table, std::int16_t spot) {
    return limits.SpotMinBet.at(static_cast<std::size_t>(table)).at(spot);
}

std::int16_t Maximum(const TableLimits& limits, int table, std::int16_t spot) {
    return limits.SpotMaxBet.at(static_cast<std::size_t>(table)).at(spot);
}

std::string Range(const TableLimits& limits, int table, std::int16_t spot) {
    return Dollars(Minimum(limits, table, spot)) + " to " + Dollars(Maximum(limits, table, spot));
}

} // namespace

std::string SpotName(std::int16_t spot) {
    if (spot >= kFirstOutsideSpot) {
        return kOutsideNames.at(static_cast<std::size_t>(spot - kFirstOutsideSpot));
    }
    const std::vector<std::int16_t> numbers = SpotNumbers(spot);
    std::string name = InsideKind(numbers);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        name += i == 0 ? ' ' : '/';
        name += PlainForm(numbers[i]);
    }
    return name;
}

std::string SpotTitle(std::int16_t spot) {
    return Capitalised(SpotName(spot));
}

std::string SpotDescription(const GameState& state, std::int16_t spot) {
    return SpotTitle(spot) + ", pays " + PlainForm(state.catalogue.SpotPayout.at(spot)) +
           " to 1, " + Range(state.limits, state.TableIndex, spot) + " at this table";
}

// The sign goes before the dollar: "-$25".
std::string Dollars(std::int64_t amount) {
    std::string text = PlainForm(amount);
    text.insert(amount < 0 ? 1 : 0, 1, '$');
    return text;
}

std::string TableCaption(const TableLimits& limits, int table) {
    return Dollars(Minimum(limits, table, kStraightSpot));
}

// Short lines: a tool tip does not wrap plain text.
std::string TableSummary(const TableLimits& limits, int table) {
    const auto top = [&](std::int16_t spot) { return Dollars(Maximum(limits, table, spot)); };
    return TableCaption(limits, table) + " table: stakes in multiples of " +
           PlainForm(limits.TableMultiple.at(static_cast<std::size_t>(table))) +
           "\nInside bets from " + Dollars(Minimum(limits, table, kStraightSpot)) + ", at most " +
           top(kStraightSpot) + " on a straight, " + top(kSplitSpot) + " on a split,\n" +
           top(kStreetSpot) + " on a street or trio, " + top(kCornerSpot) + " on a corner, " +
           top(kSixLineSpot) + " on a six-line\nOutside bets from " +
           Dollars(Minimum(limits, table, kColumnSpot)) + ", at most " + top(kColumnSpot) +
           " on a column or dozen,\n" + top(kEvenChanceSpot) + " on an even chance";
}

std::string AnnouncedBetName(AnnouncedBet bet) {
    static const std::array<const char*, 18> kNames = {
        "Tier",        "Orphans",     "Grande",      "Zero",     "Neighbours", "Finals",
        "Figure",      "Birds",       "Cousins",     "Reds",     "Blacks",     "1st Quarter",
        "2nd Quarter", "3rd Quarter", "4th Quarter", "Opposite", "Qtr +",      "Qtr -"};
    return kNames.at(static_cast<std::size_t>(bet));
}
