// The strategy simulator's speed: 10,000 sessions of 1,000 spins of a
// 20-spot layout, Flat and Martingale, on one thread and on all, beside a
// loop that only draws pocket numbers from the same generator (the bound).
#include "strategy/LayoutReturn.h"
#include "strategy/Simulator.h"
#include "table/GameState.h"
#include "table/RandomSource.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

class SteadySource final : public RandomSource {
  public:
    void SeedFromClock() override {}
    float Next() override { return 0.5F; }
};

// Straights, splits, streets, corners, six-lines, a dozen and two even
// chances at the "$5" table, each within its limits.
LayoutReturn TwentySpots() {
    GameState state;
    SteadySource random;
    StartTable(state, random);
    for (const int spot :
         {7, 9, 11, 19, 21, 8, 10, 13, 15, 14, 16, 26, 18, 30, 2, 12, 24, 145, 153, 156}) {
        state.SpotStake.at(spot) = spot >= kFirstOutsideSpot ? 20 : 5;
    }
    return LayoutReturn(state.catalogue, state.limits, 2, state.SpotStake);
}

int Threads(const benchmark::State& run) {
    return run.range(0) > 0 ? static_cast<int>(run.range(0))
                            : static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

// Every block on one of `threads` workers, each taking the next block.
template <class Block> void OnThreads(int threads, std::int64_t blocks, Block&& block) {
    std::atomic<std::int64_t> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (std::int64_t b = next++; b < blocks; b = next++) {
                block(b);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
}

void Simulate(benchmark::State& run, ProgressionKind kind) {
    const Simulator simulator(TwentySpots(), {10000, 1000, 1000000000, 0, kind, 7});
    std::int64_t spins = 0;
    for (auto _ : run) {
        std::atomic<std::int64_t> played{0};
        OnThreads(Threads(run), simulator.BlockCount(), [&](std::int64_t b) {
            std::int64_t count = 0;
            for (const SessionResult& session : simulator.RunBlock(b).sessions) {
                count += session.spins;
            }
            played += count;
        });
        spins += played;
    }
    run.counters["spins/s"] =
        benchmark::Counter(static_cast<double>(spins), benchmark::Counter::kIsRate);
    run.counters["threads"] = Threads(run);
}
BENCHMARK_CAPTURE(Simulate, Flat, ProgressionKind::Flat)->Arg(1)->Arg(0)->UseRealTime();
BENCHMARK_CAPTURE(Simulate, Martingale, ProgressionKind::Martingale)->Arg(1)->Arg(0)->UseRealTime();

// The same ten million draws, blocks of 128,000, and nothing else.
void DrawOnly(benchmark::State& run) {
    constexpr std::int64_t kBlocks = 79;
    constexpr std::int64_t kDraws = 128000;
    for (auto _ : run) {
        OnThreads(Threads(run), kBlocks, [](std::int64_t b) {
            PocketStream stream(7, static_cast<std::uint64_t>(b));
            int sum = 0;
            for (std::int64_t i = 0; i < kDraws; ++i) {
                sum += stream.Next();
            }
            benchmark::DoNotOptimize(sum);
        });
    }
    run.counters["spins/s"] = benchmark::Counter(
        static_cast<double>(run.iterations() * kBlocks * kDraws), benchmark::Counter::kIsRate);
    run.counters["threads"] = Threads(run);
}
BENCHMARK(DrawOnly)->Arg(1)->Arg(0)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
