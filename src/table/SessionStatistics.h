#pragma once

#include "table/Catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One settled spin as the statistics see it.
struct SpinRecord {
    std::int16_t number = 0;
    std::int32_t staked = 0;  // BetTotal when the spin started
    std::int32_t won = 0;     // the spin's win, as "Last Win" shows it
    std::int32_t kept = 0;    // the winning stakes left on the layout
    std::int32_t balance = 0; // Balance after the settlement
};

// How often a group of numbers came, against how often it should.
struct GroupShare {
    std::string name;
    int count = 0;
    double share = 0.0;    // of the spins played; 0 before the first
    double expected = 0.0; // the group's numbers out of 37
};

// The spins of this run, for the statistics window. Nothing is kept after
// the program ends. Sums are 64-bit: a long session at the largest stakes
// must not wrap them, and they move no money.
class SessionStatistics {
  public:
    void Record(const SpinRecord& spin);

    int Spins() const { return static_cast<int>(m_balances.size()); }
    int Count(std::int16_t number) const { return m_counts.at(number); }

    // The `n` numbers that came most (least) often; among equal counts the
    // lower number comes first.
    std::vector<std::int16_t> Hottest(std::size_t n = 5) const;
    std::vector<std::int16_t> Coldest(std::size_t n = 5) const;

    // Red, black and zero; the dozens; the columns; the even chances.
    std::vector<GroupShare> Groups() const;

    std::int64_t Staked() const { return m_staked; }
    std::int64_t Won() const { return m_won; }
    // The stakes that lost, and what the session made of them: the win less
    // the stakes lost, which is how far Balance plus Bet moved.
    std::int64_t Lost() const { return m_staked - m_kept; }
    std::int64_t Net() const { return m_won - Lost(); }

    const std::vector<std::int32_t>& Balances() const { return m_balances; }

  private:
    std::vector<std::int16_t> Ranked(bool hottestFirst, std::size_t n) const;

    std::array<int, kNumberCount> m_counts{};
    std::int64_t m_staked = 0;
    std::int64_t m_won = 0;
    std::int64_t m_kept = 0;
    std::vector<std::int32_t> m_balances;
};
