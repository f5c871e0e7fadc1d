// Every spot reachable by hand, the chip and table selectors, and presses that
// must never open a menu.
#include "PlayerPresses.h"

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QTimer>

#include <map>

namespace {

// Where the start-up puts a spot's chip, in twips of the window.
QPoint ChipPlace(int s) {
    if (s == 0) {
        return {780, 120};
    }
    if (s <= 144) {
        const int row = (s + 5) / 6; // s / 6 rounded up
        return {((s - 1) % 6) * 300 + 180, row * 225 + 120};
    }
    if (s <= 147) {
        return {(s - 145) * 600 + 180, 5970};
    }
    if (s <= 150) {
        return {1980, ((s - 148) * 8 + 5) * 225 + 120};
    }
    return {2580, ((s - 151) * 4 + 3) * 225 + 120};
}

const std::map<int, QString> kAreaOfSpot = {
    {0, "imgZero"},   {145, "imgCol1"}, {146, "imgCol2"}, {147, "imgCol3"}, {148, "imgDoz1"},
    {149, "imgDoz2"}, {150, "imgDoz3"}, {151, "imgLow"},  {152, "imgEven"}, {153, "imgRed"},
    {154, "imgBlk"},  {155, "imgOdd"},  {156, "imgHigh"},
};

// True if a popup (a context menu) opened for this right press.
bool MenuOpensOnRightPress(QWidget* target, QPoint local) {
    bool opened = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    watch.start();
    QTest::mousePress(target, Qt::RightButton, Qt::NoModifier, local);
    QContextMenuEvent request(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &request);
    QTest::mouseRelease(target, Qt::RightButton, Qt::NoModifier, local);
    QApplication::processEvents();
    if (QWidget* popup = QApplication::activePopupWidget()) {
        opened = true;
        popup->close();
    }
    return opened;
}

} // namespace

// At the $1 table the $5 chip is within every spot's limits.
TEST_F(PlayerTest, EverySpotTakesAChipWhereItsChipIsShown) {
    ClickOn("lblTable1");
    for (int s = 0; s < kSpotCount; ++s) {
        SCOPED_TRACE(s);
        const QPoint place = ChipPlace(s);
        const QPoint inside = PixelOf(place.x(), place.y()) + QPoint(2, 2);
        const auto area = kAreaOfSpot.find(s);
        EXPECT_EQ(NameAt(inside), area == kAreaOfSpot.end() ? "imgBoard" : area->second);
        PressAt(inside, Qt::LeftButton);
        EXPECT_EQ(Stake(s), 5);
        EXPECT_EQ(board.state().BetTotal, 5 * (s + 1));
        const QString now = NameAt(inside);
        EXPECT_TRUE(now == QStringLiteral("imgChip(%1)").arg(s) ||
                    now == QStringLiteral("lblChip(%1)").arg(s))
            << now.toStdString();
    }
    EXPECT_EQ(board.state().BetTotal, 785);
    EXPECT_EQ(BetBox(), " 785");
    EXPECT_EQ(BalanceBox(), "-785");
}

TEST_F(PlayerTest, ChipPictureOrCaptionSelectsThatChip) {
    const auto expectSelected = [this](int chip) {
        EXPECT_EQ(board.state().ChipIndex, chip);
        for (int i = 0; i < kChipCount; ++i) {
            EXPECT_EQ(TextColour(Find(QStringLiteral("lblChipColour(%1)").arg(i))),
                      QColor(i == chip ? Qt::black : Qt::white))
                << "caption " << i << " with chip " << chip << " selected";
        }
    };
    for (int i = 0; i < kChipCount; ++i) {
        ClickOn(QStringLiteral("imgChipColour(%1)").arg(i));
        expectSelected(i);
        const int other = (i + 5) % kChipCount;
        ClickOn(QStringLiteral("lblChipColour(%1)").arg(other));
        expectSelected(other);
        ClickOn(QStringLiteral("lblChipColour(%1)").arg(other)); // again: still selected
        expectSelected(other);
    }
}

TEST_F(PlayerTest, StakeOfAThousandIsLabelledSmaller) {
    ClickOn("lblTable10");
    SelectChip(7);
    PressAtTwips(2700, 1800, Qt::LeftButton); // even
    auto* label = Find<QLabel>("lblChip(152)");
    EXPECT_EQ(label->text(), "1000");
    EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 7); // 5 pt
    EXPECT_EQ(TextColour(label), QColor(Qt::black));
    SelectChip(5);
    PressAt(label->geometry().center(), Qt::LeftButton);
    EXPECT_EQ(label->text(), "1100");
    EXPECT_EQ(TextColour(label), QColor(Qt::white));
    EXPECT_EQ(BetBox(), " 1100");
    EXPECT_EQ(BalanceBox(), "-1100");
}

namespace {

struct TableCase {
    const char* label;
    int index;
};
const std::vector<TableCase> kTables = {
    {"lblTable1", 0}, {"lblTable2", 1}, {"lblTable5", 2}, {"lblTable10", 3}};

} // namespace

TEST_F(PlayerTest, TableCaptionSelectsItsTable) {
    for (const TableCase& picked : kTables) {
        for (int twice = 0; twice < 2; ++twice) {
            ClickOn(picked.label);
            EXPECT_EQ(board.state().TableIndex, picked.index);
            for (const TableCase& t : kTables) {
                EXPECT_EQ(TextColour(Find(t.label)),
                          QColor(t.label == picked.label ? Qt::black : Qt::white))
                    << t.label << " with " << picked.label << " selected";
            }
        }
    }
}

TEST_F(PlayerTest, NewTableLimitsApplyFromTheNextChipOn) {
    SelectChip(0);
    ClickOn("lblTable1");
    PressAtTwips(330, 700, Qt::LeftButton);
    ASSERT_EQ(Stake(7), 1);
    ClickOn("lblTable2");
    EXPECT_EQ(Stake(7), 1); // below the new minimum, yet left as it is
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    PressAtTwips(930, 700, Qt::LeftButton);
    ExpectTableMessage(seen, "Minimum bet allowed is  2");
    EXPECT_EQ(Stake(9), 0);
    PressAt(Find("imgChip(7)")->geometry().center(), Qt::LeftButton);
    EXPECT_EQ(Stake(7), 2);
    PressAt(Find("imgChip(7)")->geometry().center(), Qt::LeftButton);
    EXPECT_EQ(Stake(7), 3); // the multiple is 1 here
    EXPECT_EQ(BetBox(), " 3");
}

TEST_F(PlayerTest, RightPressOpensNoMenuAnywhereOnTheTable) {
    ClickOn("lblTable1");
    PressAtTwips(330, 700, Qt::LeftButton);
    BoxLog boxes;
    for (const char* name : {"imgChip(7)", "lblChip(7)", "imgBoard", "imgRed", "imgZero",
                             "lblChipColour(2)", "imgChipColour(2)", "lblTable5", "cmdTier"}) {
        SCOPED_TRACE(name);
        QWidget* target = Find(name);
        ASSERT_NE(target, nullptr);
        const QPoint local = name == QString("imgChip(7)") ? QPoint(1, 1) : target->rect().center();
        EXPECT_FALSE(MenuOpensOnRightPress(target, local));
    }
    EXPECT_TRUE(boxes.boxes().empty());
}
