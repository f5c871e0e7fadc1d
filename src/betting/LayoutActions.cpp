#include "betting/LayoutActions.h"

#include "table/Money.h"

#include <functional>

namespace {

// The stake a spot should go to, or nothing to leave it alone.
using Target = std::function<std::optional<std::int16_t>(std::int16_t spot)>;

LayoutRun StakeEach(GameState& state, const Target& target) {
    LayoutRun run;
    if (state.Spinning) {
        return run;
    }
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto stake = target(spot);
        if (!stake) {
            continue;
        }
        run.refusal = StakeTo(state, spot, *stake);
        if (run.refusal) {
            break;
        }
        run.changed.push_back(spot);
    }
    return run;
}

} // namespace

LayoutRun Rebet(GameState& state, const SpotStakes& lastSpin) {
    return StakeEach(state, [&](std::int16_t spot) -> std::optional<std::int16_t> {
        const std::int16_t wanted = lastSpin.at(spot);
        if (state.SpotStake.at(spot) >= wanted) {
            return std::nullopt;
        }
        return wanted;
    });
}

LayoutRun DoubleStakes(GameState& state) {
    return StakeEach(state, [&](std::int16_t spot) -> std::optional<std::int16_t> {
        const std::int16_t stake = state.SpotStake.at(spot);
        if (stake <= 0) {
            return std::nullopt;
        }
        return CheckedAdd16(stake, stake);
    });
}

LayoutRun ClearStakes(GameState& state) {
    return StakeEach(state, [&](std::int16_t spot) -> std::optional<std::int16_t> {
        if (state.SpotStake.at(spot) <= 0) {
            return std::nullopt;
        }
        return std::int16_t{0};
    });
}

LayoutRun AddStakes(GameState& state, const SpotStakes& added) {
    return StakeEach(state, [&](std::int16_t spot) -> std::optional<std::int16_t> {
        if (added.at(spot) <= 0) {
            return std::nullopt;
        }
        return CheckedAdd16(state.SpotStake.at(spot), added.at(spot));
    });
}
