#include "SimulatedLayout.h"
#include "core/LayoutOracle.h"

#include "strategy/Simulator.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace {

// Twenty spots at the "$5" table: straights, splits, corners, a six-line,
// a dozen and red, each within its limits.
Stakes TwentySpots() {
    Stakes stakes{};
    const std::array<int, 20> spots = {7,  9,  11, 19, 21, 8,  10, 13,  15,  14,
                                       16, 26, 18, 30, 2,  12, 24, 145, 153, 156};
    for (const int spot : spots) {
        stakes.at(spot) = spot >= kFirstOutsideSpot ? 20 : 5;
    }
    return stakes;
}

TEST(PocketStream, SplitMixGivesItsPublishedFirstValues) {
    SplitMix64 random(0);
    EXPECT_EQ(random.Next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(random.Next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(random.Next(), 0x06C45D188009454FULL);
}

// A chi-square over 37 cells with 36 degrees of freedom: 70 lies past the
// 99.9th percentile, so a biased or stuck stream fails and a fair one passes.
TEST(PocketStream, DrawsEveryNumberEquallyOften) {
    for (const std::uint64_t block : {0ULL, 1ULL, 977ULL}) {
        PocketStream stream(42, block);
        std::array<int, 37> counts{};
        constexpr int kDraws = 370000;
        for (int i = 0; i < kDraws; ++i) {
            const int n = stream.Next();
            ASSERT_GE(n, 0);
            ASSERT_LE(n, 36);
            ++counts.at(n);
        }
        double chi = 0.0;
        for (const int count : counts) {
            chi += (count - 10000.0) * (count - 10000.0) / 10000.0;
        }
        EXPECT_LT(chi, 70.0) << "block " << block;
    }
}

TEST(PocketStream, BlocksAndSeedsGiveTheirOwnStreams) {
    auto firstDraws = [](std::uint64_t seed, std::uint64_t block) {
        PocketStream stream(seed, block);
        std::vector<int> draws(64);
        std::generate(draws.begin(), draws.end(), [&] { return stream.Next(); });
        return draws;
    };
    EXPECT_EQ(firstDraws(7, 3), firstDraws(7, 3));
    EXPECT_NE(firstDraws(7, 3), firstDraws(7, 4));
    EXPECT_NE(firstDraws(7, 3), firstDraws(8, 3));
}

// Every number of random layouts against the layout's geometry: a covering
// stake comes back with its winnings, the others are lost.
TEST(LayoutReturn, HandsBackWinningsAndStakesOfEveryNumber) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> spot(0, kSpotCount - 1);
    for (int trial = 0; trial < 50; ++trial) {
        Stakes stakes{};
        for (int i = 0; i < 12; ++i) {
            stakes.at(spot(random)) = static_cast<std::int16_t>(5 * (1 + i % 4));
        }
        const LayoutReturn layout = ReturnOf(stakes);
        for (int n = 0; n < 37; ++n) {
            std::int64_t expected = 0;
            for (int s = 0; s < kSpotCount; ++s) {
                expected += oracle::Covers(s, n) ? stakes.at(s) * (oracle::Payout(s) + 1) : 0;
            }
            ASSERT_EQ(layout.Back(n), expected) << "trial " << trial << " number " << n;
        }
    }
}

struct AcceptCase {
    const char* name;
    Stakes stakes;
    std::int16_t table;
};

class LayoutAccepted : public testing::TestWithParam<AcceptCase> {};

// The scaled layout is accepted exactly when the table's own funnel takes
// every scaled stake on a fresh table.
TEST_P(LayoutAccepted, AgreesWithTheTableForEveryMultiplier) {
    const AcceptCase& c = GetParam();
    const LayoutReturn layout = ReturnOf(c.stakes, c.table);
    GameState started = StartedTable();
    SelectTable(started, c.table);
    for (std::int64_t m = 0; m <= 2100; ++m) {
        GameState state = started;
        ASSERT_EQ(layout.Accepted(m), m > 0 && StakeLayout(state, c.stakes, m))
            << "multiplier " << m;
    }
}

// clang-format off
const AcceptCase kAccepts[] = {
    {"StraightAtFive", LayoutOf({{7, 5}}), table::kFive},
    {"OffMultipleAtTen", LayoutOf({{7, 3}, {153, 50}}), table::kTen},
    {"OutsideMinimumAtOne", LayoutOf({{7, 1}, {153, 1}}), table::kOne},
    {"TwentySpots", TwentySpots(), table::kFive},
    {"EvenChanceAtTwo", LayoutOf({{156, 7}}), table::kTwo},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutAccepted, testing::ValuesIn(kAccepts),
                         [](const auto& param) { return std::string(param.param.name); });

struct EndCase {
    const char* name;
    Stakes stakes;
    SimulationSettings settings;
    SessionEnd end;
};

class SessionEnds : public testing::TestWithParam<EndCase> {};

TEST_P(SessionEnds, ForTheirReason) {
    const EndCase& c = GetParam();
    const Simulator simulator(ReturnOf(c.stakes), c.settings);
    PocketStream stream(c.settings.seed, 0);
    const SessionResult session = simulator.RunSession(stream);
    EXPECT_EQ(session.end, c.end);
    EXPECT_LE(session.spins, c.settings.spinsPerSession);
    if (c.end == SessionEnd::Spins) {
        EXPECT_EQ(session.spins, c.settings.spinsPerSession);
    }
    if (c.end == SessionEnd::Target) {
        EXPECT_GE(session.finalBankroll, c.settings.bankroll + c.settings.target);
    }
}

// Bankroll, target, progression, spins: huge bankrolls never go broke; a
// Martingale on a straight of 5 at the "$5" table meets the maximum of 100
// at the sixth loss in a row.
// clang-format off
const EndCase kEnds[] = {
    {"BrokeBeforeTheFirstSpin", LayoutOf({{153, 10}}), {1, 100, 9, 0}, SessionEnd::Broke},
    {"BrokeOnRed", LayoutOf({{153, 10}}), {1, 100000, 100, 0, ProgressionKind::Flat, 3}, SessionEnd::Broke},
    {"AllSpins", LayoutOf({{153, 10}}), {1, 50, 1000000, 0}, SessionEnd::Spins},
    {"TargetOnRed", LayoutOf({{153, 10}}), {1, 100000, 1000, 10, ProgressionKind::Flat, 4}, SessionEnd::Target},
    {"StoppedByTheMaximum", LayoutOf({{7, 5}}), {1, 100000, 100000000, 0, ProgressionKind::Martingale, 5}, SessionEnd::Stopped},
    {"DAlembertStoppedToo", LayoutOf({{7, 5}}), {1, 100000, 100000000, 0, ProgressionKind::DAlembert, 6}, SessionEnd::Stopped},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Reasons, SessionEnds, testing::ValuesIn(kEnds),
                         [](const auto& param) { return std::string(param.param.name); });

struct BinCase {
    std::vector<std::int64_t> finals;
    int bins;
    std::int64_t low, width;
    std::vector<std::int64_t> counts;
};

class FinalBins : public testing::TestWithParam<BinCase> {};

TEST_P(FinalBins, CountEveryFinalOnce) {
    const BinCase& c = GetParam();
    const Histogram histogram = BinFinals(c.finals, c.bins);
    EXPECT_EQ(histogram.low, c.low);
    EXPECT_EQ(histogram.width, c.width);
    EXPECT_EQ(histogram.counts, c.counts);
}

// Finals, bins; then the lowest, the width and the counts, worked by hand.
INSTANTIATE_TEST_SUITE_P(Cases, FinalBins,
                         testing::Values(BinCase{{}, 5, 0, 1, {}},
                                         BinCase{{700, 700, 700}, 4, 700, 1, {3}},
                                         BinCase{{0, 10, 20, 30, 40}, 4, 0, 11, {2, 1, 1, 1}},
                                         BinCase{{-50, 0, 49, 50, 150}, 2, -50, 101, {4, 1}},
                                         BinCase{{1, 2, 3, 4}, 10, 1, 1, {1, 1, 1, 1}}));

} // namespace
