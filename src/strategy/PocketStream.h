#pragma once

#include <cstdint>

// A small, fast, seedable generator (splitmix64): a 64-bit counter stepped by
// a fixed odd constant and scrambled, so every seed gives a full-period
// stream and streams of nearby seeds are unrelated.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

  private:
    std::uint64_t m_state;
};

// Pocket numbers 0..36, each exactly as likely as the others: Lemire's
// multiply-and-shift, rejecting the few low products that would favour some
// numbers. Each block of sessions has a stream of its own, chosen from the
// run's seed and the block, so the numbers do not depend on which thread
// runs which block.
class PocketStream {
  public:
    static constexpr std::uint64_t kNumbers = 37;

    PocketStream(std::uint64_t seed, std::uint64_t block)
        : m_random(SplitMix64(seed ^ SplitMix64(block).Next()).Next()) {}

    int Next() {
        auto product = static_cast<Wide>(m_random.Next()) * kNumbers;
        auto low = static_cast<std::uint64_t>(product);
        if (low < kNumbers) {
            // 2^64 mod 37: the products below it are the surplus.
            constexpr std::uint64_t threshold = (0 - kNumbers) % kNumbers;
            while (low < threshold) {
                product = static_cast<Wide>(m_random.Next()) * kNumbers;
                low = static_cast<std::uint64_t>(product);
            }
        }
        return static_cast<int>(product >> 64);
    }

  private:
    __extension__ typedef unsigned __int128 Wide; // the 128-bit product of Lemire's method

    SplitMix64 m_random;
};
