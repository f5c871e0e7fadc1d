// Costs of the rules behind each press and tick, without the window.
#include "betting/AnnouncedBets.h"
#include "betting/Selectors.h"
#include "betting/UpdateChip.h"
#include "practice/DrillCheck.h"
#include "practice/DrillTask.h"
#include "practice/PaySum.h"
#include "table/GameState.h"
#include "table/RandomSource.h"
#include "wheel/Settlement.h"
#include "wheel/Spin.h"

#include <benchmark/benchmark.h>

namespace {

class SteadySource final : public RandomSource {
  public:
    void SeedFromClock() override {}
    float Next() override { return 0.5F; }
};

GameState StartedTable() {
    GameState state;
    SteadySource random;
    StartTable(state, random);
    return state;
}

void UpdateChipAccepted(benchmark::State& run) {
    GameState state = StartedTable();
    for (auto _ : run) {
        UpdateChip(state, 69, kLeftButton);
        UpdateChip(state, 69, kRightButton);
    }
    run.SetItemsProcessed(run.iterations() * 2);
}
BENCHMARK(UpdateChipAccepted);

void UpdateChipRefused(benchmark::State& run) {
    GameState state = StartedTable();
    SelectChip(state, 0); // a $1 chip at the $5 table breaks the multiple
    for (auto _ : run) {
        benchmark::DoNotOptimize(UpdateChip(state, 69, kLeftButton));
    }
}
BENCHMARK(UpdateChipRefused);

// One press on, one press off, so the layout stays bounded.
void AnnouncedPressPair(benchmark::State& run, AnnouncedBet bet) {
    GameState state = StartedTable();
    for (auto _ : run) {
        benchmark::DoNotOptimize(PressAnnounced(state, bet, "17", "2", kLeftButton));
        benchmark::DoNotOptimize(PressAnnounced(state, bet, "17", "2", kRightButton));
    }
    run.SetItemsProcessed(run.iterations() * 2);
}
BENCHMARK_CAPTURE(AnnouncedPressPair, Tier, AnnouncedBet::Tier);
BENCHMARK_CAPTURE(AnnouncedPressPair, Orphns, AnnouncedBet::Orphns);
BENCHMARK_CAPTURE(AnnouncedPressPair, Grande, AnnouncedBet::Grande);
BENCHMARK_CAPTURE(AnnouncedPressPair, Zero, AnnouncedBet::Zero);
BENCHMARK_CAPTURE(AnnouncedPressPair, Neighb, AnnouncedBet::Neighb);
BENCHMARK_CAPTURE(AnnouncedPressPair, Finals, AnnouncedBet::Finals);
BENCHMARK_CAPTURE(AnnouncedPressPair, Figure, AnnouncedBet::Figure);
BENCHMARK_CAPTURE(AnnouncedPressPair, Birds, AnnouncedBet::Birds);
BENCHMARK_CAPTURE(AnnouncedPressPair, Cousins, AnnouncedBet::Cousins);
BENCHMARK_CAPTURE(AnnouncedPressPair, Reds, AnnouncedBet::Reds);
BENCHMARK_CAPTURE(AnnouncedPressPair, Blacks, AnnouncedBet::Blacks);
BENCHMARK_CAPTURE(AnnouncedPressPair, Qtr1, AnnouncedBet::Qtr1);
BENCHMARK_CAPTURE(AnnouncedPressPair, Qtr2, AnnouncedBet::Qtr2);
BENCHMARK_CAPTURE(AnnouncedPressPair, Qtr3, AnnouncedBet::Qtr3);
BENCHMARK_CAPTURE(AnnouncedPressPair, Qtr4, AnnouncedBet::Qtr4);
BENCHMARK_CAPTURE(AnnouncedPressPair, Oppos, AnnouncedBet::Oppos);
BENCHMARK_CAPTURE(AnnouncedPressPair, QtrPlus, AnnouncedBet::QtrPlus);
BENCHMARK_CAPTURE(AnnouncedPressPair, QtrMinus, AnnouncedBet::QtrMinus);

void FillLayout(GameState& state) {
    SelectTable(state, 0);
    SelectChip(state, 2);
    for (int spot = 0; spot < kSpotCount; ++spot) {
        UpdateChip(state, static_cast<std::int16_t>(spot), kLeftButton);
    }
}

// The stakes are laid again before each settlement; that copy is part of the figure.
void CalcWinLayout(benchmark::State& run, bool full) {
    GameState state = StartedTable();
    if (full) {
        FillLayout(state);
    }
    const GameState laid = state;
    std::int16_t pocket = 0;
    for (auto _ : run) {
        state.SpotStake = laid.SpotStake;
        state.BetTotal = laid.BetTotal;
        state.Balance = 0;
        state.WinPocket = pocket;
        pocket = static_cast<std::int16_t>((pocket + 1) % kPocketCount);
        benchmark::DoNotOptimize(CalcWin(state));
    }
}
BENCHMARK_CAPTURE(CalcWinLayout, Empty, false);
BENCHMARK_CAPTURE(CalcWinLayout, Full, true);

// What settlement pays to stay atomic: it settles a copy of the whole state,
// the catalogue's string lists included, and keeps it only if nothing overflowed.
void CopyGameState(benchmark::State& run) {
    const GameState state = StartedTable();
    for (auto _ : run) {
        GameState copy = state;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(CopyGameState);

void BallTick(benchmark::State& run) {
    GameState state = StartedTable();
    SteadySource random;
    StartSpin(state, random);
    for (auto _ : run) {
        if (TickBall(state)) {
            StartSpin(state, random);
        }
        benchmark::DoNotOptimize(state.BallLeft);
    }
}
BENCHMARK(BallTick);

// PlaceBall alone: one step inwards, one sine and one cosine.
void PlaceBallOnce(benchmark::State& run) {
    GameState state = StartedTable();
    std::int16_t pocket = 0;
    for (auto _ : run) {
        state.BallRadius = 2100.0F;
        PlaceBall(state, pocket);
        pocket = static_cast<std::int16_t>((pocket + 1) % kPocketCount);
        benchmark::DoNotOptimize(state.BallLeft);
        benchmark::DoNotOptimize(state.BallTop);
    }
}
BENCHMARK(PlaceBallOnce);

// A drill task drawn and checked, per drill and level; far under a frame.
void DrillTaskDrawAndCheck(benchmark::State& run, int drill) {
    const GameState table = StartedTable();
    const int level = static_cast<int>(run.range(0));
    std::mt19937 random(1);
    for (auto _ : run) {
        if (drill == 0) {
            const PlacedBet task = DrawPlaceTask(table, level, random);
            benchmark::DoNotOptimize(CheckPlace(task, task.stakes));
        } else if (drill == 1) {
            benchmark::DoNotOptimize(DrawNameTask(table, level, random));
        } else {
            const PayTask task = DrawPayTask(table, level, random);
            benchmark::DoNotOptimize(PaySum(table.catalogue, task.stakes, task.number));
        }
    }
}
BENCHMARK_CAPTURE(DrillTaskDrawAndCheck, PlaceIt, 0)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrillTaskDrawAndCheck, NameIt, 1)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrillTaskDrawAndCheck, PayIt, 2)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
