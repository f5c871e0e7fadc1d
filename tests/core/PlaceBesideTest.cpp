#include "table/ScreenPlace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BesideCase {
    const char* name;
    ScreenRect table;
    ScreenRect window; // the asked top and the size
    std::vector<ScreenRect> screens;
    ScreenRect expected;
};

const ScreenRect kScreen{0, 0, 1920, 1040};

class PlaceBesideTest : public ::testing::TestWithParam<BesideCase> {};

TEST_P(PlaceBesideTest, OpensWhollyOnTheTablesScreen) {
    const BesideCase& c = GetParam();
    EXPECT_EQ(PlaceBeside(c.table, c.window, 7, c.screens), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlaceBesideTest,
                         ::testing::Values(BesideCase{"RightWhenItFits",
                                                      {10, 10, 640, 480},
                                                      {0, 10, 400, 300},
                                                      {kScreen},
                                                      {657, 10, 400, 300}},
                                           BesideCase{"RightToTheLastPixel",
                                                      {10, 10, 640, 480},
                                                      {0, 10, 1263, 300},
                                                      {kScreen},
                                                      {657, 10, 1263, 300}},
                                           BesideCase{"LeftWhenTheRightIsFull",
                                                      {1000, 10, 700, 480},
                                                      {0, 10, 400, 300},
                                                      {kScreen},
                                                      {593, 10, 400, 300}},
                                           BesideCase{"AgainstTheRightEdgeWhenNeitherFits",
                                                      {10, 10, 1500, 900},
                                                      {0, 10, 500, 300},
                                                      {kScreen},
                                                      {1420, 10, 500, 300}},
                                           BesideCase{"TopBroughtUpOntoTheScreen",
                                                      {10, 500, 640, 480},
                                                      {0, 900, 400, 300},
                                                      {kScreen},
                                                      {657, 740, 400, 300}},
                                           BesideCase{"TallerThanTheScreenKeepsItsTopOnIt",
                                                      {10, 10, 640, 480},
                                                      {0, 10, 400, 2000},
                                                      {kScreen},
                                                      {657, 0, 400, 2000}},
                                           BesideCase{"WiderThanTheScreenKeepsItsLeftOnIt",
                                                      {10, 10, 640, 480},
                                                      {0, 10, 2500, 300},
                                                      {kScreen},
                                                      {0, 10, 2500, 300}},
                                           BesideCase{"OnTheSecondScreenWhereTheTableIs",
                                                      {2000, 10, 640, 480},
                                                      {0, 10, 400, 300},
                                                      {kScreen, {1920, 0, 1280, 1024}},
                                                      {2647, 10, 400, 300}},
                                           BesideCase{"SecondScreenFullOpensOnItsLeft",
                                                      {2700, 10, 480, 480},
                                                      {0, 10, 400, 300},
                                                      {kScreen, {1920, 0, 1280, 1024}},
                                                      {2293, 10, 400, 300}},
                                           BesideCase{"NoScreensRightOfTheTable",
                                                      {10, 10, 640, 480},
                                                      {0, 10, 400, 300},
                                                      {},
                                                      {657, 10, 400, 300}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
