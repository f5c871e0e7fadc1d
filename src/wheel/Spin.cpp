#include "wheel/Spin.h"

#include "table/RandomSource.h"

#include <cmath>

namespace {

constexpr float kInnerRing = 1300.0F; // the ball spirals in while above this radius
constexpr float kRadiusStep = 7.0F;
constexpr float kRimRadius = 2100.0F;
constexpr float kWheelCentreLeft = 6120.0F;
constexpr float kWheelCentreTop = 3120.0F;
constexpr std::int16_t kLastPocket = kPocketCount - 1;
constexpr std::int16_t kWrapsBeforeStop = 2; // the ball may stop once more than this many are done

// Degrees per pocket, rounded to single precision before it is used (9.7297297).
constexpr float kDegreesPerPocket = 360.0F / 37.0F;

// Moves BallPocket one step in BallDirection, counting a lap whenever it wraps past pocket 0.
void AdvancePocket(GameState& state) {
    auto next = static_cast<std::int16_t>(state.BallPocket + state.BallDirection);
    if (next > kLastPocket) {
        next = 0;
        ++state.LapCount;
    } else if (next < 0) {
        next = static_cast<std::int16_t>(next + kPocketCount);
        ++state.LapCount;
    }
    state.BallPocket = next;
}

} // namespace

void PlaceBall(GameState& state, std::int16_t iBallPos) {
    if (state.BallRadius > kInnerRing) {
        state.BallRadius -= kRadiusStep;
    }
    // All in single precision: a = (360/37) * (iBallPos - 9) - 2.3 degrees, then
    // x = a * 3.14159 / 180 radians; pocket 0 lies just clockwise of straight up.
    const float degrees = kDegreesPerPocket * static_cast<float>(iBallPos - 9) - 2.3F;
    const float radians = degrees * 3.14159F / 180.0F;
    state.BallTop = state.BallRadius * std::sin(radians) + kWheelCentreTop;
    state.BallLeft = state.BallRadius * std::cos(radians) + kWheelCentreLeft;
    state.BallShown = true;
}

void RestBall(GameState& state, RandomSource& random) {
    random.SeedFromClock();
    state.BallPocket = DrawPocket(random);
    state.BallRadius = kInnerRing;
    PlaceBall(state, state.BallPocket);
}

void StartSpin(GameState& state, RandomSource& random) {
    state.WinPocket = DrawPocket(random);
    state.BallRadius = kRimRadius;
    state.Spinning = true;
}

bool TickBall(GameState& state) {
    AdvancePocket(state);
    PlaceBall(state, state.BallPocket);
    if (state.LapCount <= kWrapsBeforeStop || state.BallPocket != state.WinPocket) {
        return false;
    }
    state.LapCount = 0;
    state.BallDirection = static_cast<std::int16_t>(-state.BallDirection);
    state.Spinning = false;
    return true;
}
