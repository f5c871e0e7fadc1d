#include "core/LayoutOracle.h"

#include "table/Catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Numbers = std::vector<std::int16_t>;

class CatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override { InitChipArrays(catalogue); }

    Numbers CoversOf(int number) const {
        Numbers spots;
        for (int k = 0; k < kCoverCount; ++k) {
            if (catalogue.CoverNumber.at(k) == number) {
                spots.push_back(catalogue.CoverSpot.at(k));
            }
        }
        return spots;
    }

    Catalogue catalogue;
};

// Every spot against the layout's geometry: its numbers, hence its payout and
// its entries in the cover list, which must be sorted by number, then spot.
TEST_F(CatalogueTest, EverySpotCoversAndPaysWhatTheLayoutShows) {
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

TEST_F(CatalogueTest, PublishedFiguresOfTheCoverList) {
    const std::vector<std::int16_t> firstCover = {
        0,   7,   21,  38,  52,  66,  83,  97,  111, 128, 142, 156, 173, 187, 201, 218, 232, 246, 263,
        277, 291, 308, 322, 336, 353, 367, 381, 398, 412, 426, 443, 457, 471, 488, 502, 513, 526};
    EXPECT_EQ(Numbers(catalogue.NumberFirstCover.begin(), catalogue.NumberFirstCover.end()),
              firstCover);
    EXPECT_EQ(CoversOf(0), (Numbers{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(CoversOf(1), (Numbers{1, 2, 6, 7, 8, 12, 13, 14, 18, 145, 148, 151, 153, 155}));
    EXPECT_EQ(CoversOf(2),
              (Numbers{2, 3, 4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 146, 148, 151, 152, 154}));
    EXPECT_EQ(CoversOf(35).size(), 13U);
    EXPECT_EQ(CoversOf(34).size(), 11U);
    EXPECT_EQ(catalogue.CoverSpot.at(536), 156);
}

TEST_F(CatalogueTest, SampleSpotsOfEveryKind) {
    struct Row {
        std::int16_t spot;
        Numbers numbers;
        std::int16_t pays;
    };
    const std::vector<Row> rows = {
        {0, {0}, 35},           {2, {0, 1, 2}, 11},       {6, {0, 1, 2, 3}, 8},
        {14, {1, 2, 4, 5}, 8},  {18, {1, 2, 3, 4, 5, 6}, 5}, {61, {13, 16}, 17},
        {144, {34, 35, 36}, 11}, {146, {2, 5, 8, 11, 14, 17, 20, 23, 26, 29, 32, 35}, 2},
        {150, {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}, 2},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SpotNumbers(row.spot), row.numbers) << "spot " << row.spot;
        EXPECT_EQ(catalogue.SpotPayout.at(row.spot), row.pays) << "spot " << row.spot;
    }
}

TEST_F(CatalogueTest, WheelPocketsHoldTheirNumbersAndStraightUps) {
    const std::vector<std::int16_t> spots = {
        0,  129, 59, 79, 19,  83, 9,   103, 69,  139, 23,  107, 55, 143, 45,  119, 33, 93, 43,
        21, 95,  67, 131, 7, 81, 57, 127, 35,  91,  71,  117, 31, 115, 47, 141, 11, 105};
    for (int p = 0; p < kPocketCount; ++p) {
        EXPECT_EQ(catalogue.WheelPocket[0].at(p), oracle::kWheel.at(p)) << "pocket " << p;
        EXPECT_EQ(catalogue.WheelPocket[1].at(p), spots.at(p)) << "pocket " << p;
    }
}

TEST_F(CatalogueTest, ColoursChipsAndComboLists) {
    for (int n = 0; n < kNumberCount; ++n) {
        EXPECT_EQ(catalogue.NumberColour.at(n), n == 0 ? -1 : (oracle::IsRed(n) ? 1 : 0)) << n;
    }
    EXPECT_EQ(catalogue.ChipValue,
              (std::array<std::int16_t, kChipCount>{1, 2, 5, 10, 25, 100, 500, 1000}));
    ASSERT_EQ(catalogue.NumberListItems.size(), 37U);
    for (std::size_t i = 0; i < catalogue.NumberListItems.size(); ++i) {
        EXPECT_EQ(catalogue.NumberListItems[i], std::to_string(i));
    }
    EXPECT_EQ(catalogue.NeighbListItems, (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(catalogue.NeighbStartText, "2");
}

// Inside chips: six places across (180 to 1680), a row of places every 225 down.
TEST_F(CatalogueTest, ChipMarkersLieOnTheirSpots) {
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
