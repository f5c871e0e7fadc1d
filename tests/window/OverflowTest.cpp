// Money that would wrap its 32 bits is reported, and the layout shows what was done.
#include "PlayerPresses.h"

#include <limits>

using OverflowTest = PlayerTest;

// The chips placed before the overflow stay, and the layout must show them.
TEST_F(OverflowTest, AnAnnouncedPressCutShortShowsTheChipsItPlaced) {
    BoxLog boxes;
    board.stateForTest().Balance =
        std::numeric_limits<std::int32_t>::min() + 12; // room for two chips of 5
    QTest::mouseClick(Find("cmdTier"), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1U);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith("Internal error"));
    EXPECT_TRUE(boxes.boxes()[0].text.endsWith("The press stopped there."));
    EXPECT_EQ(Stake(27) + Stake(44) + Stake(61), 10);
    EXPECT_TRUE(Find("imgChip(27)")->isVisible());
    EXPECT_TRUE(Find("lblChip(44)")->isVisible());
    EXPECT_FALSE(Find("imgChip(61)")->isVisible());
    EXPECT_EQ(BetBox(), " 10");
    EXPECT_FALSE(Find<QPushButton>("cmdTier")->isDown());
}
