// Saved layouts at the table: placing one as a single undoable step through
// the table's rules, and its preview on the table's pictures (the rest is
// the unit's own tests').
#include "PlayerPresses.h"
#include "units/LayoutsFile.h"

#include "window/common/Picture.h"

#include <QListWidget>

namespace {

class LayoutsTest : public CleanLayoutsFile, public AnnouncedTest {
  protected:
    static void Save(frmBoard& table, const QString& name) {
        AnswerLayoutName(name);
        ActionOf(table, "actSaveLayout")->trigger();
    }
    BoxLog boxes;
};

// The $10 table refuses the 5 on spot 9: the 10 on spot 7 stays, and undo
// takes the whole placement back, the stake that was there before kept.
// The ball then holds both saving and placing back.
TEST_F(LayoutsTest, PlacingStopsAtTheFirstRefusalIsOneUndoStepAndWaitsForTheBall) {
    Lay(board, {{7, 10}, {9, 5}, {11, 10}});
    Save(board, QStringLiteral("three"));
    Find<QAction>("actClear")->trigger();
    Lay(board, {{7, 10}});
    ClickOn("lblTable10");
    QApplication::setActiveWindow(&board);
    QTest::keyClick(&board, Qt::Key_1, Qt::ControlModifier); // the first layout's key
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes()[0], "Bets must be in multiples of  10");
    ExpectStakes({{7, 20}});
    EXPECT_EQ(Find<QLabel>("lblChip(7)")->text(), "20");
    Find<QAction>("actUndo")->trigger();
    ExpectStakes({{7, 10}});
    // While the ball runs neither saving nor placing is offered, as with Rebet.
    const auto offered = [&] {
        return std::pair(ActionOf(board, "actSaveLayout")->isEnabled(),
                         ActionOf(board, "actLayout(0)")->isEnabled());
    };
    EXPECT_EQ(offered(), std::pair(true, true));
    PressSpinHeld(board);
    EXPECT_EQ(offered(), std::pair(false, false));
    RunBallOut(board);
    EXPECT_EQ(offered(), std::pair(true, true));
}

// Hovering a row marks that layout's numbers on the table, each row its own;
// leaving the list or closing the window gives the table back as it was.
TEST_F(LayoutsTest, HoveringALayoutInTheManageWindowPreviewsIt) {
    for (const StakesBySpot& stakes : {StakesBySpot{{7, 10}}, StakesBySpot{{40, 10}, {41, 10}}}) {
        Lay(board, stakes);
        Save(board, QStringLiteral("x"));
        Find<QAction>("actClear")->trigger();
    }
    const QImage bare = Grab();
    Find<QAction>("actManageLayouts")->trigger();
    auto* manage = Find("dlgLayouts");
    // Below the table, so that no button lies under the pointer when it closes.
    manage->move(board.mapToGlobal(QPoint(0, board.height() + 40)));
    auto* list = manage->findChild<QListWidget*>("lstLayouts");
    const auto hover = [&](int row) {
        QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(row)).center());
        return Grab();
    };
    const QImage first = hover(0);
    EXPECT_TRUE(Find<Picture>("imgBoard")->hasOverlay() && Find<Picture>("imgWheel")->hasOverlay());
    EXPECT_NE(first, bare);
    EXPECT_NE(hover(1), first);
    Leave(list->viewport());
    EXPECT_EQ(Grab(), bare);
    hover(0);
    manage->close();
    EXPECT_FALSE(Find<Picture>("imgBoard")->hasOverlay());
    EXPECT_EQ(Grab(), bare);
}

} // namespace
