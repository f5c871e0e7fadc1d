#include "table/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

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

TEST_F(CatalogueTest, NumberFirstCoverMatchesThePublishedIndexes) {
    const std::array<std::int16_t, kNumberCount> expected = {
        0,   7,   21,  38,  52,  66,  83,  97,  111, 128, 142, 156, 173,
        187, 201, 218, 232, 246, 263, 277, 291, 308, 322, 336, 353, 367,
        381, 398, 412, 426, 443, 457, 471, 488, 502, 513, 526};
    EXPECT_EQ(catalogue.NumberFirstCover, expected);
}

TEST_F(CatalogueTest, CoverListIsSortedByNumberThenSpotAndEndsOn36High) {
    for (int k = 1; k < kCoverCount; ++k) {
        const auto previous =
            std::make_pair(catalogue.CoverNumber.at(k - 1), catalogue.CoverSpot.at(k - 1));
        const auto current = std::make_pair(catalogue.CoverNumber.at(k), catalogue.CoverSpot.at(k));
        EXPECT_LT(previous, current) << "entry " << k;
    }
    EXPECT_EQ(catalogue.CoverNumber.at(536), 36);
    EXPECT_EQ(catalogue.CoverSpot.at(536), 156);
}

TEST_F(CatalogueTest, EachNumberHasItsCoverCount) {
    int total = 0;
    for (int n = 0; n < kNumberCount; ++n) {
        int expected = 14;
        if (n == 0) {
            expected = 7;
        } else if (n == 35) {
            expected = 13;
        } else if (n == 34 || n == 36) {
            expected = 11;
        } else if (n % 3 == 2) {
            expected = 17;
        }
        const auto count = static_cast<int>(CoversOf(n).size());
        EXPECT_EQ(count, expected) << "number " << n;
        total += count;
    }
    EXPECT_EQ(total, kCoverCount);
}

