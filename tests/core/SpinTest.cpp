#include "wheel/Spin.h"

#include "core/FixedRandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kTickLimit = 200; // well past the longest spin of 147 ticks

struct SpinRun {
    int ticks = 0;
    bool stopped = false;
    std::vector<int> wrapTicks; // ticks in which the ball crossed between pockets 36 and 0
    bool everyStepOnePocket = true;
};

bool IsWrap(int from, int to) {
    return (from == 36 && to == 0) || (from == 0 && to == 36);
}

// Starts a spin towards target and ticks until the ball stops, watching each step.
SpinRun RunSpin(GameState& state, int target) {
    FixedRandomSource random{ValueForPocket(target)};
    StartSpin(state, random);
    SpinRun run;
    while (!run.stopped && run.ticks < kTickLimit) {
        const int direction = state.BallDirection;
        const int from = state.BallPocket;
        run.stopped = TickBall(state);
        ++run.ticks;
        if (IsWrap(from, state.BallPocket)) {
            run.wrapTicks.push_back(run.ticks);
        }
        run.everyStepOnePocket =
            run.everyStepOnePocket && (from + direction + 37) % 37 == state.BallPocket;
    }
    return run;
}

GameState BallAt(std::int16_t pocket, std::int16_t direction) {
    GameState state;
    state.BallPocket = pocket;
    state.BallDirection = direction;
    return state;
}

// The ball's top-left for a pocket and radius, worked out in double precision
// from the wheel's geometry: centre (6120, 3120), 360/37 degrees per pocket,
// pocket 9 at -2.3 degrees, angles growing clockwise on a y-down screen.
double ExpectedLeft(int pocket, double radius) {
    const double degrees = (pocket - 9) * 360.0 / 37.0 - 2.3;
    return 6120.0 + radius * std::cos(degrees * std::numbers::pi / 180.0);
}

double ExpectedTop(int pocket, double radius) {
    const double degrees = (pocket - 9) * 360.0 / 37.0 - 2.3;
    return 3120.0 + radius * std::sin(degrees * std::numbers::pi / 180.0);
}

struct SpinCase {
    const char* name;
    std::int16_t start;
    std::int16_t direction;
    int target;
    int ticks;
    std::vector<int> wrapTicks;
    float radius;
};

TEST(SpinTest, RunsTheWorkedSpinsToTheirTickAndRadius) {
    const SpinCase cases[] = {
        {"pocket 10 to 10 clockwise wraps three times", 10, 1, 10, 111, {27, 64, 101}, 1323.0F},
        {"pocket 36 to 0 clockwise is the shortest spin", 36, 1, 0, 75, {1, 38, 75}, 1575.0F},
        {"pocket 0 to 36 anticlockwise wraps on its first tick",
         0,
         -1,
         36,
         75,
         {1, 38, 75},
         1575.0F},
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = BallAt(c.start, c.direction);
        const SpinRun run = RunSpin(state, c.target);
        EXPECT_TRUE(run.stopped);
        EXPECT_EQ(run.ticks, c.ticks);
        EXPECT_EQ(run.wrapTicks, c.wrapTicks);
        EXPECT_TRUE(run.everyStepOnePocket);
        EXPECT_EQ(state.BallPocket, c.target);
        EXPECT_EQ(state.BallRadius, c.radius);
    }
}

TEST(SpinTest, PlacesTheRestingBallAtTheWorkedPositions) {
    struct PositionCase {
        std::int16_t pocket;
        long left;
        long top;
    };
    const PositionCase cases[] = {
        {0, 6123, 1820}, {9, 7419, 3068}, {18, 6227, 4416}, {27, 4830, 3282}};
    for (const PositionCase& c : cases) {
        SCOPED_TRACE("pocket " + std::to_string(c.pocket));
        GameState state;
        state.BallRadius = 1300.0F;
        PlaceBall(state, c.pocket);
        EXPECT_EQ(std::lround(state.BallLeft), c.left);
        EXPECT_EQ(std::lround(state.BallTop), c.top);
        EXPECT_EQ(state.BallRadius, 1300.0F) << "the inner ring takes no step";
        EXPECT_TRUE(state.BallShown);
    }
}

TEST(SpinTest, StepsTheRadiusInwardsOnlyWhileAboveTheInnerRing) {
    const struct {
        float before;
        float after;
    } cases[] = {{2100.0F, 2093.0F}, {1302.0F, 1295.0F}, {1300.0F, 1300.0F}, {1295.0F, 1295.0F}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        GameState state;
        state.BallRadius = c.before;
        PlaceBall(state, 4);
        EXPECT_EQ(state.BallRadius, c.after);
    }
}

