#include "TestTable.h"

#include "betting/AnnouncedBets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Spots = std::vector<std::int16_t>;

// The numbers on the wheel, clockwise from the zero.
constexpr std::array<int, 37> kWheel = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                        36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                        31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

// Straight-up spot of a number: layout row k = (n + 2) div 3, column c = (n - 1) mod 3.
std::int16_t StraightUp(int n) {
    return static_cast<std::int16_t>(n == 0 ? 0 : 12 * ((n + 2) / 3) - 5 + 2 * ((n - 1) % 3));
}

Spots StraightUps(const std::vector<int>& numbers) {
    Spots spots;
    for (const int n : numbers) {
        spots.push_back(StraightUp(n));
    }
    return spots;
}

int PocketOf(int number) {
    return static_cast<int>(std::find(kWheel.begin(), kWheel.end(), number) - kWheel.begin());
}

int Around(int pocket) {
    return ((pocket % 37) + 37) % 37;
}

class AnnouncedSpotsTest : public ::testing::Test {
  protected:
    Spots Placed(AnnouncedBet bet, const std::string& cover = "", const std::string& neighb = "2") {
        return AnnouncedSpots(m_state.catalogue, bet, cover, neighb);
    }
    GameState m_state = StartedTable();
};

struct FixedCase {
    const char* name;
    AnnouncedBet bet;
    Spots spots;
};

// clang-format off
const std::vector<FixedCase> kFixed = {
    {"Tier", AnnouncedBet::Tier, {27, 44, 61, 94, 113, 137}},
    {"Orphns", AnnouncedBet::Orphns, {7, 29, 63, 75, 133}},
    {"GrandeWithTwoChipsOnFourAndOnHundredTen", AnnouncedBet::Grande, {4, 4, 25, 53, 77, 85, 110, 110, 135}},
    {"Zero", AnnouncedBet::Zero, {5, 53, 105, 135}},
    {"Birds", AnnouncedBet::Birds, {27, 33, 39}},
    {"Cousins", AnnouncedBet::Cousins, {21, 43, 69, 139}},
    {"Reds", AnnouncedBet::Reds, {41, 73, 77, 113}},
    {"Blacks", AnnouncedBet::Blacks, {39, 49, 75, 111, 121}},
    {"FirstQuarter", AnnouncedBet::Qtr1, {0, 129, 59, 79, 19, 83, 9, 103, 69, 139}},
    {"SecondQuarter", AnnouncedBet::Qtr2, {23, 107, 55, 143, 45, 119, 33, 93, 43}},
    {"ThirdQuarter", AnnouncedBet::Qtr3, {21, 95, 67, 131, 7, 81, 57, 127, 35}},
    {"FourthQuarter", AnnouncedBet::Qtr4, {91, 71, 117, 31, 115, 47, 141, 11, 105}},
};
// clang-format on

TEST_F(AnnouncedSpotsTest, FixedPatternsIgnoreTheBoxes) {
    for (const FixedCase& c : kFixed) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Placed(c.bet), c.spots);
        EXPECT_EQ(Placed(c.bet, "17", "6"), c.spots);
        EXPECT_EQ(Placed(c.bet, "abc", "99999"), c.spots);
    }
}

TEST_F(AnnouncedSpotsTest, QuartersWalkTheWheelAndCoverEveryNumberOnce) {
    const std::array<AnnouncedBet, 4> quarters = {AnnouncedBet::Qtr1, AnnouncedBet::Qtr2,
                                                  AnnouncedBet::Qtr3, AnnouncedBet::Qtr4};
    Spots all;
    for (const AnnouncedBet quarter : quarters) {
        const Spots spots = Placed(quarter);
        all.insert(all.end(), spots.begin(), spots.end());
    }
    EXPECT_EQ(all, StraightUps({kWheel.begin(), kWheel.end()}));
    Spots everyNumber;
    for (int n = 0; n <= 36; ++n) {
        everyNumber.push_back(StraightUp(n));
    }
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, everyNumber);
}

