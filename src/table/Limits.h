#pragma once

#include "table/Catalogue.h"

#include <array>
#include <cstdint>

inline constexpr int kTableCount = 4; // "$1", "$2", "$5", "$10"

struct TableLimits {
    std::array<std::int16_t, kTableCount> TableMultiple{};
    std::array<std::array<std::int16_t, kSpotCount>, kTableCount> SpotMinBet{};
    std::array<std::array<std::int16_t, kSpotCount>, kTableCount> SpotMaxBet{};
};

void InitMaxArrays(TableLimits& limits);
