#include "table/Catalogue.h"

#include "table/NumberText.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace {

constexpr std::array<std::int16_t, kPocketCount> kWheelOrder = {
    0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
    5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};

constexpr std::array<std::int16_t, 18> kRedNumbers = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                                      19, 21, 23, 25, 27, 30, 32, 34, 36};

constexpr std::array<std::int16_t, kChipCount> kChipValues = {1, 2, 5, 10, 25, 100, 500, 1000};

using Numbers = std::vector<std::int16_t>;

Numbers ZeroAreaNumbers(int spot) {
    static const std::array<Numbers, 7> kZeroArea = {
        Numbers{0},       Numbers{0, 1}, Numbers{0, 1, 2},   Numbers{0, 2},
        Numbers{0, 2, 3}, Numbers{0, 3}, Numbers{0, 1, 2, 3}};
    return kZeroArea.at(static_cast<std::size_t>(spot));
}

// Spots 7..144 come in runs of twelve: six across a row of numbers a, b, c,
// then six across the line below it.
Numbers GridNumbers(int spot) {
    const int row = (spot - 7) / 12;
    const int place = (spot - 7) % 12;
    const auto a = static_cast<std::int16_t>(3 * row + 1);
    const auto b = static_cast<std::int16_t>(a + 1);
    const auto c = static_cast<std::int16_t>(a + 2);
    const auto d = static_cast<std::int16_t>(a + 3);
    const auto e = static_cast<std::int16_t>(a + 4);
    const auto f = static_cast<std::int16_t>(a + 5);
    switch (place) {
    case 0:
        return {a};
    case 1:
        return {a, b};
    case 2:
        return {b};
    case 3:
        return {b, c};
    case 4:
        return {c};
    case 5:
        return {a, b, c};
    case 6:
        return {a, d};
    case 7:
        return {a, b, d, e};
    case 8:
        return {b, e};
    case 9:
        return {b, c, e, f};
    case 10:
        return {c, f};
    default:
        return {a, b, c, d, e, f};
    }
}

bool OutsideCovers(int spot, int n) {
    switch (spot) {
    case 145:
        return n % 3 == 1;
    case 146:
        return n % 3 == 2;
    case 147:
        return n % 3 == 0;
    case 148:
        return n <= 12;
    case 149:
        return n >= 13 && n <= 24;
    case 150:
        return n >= 25;
    case 151:
        return n <= 18;
    case 152:
        return n % 2 == 0;
    case 153:
        return IsRed(static_cast<std::int16_t>(n));
    case 154:
        return !IsRed(static_cast<std::int16_t>(n));
    case 155:
        return n % 2 == 1;
    default:
        return n >= 19;
    }
}

Numbers OutsideNumbers(int spot) {
    Numbers numbers;
    for (int n = 1; n < kNumberCount; ++n) {
        if (OutsideCovers(spot, n)) {
            numbers.push_back(static_cast<std::int16_t>(n));
        }
    }
    return numbers;
}

void FillComboLists(Catalogue& catalogue) {
    catalogue.NumberListItems.clear();
    for (int n = 0; n < kNumberCount; ++n) {
        catalogue.NumberListItems.push_back(PlainForm(n));
    }
    catalogue.NeighbStartText = std::string("2");
    catalogue.NeighbListItems = {"1", "2", "3", "4", "5", "6"};
}

void FillCoverList(Catalogue& catalogue) {
    std::array<std::vector<std::int16_t>, kNumberCount> spotsOfNumber;
    for (int spot = 0; spot < kSpotCount; ++spot) {
        for (const std::int16_t n : SpotNumbers(static_cast<std::int16_t>(spot))) {
            spotsOfNumber.at(static_cast<std::size_t>(n))
                .push_back(static_cast<std::int16_t>(spot));
        }
    }
    std::size_t k = 0;
    for (std::size_t n = 0; n < spotsOfNumber.size(); ++n) {
        catalogue.NumberFirstCover.at(n) = static_cast<std::int16_t>(k);
        for (const std::int16_t spot : spotsOfNumber[n]) {
            catalogue.CoverNumber.at(k) = static_cast<std::int16_t>(n);
            catalogue.CoverSpot.at(k) = spot;
            ++k;
        }
    }
    if (k != kCoverCount) {
        throw std::logic_error("cover list does not hold every (number, spot) pair");
    }
}

} // namespace

bool IsRed(std::int16_t number) {
    return std::find(kRedNumbers.begin(), kRedNumbers.end(), number) != kRedNumbers.end();
}

std::vector<std::int16_t> SpotNumbers(std::int16_t spot) {
    if (spot < 0 || spot >= kSpotCount) {
        return {};
    }
    if (spot < 7) {
        return ZeroAreaNumbers(spot);
    }
    return spot < kFirstOutsideSpot ? GridNumbers(spot) : OutsideNumbers(spot);
}

std::int16_t StraightUpSpot(std::int16_t number) {
    if (number <= 0) {
        return 0;
    }
    return static_cast<std::int16_t>(7 + 12 * ((number - 1) / 3) + 2 * ((number - 1) % 3));
}

TwipPoint ChipMarkerPlace(std::int16_t spot) {
    if (spot == 0) {
        return {780, 120};
    }
    if (spot < kFirstOutsideSpot) {
        const int row = (spot + 5) / 6; // spot / 6 rounded up
        return {((spot - 1) % 6) * 300 + 180, row * 225 + 120};
    }
    if (spot < 148) {
        return {(spot - 145) * 600 + 180, 5970};
    }
    if (spot < 151) {
        return {1980, ((spot - 148) * 8 + 5) * 225 + 120};
    }
    return {2580, ((spot - 151) * 4 + 3) * 225 + 120};
}

void InitChipArrays(Catalogue& catalogue) {
    FillComboLists(catalogue);
    for (int n = 0; n < kNumberCount; ++n) {
        const auto number = static_cast<std::int16_t>(n);
        const NumberColourCode colour = number == 0     ? NumberColourCode::Zero
                                        : IsRed(number) ? NumberColourCode::Red
                                                        : NumberColourCode::Black;
        catalogue.NumberColour.at(n) = static_cast<std::int16_t>(colour);
    }
    for (std::size_t p = 0; p < kWheelOrder.size(); ++p) {
        catalogue.WheelPocket[0][p] = kWheelOrder[p];
        catalogue.WheelPocket[1][p] = StraightUpSpot(kWheelOrder[p]);
    }
    catalogue.ChipValue = kChipValues;
    for (int spot = 0; spot < kSpotCount; ++spot) {
        const auto s = static_cast<std::int16_t>(spot);
        const auto count = static_cast<int>(SpotNumbers(s).size());
        catalogue.SpotPayout.at(spot) = static_cast<std::int16_t>(36 / count - 1);
        catalogue.ChipPlace.at(spot) = ChipMarkerPlace(s);
    }
    FillCoverList(catalogue);
}
