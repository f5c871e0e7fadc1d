#include "TestTable.h"

#include "betting/BoardHitTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

struct PointCase {
    const char* name;
    int x;
    int y;
    std::optional<std::int16_t> spot;
};

const std::vector<PointCase> kPoints = {
    {"InsideNumberOne", 330, 700, 7},
    {"InsideNumberTwo", 930, 700, 9},
    {"OnLineBetweenOneAndTwo", 630, 700, 8},
    {"OnCrossingOfOneTwoFourFive", 630, 900, 14},
    {"RightEdgeOfFirstRowIsStreet", 1800, 700, 12},
    {"RightEdgeOnLineIsSixLine", 1800, 900, 18},
    {"RightEdgeOnZeroLineIsFirstFour", 1800, 400, 6},
    {"LeftEdgeOnZeroLine", 0, 400, 1},
    {"LastTwipOfFirstColumn", 479, 400, 1},
    {"FirstTwipOfSecondColumnIsTrio", 480, 400, 2},
    {"TopBoundIsInclusive", 60, 345, 1},
    {"BottomRightCorner", 1900, 5744, 144},
    {"InsideNumberThirtyFour", 100, 5600, 139},
    {"RightBoundIsInclusive", 1950, 700, 12},
    {"RightOfBound", 1951, 700, std::nullopt},
    {"OverTheDozens", 2000, 2250, std::nullopt},
    {"AboveTopBound", 60, 344, std::nullopt},
    {"BottomBoundIsExclusive", 700, 5745, std::nullopt},
    // No left bound: everything left of the picture counts as column 1.
    {"JustLeftOfPicture", -1, 700, 7},
    {"WhereTruncationWouldGiveColumnZero", -120, 700, 7},
    {"FarLeft", INT_MIN, 700, 7},
    {"FarBelow", 300, INT_MAX, std::nullopt},
    {"FarAbove", 300, INT_MIN, std::nullopt},
    {"FarRight", INT_MAX, 700, std::nullopt},
};

TEST(BoardSpotAt, PointsOfTheLayout) {
    for (const PointCase& c : kPoints) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BoardSpotAt(c.x, c.y), c.spot);
    }
}

// The drawing, stated apart from the press rule: number cells 600 x 450 in
// columns from x = 0, 600, 1200, rows from y = 450. A press near a ruled line
// stands for the numbers on both sides of it; one near the right edge of the
// numbers (x = 1800) for the whole row. A band reaches 120 twips before a line
// and, across the page, 180 (105 and 120 down the page; the right edge band
// ends at 1950).
std::vector<int> ColumnsAt(int x) {
    const std::array<int, 2> lines = {600, 1200};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (x >= lines[i] - 120 && x < lines[i] + 180) {
            return {static_cast<int>(i), static_cast<int>(i) + 1};
        }
    }
    if (x >= 1800 - 120) {
        return {0, 1, 2};
    }
    return {x < 600 ? 0 : (x < 1200 ? 1 : 2)};
}

// Layout rows 1..12; row 0 stands for the zero above the first line.
std::vector<int> RowsAt(int y) {
    for (int line = 1; line <= 12; ++line) {
        if (y >= 450 * line - 105 && y < 450 * line + 120) {
            return {line - 1, line};
        }
    }
    return {y / 450};
}

