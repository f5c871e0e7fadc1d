#pragma once

#include "table/Catalogue.h"
#include "table/Limits.h"

#include <array>
#include <cstdint>
#include <vector>

// A layout reduced to what a spin of it needs: for each number, what the
// layout hands back (the winnings and the winning stakes, which stay), and
// which multiples of it the table accepts. Built once per run.
class LayoutReturn {
  public:
    // Beyond every table's largest stake: any multiplier from here is refused.
    static constexpr std::int64_t kMultiplierLimit = 32768;

    LayoutReturn(const Catalogue& catalogue, const TableLimits& limits, std::int16_t table,
                 const std::array<std::int16_t, kSpotCount>& stakes);

    bool Empty() const { return m_staked == 0; }
    // The sum of the base stakes.
    std::int64_t Staked() const { return m_staked; }
    // What the base layout hands back when the number comes.
    std::int64_t Back(int number) const { return m_back[static_cast<std::size_t>(number)]; }
    const std::array<std::int64_t, kNumberCount>& Backs() const { return m_back; }
    // True when the table accepts every stake of the layout scaled by m, each
    // tested as the table tests a stake.
    bool Accepted(std::int64_t multiplier) const {
        return multiplier > 0 && multiplier < kMultiplierLimit &&
               m_accepted[static_cast<std::size_t>(multiplier)] != 0;
    }
    // Variance of one base spin's outcome, for the spread of a flat run.
    double Variance() const;

  private:
    void FillBack(const Catalogue& catalogue, const std::array<std::int16_t, kSpotCount>& stakes);
    void FillAccepted(const TableLimits& limits, std::int16_t table,
                      const std::array<std::int16_t, kSpotCount>& stakes);

    std::array<std::int64_t, kNumberCount> m_back{};
    std::int64_t m_staked = 0;
    std::vector<std::uint8_t> m_accepted; // by multiplier, 0..kMultiplierLimit - 1
};
