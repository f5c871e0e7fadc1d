#include "betting/TypedValue.h"

#include <gtest/gtest.h>

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

const std::vector<ReadCase> kReads = {
    {"PlainNumber", "17", 17, 17},
    {"LeadingBlankSkipped", " 5", 5, 5},
    {"LeadingTabsAndBlanksSkipped", "\t \t26", 26, 26},
    {"TrailingTextIgnored", "17abc", 17, 17},
    {"TrailingBlankIgnored", "3 ", 3, 3},
    {"EmptyReadsZero", "", 0, 0},
    {"BlanksOnlyReadZero", "   ", 0, 0},
    {"NoLeadingNumberReadsZero", "abc", 0, 0},
    {"SignAloneReadsZero", "-", 0, 0},
    {"PointAloneReadsZero", ".", 0, 0},
    {"BlankAfterSignEndsNumber", "- 5", 0, 0},
    {"PlusSignAccepted", "+7", 7, 7},
    {"NegativeNumber", "-3", -3, -3},
    {"HalfGoesToEvenBelow", "2.5", 2, 2},
    {"HalfGoesToEvenAbove", "3.5", 4, 4},
    {"OneAndAHalfGoesToTwo", "1.5", 2, 2},
    {"HalfOfZeroGoesToZero", ".5", 0, 0},
    {"NegativeHalfGoesToZero", "-0.5", 0, 0},
    {"NegativeHalfWithoutZeroGoesToZero", "-.5", 0, 0},
    {"NegativeOneAndAHalfGoesToMinusTwo", "-1.5", -2, -2},
    {"NegativeTwoAndAHalfGoesToMinusTwo", "-2.5", -2, -2},
    {"JustAboveHalfRoundsUp", "2.5000001", 3, 3},
    {"LongZerosAfterHalfStayHalf", "2.50000000000000000000", 2, 2},
    {"BelowHalfRoundsDown", "7.4999", 7, 7},
    {"AboveHalfRoundsUp", "7.6", 8, 8},
    {"PointWithoutFraction", "9.", 9, 9},
    {"SecondPointEndsNumber", "1.2.9", 1, 1},
    {"ExponentIsNotRead", "1e1", 1, 1},
    {"HexIsNotRead", "0x10", 0, 0},
    {"InfinityIsNoNumber", "inf", 0, 0},
    {"NanIsNoNumber", "nan", 0, 0},
    {"LeadingZerosIgnored", "0000000000000000000005", 5, 5},
    {"LargestSixteenBit", "32767", 32767, 32767},
    {"SmallestSixteenBit", "-32768", -32768, -32768},
    {"JustAboveSixteenBit", "32768", std::nullopt, 32768},
    {"JustBelowSixteenBit", "-32769", std::nullopt, -32769},
    {"RoundingPastSixteenBit", "32767.5", std::nullopt, 32768},
    {"RoundingBackIntoSixteenBit", "-32768.5", -32768, -32768},
    {"FiveDigitsTooLargeForSixteenBit", "99999", std::nullopt, 99999},
    {"FiveDigitsTooSmallForSixteenBit", "-40000", std::nullopt, -40000},
    {"LargestThirtyTwoBit", "2147483647", std::nullopt, 2147483647},
    {"SmallestThirtyTwoBit", "-2147483648", std::nullopt, INT32_MIN},
    {"JustAboveThirtyTwoBit", "2147483648", std::nullopt, std::nullopt},
    {"ElevenDigits", "10000000000", std::nullopt, std::nullopt},
    {"ElevenDigitsBehindZeros", "00099999999999", std::nullopt, std::nullopt},
};

TEST(ReadTypedValue, TextTable) {
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadTypedValue(c.text, 16), c.as16);
        EXPECT_EQ(ReadTypedValue(c.text, 32), c.as32);
    }
}

TEST(ReadTypedValue, VeryLongTextsNeitherOverflowNorHang) {
    const std::string tenThousandNines(10000, '9');
    EXPECT_EQ(ReadTypedValue(tenThousandNines, 32), std::nullopt);
    EXPECT_EQ(ReadTypedValue("-" + tenThousandNines, 16), std::nullopt);
    EXPECT_EQ(ReadTypedValue(std::string(10000, '0') + "12", 16), 12);
    EXPECT_EQ(ReadTypedValue("4." + tenThousandNines, 16), 5);
    EXPECT_EQ(ReadTypedValue("4.5" + std::string(10000, '0'), 16), 4);
    EXPECT_EQ(ReadTypedValue("4.5" + std::string(10000, '0') + "1", 16), 5);
    EXPECT_EQ(ReadTypedValue(std::string(10000, ' ') + "8", 16), 8);
}

} // namespace
