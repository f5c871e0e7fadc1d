#include "wheel/Spin.h"

#include "core/FixedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kTickLimit = 200; // well past the longest spin of 147 ticks

struct SpinRun {
    int ticks = 0;
    bool stopped = false;
    std::vector<int> wrapTicks; // ticks in which the ball crossed between pockets 36 and 0
    bool everyStepOnePocket = true;
};

// Starts a spin towards target and ticks until the ball stops, watching each step.
SpinRun RunSpin(GameState& state, int target) {
    FixedRandom random{ValueForPocket(target)};
    StartSpin(state, random);
    SpinRun run;
    while (!run.stopped && run.ticks < kTickLimit) {
        const int from = state.BallPocket;
        const int direction = state.BallDirection;
        run.stopped = TickBall(state);
        ++run.ticks;
        if ((from == 36 && state.BallPocket == 0) || (from == 0 && state.BallPocket == 36)) {
            run.wrapTicks.push_back(run.ticks);
        }
        run.everyStepOnePocket &= (from + direction + 37) % 37 == state.BallPocket;
    }
    return run;
}

// The stop position is worked out in double precision from the wheel's
// geometry: centre (6120, 3120), pocket 9 at -2.3 degrees, clockwise on a
// y-down screen.
TEST(Spin, EveryStartAndTargetStopsThereAfterItsTickCount) {
    std::vector<std::string> faults;
    for (const std::int16_t direction : {std::int16_t{1}, std::int16_t{-1}}) {
        for (std::int16_t start = 0; start < 37; ++start) {
            for (int target = 0; target < 37; ++target) {
                GameState state;
                state.BallPocket = start;
                state.BallDirection = direction;
                const SpinRun run = RunSpin(state, target);
                const int ticks = direction > 0 ? 111 - start + target : 111 + start - target;
                const double radius = std::max(1295.0, 2100.0 - 7.0 * ticks);
                const double degrees = (target - 9) * 360.0 / 37.0 - 2.3;
                const double radians = degrees * std::numbers::pi / 180.0;
                const bool good =
                    run.stopped && run.ticks == ticks && run.wrapTicks.size() == 3 &&
                    run.everyStepOnePocket && state.BallPocket == target &&
                    state.BallDirection == -direction && state.LapCount == 0 && !state.Spinning &&
                    state.BallRadius == static_cast<float>(radius) &&
                    std::abs(state.BallLeft - (6120.0 + radius * std::cos(radians))) < 0.5 &&
                    std::abs(state.BallTop - (3120.0 + radius * std::sin(radians))) < 0.5;
                if (!good) {
                    faults.push_back(std::to_string(start) + "->" + std::to_string(target) +
                                     " direction " + std::to_string(direction));
                }
            }
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faulty spins, first "
                                << (faults.empty() ? "" : faults.front());
}

TEST(Spin, PlacesTheRestingBallAtThePublishedPositions) {
    // Pocket, and the ball's left and top there.
    const std::tuple<std::int16_t, long, long> cases[] = {
        {0, 6123, 1820}, {9, 7419, 3068}, {18, 6227, 4416}, {27, 4830, 3282}};
    for (const auto& [pocket, left, top] : cases) {
        SCOPED_TRACE(pocket);
        GameState state;
        FixedRandom random{ValueForPocket(pocket)};
        state.BallRadius = 1575.0F; // where a short spin may leave it
        RestBall(state, random);
        EXPECT_EQ(random.Seedings(), 1);
        EXPECT_EQ(state.BallPocket, pocket);
        EXPECT_EQ(state.BallRadius, 1300.0F) << "the inner ring takes no step";
        EXPECT_EQ(std::lround(state.BallLeft), left);
        EXPECT_EQ(std::lround(state.BallTop), top);
        EXPECT_TRUE(state.BallShown);
    }
}

} // namespace
