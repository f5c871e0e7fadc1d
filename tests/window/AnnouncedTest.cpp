// The announced-bet buttons pressed with each mouse button, at the $5 table
// with the $5 chip unless a case says otherwise.
#include "AnnouncedPresses.h"

#include <vector>

namespace {

struct PatternCase {
    const char* what;
    const char* button;
    const char* cover;
    const char* eitherSide;
    Stakes stakes; // after one left press
};

const std::vector<PatternCase> kPatterns = {
    {"Tier", "cmdTier", "", "2", {{27, 5}, {44, 5}, {61, 5}, {94, 5}, {113, 5}, {137, 5}}},
    {"Grande with two chips on the trio and the corner",
     "cmdGrande",
     "",
     "2",
     {{4, 10}, {25, 5}, {53, 5}, {77, 5}, {85, 5}, {110, 10}, {135, 5}}},
    {"Orphns", "cmdOrphns", "", "2", {{7, 5}, {29, 5}, {63, 5}, {75, 5}, {133, 5}}},
    {"Zero", "cmdZero", "", "2", {{5, 5}, {53, 5}, {105, 5}, {135, 5}}},
    {"Neighb of 0, two either side",
     "cmdNeighb",
     "0",
     "2",
     {{0, 5}, {129, 5}, {105, 5}, {59, 5}, {11, 5}}},
    {"Neighb of 26 wraps to the zero", "cmdNeighb", "26", "1", {{105, 5}, {0, 5}, {11, 5}}},
    {"Neighb of a text without a number covers 0",
     "cmdNeighb",
     "abc",
     "2",
     {{0, 5}, {129, 5}, {105, 5}, {59, 5}, {11, 5}}},
    {"Neighb of \" 5\" with none either side", "cmdNeighb", " 5", "0", {{21, 5}}},
    {"Neighb of a cover too large for its width", "cmdNeighb", "99999", "2", {}},
    {"Oppos of 0", "cmdOppos", "0", "2", {{93, 5}, {43, 5}, {21, 5}, {95, 5}}},
    {"Oppos of 26 wraps", "cmdOppos", "26", "2", {{33, 5}, {93, 5}, {43, 5}, {21, 5}}},
    {"Qtr + of 0", "cmdQtrPlus", "0", "2", {{69, 5}, {139, 5}, {23, 5}, {107, 5}}},
    {"Qtr - of 0", "cmdQtrMinus", "0", "2", {{127, 5}, {35, 5}, {91, 5}, {71, 5}}},
    {"Finals of 47", "cmdFinals", "47", "2", {{31, 5}, {69, 5}, {107, 5}}},
    {"Finals of 0", "cmdFinals", "0", "2", {{0, 5}, {43, 5}, {81, 5}, {119, 5}}},
    {"Finals of 99999, read at 32 bits", "cmdFinals", "99999", "2", {{35, 5}, {79, 5}, {117, 5}}},
    {"Finals of -40000 leaves no negative remainder",
     "cmdFinals",
     "-40000",
     "2",
     {{0, 5}, {43, 5}, {81, 5}, {119, 5}}},
    {"Finals of -3", "cmdFinals", "-3", "2", {}},
    {"Figure of 28", "cmdFigure", "28", "2", {{7, 5}, {43, 5}, {79, 5}, {115, 5}}},
    {"Figure of 37", "cmdFigure", "37", "2", {}},
};

} // namespace

TEST_F(AnnouncedTest, LeftPressPlacesThePatternAndRightPressTakesItOff) {
    for (const PatternCase& c : kPatterns) {
        SCOPED_TRACE(c.what);
        Type(Cover(), c.cover);
        Type(EitherSide(), c.eitherSide);
        BoxLog boxes;
        PressButton(c.button, Qt::LeftButton);
        ExpectStakes(c.stakes);
        PressButton(c.button, Qt::RightButton);
        ExpectStakes({});
        EXPECT_EQ(board.state().Balance, 0);
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_EQ(Cover()->currentText(), c.cover); // the press leaves the texts alone
        EXPECT_EQ(EitherSide()->currentText(), c.eitherSide);
    }
}

