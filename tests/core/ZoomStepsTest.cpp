#include "table/ZoomSteps.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

// From, next, previous: the end steps stay, a size between two steps goes to either.
TEST(ZoomSteps, StepToTheNeighbouringStep) {
    const std::vector<std::array<int, 3>> steps = {
        {100, 125, 100}, {125, 150, 100}, {175, 200, 150}, {200, 250, 175}, {250, 300, 200},
        {300, 300, 250}, {110, 125, 100}, {260, 300, 250}, {50, 100, 100},  {400, 300, 300}};
    for (const auto& [from, next, previous] : steps) {
        EXPECT_EQ(NextZoomStep(from), next) << from;
        EXPECT_EQ(PreviousZoomStep(from), previous) << from;
    }
}

TEST(ZoomSteps, OnlyAStepWrittenPlainlyIsRead) {
    const std::vector<std::pair<const char*, int>> texts = {{"150", 150},
                                                            {"300", 300},
                                                            {"100", 100},
                                                            {"", 100},
                                                            {"garbage", 100},
                                                            {"110", 100},
                                                            {"1.5", 100},
                                                            {"150%", 100},
                                                            {" 150", 100},
                                                            {"+150", 100},
                                                            {"-150", 100},
                                                            {"0", 100},
                                                            {"99999999999999999999", 100}};
    for (const auto& [text, step] : texts) {
        EXPECT_EQ(ParseZoom(text), step) << '"' << text << '"';
    }
    for (const int step : kZoomSteps) {
        EXPECT_EQ(ParseZoom(ZoomText(step)), step) << "every step reads back as itself";
    }
}

} // namespace
