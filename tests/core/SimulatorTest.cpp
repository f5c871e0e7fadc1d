// The strategy simulator: its stream of pockets, the return of a layout, and
// sessions replayed spin by spin on the table itself.
#include "StakedTable.h"
#include "core/LayoutOracle.h"

#include "strategy/LayoutReturn.h"
#include "strategy/Simulator.h"
#include "wheel/Settlement.h"

#include <cmath>
#include <numeric>
#include <random>
#include <thread>
#include <tuple>

namespace {

LayoutReturn ReturnOf(const SpotStakes& stakes, std::int16_t table = table::kFive) {
    const GameState state = StartedTable();
    return LayoutReturn(state.catalogue, state.limits, table, stakes);
}

// True when the table takes the layout scaled by m, staked through its funnel.
bool StakeLayout(GameState& state, const SpotStakes& stakes, std::int64_t m) {
    for (std::int16_t s = 0; s < kSpotCount; ++s) {
        const std::int64_t stake = m * stakes.at(s);
        if (stake > 32767 || (stake > 0 && StakeTo(state, s, static_cast<std::int16_t>(stake)))) {
            return false;
        }
    }
    return true;
}

std::int64_t SumOf(const SpotStakes& stakes) {
    return std::accumulate(stakes.begin(), stakes.end(), std::int64_t{0});
}

// Twenty spots at the "$5" table: straights, splits, corners, a six-line,
// a dozen and red, each within its limits.
SpotStakes TwentySpots() {
    SpotStakes stakes{};
    for (const int spot :
         {7, 9, 11, 19, 21, 8, 10, 13, 15, 14, 16, 26, 18, 30, 2, 12, 24, 145, 153, 156}) {
        stakes.at(spot) = spot >= kFirstOutsideSpot ? 20 : 5;
    }
    return stakes;
}

// $80 on straights, splits, a street, a corner, a column and even chances.
SpotStakes MixedLayout() {
    return Layout(
        {{7, 5}, {19, 10}, {8, 5}, {14, 5}, {18, 10}, {2, 5}, {146, 10}, {153, 20}, {155, 10}});
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

// SplitMix's published first values; then each block and seed its own stream.
TEST(PocketStream, SplitMixStartsAsPublishedAndBlocksAndSeedsGiveTheirOwnStreams) {
    SplitMix64 random(0);
    const std::array first = {random.Next(), random.Next(), random.Next()};
    EXPECT_EQ(first, (std::array<std::uint64_t, 3>{0xE220A8397B1DCDAFULL, 0x6E789E6AA1B965F4ULL,
                                                   0x06C45D188009454FULL}));
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
        SpotStakes stakes{};
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

// The scaled layout is accepted exactly when the table's own funnel takes
// every scaled stake on a fresh table.
TEST(LayoutReturn, AcceptsAMultiplierExactlyWhenTheTableTakesIt) {
    const std::vector<std::tuple<const char*, SpotStakes, std::int16_t>> layouts = {
        {"StraightAtFive", Layout({{7, 5}}), table::kFive},
        {"OffMultipleAtTen", Layout({{7, 3}, {153, 50}}), table::kTen},
        {"OutsideMinimumAtOne", Layout({{7, 1}, {153, 1}}), table::kOne},
        {"TwentySpots", TwentySpots(), table::kFive},
        {"EvenChanceAtTwo", Layout({{156, 7}}), table::kTwo},
    };
    for (const auto& [name, stakes, table] : layouts) {
        const LayoutReturn layout = ReturnOf(stakes, table);
        GameState started = StartedTable();
        SelectTable(started, table);
        for (std::int64_t m = 0; m <= 2100; ++m) {
            GameState state = started;
            ASSERT_EQ(layout.Accepted(m), m > 0 && StakeLayout(state, stakes, m))
                << name << ", multiplier " << m;
        }
    }
}

struct ReplayCase {
    std::string name;
    SpotStakes stakes;
    SimulationSettings settings;
    std::uint64_t blocks;
    std::optional<SessionEnd> end; // of the first block, where the settings force one
};

// Bankroll, target, progression, spins: huge bankrolls never go broke; a
// Martingale on a straight of 5 at the "$5" table meets the maximum of 100
// at the sixth loss in a row. Then a few sessions of each progression.
std::vector<ReplayCase> ReplayCases() {
    using enum ProgressionKind;
    // clang-format off
    std::vector<ReplayCase> cases = {
        {"BrokeBeforeTheFirstSpin", Layout({{153, 10}}), {1, 100, 9, 0}, 1, SessionEnd::Broke},
        {"BrokeOnRed", Layout({{153, 10}}), {1, 100000, 100, 0, Flat, 3}, 1, SessionEnd::Broke},
        {"TheLastDollarsStillCoverAStake", Layout({{153, 10}}), {1, 1, 10, 0, Martingale}, 1, SessionEnd::Spins},
        {"AllSpins", Layout({{153, 10}}), {1, 50, 1000000, 0}, 1, SessionEnd::Spins},
        {"TargetOnRed", Layout({{153, 10}}), {1, 100000, 1000, 10, Flat, 4}, 1, SessionEnd::Target},
        {"StoppedByTheMaximum", Layout({{7, 5}}), {1, 100000, 100000000, 0, Martingale, 5}, 1, SessionEnd::Stopped},
        {"DAlembertStoppedToo", Layout({{7, 5}}), {1, 100000, 100000000, 0, DAlembert, 6}, 1, SessionEnd::Stopped},
    };
    // clang-format on
    for (const ProgressionKind kind : kProgressions) {
        std::string name(ProgressionName(kind));
        std::erase(name, '\'');
        cases.push_back({name + "Sessions", MixedLayout(), {1, 400, 3000, 600, kind, 11}, 8, {}});
    }
    return cases;
}

void PrintTo(const ReplayCase& c, std::ostream* os) {
    *os << c.name;
}

class Replayed : public testing::TestWithParam<ReplayCase> {};

// Every spin replayed on the table: stakes through its funnel, the number
// settled by its own settlement, the multiplier from a progression of its
// own. The money after each spin must be the simulator's bankroll, and the
// session must end for the table's reason.
TEST_P(Replayed, OnTheTableTheBankrollAgreesAfterEverySpinAndTheSessionEndsForItsReason) {
    const ReplayCase& c = GetParam();
    const Simulator simulator(ReturnOf(c.stakes), c.settings);
    for (std::uint64_t block = 0; block < c.blocks; ++block) {
        GameState state = StartedTable();
        SelectTable(state, table::kFive);
        state.Balance = static_cast<std::int32_t>(c.settings.bankroll);
        Progression progression(c.settings.progression);
        PocketStream stream(c.settings.seed, block);
        const SessionResult session = simulator.RunSession(stream, [&](const SessionSpin& spin) {
            ASSERT_EQ(spin.multiplier, progression.Multiplier());
            const std::int64_t before = state.Balance + state.BetTotal;
            ASSERT_TRUE(StakeLayout(state, c.stakes, spin.multiplier));
            state.WinPocket = static_cast<std::int16_t>(oracle::PocketOf(spin.number));
            CalcWin(state);
            const std::int64_t after = state.Balance + state.BetTotal;
            ASSERT_EQ(after, spin.bankrollAfter);
            progression.After(OutcomeOf(before, after));
        });
        const std::int64_t money = state.Balance + state.BetTotal;
        EXPECT_EQ(money, session.finalBankroll);
        EXPECT_LE(session.spins, c.settings.spinsPerSession);
        EXPECT_TRUE(block > 0 || !c.end || session.end == *c.end) << int(session.end);
        // Why it ended, by SessionEnd: spins, broke, target, stopped (the table refuses the next).
        const std::int64_t next = progression.Multiplier() * SumOf(c.stakes);
        const std::array<bool, 4> reason = {
            session.spins == c.settings.spinsPerSession, next > money,
            money >= c.settings.bankroll + c.settings.target,
            next <= money && !StakeLayout(state, c.stakes, progression.Multiplier())};
        EXPECT_TRUE(reason.at(static_cast<std::size_t>(session.end))) << int(session.end);
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, Replayed, testing::ValuesIn(ReplayCases()),
                         [](const auto& param) { return param.param.name; });

// Finals, bins; then the lowest, the width and the counts, worked by hand.
TEST(FinalBins, CountEveryFinalOnce) {
    using Finals = std::vector<std::int64_t>;
    const std::vector<std::tuple<Finals, int, Histogram>> cases = {
        {{}, 5, {0, 1, {}}},
        {{700, 700, 700}, 4, {700, 1, {3}}},
        {{0, 10, 20, 30, 40}, 4, {0, 11, {2, 1, 1, 1}}},
        {{-50, 0, 49, 50, 150}, 2, {-50, 101, {4, 1}}},
        {{1, 2, 3, 4}, 10, {1, 1, {1, 1, 1, 1}}},
    };
    for (const auto& [finals, bins, expected] : cases) {
        const Histogram histogram = BinFinals(finals, bins);
        EXPECT_EQ(std::tie(histogram.low, histogram.width, histogram.counts),
                  std::tie(expected.low, expected.width, expected.counts))
            << finals.size() << " finals";
    }
}

// Ten million flat spins, never broke: the loss lies within four standard
// errors of the house edge's share of the money staked.
TEST(Simulator, LosesTheHouseEdgeOverTenMillionSpins) {
    const SpotStakes stakes = MixedLayout();
    const SimulationSettings settings{100, 100000, std::int64_t{1} << 40, 0, ProgressionKind::Flat,
                                      2024};
    const Simulator simulator(ReturnOf(stakes), settings);
    std::vector<BlockResult> blocks;
    for (std::int64_t b = 0; b < simulator.BlockCount(); ++b) {
        blocks.push_back(simulator.RunBlock(b));
    }
    const SimulationSummary summary = simulator.Summarise(blocks);
    const double spins = 1e7;
    ASSERT_EQ(summary.wagered, static_cast<std::int64_t>(spins) * SumOf(stakes));
    const double error = std::sqrt(spins * ReturnOf(stakes).Variance());
    EXPECT_NEAR(static_cast<double>(summary.actualLoss), summary.expectedLoss, 4 * error);
    EXPECT_NEAR(summary.expectedLoss, spins * 80 / 37, 1e-3);
}

// Blocks run on several threads in any order, put back in block order, give
// the figures of one thread to the last digit; another seed gives others.
TEST(Simulator, GivesTheSameResultsWhateverTheThreads) {
    const SimulationSettings settings{1000, 300, 2000, 500, ProgressionKind::Martingale, 99};
    const Simulator simulator(ReturnOf(MixedLayout()), settings);
    std::vector<BlockResult> alone;
    for (std::int64_t b = 0; b < simulator.BlockCount(); ++b) {
        alone.push_back(simulator.RunBlock(b));
    }
    std::vector<BlockResult> shared(alone.size());
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&, t] {
            for (auto b = static_cast<std::int64_t>(shared.size()) - 1 - t; b >= 0; b -= 3) {
                shared.at(b) = simulator.RunBlock(b);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const SimulationSummary one = simulator.Summarise(alone);
    const SimulationSummary many = simulator.Summarise(shared);
    EXPECT_EQ(std::tie(one.finals, one.paths, one.finalDeviation),
              std::tie(many.finals, many.paths, many.finalDeviation));
    EXPECT_EQ(std::make_pair(one.sessions, one.paths.size()), std::make_pair(1000L, 20UL));

    SimulationSettings other = settings;
    other.seed = 100;
    const Simulator reseeded(ReturnOf(MixedLayout()), other);
    EXPECT_NE(reseeded.Summarise({reseeded.RunBlock(0)}).finals,
              simulator.Summarise({alone.front()}).finals);
}

// Four sessions worked by hand, bankroll 1000.
TEST(Simulator, SummarisesSessionsByHand) {
    const Simulator simulator(ReturnOf(MixedLayout()), {4, 10, 1000, 400});
    BlockResult first;
    first.sessions = {{SessionEnd::Broke, 3, 900, 300, 250},
                      {SessionEnd::Spins, 10, 1100, 900, 40}};
    BlockResult second;
    second.sessions = {{SessionEnd::Spins, 10, 1000, 900, 80},
                       {SessionEnd::Target, 7, 1400, 630, 120}};
    const SimulationSummary summary = simulator.Summarise({first, second});
    EXPECT_EQ(std::tie(summary.wagered, summary.actualLoss, summary.drawdown),
              std::make_tuple(2730L, -400L, 250L));
    // Whole percentages and a whole mean come out exact.
    EXPECT_EQ(std::tie(summary.brokePercent, summary.targetPercent, summary.stoppedPercent,
                       summary.finalMean),
              std::make_tuple(25.0, 25.0, 0.0, 1100.0));
    EXPECT_DOUBLE_EQ(summary.expectedLoss, 2730.0 / 37.0);
    EXPECT_NEAR(summary.finalDeviation, std::sqrt(35000.0), 1e-9);
}

} // namespace
