#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads the leading decimal number of a combo box text, rounded to the nearest
// whole number with halves to even. A text with no leading number reads 0.
// nullopt when the value does not fit a signed integer of `bits` (16 or 32).
// Decimal only and locale-free: "0x10", "inf" and "nan" read 0, and "1e1"
// reads 1, the exponent not being read.
std::optional<std::int32_t> ReadTypedValue(std::string_view text, int bits);
