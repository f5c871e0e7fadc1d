#include "table/ZoomSteps.h"

#include <gtest/gtest.h>

namespace {

struct StepCase {
    int from, next, previous;
};

class ZoomStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(ZoomStepTest, StepsToTheNeighbouringStep) {
    const StepCase& c = GetParam();
    EXPECT_EQ(NextZoomStep(c.from), c.next) << c.from;
    EXPECT_EQ(PreviousZoomStep(c.from), c.previous) << c.from;
}

INSTANTIATE_TEST_SUITE_P(Rows, ZoomStepTest,
                         ::testing::Values(StepCase{100, 125, 100}, // the first step stays
                                           StepCase{125, 150, 100}, StepCase{175, 200, 150},
                                           StepCase{200, 250, 175}, StepCase{250, 300, 200},
                                           StepCase{300, 300, 250}, // the last step stays
                                           StepCase{110, 125, 100}, // between two steps
                                           StepCase{260, 300, 250}, StepCase{50, 100, 100},
                                           StepCase{400, 300, 300}));

struct ParseCase {
    const char* text;
    int expected;
};

class ParseZoomTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseZoomTest, ReadsOnlyAStepWrittenPlainly) {
    EXPECT_EQ(ParseZoom(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseZoomTest,
                         ::testing::Values(ParseCase{"150", 150}, ParseCase{"300", 300},
                                           ParseCase{"100", 100}, ParseCase{"", 100},
                                           ParseCase{"garbage", 100}, ParseCase{"110", 100},
                                           ParseCase{"1.5", 100}, ParseCase{"150%", 100},
                                           ParseCase{" 150", 100}, ParseCase{"+150", 100},
                                           ParseCase{"-150", 100}, ParseCase{"0", 100},
                                           ParseCase{"99999999999999999999", 100}));

TEST(ZoomText, EveryStepReadsBackAsItself) {
    for (const int step : kZoomSteps) {
        EXPECT_EQ(ParseZoom(ZoomText(step)), step);
    }
}

} // namespace