TEST_F(AnnouncedTest, StakesOnTheLayoutFollowEachPress) {
    PressButton("cmdZero", Qt::LeftButton);
    PressButton("cmdGrande", Qt::LeftButton); // 53 and 135 shared
    EXPECT_EQ(Stake(53), 10);
    EXPECT_EQ(Stake(135), 10);
    EXPECT_EQ(Find<QLabel>("lblChip(53)")->text(), "10");
    EXPECT_TRUE(Find("imgChip(4)")->isVisible());
    EXPECT_EQ(BetBox(), " 65");
    EXPECT_EQ(BalanceBox(), "-65");
    PressButton("cmdGrande", Qt::RightButton);
    EXPECT_FALSE(Find("imgChip(4)")->isVisible());
    EXPECT_FALSE(Find("lblChip(110)")->isVisible());
    EXPECT_EQ(Find<QLabel>("lblChip(53)")->text(), "5");
    EXPECT_EQ(BetBox(), " 20");
    EXPECT_EQ(BalanceBox(), "-20");
}

TEST_F(AnnouncedTest, RightPressOnAnEmptyLayoutStakesNothingQuietly) {
    BoxLog boxes;
    for (const char* name : {"cmdTier", "cmdGrande", "cmdQtr1", "cmdBirds"}) {
        PressButton(name, Qt::RightButton);
    }
    ExpectStakes({});
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(BetBox(), " 0");
    EXPECT_EQ(BalanceBox(), " 0");
}

// Spot 61 (split 13/16) already at the $5 table's split maximum of 200.
TEST_F(AnnouncedTest, RefusedChipEndsThePressOnceAndLeavesTheButtonUp) {
    SelectChip(5);
    PressAtTwips(200, 2620, Qt::LeftButton);
    PressAtTwips(200, 2620, Qt::LeftButton); // on the chip now
    ASSERT_EQ(Stake(61), 200);
    SelectChip(2);
    auto* tier = Find<QPushButton>("cmdTier");
    BoxLog boxes;
    QTest::mousePress(tier, Qt::LeftButton);
    EXPECT_FALSE(tier->isDown()); // the box took the release the button waited for
    QTest::mouseRelease(tier, Qt::LeftButton);
    EXPECT_FALSE(tier->isDown());
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes().front(), "Maximum bet allowed is  200");
    ExpectStakes({{27, 5}, {44, 5}, {61, 200}});
    EXPECT_TRUE(Find("imgChip(44)")->isVisible());
    EXPECT_EQ(BetBox(), " 210");

    boxes.clear();
    PressButton("cmdZero", Qt::LeftButton);
    PressButton("cmdTier", Qt::RightButton);
    EXPECT_TRUE(boxes.boxes().empty());
    ExpectStakes({{5, 5}, {53, 5}, {105, 5}, {135, 5}, {61, 195}});
}

TEST_F(AnnouncedTest, RefusedFirstChipLeavesTheTableAsItWas) {
    ClickOn("lblTable10"); // the $5 chip is off this table's multiple
    BoxLog boxes;
    PressButton("cmdGrande", Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes().front(), "Bets must be in multiples of  10");
    ExpectStakes({});
    EXPECT_EQ(BetBox(), ""); // never written by a refusal
    EXPECT_EQ(BalanceBox(), "");
}

TEST_F(AnnouncedTest, MiddlePressRetestsWithoutChangingStakes) {
    PressButton("cmdTier", Qt::LeftButton);
    const Stakes tier = {{27, 5}, {44, 5}, {61, 5}, {94, 5}, {113, 5}, {137, 5}};
    SelectChip(0);
    BoxLog boxes;
    PressButton("cmdTier", Qt::MiddleButton);
    ExpectStakes(tier);
    EXPECT_TRUE(boxes.boxes().empty());
    for (const int spot : {27, 137}) { // every chip redrawn in the chip now in hand
        EXPECT_EQ(TextColour(Find(QStringLiteral("lblChip(%1)").arg(spot))), QColor(Qt::black));
    }

    ClickOn("lblTable10");
    PressButton("cmdTier", Qt::MiddleButton);
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes().front(), "Bets must be in multiples of  10");
    ExpectStakes(tier);
    EXPECT_EQ(BetBox(), " 30");
    EXPECT_EQ(BalanceBox(), "-30");
}
