// A spin from the window: the table closed to input while the ball runs,
// then the history column and the cover box.
#include "PlayerPresses.h"

using SpinWindowTest = PlayerTest;

TEST_F(SpinWindowTest, WhileTheBallRunsNoInputReachesTheTable) {
    BoxLog boxes;
    m_random->Set(0.1F);
    board.findChild<QTimer*>("tmrDelay")->setInterval(60'000);
    ClickOn("cmdSpin");
    ASSERT_TRUE(board.state().Spinning);
    EXPECT_FALSE(Find("cmbNumber")->isVisible() || Find("cmbNeighb")->isVisible());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    const GameState before = board.state();
    for (const char* name : {"imgRed", "imgBoard", "cmdTier", "lblTable10", "imgChipColour(7)",
                             "cmdExit", "cmdSpin"}) {
        PressAt(Find(name)->geometry().center(), Qt::LeftButton);
    }
    QTest::keyClick(&board, Qt::Key_Space);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().TableIndex, before.TableIndex);
    EXPECT_EQ(board.state().ChipIndex, before.ChipIndex);

    RunBallOut(board);
    EXPECT_TRUE(Find("cmbNumber")->isVisible() && Find("cmbNeighb")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ClickOn("lblTable10");
    EXPECT_EQ(board.state().TableIndex, 3) << "input comes back when the ball stops";
}

TEST_F(SpinWindowTest, HistoryShowsTheLastFourteenInTheirColours) {
    struct Shown {
        int pocket;
        const char* text;
        QColor colour;
    };
    const Shown spins[] = {{8, "    17", QColor(0xFFFF00)},
                           {1, " 32", QColor(0xFF0000)},
                           {0, "   0", QColor(0x00FF00)}};
    for (int i = 0; i < 15; ++i) {
        SpinTo(spins[i % 3].pocket);
    }
    // Newest first: spin 15 is the zero, spin 1 has fallen off the column.
    for (int i = 0; i < kHistoryCount; ++i) {
        const Shown& shown = spins[(14 - i) % 3];
        const auto* box = Find<QLineEdit>(QStringLiteral("txtLastNumber(%1)").arg(i));
        EXPECT_EQ(box->text(), shown.text) << "box " << i;
        EXPECT_EQ(TextColour(box, QPalette::Text), shown.colour) << "box " << i;
    }
    EXPECT_EQ(Find<QComboBox>("cmbNumber")->currentText(), " 0") << "the signed form";
}

TEST(SpinWindowClosingTest, ClosingTheTableMidSpinEndsCleanly) {
    auto table = std::make_unique<frmBoard>();
    table->show();
    QTest::mouseClick(table->findChild<QWidget*>("cmdSpin"), Qt::LeftButton);
    for (int i = 0; i < 5; ++i) {
        table->tmrDelay_Timer();
    }
    table->close();
    table.reset();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::qWait(30); // no tick may reach the destroyed window
}
