#include "betting/LayoutActions.h"

#include "table/Money.h"

#include <functional>

namespace {

// The stake a spot should go to, or nothing to leave it alone.
using Target = std::function<std::optional<std::int16_t>(std::int16_t spot)>;
// How a spot is brought to its stake: StakeTo, unless said otherwise.
using Apply = std::function<std::optional<Refusal>(GameState&, std::int16_t, std::int16_t)>;

LayoutRun StakeEach(GameState& state, const Target& target, const Apply& apply = StakeTo) {
    LayoutRun run;
    if (state.Spinning) {
        return run;
    }
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        const auto stake = target(spot);
        if (!stake) {
            continue;
        }
        run.refusal = apply(state, spot, *stake);
        if (run.refusal) {
            break;
        }
        run.changed.push_back(spot);
    }
    return run;
}

// Lowers a stake without testing it, the difference going back to Balance.
std::optional<Refusal> LowerUntested(GameState& state, std::int16_t spot, std::int16_t stake) {
    // Both are stakes and the first the larger, so the excess is one too.
    const auto excess = static_cast<std::int16_t>(state.SpotStake.at(spot) - stake);
    const std::int32_t balance = CheckedAdd(state.Balance, excess);
    const std::int32_t betTotal = CheckedSub(state.BetTotal, excess);
    state.Balance = balance;
    state.BetTotal = betTotal;
    state.SpotStake.at(spot) = stake;
    state.TotalsShown = true;
    return std::nullopt;
}

// Wide, so that a target too large for a stake still compares; StakeOf
// then refuses to narrow it.
std::int64_t TargetOf(const SpotStakes& base, std::int16_t spot, std::int64_t multiple) {
    std::int64_t target = 0;
    if (__builtin_mul_overflow(std::int64_t{base.at(spot)}, multiple, &target)) {
        throw MoneyOverflow();
    }
    return target;
}

std::int16_t StakeOf(std::int64_t target) {
    std::int16_t stake = 0;
    if (__builtin_add_overflow(target, 0, &stake)) {
        throw MoneyOverflow();
    }
    return stake;
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

LayoutRun StakeToMultiple(GameState& state, const SpotStakes& base, std::int64_t multiple) {
    LayoutRun lowered = StakeEach(
        state,
        [&](std::int16_t spot) -> std::optional<std::int16_t> {
            const std::int64_t target = TargetOf(base, spot, multiple);
            if (state.SpotStake.at(spot) <= target) {
                return std::nullopt;
            }
            return static_cast<std::int16_t>(target);
        },
        LowerUntested);
    LayoutRun raised = StakeEach(state, [&](std::int16_t spot) -> std::optional<std::int16_t> {
        const std::int64_t target = TargetOf(base, spot, multiple);
        if (state.SpotStake.at(spot) >= target) {
            return std::nullopt;
        }
        return StakeOf(target);
    });
    raised.changed.insert(raised.changed.begin(), lowered.changed.begin(), lowered.changed.end());
    return raised;
}

LayoutRun AddStakes(GameState& state, const SpotStakes& added) {
    return StakeEach(state, [&](std::int16_t spot) -> std::optional<std::int16_t> {
        if (added.at(spot) <= 0) {
            return std::nullopt;
        }
        return CheckedAdd16(state.SpotStake.at(spot), added.at(spot));
    });
}
