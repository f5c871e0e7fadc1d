// Which control a press reaches, and what is drawn in front of what.
#include "BoardFixture.h"

#include <vector>

namespace {

struct Area {
    const char* name;
    int left, top, width, height; // twips
};

const std::vector<Area> kOutsideAreas = {
    {"imgZero", 120, 0, 1575, 375},     {"imgDoz1", 1920, 600, 390, 1560},
    {"imgDoz2", 1920, 2400, 390, 1560}, {"imgDoz3", 1920, 4200, 390, 1560},
    {"imgLow", 2520, 525, 375, 750},    {"imgEven", 2520, 1440, 375, 750},
    {"imgRed", 2520, 2320, 375, 735},   {"imgBlk", 2520, 3240, 375, 735},
    {"imgOdd", 2520, 4125, 375, 750},   {"imgHigh", 2520, 5040, 375, 750},
    {"imgCol1", 0, 5880, 585, 375},     {"imgCol2", 600, 5880, 585, 375},
    {"imgCol3", 1200, 5880, 585, 375},
};

QPoint Centre(const Area& a) {
    return PxRect(a.left, a.top, a.width, a.height).center();
}

// Spots across the layout, with the chip's top-left in twips.
struct SpotPlace {
    std::int16_t spot;
    int left, top;
};
const std::vector<SpotPlace> kSpots = {
    {0, 780, 120},     {1, 180, 345},     {6, 1680, 345},    {7, 180, 570},     {14, 480, 795},
    {144, 1680, 5520}, {145, 180, 5970},  {147, 1380, 5970}, {148, 1980, 1245}, {150, 1980, 4845},
    {151, 2580, 795},  {153, 2580, 2595}, {154, 2580, 3495}, {156, 2580, 5295},
};

// Front first, as the layout stacks them where they overlap.
const std::vector<const char*> kFrontToBack = {
    "Label5",    "Label4",      "lblChips",    "Label3",     "Label2",   "Label1",
    "lblTable1", "lblTable2",   "lblTable5",   "lblTable10", "lblTable", "shpBall",
    "imgWheel",  "lblChip(40)", "imgChip(40)", "imgZero",    "imgLow",   "imgOdd",
    "imgHigh",   "imgBlk",      "imgRed",      "imgEven",    "imgCol3",  "imgCol2",
    "imgCol1",   "imgDoz3",     "imgDoz1",     "imgDoz2",    "imgBoard",
};

} // namespace

TEST_F(BoardTest, PressOnEachOutsideAreaReachesThatArea) {
    for (const Area& a : kOutsideAreas) {
        SCOPED_TRACE(a.name);
        EXPECT_EQ(NameAt(Centre(a)), a.name);
    }
}

TEST_F(BoardTest, PressBetweenTheAreasReachesTheLayout) {
    EXPECT_EQ(NameAt({Px(300), Px(900)}), "imgBoard");  // the number 4
    EXPECT_EQ(NameAt({Px(1860), Px(500)}), "imgBoard"); // dozen strip above imgDoz1
}

TEST_F(BoardTest, PressOnAChipLyingOnASpotReachesTheChip) {
    for (const SpotPlace& p : kSpots) {
        SCOPED_TRACE(p.spot);
        ShowStake(p.spot, 5, 2);
        const QString chip = QStringLiteral("imgChip(%1)").arg(p.spot);
        const QString label = QStringLiteral("lblChip(%1)").arg(p.spot);
        EXPECT_EQ(NameAt({Px(p.left), Px(p.top)}), chip); // corner outside the label
        // Left part of the label: spot 6's label runs on under the Cousin button.
        EXPECT_EQ(NameAt({Px(p.left + 20) + 2, Px(p.top + 45) + 4}), label);
    }
}

TEST_F(BoardTest, HiddenChipTakesNoPress) {
    EXPECT_EQ(NameAt({Px(2580 + 135), Px(2595 + 20)}), "imgRed");
    ShowStake(153, 5, 2);
    ShowStake(153, 0, 2);
    EXPECT_EQ(NameAt({Px(2580 + 135), Px(2595 + 20)}), "imgRed");
}

// The wheel, the ball and the captions that answer nothing let presses through.
TEST_F(BoardTest, PassiveControlsTakeNoPress) {
    for (const char* name : {"imgWheel", "shpBall", "Label1", "Label2", "Label3", "Label4",
                             "Label5", "lblChips", "lblTable"}) {
        SCOPED_TRACE(name);
        QWidget* w = Find(name);
        ASSERT_NE(w, nullptr);
        const QString hit = NameAt(w->geometry().center());
        EXPECT_NE(hit, name);
    }
}

TEST_F(BoardTest, CaptionsThatAnswerClicksTakeThePress) {
    for (const char* name : {"lblTable1", "lblTable2", "lblTable5", "lblTable10",
                             "lblChipColour(0)", "lblChipColour(7)", "imgChipColour(3)"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(NameAt(Find(name)->geometry().center()), name);
    }
}

TEST_F(BoardTest, ControlsAreStackedFrontToBackAsListed) {
    const QObjectList order = board.children(); // back to front
    for (std::size_t i = 0; i + 1 < kFrontToBack.size(); ++i) {
        SCOPED_TRACE(std::string(kFrontToBack[i]) + " before " + kFrontToBack[i + 1]);
        const qsizetype front = order.indexOf(Find(kFrontToBack[i]));
        const qsizetype behind = order.indexOf(Find(kFrontToBack[i + 1]));
        ASSERT_GE(front, 0);
        ASSERT_GE(behind, 0);
        EXPECT_GT(front, behind);
    }
}

TEST_F(BoardTest, ChipSelectorAndBallLieBetweenTheLabelsAndTheWheel) {
    const QObjectList order = board.children();
    const qsizetype wheel = order.indexOf(Find("imgWheel"));
    const qsizetype table = order.indexOf(Find("lblTable"));
    for (int i = 0; i < 8; ++i) {
        for (const char* array : {"imgChipColour", "lblChipColour"}) {
            const qsizetype member =
                order.indexOf(Find(QStringLiteral("%1(%2)").arg(array).arg(i)));
            EXPECT_GT(member, wheel) << array << i;
            EXPECT_LT(member, table) << array << i;
        }
    }
}

TEST_F(BoardTest, ButtonsBoxesAndCombosLieInFrontOfEverything) {
    const QObjectList order = board.children();
    const qsizetype frontLabel = order.indexOf(Find("Label5"));
    for (const char* name :
         {"cmdSpin", "cmdHelp", "txtWinSpin", "txtLastNumber(13)", "cmbNeighb", "cmbNumber"}) {
        EXPECT_GT(order.indexOf(Find(name)), frontLabel) << name;
    }
}
