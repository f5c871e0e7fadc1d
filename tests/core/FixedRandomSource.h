#pragma once

#include "table/RandomSource.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

// Hands out queued values in order and counts the seedings, so a test decides
// every pocket the table draws. Running dry is a test error, not a zero.
class FixedRandomSource final : public RandomSource {
  public:
    FixedRandomSource() = default;
    FixedRandomSource(std::initializer_list<float> values) : m_values(values) {}

    int Seedings() const { return m_seedings; }

    void SeedFromClock() override { ++m_seedings; }

    float Next() override {
        if (m_values.empty()) {
            ADD_FAILURE() << "FixedRandomSource ran out of values";
            return 0.0F;
        }
        const float value = m_values.front();
        m_values.pop_front();
        return value;
    }

  private:
    std::deque<float> m_values;
    int m_seedings = 0;
};

// A source value that lies in the middle of pocket p's share of [0, 1).
inline float ValueForPocket(int pocket) {
    return (static_cast<float>(pocket) + 0.5F) / 37.0F;
}
