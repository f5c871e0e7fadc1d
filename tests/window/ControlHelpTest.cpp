#include "PlayerPresses.h"

#include "window/BoardLayout.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

namespace {

QString Accessible(QWidget* control, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(text) : QString();
}

class ControlHelpTest : public PlayerTest {
  protected:
    // The tip the toolkit would show for a pause of the pointer at a window point.
    QString TipAt(QPoint point) {
        QWidget* target = board.childAt(point);
        const QPoint local = target->mapFrom(&board, point);
        QHelpEvent help(QEvent::ToolTip, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &help);
        return QToolTip::isVisible() ? QToolTip::text() : target->toolTip();
    }
};

// clang-format off
const QStringList kInputControls = QStringLiteral(
    "cmdTier cmdOrphns cmdGrande cmdZero cmdNeighb cmdFinals cmdFigure cmdBirds cmdCousins "
    "cmdReds cmdBlacks cmdQtr1 cmdQtr2 cmdQtr3 cmdQtr4 cmdOppos cmdQtrPlus cmdQtrMinus cmdSpin "
    "cmdExit cmdHelp cmbNumber cmbNeighb lblTable1 lblTable2 lblTable5 lblTable10 imgZero imgCol1 "
    "imgCol2 imgCol3 imgDoz1 imgDoz2 imgDoz3 imgLow imgEven imgRed imgBlk imgOdd imgHigh").split(' ');
// clang-format on

TEST_F(ControlHelpTest, EveryControlThatTakesInputHasATip) {
    QStringList names = kInputControls;
    for (int i = 0; i < kChipCount; ++i) {
        names << QStringLiteral("imgChipColour(%1)").arg(i)
              << QStringLiteral("lblChipColour(%1)").arg(i);
    }
    for (const QString& name : names) {
        EXPECT_FALSE(Find(name)->toolTip().isEmpty()) << name.toStdString();
    }
    EXPECT_EQ(Find("imgChipColour(3)")->toolTip(), "A chip worth $10")
        << "the chip, not its caption";
    EXPECT_TRUE(Find("lblTable10")->toolTip().startsWith("$10 table: stakes in multiples of 10\n"));
}

TEST_F(ControlHelpTest, OutsideAreasTellTheLimitsOfTheTableSelectedNow) {
    auto* red = Find("imgRed");
    EXPECT_EQ(red->toolTip(), "Red, pays 1 to 1, $10 to $2000 at this table");
    ClickOn("lblTable10");
    EXPECT_EQ(red->toolTip(), "Red, pays 1 to 1, $50 to $4000 at this table");
    EXPECT_EQ(Accessible(red, QAccessible::Description), red->toolTip());
}

TEST_F(ControlHelpTest, LayoutNamesTheBetUnderThePointer) {
    const QPoint split = PixelOf(930, 3150);
    ASSERT_EQ(NameAt(split), "imgBoard");
    EXPECT_EQ(TipAt(split), "Split 17/20, pays 17 to 1, $5 to $200 at this table");
    ShowStake(75, 25, 4);
    ASSERT_EQ(NameAt(PixelOf(795, 3060)), "imgChip(75)");
    EXPECT_EQ(TipAt(PixelOf(795, 3060)),
              "Split 17/20, pays 17 to 1, $5 to $200 at this table; $25 staked");
    ClickOn("lblTable1");
    ASSERT_EQ(NameAt(PixelOf(1700, 400)), "imgBoard");
    EXPECT_EQ(TipAt(PixelOf(1700, 400)),
              "First four 0/1/2/3, pays 8 to 1, $1 to $100 at this table");
}

// Hidden stake labels read their stake, so they are named once they show one;
// the result boxes are named and read as their text.
TEST_F(ControlHelpTest, AScreenReaderNamesEveryControl) {
    for (const ControlRow& row : BoardLayout()) {
        if (!row.name.startsWith("lblChip(")) {
            EXPECT_FALSE(Accessible(Find(row.name), QAccessible::Name).isEmpty())
                << row.name.toStdString();
        }
    }
    ShowStake(75, 25, 4);
    EXPECT_EQ(Accessible(Find("lblChip(75)"), QAccessible::Name), "25");
    EXPECT_EQ(Accessible(Find("lblChip(75)"), QAccessible::Description), "Stake on split 17/20");
    ClickOn("lblChip(75)"); // one more $5 chip, paid from the balance
    EXPECT_EQ(Accessible(Find("txtWinTotal"), QAccessible::Name), "Balance");
    EXPECT_EQ(Accessible(Find("txtWinTotal"), QAccessible::Value), "-5");
    EXPECT_EQ(Accessible(Find("txtLastNumber(0)"), QAccessible::Name), "Last number 1, the latest");
    EXPECT_EQ(Accessible(Find("cmdOrphns"), QAccessible::Name), "Orphans");
    EXPECT_EQ(Accessible(Find("cmdOrphns"), QAccessible::Description),
              "Orphans\nstraight 1, split 6/9, split 14/17, split 17/20, split 31/34\n"
              "5 chips of $5: $25");
}

} // namespace
