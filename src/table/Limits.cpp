#include "table/Limits.h"

#include <cstddef>

namespace {

struct Limit {
    std::int16_t min;
    std::int16_t max;
};

constexpr std::array<std::int16_t, kTableCount> kMultiples = {1, 1, 5, 10};
constexpr std::array<std::int16_t, kTableCount> kInsideMinimum = {1, 2, 5, 10};
constexpr std::array<std::int16_t, kTableCount> kInsideMaxFactor = {1, 2, 4, 8};

// The outside bets do not follow the inside rule: their maxima are equal at
// the "$2" and "$5" tables and their minimum is 5 at the two cheapest tables.
constexpr std::array<Limit, kTableCount> kColumnDozen = {Limit{5, 500}, Limit{5, 1000},
                                                         Limit{10, 1000}, Limit{50, 2000}};
constexpr std::array<Limit, kTableCount> kEvenChance = {Limit{5, 1000}, Limit{5, 2000},
                                                        Limit{10, 2000}, Limit{50, 4000}};

constexpr std::int16_t kFirstEvenChanceSpot = 151;

Limit SpotLimit(std::size_t table, std::int16_t spot) {
    if (spot >= kFirstEvenChanceSpot) {
        return kEvenChance.at(table);
    }
    if (spot >= kFirstOutsideSpot) {
        return kColumnDozen.at(table);
    }
    // Inside: 25 a number at the "$1" table, doubled at each dearer table but the last.
    const auto count = static_cast<int>(SpotNumbers(spot).size());
    const int max = 25 * count * kInsideMaxFactor.at(table);
    return {kInsideMinimum.at(table), static_cast<std::int16_t>(max)};
}

} // namespace

void InitMaxArrays(TableLimits& limits) {
    limits.TableMultiple = kMultiples;
    for (std::size_t table = 0; table < kTableCount; ++table) {
        for (int spot = 0; spot < kSpotCount; ++spot) {
            const Limit limit = SpotLimit(table, static_cast<std::int16_t>(spot));
            limits.SpotMinBet[table].at(spot) = limit.min;
            limits.SpotMaxBet[table].at(spot) = limit.max;
        }
    }
}
