#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "betting/Racetrack.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using oracle::kWheel;

struct SectorRow {
    const char* name;
    AnnouncedBet bet;
    std::set<int> numbers;
    std::vector<PocketArc> arcs;
};

class SectorTest : public ::testing::TestWithParam<SectorRow> {
  protected:
    GameState state = StartedTable();
};

TEST_P(SectorTest, CoversTheNumbersOfItsPatternOnItsOwnArcs) {
    const SectorRow& row = GetParam();
    std::set<int> numbers;
    for (const int pocket : SectorPockets(state.catalogue, row.bet)) {
        numbers.insert(kWheel.at(pocket));
    }
    EXPECT_EQ(numbers, row.numbers);
    EXPECT_EQ(SectorArcs(state.catalogue, row.bet), row.arcs);
}

// clang-format off
const SectorRow kSectors[] = {
    {"TierIsTheTwelveOppositeZero", AnnouncedBet::Tier, {5, 8, 10, 11, 13, 16, 23, 24, 27, 30, 33, 36}, {{11, 12}}},
    {"OrphansLieOnTwoArcs", AnnouncedBet::Orphns, {1, 6, 9, 14, 17, 20, 31, 34}, {{8, 3}, {23, 5}}},
    {"GrandeRunsThroughZeroAsOneArc", AnnouncedBet::Grande, {0, 2, 3, 4, 7, 12, 15, 18, 19, 21, 22, 25, 26, 28, 29, 32, 35}, {{28, 17}}},
    {"ZeroIsTheSevenAroundZero", AnnouncedBet::Zero, {0, 3, 12, 15, 26, 32, 35}, {{33, 7}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Racetrack, SectorTest, ::testing::ValuesIn(kSectors),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Racetrack, TierOrphansAndGrandeShareNoPocketAndCoverTheWheel) {
    const GameState state = StartedTable();
    std::multiset<int> seen;
    for (const AnnouncedBet bet :
         {AnnouncedBet::Tier, AnnouncedBet::Orphns, AnnouncedBet::Grande}) {
        for (const int pocket : SectorPockets(state.catalogue, bet)) {
            seen.insert(pocket);
        }
    }
    EXPECT_EQ(seen.size(), 37u);
    EXPECT_EQ(std::set<int>(seen.begin(), seen.end()).size(), 37u);
}

TEST(Racetrack, StopsAreThePocketsInWheelOrderThenTheSectors) {
    const GameState state = StartedTable();
    for (int stop = 0; stop < 37; ++stop) {
        const TrackTarget target = TargetOfStop(state.catalogue, stop);
        EXPECT_EQ(target.bet, AnnouncedBet::Neighb) << stop;
        EXPECT_EQ(target.number, kWheel.at(stop)) << stop;
    }
    EXPECT_EQ(TargetOfStop(state.catalogue, 37), (TrackTarget{AnnouncedBet::Tier, {}}));
    EXPECT_EQ(TargetOfStop(state.catalogue, 40), (TrackTarget{AnnouncedBet::Zero, {}}));
}

// Each pocket's cell follows the last without gap or overlap, zero at the left end.
TEST(Racetrack, PocketCellsTileTheOvalClockwiseFromTheLeftEnd) {
    EXPECT_DOUBLE_EQ(PocketSpan(0).middle(), 180.0);
    for (int pocket = 1; pocket < 37; ++pocket) {
        EXPECT_NEAR(PocketSpan(pocket).from, PocketSpan(pocket - 1).to, 1e-9) << pocket;
        EXPECT_GT(PocketSpan(pocket).to, PocketSpan(pocket).from) << pocket;
    }
    EXPECT_NEAR(PocketSpan(36).to - PocketSpan(0).from, 360.0, 1e-9);
    EXPECT_NEAR(ArcSpan({33, 7}).from, PocketSpan(33).from, 1e-9);
    EXPECT_NEAR(ArcSpan({33, 7}).to, PocketSpan(2).to + 360.0, 1e-9);
    const TrackPoint left = OnOval(PocketSpan(0).middle(), 300.0, 100.0);
    EXPECT_NEAR(left.x, -300.0, 1e-9);
    EXPECT_NEAR(left.y, 0.0, 1e-9);
    // Clockwise from the left end on a screen whose y grows downwards: upwards first.
    EXPECT_LT(OnOval(PocketSpan(5).middle(), 300.0, 100.0).y, 0.0);
}

struct MoveRow {
    int stop, steps, reached;
};

class MoveStopTest : public ::testing::TestWithParam<MoveRow> {};

TEST_P(MoveStopTest, ArrowsGoRoundTheirOwnRing) {
    EXPECT_EQ(MoveStop(GetParam().stop, GetParam().steps), GetParam().reached);
}

INSTANTIATE_TEST_SUITE_P(Racetrack, MoveStopTest,
                         ::testing::Values(MoveRow{0, 1, 1}, MoveRow{0, -1, 36}, MoveRow{36, 1, 0},
                                           MoveRow{17, -1, 16}, MoveRow{37, -1, 40},
                                           MoveRow{40, 1, 37}, MoveRow{38, 1, 39}));

struct EitherSideRow {
    const char* text;
    int delta, count;
};

class SteppedEitherSideTest : public ::testing::TestWithParam<EitherSideRow> {};

TEST_P(SteppedEitherSideTest, StaysWithinTheBoxList) {
    EXPECT_EQ(SteppedEitherSide(GetParam().text, GetParam().delta), GetParam().count)
        << '"' << GetParam().text << "\" " << GetParam().delta;
}

INSTANTIATE_TEST_SUITE_P(Racetrack, SteppedEitherSideTest,
                         ::testing::Values(EitherSideRow{"2", 1, 3}, EitherSideRow{"2", -1, 1},
                                           EitherSideRow{"6", 1, 6}, EitherSideRow{"1", -1, 1},
                                           EitherSideRow{"", 1, 2}, EitherSideRow{"0", -1, 1},
                                           EitherSideRow{" 3.5", 1, 5}, EitherSideRow{"9", -1, 5},
                                           EitherSideRow{"-4", 1, 2},
                                           EitherSideRow{"99999", 1, 2}));

} // namespace
