#pragma once

#include <cstdint>
#include <stdexcept>

// Money never wraps: within the table limits no sum can overflow, so an
// overflow is an internal error and is thrown, to be reported to the player.
class MoneyOverflow : public std::overflow_error {
  public:
    MoneyOverflow() : std::overflow_error("money arithmetic overflowed") {}
};

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw MoneyOverflow();
    }
    return sum;
}

inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        throw MoneyOverflow();
    }
    return difference;
}

// Stakes and payout products are 16-bit.
inline std::int16_t CheckedAdd16(std::int16_t a, std::int16_t b) {
    std::int16_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw MoneyOverflow();
    }
    return sum;
}

inline std::int16_t CheckedMul16(std::int16_t a, std::int16_t b) {
    std::int16_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        throw MoneyOverflow();
    }
    return product;
}
