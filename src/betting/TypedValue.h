#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads the leading decimal number of a combo box text, rounded to the nearest
// whole number with halves to even. A text with no leading number reads 0.
// nullopt when the value does not fit a signed integer of `bits` (16 or 32).
std::optional<std::int32_t> ReadTypedValue(std::string_view text, int bits);
