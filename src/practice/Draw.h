#pragma once

#include "betting/AnnouncedBets.h"

#include <random>
#include <vector>

// Drawing from the drills' seeded engine, so a seed repeats a run of tasks.

inline int Uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

template <typename T> T Pick(std::mt19937& random, const std::vector<T>& items) {
    return items.at(
        static_cast<std::size_t>(Uniform(random, 0, static_cast<int>(items.size()) - 1)));
}

// All eighteen, in the order of the buttons.
inline std::vector<AnnouncedBet> AllAnnouncedBets() {
    std::vector<AnnouncedBet> bets;
    for (int b = 0; b <= static_cast<int>(AnnouncedBet::QtrMinus); ++b) {
        bets.push_back(static_cast<AnnouncedBet>(b));
    }
    return bets;
}
