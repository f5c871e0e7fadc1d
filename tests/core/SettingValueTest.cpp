#include "table/SettingValue.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SettingValue, OnlyAWholeNumberInRangeReadsAsItselfAndOnlyTrueOrFalseSwitch) {
    const std::tuple<const char*, int> numbers[] = {
        {"0", 0}, {"100", 100}, {"55", 55}, {"101", 80}, {"-1", 80},
        {"", 80}, {" 5", 80},   {"5 ", 80}, {"5x", 80},  {"99999999999", 80},
    };
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(SettingInRange(text, 0, 100, 80), value) << '"' << text << '"';
    }
    const std::tuple<const char*, bool, bool> switches[] = {
        {"true", false, true}, {"false", true, false}, {"1", false, false},
        {"True", true, true},  {"", false, false},
    };
    for (const auto& [text, fallback, value] : switches) {
        EXPECT_EQ(SettingSwitch(text, fallback), value) << '"' << text << '"';
    }
}

} // namespace