TEST(SpinTest, EveryStartAndTargetStopsAtTheTargetAfterTheirTickCount) {
    std::vector<std::string> faults;
    for (const std::int16_t direction : {std::int16_t{1}, std::int16_t{-1}}) {
        for (std::int16_t start = 0; start < 37; ++start) {
            for (int target = 0; target < 37; ++target) {
                GameState state = BallAt(start, direction);
                const SpinRun run = RunSpin(state, target);
                const int ticks = direction > 0 ? 111 - start + target : 111 + start - target;
                const double radius = std::max(1295.0, 2100.0 - 7.0 * ticks);
                const bool good = run.stopped && run.ticks == ticks && run.wrapTicks.size() == 3 &&
                                  run.everyStepOnePocket && state.BallPocket == target &&
                                  state.BallDirection == -direction && state.LapCount == 0 &&
                                  !state.Spinning &&
                                  state.BallRadius == static_cast<float>(radius) &&
                                  std::abs(state.BallLeft - ExpectedLeft(target, radius)) < 0.5 &&
                                  std::abs(state.BallTop - ExpectedTop(target, radius)) < 0.5;
                if (!good) {
                    faults.push_back(std::to_string(start) + "->" + std::to_string(target) +
                                     " direction " + std::to_string(direction) + ": " +
                                     std::to_string(run.ticks) + " ticks");
                }
            }
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faulty spins, first "
                                << (faults.empty() ? "" : faults.front());
}

TEST(SpinTest, ConsecutiveSpinsRunInOppositeDirections) {
    GameState state = BallAt(5, 1);
    const SpinRun first = RunSpin(state, 20);
    EXPECT_EQ(first.ticks, 111 - 5 + 20);
    EXPECT_EQ(state.BallDirection, -1);

    FixedRandomSource random{ValueForPocket(3)};
    StartSpin(state, random);
    EXPECT_FALSE(TickBall(state));
    EXPECT_EQ(state.BallPocket, 19) << "the second spin starts from where the first stopped";
    int ticks = 1;
    while (!TickBall(state) && ticks < kTickLimit) {
        ++ticks;
    }
    EXPECT_EQ(ticks + 1, 111 + 20 - 3);
    EXPECT_EQ(state.BallPocket, 3);
    EXPECT_EQ(state.BallDirection, 1);
}

TEST(SpinTest, StartingASpinDrawsTheTargetAndSendsTheBallToTheRim) {
    GameState state = BallAt(12, 1);
    state.BallRadius = 1295.0F;
    FixedRandomSource random{ValueForPocket(36)};
    StartSpin(state, random);
    EXPECT_EQ(state.WinPocket, 36);
    EXPECT_EQ(state.BallRadius, 2100.0F);
    EXPECT_TRUE(state.Spinning);
    EXPECT_EQ(state.BallPocket, 12) << "the ball only moves on ticks";
    EXPECT_TRUE(random.Drained());
    EXPECT_FALSE(TickBall(state));
    EXPECT_TRUE(state.Spinning);
}

TEST(SpinTest, RestingBallIsReseededAndDrawnOnTheInnerRing) {
    GameState state;
    state.BallRadius = 1575.0F; // where a short spin may leave it
    FixedRandomSource random{ValueForPocket(27)};
    RestBall(state, random);
    EXPECT_EQ(random.Seedings(), 1);
    EXPECT_EQ(state.BallPocket, 27);
    EXPECT_EQ(state.BallRadius, 1300.0F);
    EXPECT_EQ(std::lround(state.BallLeft), 4830);
    EXPECT_EQ(std::lround(state.BallTop), 3282);
    EXPECT_TRUE(state.BallShown);
}

// Pocket k takes the source values r with k <= r * 37 < k + 1, judged exactly:
// a float times 37 is exact in double.
float LowestValueOfPocket(int k) {
    float r = static_cast<float>(k / 37.0);
    while (static_cast<double>(r) * 37.0 < k) {
        r = std::nextafter(r, 2.0F);
    }
    while (r > 0.0F && static_cast<double>(std::nextafter(r, 0.0F)) * 37.0 >= k) {
        r = std::nextafter(r, 0.0F);
    }
    return r;
}

float HighestValueOfPocket(int k) {
    return std::nextafter(LowestValueOfPocket(k + 1), 0.0F);
}

std::int16_t DrawnTarget(float value) {
    GameState state;
    FixedRandomSource random{value};
    StartSpin(state, random);
    return state.WinPocket;
}

TEST(SpinTest, EveryPocketCanBeDrawnAcrossItsWholeShare) {
    for (int k = 0; k < 37; ++k) {
        SCOPED_TRACE("pocket " + std::to_string(k));
        EXPECT_EQ(DrawnTarget(LowestValueOfPocket(k)), k);
        EXPECT_EQ(DrawnTarget(HighestValueOfPocket(k)), k);
    }
    EXPECT_EQ(HighestValueOfPocket(36), std::nextafter(1.0F, 0.0F));
}

TEST(SpinTest, SourceValuesAtOrPastOneNeverDrawAPocketOffTheWheel) {
    const struct {
        const char* name;
        float value;
        int expected; // -1: any pocket on the wheel
    } cases[] = {
        {"exactly one, from a rounding distribution", 1.0F, 36},
        {"the largest float below one", 0.99999994F, 36},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::int16_t pocket = DrawnTarget(c.value);
        EXPECT_GE(pocket, 0);
        EXPECT_LE(pocket, 36);
        if (c.expected >= 0) {
            EXPECT_EQ(pocket, c.expected);
        }
    }
}

} // namespace
