#include "TestTable.h"
#include "core/LayoutOracle.h"

#include "betting/Racetrack.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>

namespace {

using oracle::kWheel;

// A sector's numbers, and the arcs (first pocket, pockets) it lies on.
// clang-format off
const std::tuple<const char*, AnnouncedBet, std::set<int>, std::vector<PocketArc>> kSectors[] = {
    {"TierIsTheTwelveOppositeZero", AnnouncedBet::Tier, {5, 8, 10, 11, 13, 16, 23, 24, 27, 30, 33, 36}, {{11, 12}}},
    {"OrphansLieOnTwoArcs", AnnouncedBet::Orphns, {1, 6, 9, 14, 17, 20, 31, 34}, {{8, 3}, {23, 5}}},
    {"GrandeRunsThroughZeroAsOneArc", AnnouncedBet::Grande, {0, 2, 3, 4, 7, 12, 15, 18, 19, 21, 22, 25, 26, 28, 29, 32, 35}, {{28, 17}}},
    {"ZeroIsTheSevenAroundZero", AnnouncedBet::Zero, {0, 3, 12, 15, 26, 32, 35}, {{33, 7}}},
};
// clang-format on

TEST(Racetrack, ASectorCoversTheNumbersOfItsPatternOnItsOwnArcs) {
    const GameState state = StartedTable();
    for (const auto& [name, bet, expected, arcs] : kSectors) {
        SCOPED_TRACE(name);
        std::set<int> numbers;
        for (const int pocket : SectorPockets(state.catalogue, bet)) {
            numbers.insert(kWheel.at(pocket));
        }
        EXPECT_EQ(numbers, expected);
        EXPECT_EQ(SectorArcs(state.catalogue, bet), arcs);
    }
}

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

// Stop, steps, the stop reached: the pockets and the sectors are rings of their own.
TEST(Racetrack, ArrowsGoRoundTheirOwnRing) {
    const std::vector<std::array<int, 3>> moves = {
        {0, 1, 1}, {0, -1, 36}, {36, 1, 0}, {17, -1, 16}, {37, -1, 40}, {40, 1, 37}, {38, 1, 39}};
    for (const auto& [stop, steps, reached] : moves) {
        EXPECT_EQ(MoveStop(stop, steps), reached) << stop << " " << steps;
    }
}

// The count either side steps within the box's list, 1 to 6, from whatever it holds.
TEST(Racetrack, SteppedEitherSideStaysWithinTheBoxList) {
    const std::vector<std::tuple<const char*, int, int>> steps = {
        {"2", 1, 3},  {"2", -1, 1},   {"6", 1, 6},  {"1", -1, 1}, {"", 1, 2},
        {"0", -1, 1}, {" 3.5", 1, 5}, {"9", -1, 5}, {"-4", 1, 2}, {"99999", 1, 2}};
    for (const auto& [text, delta, count] : steps) {
        EXPECT_EQ(SteppedEitherSide(text, delta), count) << '"' << text << "\" " << delta;
    }
}

} // namespace
