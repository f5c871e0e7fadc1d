#include "table/GameState.h"

#include "table/RandomSource.h"

#include <numeric>

void StartTable(GameState& state, RandomSource& random) {
    state.Balance = 0;
    state.BetTotal = 0;
    random.SeedFromClock();
    InitChipArrays(state.catalogue);
    InitMaxArrays(state.limits);
    state.SpotStake.fill(0);
    state.SpotChip.fill(0);
    state.ChipIndex = 2;
    state.TableIndex = 2;
    state.BallDirection = 1;
}

std::int32_t StakeSum(const GameState& state) {
    return std::accumulate(state.SpotStake.begin(), state.SpotStake.end(), std::int32_t{0});
}
