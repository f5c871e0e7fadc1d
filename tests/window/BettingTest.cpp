// Betting by hand: presses on the layout, the outside areas and the chips
// lying on them, each reaching its control through the window's stacking.
#include "PlayerPresses.h"

#include "window/Picture.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <optional>
#include <vector>

namespace {

// The one spot a press changed, if any.
std::optional<int> ChangedSpot(const GameState& before, const GameState& after) {
    std::optional<int> changed;
    for (int s = 0; s < kSpotCount; ++s) {
        if (before.SpotStake.at(s) != after.SpotStake.at(s)) {
            EXPECT_FALSE(changed) << "a second spot changed: " << s;
            changed = s;
        }
    }
    return changed;
}

struct LayoutCase {
    const char* what;
    int x, y; // twips of the window, the layout picture lying at its origin
    const char* control;
    std::optional<int> spot;
};

const std::vector<LayoutCase> kLayoutCases = {
    {"straight 1", 330, 700, "imgBoard", 7},
    {"straight 2", 930, 700, "imgBoard", 9},
    {"split 1/2", 630, 700, "imgBoard", 8},
    {"corner 1/2/4/5", 630, 900, "imgBoard", 14},
    {"street 1/2/3", 1800, 700, "imgBoard", 12},
    {"six-line 1 to 6", 1800, 900, "imgBoard", 18},
    {"first four, left of the button over its corner", 1725, 405, "imgBoard", 6},
    {"split 0/1 at the left edge", 0, 400, "imgBoard", 1},
    {"split 0/1 up to X 479", 479, 400, "imgBoard", 1},
    {"trio 0/1/2 from X 480", 480, 400, "imgBoard", 2},
    {"split 0/1 at the top bound, left of the zero area", 60, 345, "imgBoard", 1},
    {"street 34/35/36 at the bottom bound", 1900, 5744, "imgBoard", 144},
    {"straight 34", 100, 5600, "imgBoard", 139},
    {"right of the grid", 2000, 2250, "imgBoard", std::nullopt},
    {"above the grid", 60, 344, "imgBoard", std::nullopt},
    {"below the grid", 700, 5745, "imgBoard", std::nullopt},
    {"the zero area over the grid's top strip", 600, 360, "imgZero", 0},
    {"the zero area's right end over the strip", 1680, 360, "imgZero", 0},
    {"a dozen area over the grid's right strip", 1935, 1000, "imgDoz1", 148},
};

} // namespace

// At the $1 table, where the $5 chip starts a stake on every spot.
TEST_F(PlayerTest, LeftPressesOnTheLayoutStakeTheSpotUnderThePointer) {
    ClickOn("lblTable1");
    BoxLog boxes;
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.what);
        ClearLayout();
        EXPECT_EQ(NameAt(PixelOf(c.x, c.y)), c.control);
        const GameState before = board.state();
        PressAtTwips(c.x, c.y, Qt::LeftButton);
        const std::optional<int> changed = ChangedSpot(before, board.state());
        EXPECT_EQ(changed, c.spot);
        if (changed) {
            EXPECT_EQ(Stake(*changed), 5);
        }
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PlayerTest, FirstFourCornerUnderTheCousinButtonIsTheButtons) {
    EXPECT_EQ(NameAt(PixelOf(1800, 400)), "cmdCousins");
}