struct WalkCase {
    const char* name;
    AnnouncedBet bet;
    const char* cover;
    const char* neighb;
    std::vector<int> numbers; // in order of placement
};

// clang-format off
const std::vector<WalkCase> kWalks = {
    {"NeighboursOfZero", AnnouncedBet::Neighb, "0", "2", {0, 32, 26, 15, 3}},
    {"NeighboursWrapPastLastPocket", AnnouncedBet::Neighb, "26", "1", {26, 0, 3}},
    {"SixNeighboursOfSeventeen", AnnouncedBet::Neighb, "17", "6", {17, 34, 25, 6, 2, 27, 21, 13, 4, 36, 19, 11, 15}},
    {"EmptyCoverIsZero", AnnouncedBet::Neighb, "", "1", {0, 32, 26}},
    {"BlankBeforeCover", AnnouncedBet::Neighb, " 5", "0", {5}},
    {"CountBelowOneKeepsCoverOnly", AnnouncedBet::Neighb, "5", "-3", {5}},
    {"CoverRoundedToEven", AnnouncedBet::Neighb, "2.5", "0", {2}},
    {"CoverNoPocketNumber", AnnouncedBet::Neighb, "37", "2", {}},
    {"NegativeCover", AnnouncedBet::Neighb, "-1", "2", {}},
    {"CoverTooLargeForSixteenBits", AnnouncedBet::Neighb, "99999", "2", {}},
    {"CountTooLargeForSixteenBits", AnnouncedBet::Neighb, "5", "99999", {}},
    {"CountBeyondOneWrap", AnnouncedBet::Neighb, "5", "38", {}},
    {"OppositeZero", AnnouncedBet::Oppos, "0", "2", {23, 10, 5, 24}},
    {"QuarterTurnClockwiseFromZero", AnnouncedBet::QtrPlus, "0", "2", {17, 34, 6, 27}},
    {"QuarterTurnAnticlockwiseFromZero", AnnouncedBet::QtrMinus, "0", "2", {31, 9, 22, 18}},
    {"OppositeWrapsFromLastPocket", AnnouncedBet::Oppos, "26", "2", {8, 23, 10, 5}},
    {"OppositeWithCountZero", AnnouncedBet::Oppos, "0", "0", {}},
    {"QuarterPlusWithNegativeCount", AnnouncedBet::QtrPlus, "0", "-1", {}},
    {"QuarterMinusWithCountZero", AnnouncedBet::QtrMinus, "12", "0", {}},
    {"OppositeOfNoPocket", AnnouncedBet::Oppos, "40", "2", {}},
    {"OppositeBeyondOneWrap", AnnouncedBet::Oppos, "0", "20", {}},
    {"QuarterPlusBeyondOneWrap", AnnouncedBet::QtrPlus, "0", "11", {}},
    {"QuarterMinusBeyondOneWrap", AnnouncedBet::QtrMinus, "26", "11", {}},
    {"FinalsSeven", AnnouncedBet::Finals, "7", "2", {7, 17, 27}},
    {"FinalsFortySevenEndsInSeven", AnnouncedBet::Finals, "47", "2", {7, 17, 27}},
    {"FinalsThirtySevenEndsInSeven", AnnouncedBet::Finals, "37", "2", {7, 17, 27}},
    {"FinalsZero", AnnouncedBet::Finals, "0", "2", {0, 10, 20, 30}},
    {"FinalsNegative", AnnouncedBet::Finals, "-3", "2", {}},
    {"FinalsNegativeWithRemainderZero", AnnouncedBet::Finals, "-20", "2", {0, 10, 20, 30}},
    {"FinalsReadsThirtyTwoBits", AnnouncedBet::Finals, "99999", "2", {9, 19, 29}},
    {"FinalsLargestThirtyTwoBit", AnnouncedBet::Finals, "2147483647", "2", {7, 17, 27}},
    {"FinalsPastThirtyTwoBits", AnnouncedBet::Finals, "2147483648", "2", {}},
    {"FigureTwentyEight", AnnouncedBet::Figure, "28", "2", {1, 10, 19, 28}},
    {"FigureZeroAlone", AnnouncedBet::Figure, "0", "2", {0}},
    {"FigureNine", AnnouncedBet::Figure, "9", "2", {9, 18, 27, 36}},
    {"FigureThirtySeven", AnnouncedBet::Figure, "37", "2", {}},
    {"FigureNegative", AnnouncedBet::Figure, "-9", "2", {}},
};
// clang-format on

