// What the controls tell the player and a screen reader, and how the stake
// labels read and look.
#include "PlayerPresses.h"

#include "betting/BetNames.h"
#include "betting/UpdateChip.h"
#include "window/board/BoardLayout.h"
#include "window/common/BoardFonts.h"
#include "window/common/Twips.h"

namespace {

class ControlHelpTest : public PlayerTest {
  protected:
    QString Accessible(const QString& name, QAccessible::Text text) {
        return ::Accessible(Find(name), text);
    }
};

const QString kChipDescription =
    QStringLiteral("A press adds the selected chip, a right press takes the chip's value off");

// Hidden stake labels read their stake, so they are named once they show one;
// the layout and the chips lying on it tell the bet under the pointer instead.
TEST_F(ControlHelpTest, EveryControlIsNamedAndTellsWhatItTakesAtTheTableSelectedNow) {
    WaitForHelp(board);
    for (const ControlRow& row : BoardLayout()) {
        const bool staked = row.name.startsWith("lblChip(");
        const bool pointed = staked || row.name == "imgBoard" || row.name.startsWith("imgChip(");
        const bool input = row.kind != ControlKind::Label && row.kind != ControlKind::Backdrop &&
                           row.kind != ControlKind::ResultBox;
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_TRUE(staked || !Accessible(row.name, QAccessible::Name).isEmpty());
        EXPECT_TRUE(!input || pointed || !Find(row.name)->toolTip().isEmpty());
    }
    EXPECT_EQ(Find("imgChipColour(3)")->toolTip(), "A chip worth $10") << "not its caption";
    EXPECT_EQ(Find("lblTable10")->toolTip(),
              "$10 table: stakes in multiples of 10\nInside bets from $10, at most $200 on a "
              "straight, $400 on a split,\n$600 on a street or trio, $800 on a corner, $1200 on a "
              "six-line\nOutside bets from $50, at most $2000 on a column or dozen,\n$4000 on an "
              "even chance");
    EXPECT_EQ(Accessible("txtWinTotal", QAccessible::Name), "Balance");
    EXPECT_EQ(Accessible("txtLastNumber(0)", QAccessible::Name), "Last number 1, the latest");
    EXPECT_EQ(Accessible("cmdOrphns", QAccessible::Name), "Orphans");
    EXPECT_TRUE(Accessible("cmdOrphns", QAccessible::Description)
                    .startsWith("Orphans\nstraight 1, split 6/9, split 14/17"));
    // Tips name the bet under the pointer at the table selected now.
    EXPECT_EQ(TipAt(board, PixelOf(930, 3150)),
              "Split 17/20, pays 17 to 1, $5 to $200 at this table");
    ShowStake(75, 25, 4);
    EXPECT_EQ(TipAt(board, PixelOf(795, 3060)),
              "Split 17/20, pays 17 to 1, $5 to $200 at this table; $25 staked");
    EXPECT_EQ(Find("imgRed")->toolTip(), "Red, pays 1 to 1, $10 to $2000 at this table");
    ClickOn("lblTable1");
    EXPECT_EQ(TipAt(board, PixelOf(1700, 400)),
              "First four 0/1/2/3, pays 8 to 1, $1 to $100 at this table");
    EXPECT_EQ(Find("imgRed")->toolTip(), "Red, pays 1 to 1, $5 to $1000 at this table");
    EXPECT_EQ(Accessible("imgRed", QAccessible::Description), Find("imgRed")->toolTip());
}

// The spot controls are left bare at start (no face, colour or description
// until a stake lies there); once shown they must read and look as ever.
// "Small Fonts" 6 pt, 5 pt from four characters on.
TEST_F(ControlHelpTest, AShownStakeHasItsDescriptionFaceAndColour) {
    struct Row {
        std::int16_t spot, stake, chip;
        int pointSize;
    };
    WaitForHelp(board); // the stakes below show after it came
    for (const Row row :
         {Row{75, 25, 4, 6}, Row{0, 1000, 2, 5}, Row{40, 5, 7, 6}, Row{150, 100, 5, 6}}) {
        SCOPED_TRACE(row.spot);
        ShowStake(row.spot, row.stake, row.chip);
        QWidget* label = Find(ArrayName("lblChip", row.spot));
        ASSERT_TRUE(label->isVisible());
        EXPECT_EQ(::Accessible(label, QAccessible::Description),
                  QString::fromStdString("Stake on " + SpotName(row.spot)));
        EXPECT_EQ(Accessible(ArrayName("imgChip", row.spot), QAccessible::Description),
                  kChipDescription);
        EXPECT_EQ(label->font(), StakeLabelFont(row.pointSize));
        const bool white = FormatValue(board.state(), row.spot).white;
        EXPECT_EQ(TextColour(label), white ? QColor(Qt::white) : QColor(Qt::black));
    }
}

// A stake put down while the table is hidden is described once the help arrives.
TEST(ControlHelpHiddenTest, AStakeShownBeforeTheTableIsDescribedWhenItShows) {
    frmBoard board(nullptr, std::make_unique<FixedRandom>());
    board.stateForTest().SpotStake.at(75) = 25;
    board.RedrawSpot(75);
    board.show();
    WaitForHelp(board);
    const auto description = [&](const char* name) {
        return Accessible(board.findChild<QWidget*>(name), QAccessible::Description);
    };
    EXPECT_EQ(description("lblChip(75)"), "Stake on split 17/20");
    EXPECT_EQ(description("imgChip(75)"), kChipDescription);
}

// Zoomed by the player's steps, the faces are the designed pixel sizes scaled:
// the table's own face reaches the controls that inherit it, the others carry
// their role's face, and a stake label its own, whether shown before or after.
TEST_F(ControlHelpTest, EveryFaceScalesWithTheZoomAndComesBackAtActualSize) {
    ShowStake(75, 25, 4);
    const std::vector<std::pair<int, std::vector<int>>> rows = {
        // zoom, then cmdSpin, lblTable1, cmdNeighb, txtWinTotal, lblChip(75), lblChip(0)
        {200, {20, 20, 18, 26, 16, 14}},
        {150, {15, 15, 14, 20, 12, 11}},
        {100, {10, 10, 9, 13, 8, 7}},
    };
    for (const auto& [percent, sizes] : rows) {
        SCOPED_TRACE(percent);
        ZoomTo(board, percent);
        if (percent == 200) {
            ShowStake(0, 1000, 2); // shown at the zoom: four characters, the narrow face
        }
        std::vector<int> seen;
        for (const char* name :
             {"cmdSpin", "lblTable1", "cmdNeighb", "txtWinTotal", "lblChip(75)", "lblChip(0)"}) {
            seen.push_back(Find(name)->font().pixelSize());
        }
        EXPECT_EQ(seen, sizes);
    }
    EXPECT_EQ(Find("lblChip(0)")->font(), StakeLabelFont(5));
}

} // namespace