// A scaled screen gives fractional pixels; the twip is the one the pointer lies in.
TEST_F(PlayerTest, PointerBetweenPixelsIsBroughtDownToItsWholeTwip) {
    QWidget* layout = Find("imgBoard");
    const auto pressAt = [layout](QPointF twips) {
        const QPointF local = twips / 15.0;
        QMouseEvent press(QEvent::MouseButtonPress, local, layout->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(layout, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, layout->mapToGlobal(local),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(layout, &release);
    };
    pressAt({479.9, 400.0}); // still twip 479: split 0/1
    EXPECT_EQ(Stake(1), 5);
    EXPECT_EQ(Stake(2), 0);
    pressAt({480.0, 400.0});
    EXPECT_EQ(Stake(2), 5);
    pressAt({1950.9, 400.0}); // twip 1950 is the last of the grid
    EXPECT_EQ(Stake(6), 5);
    pressAt({300.0, 344.9}); // twip 344 is above it
    EXPECT_EQ(board.state().BetTotal, 15);
}

namespace {

struct AreaCase {
    const char* name;
    int spot;
    int left, top, width, height;
};

// The thirteen outside areas, in twips of the window.
const std::vector<AreaCase> kAreas = {
    {"imgZero", 0, 120, 0, 1575, 375},       {"imgCol1", 145, 0, 5880, 585, 375},
    {"imgCol2", 146, 600, 5880, 585, 375},   {"imgCol3", 147, 1200, 5880, 585, 375},
    {"imgDoz1", 148, 1920, 600, 390, 1560},  {"imgDoz2", 149, 1920, 2400, 390, 1560},
    {"imgDoz3", 150, 1920, 4200, 390, 1560}, {"imgLow", 151, 2520, 525, 375, 750},
    {"imgEven", 152, 2520, 1440, 375, 750},  {"imgRed", 153, 2520, 2320, 375, 735},
    {"imgBlk", 154, 2520, 3240, 375, 735},   {"imgOdd", 155, 2520, 4125, 375, 750},
    {"imgHigh", 156, 2520, 5040, 375, 750},
};

} // namespace

TEST_F(PlayerTest, OutsideAreasTakeEveryButtonForTheirSpot) {
    ClickOn("lblTable1"); // outside minimum 5: the $5 chip starts a stake
    for (const AreaCase& a : kAreas) {
        SCOPED_TRACE(a.name);
        const int x = a.left + a.width / 2;
        const int y = a.top + a.height / 2;
        ASSERT_EQ(NameAt(PixelOf(x, y)), a.name);
        PressAtTwips(x, y, Qt::LeftButton);
        EXPECT_EQ(Stake(a.spot), 5);
        EXPECT_TRUE(Find(QStringLiteral("imgChip(%1)").arg(a.spot))->isVisible());
        EXPECT_EQ(Find<QLabel>(QStringLiteral("lblChip(%1)").arg(a.spot))->text(), "5");
        // The chip itself, lying in front, takes the next presses.
        const QPoint chipCentre =
            Find(QStringLiteral("imgChip(%1)").arg(a.spot))->geometry().center();
        PressAt(chipCentre, Qt::MiddleButton);
        EXPECT_EQ(Stake(a.spot), 5);
        PressAt(chipCentre, Qt::RightButton);
        EXPECT_EQ(Stake(a.spot), 0);
        // A right press on the bare area, nothing lying there, changes nothing.
        PressAtTwips(x, y, Qt::RightButton);
        EXPECT_EQ(Stake(a.spot), 0);
    }
    EXPECT_EQ(BetBox(), " 0");
    EXPECT_EQ(BalanceBox(), " 0");
}

TEST_F(PlayerTest, FirstStakeShowsItsChipLabelAndBothTotals) {
    EXPECT_EQ(BetBox(), "");
    EXPECT_EQ(BalanceBox(), "");
    PressAtTwips(330, 700, Qt::LeftButton);
    auto* chip = Find<Picture>("imgChip(7)");
    auto* label = Find<QLabel>("lblChip(7)");
    EXPECT_TRUE(chip->isVisible());
    EXPECT_EQ(chip->artwork(), (ArtworkId{ArtworkKind::Chip, 2}));
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "5");
    EXPECT_EQ(TextColour(label), QColor(Qt::white));
    EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 8); // 6 pt
    EXPECT_EQ(BetBox(), " 5");
    EXPECT_EQ(BalanceBox(), "-5");
    const QString now = NameAt(PixelOf(330, 700));
    EXPECT_TRUE(now == "imgChip(7)" || now == "lblChip(7)") << now.toStdString();
}

TEST_F(PlayerTest, RightPressOnAChipOrItsLabelTakesTheChipValueOff) {
    PressAtTwips(330, 700, Qt::LeftButton);
    PressAtTwips(330, 700, Qt::LeftButton); // lands on the chip: 10
    ASSERT_EQ(Stake(7), 10);
    const QPoint corner = Find("imgChip(7)")->geometry().topLeft();
    const QPoint onPicture = corner + QPoint(1, 1);
    const QPoint onLabel = Find("lblChip(7)")->geometry().center();
    ASSERT_EQ(NameAt(onPicture), "imgChip(7)");
    ASSERT_EQ(NameAt(onLabel), "lblChip(7)");
    PressAt(onPicture, Qt::RightButton);
    EXPECT_EQ(Stake(7), 5);
    EXPECT_EQ(Find<QLabel>("lblChip(7)")->text(), "5");
    PressAt(onLabel, Qt::RightButton);
    EXPECT_EQ(Stake(7), 0);
    EXPECT_FALSE(Find("imgChip(7)")->isVisible());
    EXPECT_FALSE(Find("lblChip(7)")->isVisible());
    EXPECT_EQ(BetBox(), " 0");
    EXPECT_EQ(BalanceBox(), " 0");
    EXPECT_EQ(NameAt(onPicture), "imgBoard");
}