TEST_F(AnnouncedSpotsTest, CoverAndCountCases) {
    for (const WalkCase& c : kWalks) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Placed(c.bet, c.cover, c.neighb), StraightUps(c.numbers));
    }
}

// Neighbours walked with modular arithmetic on the wheel, every count that
// one wrap of 37 allows.
TEST_F(AnnouncedSpotsTest, NeighboursMatchWheelWalkForEveryCoverAndCount) {
    for (int number = 0; number <= 36; ++number) {
        const int p = PocketOf(number);
        for (int k = -1; k <= 37; ++k) {
            std::vector<int> numbers = {number};
            for (int j = 1; j <= k; ++j) {
                numbers.push_back(kWheel[Around(p + j)]);
                numbers.push_back(kWheel[Around(p - j)]);
            }
            EXPECT_EQ(Placed(AnnouncedBet::Neighb, std::to_string(number), std::to_string(k)),
                      StraightUps(numbers))
                << number << " either side " << k;
        }
    }
}

struct SectorCase {
    AnnouncedBet bet;
    int offset;
    int largestCount;
};

TEST_F(AnnouncedSpotsTest, SectorsMatchWheelWalkForEveryCoverAndCount) {
    const std::array<SectorCase, 3> sectors = {SectorCase{AnnouncedBet::Oppos, 18, 19},
                                               SectorCase{AnnouncedBet::QtrPlus, 9, 10},
                                               SectorCase{AnnouncedBet::QtrMinus, 27, 10}};
    for (const SectorCase& sector : sectors) {
        for (int number = 0; number <= 36; ++number) {
            const int p = PocketOf(number);
            for (int k = 1; k <= sector.largestCount; ++k) {
                std::vector<int> numbers;
                for (int q = p + sector.offset - k + 1; q <= p + sector.offset + k; ++q) {
                    numbers.push_back(kWheel[Around(q)]);
                }
                const Spots spots = Placed(sector.bet, std::to_string(number), std::to_string(k));
                EXPECT_EQ(spots, StraightUps(numbers)) << number << " either side " << k;
                if (k <= 6) { // the counts of the list never reach the cover itself
                    EXPECT_EQ(std::count(spots.begin(), spots.end(), StraightUp(number)), 0);
                }
            }
            EXPECT_TRUE(
                Placed(sector.bet, std::to_string(number), std::to_string(sector.largestCount + 1))
                    .empty());
        }
    }
}

int DigitRoot(int n) {
    while (n > 9) {
        n = n / 10 + n % 10;
    }
    return n;
}

TEST_F(AnnouncedSpotsTest, FinalsAndFigureMatchTheDigitsOfEveryCover) {
    for (int cover = -40; cover <= 120; ++cover) {
        const std::string text = std::to_string(cover);
        std::vector<int> finals, figure;
        for (int n = 0; n <= 36; ++n) {
            // A negative cover keeps its sign in the remainder, except when it is 0.
            const bool remainderSign = cover >= 0 || text.back() == '0';
            if (remainderSign && std::to_string(n).back() == text.back()) {
                finals.push_back(n);
            }
            const bool sameRoot = cover > 0 && n > 0 && DigitRoot(n) == DigitRoot(cover);
            if (cover <= 36 && (sameRoot || (cover == 0 && n == 0))) {
                figure.push_back(n);
            }
        }
        EXPECT_EQ(Placed(AnnouncedBet::Finals, text), StraightUps(finals)) << cover;
        EXPECT_EQ(Placed(AnnouncedBet::Figure, text), StraightUps(figure)) << cover;
    }
}

} // namespace
