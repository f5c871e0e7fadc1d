#include "betting/TypedValue.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<std::int32_t> as16;
    std::optional<std::int32_t> as32;
};

// clang-format off
const std::vector<ReadCase> kReads = {
    {"PlainNumber", "17", 17, 17},
    {"LeadingBlanksAndTabsSkipped", "\t  26", 26, 26},
    {"EmptyReadsZero", "", 0, 0},
    {"BlankAfterTheSignEndsTheNumber", "- 5", 0, 0},
    {"HalfGoesToEvenBelow", "2.5", 2, 2},
    {"HalfGoesToEvenAbove", "3.5", 4, 4},
    {"NegativeOneAndAHalfGoesToMinusTwo", "-1.5", -2, -2},
    {"JustAboveHalfRoundsUp", "2.5000001", 3, 3},
    {"ZerosAfterTheHalfKeepItAHalf", "2.50000000000000000000", 2, 2},
    {"ExponentIsNotRead", "1e1", 1, 1},
    {"HexIsNotRead", "0x10", 0, 0},
    {"LargestSixteenBit", "32767", 32767, 32767},
    {"JustAboveSixteenBit", "32768", std::nullopt, 32768},
    {"RoundingPastSixteenBit", "32767.5", std::nullopt, 32768},
    {"RoundingBackIntoSixteenBit", "-32768.5", -32768, -32768},
    {"SmallestThirtyTwoBit", "-2147483648", std::nullopt, INT32_MIN},
    {"JustAboveThirtyTwoBit", "2147483648", std::nullopt, std::nullopt},
};
// clang-format on

TEST(ReadTypedValue, TextTable) {
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadTypedValue(c.text, 16), c.as16);
        EXPECT_EQ(ReadTypedValue(c.text, 32), c.as32);
    }
}

// Regression: digits were once gathered into an integer that could wrap.
TEST(ReadTypedValue, VeryLongTextsNeitherOverflowNorHang) {
    const std::string nines(10000, '9');
    EXPECT_EQ(ReadTypedValue(nines, 32), std::nullopt);
    EXPECT_EQ(ReadTypedValue("-" + nines, 16), std::nullopt);
    EXPECT_EQ(ReadTypedValue(std::string(10000, '0') + "12", 16), 12);
    EXPECT_EQ(ReadTypedValue("4." + nines, 16), 5);
    EXPECT_EQ(ReadTypedValue("4.5" + std::string(10000, '0') + "1", 16), 5);
}

} // namespace