TEST_F(PlayerTest, RightOrMiddlePressOnTheLayoutPictureDoesNothing) {
    BoxLog boxes;
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        EXPECT_EQ(PressAtTwips(330, 700, button)->objectName(), "imgBoard");
    }
    EXPECT_EQ(board.state().BetTotal, 0);
    EXPECT_EQ(Stake(7), 0);
    EXPECT_EQ(BetBox(), ""); // not even rewritten
    EXPECT_EQ(BalanceBox(), "");
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PlayerTest, MiddlePressOnAChipRetestsItAgainstTheCurrentTable) {
    PressAtTwips(330, 700, Qt::LeftButton);
    const QPoint onChip = Find("imgChip(7)")->geometry().center();
    SelectChip(0); // re-drawn with the chip now in hand, stake unchanged
    PressAt(onChip, Qt::MiddleButton);
    EXPECT_EQ(Stake(7), 5);
    EXPECT_EQ(Find<Picture>("imgChip(7)")->artwork(), (ArtworkId{ArtworkKind::Chip, 0}));
    EXPECT_EQ(TextColour(Find("lblChip(7)")), QColor(Qt::black));
    EXPECT_EQ(BetBox(), " 5");

    ClickOn("lblTable10");
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    PressAt(onChip, Qt::MiddleButton);
    ExpectTableMessage(seen, "Bets must be in multiples of  10");
    EXPECT_EQ(Stake(7), 5);
    EXPECT_FALSE(board.state().BetAccepted);
    EXPECT_EQ(BetBox(), " 5");
    EXPECT_EQ(BalanceBox(), "-5");
}

namespace {

// Each case on a spot the earlier ones left empty.
struct RefusalCase {
    const char* what;
    const char* table;
    std::vector<int> acceptedChips; // pressed first, each accepted
    int refusedChip;
    int x, y; // twips of the window
    const char* text;
};

const std::vector<RefusalCase> kRefusals = {
    {"$1 chip off the $5 table's multiple",
     "lblTable5",
     {},
     0,
     330,
     700,
     "Bets must be in multiples of  5"},
    {"$5 chip on red below the $5 table's outside minimum",
     "lblTable5",
     {},
     2,
     2700,
     2680,
     "Minimum bet allowed is  10"},
    {"straight built to 100 at the $5 table",
     "lblTable5",
     {5},
     2,
     330,
     700,
     "Maximum bet allowed is  100"},
    {"$1 chip on red at the $1 table", "lblTable1", {}, 0, 2700, 2680, "Minimum bet allowed is  5"},
    {"straight of 25 at the $1 table", "lblTable1", {4}, 0, 930, 700, "Maximum bet allowed is  25"},
    {"$25 chip on an outside spot at the $10 table",
     "lblTable10",
     {},
     4,
     2700,
     3600,
     "Bets must be in multiples of  10"},
    {"$10 chip on black at the $10 table",
     "lblTable10",
     {},
     3,
     2700,
     3600,
     "Minimum bet allowed is  50"},
};

} // namespace

TEST_F(PlayerTest, RefusedChipShowsItsMessageAndChangesNothing) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.what);
        ClickOn(c.table);
        for (const int chip : c.acceptedChips) {
            SelectChip(chip);
            PressAtTwips(c.x, c.y, Qt::LeftButton);
        }
        SelectChip(c.refusedChip);
        const GameState before = board.state();
        const QString bet = BetBox();
        const QString balance = BalanceBox();
        SeenBox seen;
        AnswerNextBox(seen, QMessageBox::Ok);
        PressAtTwips(c.x, c.y, Qt::LeftButton);
        ExpectTableMessage(seen, c.text);
        EXPECT_FALSE(board.state().BetAccepted);
        EXPECT_EQ(board.state().SpotStake, before.SpotStake);
        EXPECT_EQ(board.state().Balance, before.Balance);
        EXPECT_EQ(board.state().BetTotal, before.BetTotal);
        EXPECT_EQ(BetBox(), bet);
        EXPECT_EQ(BalanceBox(), balance);
    }
}