std::vector<std::int16_t> DrawnNumbers(const std::vector<int>& rows,
                                       const std::vector<int>& columns) {
    std::vector<std::int16_t> numbers;
    for (const int row : rows) {
        for (const int column : columns) {
            numbers.push_back(static_cast<std::int16_t>(row == 0 ? 0 : 3 * row - 2 + column));
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

bool Accepted(int x, int y) {
    return x <= 1950 && y >= 345 && y < 5745;
}

// The band a coordinate falls in, numbered in order of first appearance, so
// that the numbers drawn at a point depend only on its two band numbers.
template <typename Bands>
std::vector<std::size_t> Classify(int from, int to, Bands bandsAt,
                                  std::vector<std::vector<int>>& seen) {
    std::vector<std::size_t> classOf;
    for (int v = from; v < to; ++v) {
        const std::vector<int> bands = bandsAt(v);
        auto found = std::find(seen.begin(), seen.end(), bands);
        if (found == seen.end()) {
            found = seen.insert(seen.end(), bands);
        }
        classOf.push_back(static_cast<std::size_t>(found - seen.begin()));
    }
    return classOf;
}

std::optional<std::int16_t> SpotCovering(const std::vector<std::int16_t>& numbers) {
    for (std::int16_t s = 0; s < kSpotCount; ++s) {
        if (SpotNumbers(s) == numbers) {
            return s;
        }
    }
    return std::nullopt;
}

// Every twip of the picture, and a margin around it: the spot found must be
// the one covering exactly the numbers drawn around the point.
TEST(BoardSpotAt, EveryTwipMatchesTheNumbersDrawnThere) {
    constexpr int kLeft = -300, kRight = 3015 + 15, kTop = -15, kBottom = 6315 + 15;
    std::vector<std::vector<int>> columnBands, rowBands;
    const auto columnOf = Classify(kLeft, kRight, ColumnsAt, columnBands);
    const auto rowOf = Classify(kTop, kBottom, RowsAt, rowBands);
    std::vector<std::vector<std::optional<std::int16_t>>> expected(rowBands.size());
    for (std::size_t r = 0; r < rowBands.size(); ++r) {
        for (const auto& columns : columnBands) {
            expected[r].push_back(SpotCovering(DrawnNumbers(rowBands[r], columns)));
        }
    }
    for (int y = kTop; y < kBottom; ++y) {
        for (int x = kLeft; x < kRight; ++x) {
            const auto spot = BoardSpotAt(x, y);
            ASSERT_EQ(spot.has_value(), Accepted(x, y)) << x << "," << y;
            if (spot) {
                const auto want = expected[rowOf[y - kTop]][columnOf[x - kLeft]];
                ASSERT_TRUE(want.has_value())
                    << "no spot covers what is drawn at " << x << "," << y;
                ASSERT_EQ(*spot, *want) << x << "," << y;
            }
        }
    }
}

struct AreaCase {
    const char* name;
    std::int16_t spot;
    int left, top, width, height;
};

// Front to back, as stacked on the window.
const std::vector<AreaCase> kAreas = {
    {"imgZero", 0, 120, 0, 1575, 375},       {"imgLow", 151, 2520, 525, 375, 750},
    {"imgOdd", 155, 2520, 4125, 375, 750},   {"imgHigh", 156, 2520, 5040, 375, 750},
    {"imgBlk", 154, 2520, 3240, 375, 735},   {"imgRed", 153, 2520, 2320, 375, 735},
    {"imgEven", 152, 2520, 1440, 375, 750},  {"imgCol3", 147, 1200, 5880, 585, 375},
    {"imgCol2", 146, 600, 5880, 585, 375},   {"imgCol1", 145, 0, 5880, 585, 375},
    {"imgDoz3", 150, 1920, 4200, 390, 1560}, {"imgDoz1", 148, 1920, 600, 390, 1560},
    {"imgDoz2", 149, 1920, 2400, 390, 1560},
};

TEST(OutsideAreas, StackedFrontFirstWithTheirSpotsAndRectangles) {
    ASSERT_EQ(kOutsideAreas.size(), kAreas.size());
    for (std::size_t i = 0; i < kAreas.size(); ++i) {
        const AreaCase& want = kAreas[i];
        const OutsideArea& got = kOutsideAreas[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(std::string(got.name), want.name);
        EXPECT_EQ(got.spot, want.spot);
        EXPECT_EQ((std::array{got.left, got.top, got.width, got.height}),
                  (std::array{want.left, want.top, want.width, want.height}));
    }
}

std::optional<std::int16_t> AreaSpotAt(int x, int y) {
    const OutsideArea* area = OutsideAreaAt(x, y);
    return area != nullptr ? std::optional<std::int16_t>(area->spot) : std::nullopt;
}

TEST(OutsideAreas, CornersBelongToTheirAreaAndNotBeyond) {
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        const int right = a.left + a.width - 1;
        const int bottom = a.top + a.height - 1;
        EXPECT_EQ(AreaSpotAt(a.left, a.top), a.spot);
        EXPECT_EQ(AreaSpotAt(right, bottom), a.spot);
        EXPECT_NE(AreaSpotAt(right + 1, bottom), a.spot);
        EXPECT_NE(AreaSpotAt(right, bottom + 1), a.spot);
        EXPECT_NE(AreaSpotAt(a.left - 1, a.top), a.spot);
        EXPECT_NE(AreaSpotAt(a.left, a.top - 1), a.spot);
    }
}

TEST(OutsideAreas, LieOverTheGridStrips) {
    // The strip under the zero area goes to the zero, not the zero line.
    for (int x = 120; x < 1695; x += 15) {
        EXPECT_EQ(AreaSpotAt(x, 345), 0);
        EXPECT_EQ(AreaSpotAt(x, 374), 0);
    }
    EXPECT_EQ(AreaSpotAt(60, 345), std::nullopt);
    EXPECT_EQ(AreaSpotAt(1800, 360), std::nullopt);
    EXPECT_EQ(AreaSpotAt(1920, 700), 148);
    EXPECT_EQ(AreaSpotAt(1950, 3000), 149);
    EXPECT_EQ(AreaSpotAt(1950, 5000), 150);
    EXPECT_EQ(AreaSpotAt(1950, 2200), std::nullopt); // gap between the first two dozens
    for (const auto& [x, y] : {std::pair{2000, 2250}, {60, 344}, {700, 5745}}) {
        EXPECT_EQ(AreaSpotAt(x, y), std::nullopt) << x << "," << y;
    }
}

TEST(PressBoard, OnlyTheLeftButtonAlonePlacesAChip) {
    for (const std::int16_t button : {kRightButton, kMiddleButton, std::int16_t{3}, kNoButton}) {
        GameState state = StartedTable();
        EXPECT_EQ(PressBoard(state, button, 330, 700), std::nullopt);
        EXPECT_EQ(StakeSum(state), 0) << "button " << button;
        EXPECT_FALSE(state.TotalsShown);
    }
    GameState state = StartedTable();
    EXPECT_EQ(PressBoard(state, kLeftButton, 330, 700), std::nullopt);
    EXPECT_EQ(state.SpotStake[7], 5);
    EXPECT_EQ(StakeSum(state), 5);
}

TEST(PressBoard, OutsideTheGridNothingHappens) {
    GameState state = StartedTable();
    EXPECT_EQ(PressBoard(state, kLeftButton, 2000, 2250), std::nullopt);
    EXPECT_EQ(PressBoard(state, kLeftButton, 700, 5745), std::nullopt);
    EXPECT_EQ(StakeSum(state), 0);
    EXPECT_FALSE(state.TotalsShown);
}

TEST(PressBoard, PassesOnTheRefusal) {
    GameState state = StartedTable();
    SelectChip(state, chip::k1);
    EXPECT_EQ(PressBoard(state, kLeftButton, 630, 900), (Refusal{RefusalKind::Multiple, 5}));
    EXPECT_FALSE(state.BetAccepted);
    EXPECT_EQ(state.SpotStake[14], 0);
}

} // namespace
