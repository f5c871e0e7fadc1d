#include "PlayerPresses.h"

#include "window/board/BoardLayout.h"

#include <QAccessible>

namespace {

class ControlHelpTest : public PlayerTest {
  protected:
    QString Accessible(const QString& name, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(Find(name))->text(text);
    }
};

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
    EXPECT_EQ(Accessible("lblChip(75)", QAccessible::Description), "Stake on split 17/20");
    EXPECT_EQ(Find("imgRed")->toolTip(), "Red, pays 1 to 1, $10 to $2000 at this table");
    ClickOn("lblTable1");
    EXPECT_EQ(TipAt(board, PixelOf(1700, 400)),
              "First four 0/1/2/3, pays 8 to 1, $1 to $100 at this table");
    EXPECT_EQ(Find("imgRed")->toolTip(), "Red, pays 1 to 1, $5 to $1000 at this table");
    EXPECT_EQ(Accessible("imgRed", QAccessible::Description), Find("imgRed")->toolTip());
}

} // namespace
