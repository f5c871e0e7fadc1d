#include "table/RandomSource.h"

#include "table/Catalogue.h"

#include <algorithm>
#include <chrono>
#include <cmath>

void ClockRandomSource::SeedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks));
}

float ClockRandomSource::Next() {
    // generate_canonical<float> may round up to 1.0; DrawPocket guards against it.
    return std::generate_canonical<float, 24>(m_engine);
}

std::int16_t DrawPocket(RandomSource& random) {
    const float r = random.Next();
    if (!(r >= 0.0F)) { // also catches NaN
        return 0;
    }
    // In double the product is exact, so its whole part is the true one.
    const auto pocket =
        static_cast<int>(std::floor(static_cast<double>(std::min(r, 1.0F)) * kPocketCount));
    return static_cast<std::int16_t>(std::clamp(pocket, 0, kPocketCount - 1));
}
