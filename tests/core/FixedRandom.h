#pragma once

#include "table/RandomSource.h"

// Draws the same value until told another, so every pocket is the test's
// choice, and counts the seedings.
class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(float value = 0.5F) : m_value(value) {}
    void SeedFromClock() override { ++m_seedings; }
    float Next() override { return m_value; }
    void Set(float value) { m_value = value; }
    int Seedings() const { return m_seedings; }

  private:
    float m_value;
    int m_seedings = 0;
};

// A draw in the middle of pocket p's share of [0, 1).
inline float ValueForPocket(int pocket) {
    return (static_cast<float>(pocket) + 0.5F) / 37.0F;
}
