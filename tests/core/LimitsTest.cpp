#include "core/LayoutOracle.h"

#include "table/Limits.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

using Limit = std::pair<int, int>; // smallest and largest stake

// The published limits by spot group, tables "$1", "$2", "$5", "$10".
struct GroupRow {
    const char* group;
    std::array<Limit, kTableCount> limits;
};

// clang-format off
const GroupRow kStraight{"straight", {{{1, 25}, {2, 50}, {5, 100}, {10, 200}}}};
const GroupRow kSplit{"split", {{{1, 50}, {2, 100}, {5, 200}, {10, 400}}}};
const GroupRow kStreet{"street and trio", {{{1, 75}, {2, 150}, {5, 300}, {10, 600}}}};
const GroupRow kCorner{"corner and first four", {{{1, 100}, {2, 200}, {5, 400}, {10, 800}}}};
const GroupRow kSixLine{"six-line", {{{1, 150}, {2, 300}, {5, 600}, {10, 1200}}}};
const GroupRow kColumnDozen{"column and dozen", {{{5, 500}, {5, 1000}, {10, 1000}, {50, 2000}}}};
const GroupRow kEvenChance{"even chance", {{{5, 1000}, {5, 2000}, {10, 2000}, {50, 4000}}}};
// clang-format on

// A spot's group follows from how many numbers it covers, outside from its number.
const GroupRow& GroupOf(int spot) {
    if (spot >= 151) {
        return kEvenChance;
    }
    if (spot >= 145) {
        return kColumnDozen;
    }
    // Inside: by the count of numbers covered, 1 to 4, and 6 for a six-line.
    const std::array<const GroupRow*, 7> inside = {nullptr,  &kStraight, &kSplit,  &kStreet,
                                                   &kCorner, nullptr,    &kSixLine};
    return *inside.at(oracle::CoverCount(spot));
}

TEST(Limits, EverySpotHasItsGroupsLimitsAtEveryTable) {
    TableLimits limits;
    InitMaxArrays(limits);
    EXPECT_EQ(limits.TableMultiple, (std::array<std::int16_t, kTableCount>{1, 1, 5, 10}));
    for (int spot = 0; spot < kSpotCount; ++spot) {
        const GroupRow& group = GroupOf(spot);
        for (std::size_t t = 0; t < kTableCount; ++t) {
            EXPECT_EQ(limits.SpotMinBet.at(t).at(spot), group.limits.at(t).first)
                << group.group << " spot " << spot << " table " << t;
            EXPECT_EQ(limits.SpotMaxBet.at(t).at(spot), group.limits.at(t).second)
                << group.group << " spot " << spot << " table " << t;
        }
    }
}

} // namespace
