// Pictures and captions report presses and clicks with the button and place.
#include "BoardFixture.h"

#include "window/ClickLabel.h"
#include "window/Picture.h"

#include <QSignalSpy>
#include <QTest>

TEST_F(BoardTest, PressOnTheLayoutReportsButtonAndPosition) {
    auto* layout = Find<Picture>("imgBoard");
    QSignalSpy spy(layout, &Picture::pressed);
    QTest::mousePress(layout, Qt::RightButton, Qt::NoModifier, QPoint(50, 70));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(spy.at(0).at(2).toPoint(), QPoint(50, 70));
    QTest::mouseRelease(layout, Qt::RightButton, Qt::NoModifier, QPoint(50, 70));
}

TEST_F(BoardTest, ClickOnATableCaptionIsReported) {
    auto* caption = Find<ClickLabel>("lblTable10");
    ASSERT_NE(caption, nullptr);
    QSignalSpy clicks(caption, &ClickLabel::clicked);
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(BoardTest, ReleaseOutsideIsNoClick) {
    auto* chip = Find<Picture>("imgChipColour(4)");
    QSignalSpy presses(chip, &Picture::pressed);
    QSignalSpy clicks(chip, &Picture::clicked);
    QTest::mousePress(chip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(chip, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(BoardTest, BareClickAreaTakesPressesOverTheLayout) {
    auto* red = Find<Picture>("imgRed");
    QSignalSpy spy(red, &Picture::pressed);
    QTest::mousePress(red, Qt::RightButton); // nothing to take off: no message
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseRelease(red, Qt::RightButton);
}

TEST_F(BoardTest, RightOrMiddleClickOnAChoiceSelectsNothing) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(Find("imgChipColour(7)"), button);
        QTest::mouseClick(Find("lblChipColour(0)"), button);
        QTest::mouseClick(Find("lblTable10"), button);
    }
    EXPECT_EQ(board.state().ChipIndex, 2);
    EXPECT_EQ(board.state().TableIndex, 2);
}
