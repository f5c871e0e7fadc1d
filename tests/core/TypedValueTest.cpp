#include "betting/TypedValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<std::int32_t> as16, as32;
};

// clang-format off
const std::vector<ReadCase> kReads = {
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
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadTypedValue(c.text, 16), c.as16);
        EXPECT_EQ(ReadTypedValue(c.text, 32), c.as32);
    }
}

} // namespace
