#include "betting/TypedValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Name, text, and its value read as 16 and as 32 bits.
using Value = std::optional<std::int32_t>;
// clang-format off
const std::vector<std::tuple<const char*, std::string, Value, Value>> kReads = {
    {"PlainNumber", "17", 17, 17},
    {"LeadingBlanksAndTabsSkipped", "\t  26", 26, 26},
    {"EmptyReadsZero", "", 0, 0},
    {"HalfGoesToEvenBelow", "2.5", 2, 2},
    {"HalfGoesToEvenAbove", "3.5", 4, 4},
    {"NegativeOneAndAHalfGoesToMinusTwo", "-1.5", -2, -2},
    {"ZerosAfterTheHalfKeepItAHalf", "2.50000000000000000000", 2, 2},
    {"HexIsNotRead", "0x10", 0, 0},
    {"LargestSixteenBit", "32767", 32767, 32767},
    {"JustAboveSixteenBit", "32768", std::nullopt, 32768},
    {"RoundingPastSixteenBit", "32767.5", std::nullopt, 32768},
    {"SmallestThirtyTwoBit", "-2147483648", std::nullopt, INT32_MIN},
    {"JustAboveThirtyTwoBit", "2147483648", std::nullopt, std::nullopt},
    // Regression: digits were once gathered into an integer that could wrap.
    {"TenThousandNines", std::string(10000, '9'), std::nullopt, std::nullopt},
    {"TenThousandZerosBeforeTwelve", std::string(10000, '0') + "12", 12, 12},
    {"HalfFollowedByTenThousandZerosAndAOne", "4.5" + std::string(10000, '0') + "1", 5, 5},
};
// clang-format on

TEST(ReadTypedValue, TextTable) {
    for (const auto& [name, text, as16, as32] : kReads) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadTypedValue(text, 16), as16);
        EXPECT_EQ(ReadTypedValue(text, 32), as32);
    }
}

} // namespace
