#include "SimulatedLayout.h"
#include "core/LayoutOracle.h"

#include "strategy/Simulator.h"
#include "wheel/Settlement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

Stakes MixedLayout() {
    return LayoutOf(
        {{7, 5}, {19, 10}, {8, 5}, {14, 5}, {18, 10}, {2, 5}, {146, 10}, {153, 20}, {155, 10}});
}

inline constexpr std::int64_t kMixedSum = 80;

class Agreement : public testing::TestWithParam<ProgressionKind> {};

// Every spin of seeded sessions replayed on the table: stakes through its
// funnel, the number settled by its own settlement, the multiplier from a
// progression of its own. The money after each spin must be the
// simulator's bankroll, and the session must end for the table's reason.
TEST_P(Agreement, TheTableFindsTheSameBankrollAfterEverySpin) {
    const Stakes stakes = MixedLayout();
    const SimulationSettings settings{1, 400, 3000, 600, GetParam(), 11};
    const Simulator simulator(ReturnOf(stakes), settings);
    for (std::uint64_t block = 0; block < 8; ++block) {
        GameState state = StartedTable();
        SelectTable(state, table::kFive);
        state.Balance = static_cast<std::int32_t>(settings.bankroll);
        Progression progression(GetParam());
        PocketStream stream(settings.seed, block);
        const SessionResult session = simulator.RunSession(stream, [&](const SpinRecord& spin) {
            ASSERT_EQ(spin.multiplier, progression.Multiplier());
            const std::int64_t before = state.Balance + state.BetTotal;
            ASSERT_TRUE(StakeLayout(state, stakes, spin.multiplier));
            state.WinPocket = static_cast<std::int16_t>(oracle::PocketOf(spin.number));
            CalcWin(state);
            const std::int64_t after = state.Balance + state.BetTotal;
            ASSERT_EQ(after, spin.bankrollAfter);
            progression.After(OutcomeOf(before, after));
        });
        const std::int64_t money = state.Balance + state.BetTotal;
        EXPECT_EQ(money, session.finalBankroll);
        const std::int64_t next = progression.Multiplier() * kMixedSum;
        switch (session.end) {
        case SessionEnd::Broke:
            EXPECT_GT(next, money);
            break;
        case SessionEnd::Stopped:
            EXPECT_LE(next, money);
            EXPECT_FALSE(StakeLayout(state, stakes, progression.Multiplier()));
            break;
        case SessionEnd::Target:
            EXPECT_GE(money, settings.bankroll + settings.target);
            break;
        case SessionEnd::Spins:
            EXPECT_EQ(session.spins, settings.spinsPerSession);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Progressions, Agreement, testing::ValuesIn(kProgressions),
                         [](const auto& param) {
                             std::string name(ProgressionName(param.param));
                             std::erase(name, '\'');
                             return name;
                         });

// Ten million flat spins, never broke: the loss lies within four standard
// errors of the house edge's share of the money staked.
TEST(Simulator, LosesTheHouseEdgeOverTenMillionSpins) {
    const Stakes stakes = MixedLayout();
    const SimulationSettings settings{100, 100000, std::int64_t{1} << 40, 0, ProgressionKind::Flat,
                                      2024};
    const Simulator simulator(ReturnOf(stakes), settings);
    std::vector<BlockResult> blocks;
    for (std::int64_t b = 0; b < simulator.BlockCount(); ++b) {
        blocks.push_back(simulator.RunBlock(b));
    }
    const SimulationSummary summary = simulator.Summarise(blocks);
    const double spins = 1e7;
    ASSERT_EQ(summary.wagered, static_cast<std::int64_t>(spins) * kMixedSum);
    const double error = std::sqrt(spins * ReturnOf(stakes).Variance());
    EXPECT_NEAR(static_cast<double>(summary.actualLoss), summary.expectedLoss, 4 * error);
    EXPECT_NEAR(summary.expectedLoss, spins * kMixedSum / 37, 1e-3);
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
    EXPECT_EQ(one.finals, many.finals);
    EXPECT_EQ(one.paths, many.paths);
    EXPECT_EQ(one.finalDeviation, many.finalDeviation);
    EXPECT_EQ(one.sessions, 1000);
    EXPECT_EQ(one.paths.size(), 20U);

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
    EXPECT_EQ(summary.wagered, 2730);
    EXPECT_DOUBLE_EQ(summary.expectedLoss, 2730.0 / 37.0);
    EXPECT_EQ(summary.actualLoss, -400);
    EXPECT_DOUBLE_EQ(summary.brokePercent, 25.0);
    EXPECT_DOUBLE_EQ(summary.targetPercent, 25.0);
    EXPECT_DOUBLE_EQ(summary.stoppedPercent, 0.0);
    EXPECT_DOUBLE_EQ(summary.finalMean, 1100.0);
    EXPECT_NEAR(summary.finalDeviation, std::sqrt(35000.0), 1e-9);
    EXPECT_EQ(summary.drawdown, 250);
}

} // namespace
