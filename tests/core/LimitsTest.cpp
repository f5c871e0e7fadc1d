#include "table/Limits.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

struct LimitGroup {
    std::string name;
    std::vector<std::int16_t> spots;
    std::array<std::pair<int, int>, kTableCount> limits; // (min, max) per table
};

const std::vector<LimitGroup>& Groups() {
    // clang-format off
    static const std::vector<LimitGroup> groups = {
        {"straight",
         {0,  7,  9,  11, 19, 21, 23, 31, 33, 35, 43, 45, 47, 55, 57, 59, 67, 69, 71,
          79, 81, 83, 91, 93, 95, 103, 105, 107, 115, 117, 119, 127, 129, 131, 139, 141, 143},
         {{{1, 25}, {2, 50}, {5, 100}, {10, 200}}}},
        {"split",
         {1,  3,  5,  8,  10, 13, 15, 17, 20, 22, 25, 27, 29, 32, 34, 37, 39, 41, 44, 46,
          49, 51, 53, 56, 58, 61, 63, 65, 68, 70, 73, 75, 77, 80, 82, 85, 87, 89, 92, 94,
          97, 99, 101, 104, 106, 109, 111, 113, 116, 118, 121, 123, 125, 128, 130, 133, 135, 137,
          140, 142},
         {{{1, 50}, {2, 100}, {5, 200}, {10, 400}}}},
        {"street and trio",
         {2, 4, 12, 24, 36, 48, 60, 72, 84, 96, 108, 120, 132, 144},
         {{{1, 75}, {2, 150}, {5, 300}, {10, 600}}}},
        {"corner and first four",
         {6,  14, 16, 26, 28, 38, 40, 50, 52, 62, 64, 74, 76, 86, 88, 98, 100, 110, 112, 122,
          124, 134, 136},
         {{{1, 100}, {2, 200}, {5, 400}, {10, 800}}}},
        {"six-line",
         {18, 30, 42, 54, 66, 78, 90, 102, 114, 126, 138},
         {{{1, 150}, {2, 300}, {5, 600}, {10, 1200}}}},
        {"column and dozen",
         {145, 146, 147, 148, 149, 150},
         {{{5, 500}, {5, 1000}, {10, 1000}, {50, 2000}}}},
        {"even chance",
         {151, 152, 153, 154, 155, 156},
         {{{5, 1000}, {5, 2000}, {10, 2000}, {50, 4000}}}},
    };
    // clang-format on
    return groups;
}

TEST(LimitsTest, GroupsCoverEverySpotOnce) {
    std::vector<int> seen(kSpotCount, 0);
    for (const LimitGroup& group : Groups()) {
        for (const std::int16_t spot : group.spots) {
            ++seen.at(spot);
        }
    }
    for (int spot = 0; spot < kSpotCount; ++spot) {
        EXPECT_EQ(seen.at(spot), 1) << "spot " << spot;
    }
}

TEST(LimitsTest, EverySpotHasItsGroupsLimitsAtEveryTable) {
    TableLimits limits;
    InitMaxArrays(limits);
    for (const LimitGroup& group : Groups()) {
        for (int table = 0; table < kTableCount; ++table) {
            const auto [min, max] = group.limits.at(table);
            for (const std::int16_t spot : group.spots) {
                EXPECT_EQ(limits.SpotMinBet.at(table).at(spot), min)
                    << group.name << " spot " << spot << " table " << table;
                EXPECT_EQ(limits.SpotMaxBet.at(table).at(spot), max)
                    << group.name << " spot " << spot << " table " << table;
            }
        }
    }
}

TEST(LimitsTest, MultiplesAreOneOneFiveTen) {
    TableLimits limits;
    InitMaxArrays(limits);
    EXPECT_EQ(limits.TableMultiple, (std::array<std::int16_t, kTableCount>{1, 1, 5, 10}));
}

TEST(LimitsTest, EveryLimitIsAMultipleOfItsTable) {
    TableLimits limits;
    InitMaxArrays(limits);
    for (int table = 0; table < kTableCount; ++table) {
        const int multiple = limits.TableMultiple.at(table);
        for (int spot = 0; spot < kSpotCount; ++spot) {
            EXPECT_EQ(limits.SpotMinBet.at(table).at(spot) % multiple, 0);
            EXPECT_EQ(limits.SpotMaxBet.at(table).at(spot) % multiple, 0);
        }
    }
}

} // namespace
