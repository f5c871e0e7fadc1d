#include "core/LayoutOracle.h"

#include "table/Catalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const Catalogue catalogue = [] {
    Catalogue c;
    InitChipArrays(c);
    return c;
}();

// Every spot against the layout's geometry: its numbers, hence its payout and
// its entries in the cover list, which must be sorted by number, then spot.
TEST(Catalogue, EverySpotCoversAndPaysWhatTheLayoutShows) {
    int k = 0;
    for (int n = 0; n < kNumberCount; ++n) {
        EXPECT_EQ(catalogue.NumberFirstCover.at(n), k) << "number " << n;
        for (int spot = 0; spot < kSpotCount; ++spot) {
            if (oracle::Covers(spot, n)) {
                ASSERT_EQ(catalogue.CoverNumber.at(k), n) << "entry " << k;
                ASSERT_EQ(catalogue.CoverSpot.at(k), spot) << "entry " << k;
                ++k;
            }
        }
    }
    EXPECT_EQ(k, kCoverCount);
    for (int spot = 0; spot < kSpotCount; ++spot) {
        EXPECT_EQ(catalogue.SpotPayout.at(spot), oracle::Payout(spot)) << "spot " << spot;
    }
}

TEST(Catalogue, PocketsColoursAndChips) {
    for (int p = 0; p < kPocketCount; ++p) {
        EXPECT_EQ(catalogue.WheelPocket[0].at(p), oracle::kWheel.at(p)) << "pocket " << p;
        EXPECT_EQ(catalogue.WheelPocket[1].at(p), oracle::StraightUp(oracle::kWheel.at(p)))
            << "pocket " << p;
    }
    for (int n = 0; n < kNumberCount; ++n) {
        EXPECT_EQ(catalogue.NumberColour.at(n), n == 0 ? -1 : (oracle::IsRed(n) ? 1 : 0)) << n;
    }
    EXPECT_EQ(catalogue.ChipValue,
              (std::array<std::int16_t, kChipCount>{1, 2, 5, 10, 25, 100, 500, 1000}));
}

// Inside chips: six places across (180 to 1680), a row of places every 225 down.
TEST(Catalogue, ChipMarkersLieOnTheirSpots) {
    const std::vector<std::pair<std::int16_t, TwipPoint>> outside = {
        {0, {780, 120}},     {145, {180, 5970}},  {146, {780, 5970}},  {147, {1380, 5970}},
        {148, {1980, 1245}}, {149, {1980, 3045}}, {150, {1980, 4845}}, {151, {2580, 795}},
        {152, {2580, 1695}}, {153, {2580, 2595}}, {154, {2580, 3495}}, {155, {2580, 4395}},
        {156, {2580, 5295}}};
    for (const auto& [spot, place] : outside) {
        EXPECT_EQ(catalogue.ChipPlace.at(spot), place) << "spot " << spot;
    }
    for (int spot = 1; spot <= 144; ++spot) {
        const TwipPoint expected{180 + 300 * ((spot - 1) % 6), 345 + 225 * ((spot - 1) / 6)};
        EXPECT_EQ(catalogue.ChipPlace.at(spot), expected) << "spot " << spot;
    }
}

} // namespace
