#pragma once

#include <cstdint>
#include <random>

// Uniform values in [0, 1). Replaced by a fixed source in tests.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void SeedFromClock() = 0;
    virtual float Next() = 0;
};

class ClockRandomSource final : public RandomSource {
  public:
    void SeedFromClock() override;
    float Next() override;

  private:
    std::mt19937 m_engine;
};

// A whole pocket 0..36 from one draw. A source that yields 1.0 (some float
// distributions can, through rounding) still gives pocket 36, never 37.
std::int16_t DrawPocket(RandomSource& random);
