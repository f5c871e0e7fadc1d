// Each control reaches its own rule: once per member of every kind of control.
// The rules themselves are the core tests' business.
#include "PlayerPresses.h"

#include "betting/AnnouncedBets.h"
#include "window/common/Twips.h"

#include <QMouseEvent>

namespace {

struct ButtonCase {
    const char* name;
    AnnouncedBet bet;
};

using enum AnnouncedBet;

// Named after the buttons' captions, not taken from the window's own table.
constexpr ButtonCase kButtons[] = {
    {"cmdTier", Tier},       {"cmdOrphns", Orphns},     {"cmdGrande", Grande}, {"cmdZero", Zero},
    {"cmdNeighb", Neighb},   {"cmdFinals", Finals},     {"cmdFigure", Figure}, {"cmdBirds", Birds},
    {"cmdCousins", Cousins}, {"cmdReds", Reds},         {"cmdBlacks", Blacks}, {"cmdQtr1", Qtr1},
    {"cmdQtr2", Qtr2},       {"cmdQtr3", Qtr3},         {"cmdQtr4", Qtr4},     {"cmdOppos", Oppos},
    {"cmdQtrPlus", QtrPlus}, {"cmdQtrMinus", QtrMinus},
};

struct AreaCase {
    const char* name;
    int spot;
};

constexpr AreaCase kAreas[] = {
    {"imgZero", 0},   {"imgCol1", 145}, {"imgCol2", 146}, {"imgCol3", 147}, {"imgDoz1", 148},
    {"imgDoz2", 149}, {"imgDoz3", 150}, {"imgLow", 151},  {"imgEven", 152}, {"imgRed", 153},
    {"imgBlk", 154},  {"imgOdd", 155},  {"imgHigh", 156},
};

// Straight 17 on the layout picture.
const QPoint kStraight17 = PixelOf(880, 2920);

} // namespace

using WiringTest = AnnouncedTest;

TEST_F(WiringTest,
       EachAnnouncedButtonPlacesItsOwnPatternOfTheTypedTextsAndTheRightPressTakesItOff) {
    BoxLog boxes;
    Type(Cover(), "17");
    Type(EitherSide(), "2");
    for (const ButtonCase& button : kButtons) {
        SCOPED_TRACE(button.name);
        StakesBySpot expected;
        for (const std::int16_t spot :
             AnnouncedSpots(board.state().catalogue, button.bet, "17", "2")) {
            expected[spot] += 5;
        }
        ASSERT_FALSE(expected.empty());
        PressButton(button.name, Qt::LeftButton);
        ExpectStakes(expected);
        PressButton(button.name, Qt::RightButton);
        ExpectStakes({});
    }
    EXPECT_TRUE(boxes.boxes().empty());
    // Typed texts entered with Return are read as they stand and never join the lists.
    const int covers = Cover()->count();
    const int sides = EitherSide()->count();
    Type(Cover(), "3");
    QTest::keyClick(Cover()->lineEdit(), Qt::Key_Return);
    Type(EitherSide(), "0");
    QTest::keyClick(EitherSide()->lineEdit(), Qt::Key_Return);
    PressButton("cmdNeighb", Qt::LeftButton);
    ExpectStakes({{11, 5}}); // straight 3
    EXPECT_EQ(Cover()->count(), covers);
    EXPECT_EQ(EitherSide()->count(), sides);
}

TEST_F(WiringTest, EachOutsideAreaStakesItsSpot) {
    ClickOn("lblTable1");
    for (const AreaCase& area : kAreas) {
        SCOPED_TRACE(area.name);
        ClickOn(area.name);
        ExpectStakes({{area.spot, 5}});
        PressAt(Find(area.name)->geometry().center(), Qt::RightButton);
        ExpectStakes({});
    }
}

// Each stake label lies on its chip, in front of it.
TEST_F(WiringTest, EachChipOnTheLayoutAndItsLabelTakePressesForTheirOwnSpot) {
    ClickOn("lblTable1");
    for (std::int16_t s = 0; s < kSpotCount; ++s) {
        ShowStake(s, 10, 2);
        QWidget* chip = Find(ArrayName("imgChip", s));
        QWidget* label = Find(ArrayName("lblChip", s));
        ASSERT_TRUE(chip->geometry().contains(label->geometry())) << "spot " << s;
        ASSERT_GT(label->y(), chip->y()) << "spot " << s;
        ASSERT_GT(board.children().indexOf(label), board.children().indexOf(chip)) << s;
        QTest::mouseClick(chip, Qt::RightButton);
        ASSERT_EQ(Stake(s), 5) << "chip of spot " << s;
        QTest::mouseClick(label, Qt::LeftButton);
        ASSERT_EQ(Stake(s), 10) << "label of spot " << s;
        ShowStake(s, 0, 2);
    }
}

// Before each choice another chip is chosen, by its picture.
TEST_F(WiringTest, EachChipAndTableChoiceSelectsItselfAndShowsItInBlack) {
    QStringList chips;
    for (int chip = 0; chip < kChipCount; ++chip) {
        chips << QStringLiteral("lblChipColour(%1)").arg(chip);
    }
    const QStringList tables = {"lblTable1", "lblTable2", "lblTable5", "lblTable10"};
    for (const auto& [names, chosen] :
         {std::pair{chips, &GameState::ChipIndex}, std::pair{tables, &GameState::TableIndex}}) {
        for (int i = 0; i < names.size(); ++i) {
            SCOPED_TRACE(names[i].toStdString());
            ClickOn(QStringLiteral("imgChipColour(%1)").arg((i + 3) % kChipCount));
            ClickOn(names[i]);
            ASSERT_EQ(board.state().*chosen, i);
            for (int other = 0; other < names.size(); ++other) {
                EXPECT_EQ(TextColour(Find(names[other])), other == i ? Qt::black : Qt::white);
            }
        }
    }
}

TEST_F(WiringTest, OnlyTheLeftButtonAloneStakesFromTheLayoutPicture) {
    PressAt(kStraight17, Qt::RightButton);
    PressAt(kStraight17, Qt::MiddleButton);
    QWidget* picture = board.childAt(kStraight17);
    ASSERT_EQ(picture->objectName(), "imgBoard");
    const QPoint local = picture->mapFrom(&board, kStraight17);
    QMouseEvent heldRight(QEvent::MouseButtonPress, local, picture->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &heldRight);
    ExpectStakes({});
    PressAt(kStraight17, Qt::LeftButton);
    ExpectStakes({{69, 5}});
    EXPECT_EQ(BetBox(), " 5");
    EXPECT_EQ(BalanceBox(), "-5");
}

TEST_F(WiringTest, EachRefusalIsShownOnceInTheTablesOwnBox) {
    BoxLog boxes;
    ClickOn("lblTable10");
    PressAt(kStraight17, Qt::LeftButton);
    PressButton("cmdTier", Qt::LeftButton);
    ClickOn("lblTable1");
    SelectChip(0);
    ClickOn("imgRed");
    SelectChip(5);
    PressAt(kStraight17, Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 4U);
    ExpectTableMessage(boxes.boxes()[0], "Bets must be in multiples of  10");
    ExpectTableMessage(boxes.boxes()[1], "Bets must be in multiples of  10");
    ExpectTableMessage(boxes.boxes()[2], "Minimum bet allowed is  5");
    ExpectTableMessage(boxes.boxes()[3], "Maximum bet allowed is  25");
    ExpectStakes({});
}
