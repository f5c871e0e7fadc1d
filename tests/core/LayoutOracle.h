#pragma once

#include <algorithm>
#include <array>
#include <cstdlib>

// The layout stated a second way, from its geometry rather than the table's
// numbering code, for tests to hold the rules against.
namespace oracle {

// The wheel, pocket by pocket clockwise from the zero, and the red numbers.
inline constexpr std::array<int, 37> kWheel = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                               36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                               31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
inline constexpr std::array<int, 18> kRed = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                             19, 21, 23, 25, 27, 30, 32, 34, 36};

inline bool IsRed(int n) {
    return std::find(kRed.begin(), kRed.end(), n) != kRed.end();
}

inline int PocketOf(int number) {
    return static_cast<int>(std::find(kWheel.begin(), kWheel.end(), number) - kWheel.begin());
}

// The number lying p pockets clockwise of pocket 0, for any whole p.
inline int NumberAt(int pocket) {
    return kWheel.at(static_cast<std::size_t>(((pocket % 37) + 37) % 37));
}

// Straight-up spot: layout row k = (n + 2) div 3, column c = (n - 1) mod 3.
inline int StraightUp(int n) {
    return n == 0 ? 0 : 12 * ((n + 2) / 3) - 5 + 2 * ((n - 1) % 3);
}

// Inside chips sit on a grid: place 0..5 across (number, line, number, line,
// number, street edge) and line 1..24 down, even lines through the numbers.
// A chip covers every number whose cell it touches; the edge takes the row.
inline bool InsideCovers(int spot, int n) {
    if (spot == 0) {
        return n == 0;
    }
    const int place = (spot - 1) % 6;
    const int line = (spot + 5) / 6;
    if (n == 0) {
        return line == 1;
    }
    const int numberLine = 2 * ((n - 1) / 3) + 2;
    const int numberPlace = 2 * ((n - 1) % 3);
    return std::abs(line - numberLine) <= 1 && (place == 5 || std::abs(place - numberPlace) <= 1);
}

inline bool OutsideCovers(int spot, int n) {
    const std::array<bool, 12> covers = {n % 3 == 1,        n % 3 == 2, n % 3 == 0, n <= 12,
                                         n > 12 && n <= 24, n > 24,     n <= 18,    n % 2 == 0,
                                         IsRed(n),          !IsRed(n),  n % 2 == 1, n > 18};
    return n != 0 && covers.at(static_cast<std::size_t>(spot - 145));
}

inline bool Covers(int spot, int n) {
    return spot < 145 ? InsideCovers(spot, n) : OutsideCovers(spot, n);
}

inline int CoverCount(int spot) {
    int count = 0;
    for (int n = 0; n < 37; ++n) {
        count += Covers(spot, n) ? 1 : 0;
    }
    return count;
}

// N to 1 on a spot of `count` numbers.
inline int Payout(int spot) {
    return 36 / CoverCount(spot) - 1;
}

} // namespace oracle