TEST_F(CatalogueTest, ListedCoversOfZeroOneAndTwo) {
    EXPECT_EQ(CoversOf(0), (Numbers{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(CoversOf(1), (Numbers{1, 2, 6, 7, 8, 12, 13, 14, 18, 145, 148, 151, 153, 155}));
    EXPECT_EQ(CoversOf(2),
              (Numbers{2, 3, 4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 146, 148, 151, 152, 154}));
}

struct WheelRow {
    int pocket;
    std::int16_t number;
    std::int16_t spot;
};

TEST_F(CatalogueTest, WheelPocketsHoldTheirNumbersAndStraightUps) {
    const std::array<WheelRow, kPocketCount> rows = {{
        {0, 0, 0},     {1, 32, 129},  {2, 15, 59},   {3, 19, 79},   {4, 4, 19},    {5, 21, 83},
        {6, 2, 9},     {7, 25, 103},  {8, 17, 69},   {9, 34, 139},  {10, 6, 23},   {11, 27, 107},
        {12, 13, 55},  {13, 36, 143}, {14, 11, 45},  {15, 30, 119}, {16, 8, 33},   {17, 23, 93},
        {18, 10, 43},  {19, 5, 21},   {20, 24, 95},  {21, 16, 67},  {22, 33, 131}, {23, 1, 7},
        {24, 20, 81},  {25, 14, 57},  {26, 31, 127}, {27, 9, 35},   {28, 22, 91},  {29, 18, 71},
        {30, 29, 117}, {31, 7, 31},   {32, 28, 115}, {33, 12, 47},  {34, 35, 141}, {35, 3, 11},
        {36, 26, 105},
    }};
    for (const WheelRow& row : rows) {
        EXPECT_EQ(catalogue.WheelPocket[0].at(row.pocket), row.number) << "pocket " << row.pocket;
        EXPECT_EQ(catalogue.WheelPocket[1].at(row.pocket), row.spot) << "pocket " << row.pocket;
    }
}

struct SpotRow {
    std::int16_t spot;
    Numbers numbers;
    std::int16_t pays;
};

TEST_F(CatalogueTest, SampleSpotsCoverAndPayAsTheLayoutShows) {
    const std::vector<SpotRow> rows = {
        {0, {0}, 35},
        {2, {0, 1, 2}, 11},
        {4, {0, 2, 3}, 11},
        {6, {0, 1, 2, 3}, 8},
        {8, {1, 2}, 17},
        {12, {1, 2, 3}, 11},
        {14, {1, 2, 4, 5}, 8},
        {18, {1, 2, 3, 4, 5, 6}, 5},
        {61, {13, 16}, 17},
        {76, {17, 18, 20, 21}, 8},
        {133, {31, 34}, 17},
        {138, {31, 32, 33, 34, 35, 36}, 5},
        {142, {35, 36}, 17},
        {144, {34, 35, 36}, 11},
        {145, {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34}, 2},
        {147, {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36}, 2},
        {149, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, 2},
        {153, {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}, 1},
        {154, {2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35}, 1},
    };
    for (const SpotRow& row : rows) {
        EXPECT_EQ(SpotNumbers(row.spot), row.numbers) << "spot " << row.spot;
        EXPECT_EQ(catalogue.SpotPayout.at(row.spot), row.pays) << "spot " << row.spot;
    }
}

TEST_F(CatalogueTest, OutsideBetsAreTheirNamedSetsAndNeverCoverZero) {
    struct Outside {
        std::int16_t spot;
        bool (*covers)(int);
    };
    const std::array<Outside, 12> outside = {{
        {145, [](int n) { return n % 3 == 1; }},
        {146, [](int n) { return n % 3 == 2; }},
        {147, [](int n) { return n % 3 == 0; }},
        {148, [](int n) { return n <= 12; }},
        {149, [](int n) { return n > 12 && n <= 24; }},
        {150, [](int n) { return n > 24; }},
        {151, [](int n) { return n <= 18; }},
        {152, [](int n) { return n % 2 == 0; }},
        {153, [](int n) { return IsRed(static_cast<std::int16_t>(n)); }},
        {154, [](int n) { return !IsRed(static_cast<std::int16_t>(n)); }},
        {155, [](int n) { return n % 2 == 1; }},
        {156, [](int n) { return n > 18; }},
    }};
    for (const Outside& bet : outside) {
        Numbers expected;
        for (int n = 1; n <= 36; ++n) {
            if (bet.covers(n)) {
                expected.push_back(static_cast<std::int16_t>(n));
            }
        }
        EXPECT_EQ(SpotNumbers(bet.spot), expected) << "spot " << bet.spot;
    }
}

// The grid of the layout read cell by cell: a straight sits on a number, a
// split or corner on the lines between, the street and six-line at the edge.
TEST_F(CatalogueTest, EveryGridSpotCoversTheNumbersAroundItsPlace) {
    for (int row = 0; row < 12; ++row) {
        const auto a = static_cast<std::int16_t>(3 * row + 1);
        const auto first = 7 + 12 * row;
        EXPECT_EQ(SpotNumbers(static_cast<std::int16_t>(first)), Numbers{a});
        EXPECT_EQ(SpotNumbers(static_cast<std::int16_t>(first + 2)),
                  Numbers{static_cast<std::int16_t>(a + 1)});
        EXPECT_EQ(SpotNumbers(static_cast<std::int16_t>(first + 4)),
                  Numbers{static_cast<std::int16_t>(a + 2)});
        if (row < 11) {
            EXPECT_EQ(SpotNumbers(static_cast<std::int16_t>(first + 6)),
                      (Numbers{a, static_cast<std::int16_t>(a + 3)}));
            EXPECT_EQ(SpotNumbers(static_cast<std::int16_t>(first + 11)).size(), 6U);
        }
    }
}

TEST_F(CatalogueTest, PayoutIs36DividedByCountLessOne) {
    for (int spot = 0; spot < kSpotCount; ++spot) {
        const auto count = static_cast<int>(SpotNumbers(static_cast<std::int16_t>(spot)).size());
        ASSERT_GT(count, 0) << "spot " << spot;
        EXPECT_EQ(catalogue.SpotPayout.at(spot), 36 / count - 1) << "spot " << spot;
    }
}

TEST_F(CatalogueTest, CoverListHoldsEachSpotsNumbersExactlyOnce) {
    std::set<std::pair<int, int>> fromList;
    for (int k = 0; k < kCoverCount; ++k) {
        fromList.emplace(catalogue.CoverNumber.at(k), catalogue.CoverSpot.at(k));
    }
    std::set<std::pair<int, int>> fromSpots;
    for (int spot = 0; spot < kSpotCount; ++spot) {
        for (const std::int16_t n : SpotNumbers(static_cast<std::int16_t>(spot))) {
            fromSpots.emplace(n, spot);
        }
    }
    EXPECT_EQ(fromList.size(), static_cast<std::size_t>(kCoverCount));
    EXPECT_EQ(fromList, fromSpots);
}

TEST_F(CatalogueTest, ColoursChipsAndComboLists) {
    const std::array<std::int16_t, 18> red = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                              19, 21, 23, 25, 27, 30, 32, 34, 36};
    EXPECT_EQ(catalogue.NumberColour.at(0), -1);
    for (int n = 1; n < kNumberCount; ++n) {
        const bool isRed = std::find(red.begin(), red.end(), n) != red.end();
        EXPECT_EQ(catalogue.NumberColour.at(n), isRed ? 1 : 0) << "number " << n;
    }
    EXPECT_EQ(catalogue.NumberColour.at(17), 0) << "17 is black";
    EXPECT_EQ(catalogue.ChipValue,
              (std::array<std::int16_t, kChipCount>{1, 2, 5, 10, 25, 100, 500, 1000}));
    ASSERT_EQ(catalogue.NumberListItems.size(), 37U);
    for (std::size_t i = 0; i < catalogue.NumberListItems.size(); ++i) {
        EXPECT_EQ(catalogue.NumberListItems[i], std::to_string(i));
    }
    EXPECT_EQ(catalogue.NeighbListItems, (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(catalogue.NeighbStartText, "2");
}

TEST_F(CatalogueTest, StraightUpSpotOfEveryNumberCoversThatNumberAlone) {
    for (int n = 0; n < kNumberCount; ++n) {
        const auto number = static_cast<std::int16_t>(n);
        EXPECT_EQ(SpotNumbers(StraightUpSpot(number)), Numbers{number}) << "number " << n;
    }
}

struct PlaceRow {
    std::int16_t spot;
    TwipPoint place;
};

TEST_F(CatalogueTest, ChipMarkersLieWhereTheLayoutPutsThem) {
    const std::vector<PlaceRow> listed = {
        {0, {780, 120}},     {1, {180, 345}},     {6, {1680, 345}},    {7, {180, 570}},
        {12, {1680, 570}},   {13, {180, 795}},    {100, {1080, 3945}}, {139, {180, 5520}},
        {144, {1680, 5520}}, {145, {180, 5970}},  {146, {780, 5970}},  {147, {1380, 5970}},
        {148, {1980, 1245}}, {149, {1980, 3045}}, {150, {1980, 4845}}, {151, {2580, 795}},
        {152, {2580, 1695}}, {153, {2580, 2595}}, {154, {2580, 3495}}, {155, {2580, 4395}},
        {156, {2580, 5295}},
    };
    for (const PlaceRow& row : listed) {
        EXPECT_EQ(catalogue.ChipPlace.at(row.spot), row.place) << "spot " << row.spot;
    }
    // Inside spots: six places across, one row of places every 225 twips down.
    const std::array<int, 6> lefts = {180, 480, 780, 1080, 1380, 1680};
    for (int spot = 1; spot <= 144; ++spot) {
        const TwipPoint expected{lefts.at((spot - 1) % 6), 345 + 225 * ((spot - 1) / 6)};
        EXPECT_EQ(catalogue.ChipPlace.at(spot), expected) << "spot " << spot;
    }
}

} // namespace
