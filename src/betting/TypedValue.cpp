#include "betting/TypedValue.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of the leading number, digits kept as text so that any length
// can be read without overflow. Only decimal is read: "0x10" stops at the
// 'x', "inf" and "nan" are no number, and "1e1" stops at the 'e' and reads 1,
// as an exponent is no part of a whole-dollar amount anyone types.
struct NumberText {
    bool negative = false;
    std::string_view whole; // leading zeros already dropped
    std::string_view fraction;
};

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    return at;
}

std::string_view TakeDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

NumberText SplitNumber(std::string_view text) {
    NumberText number;
    std::size_t at = SkipBlanks(text, 0);
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }
    number.whole = TakeDigits(text, at);
    if (at < text.size() && text[at] == '.') {
        ++at;
        number.fraction = TakeDigits(text, at);
    }
    const std::size_t firstSignificant = number.whole.find_first_not_of('0');
    number.whole.remove_prefix(std::min(firstSignificant, number.whole.size()));
    return number;
}

// Whether the fraction rounds the whole part up: above one half always, at
// exactly one half only to reach an even number.
bool RoundsUp(std::string_view fraction, std::int64_t whole) {
    if (fraction.empty() || fraction[0] < '5') {
        return false;
    }
    if (fraction[0] > '5') {
        return true;
    }
    const bool moreThanHalf = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    return moreThanHalf || whole % 2 != 0;
}

} // namespace

std::optional<std::int32_t> ReadTypedValue(std::string_view text, int bits) {
    const NumberText number = SplitNumber(text);
    // Eleven significant digits already exceed every width read here.
    if (number.whole.size() > 10) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (const char digit : number.whole) {
        magnitude = magnitude * 10 + (digit - '0');
    }
    if (RoundsUp(number.fraction, magnitude)) {
        ++magnitude;
    }
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    const std::int64_t high = bits == 16 ? std::numeric_limits<std::int16_t>::max()
                                         : std::numeric_limits<std::int32_t>::max();
    if (value > high || value < -high - 1) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}
