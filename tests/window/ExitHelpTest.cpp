// Leaving the table through Exit, and the help page beside it.
#include "PlayerPresses.h"

#include "window/help/HelpViewer.h"

TEST_F(BoardTest, ExitAsksAndOnlyYesClosesTheTable) {
    ShowStake(40, 10, 3);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        const BoxLog boxes(answer);
        QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
        ASSERT_EQ(boxes.boxes().size(), 1U);
        const SeenBox& seen = boxes.boxes()[0];
        EXPECT_EQ(seen.text, "Do you really want to exit?");
        EXPECT_EQ(seen.title, "Velmora");
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(board.isVisible(), answer == QMessageBox::No);
        EXPECT_EQ(board.state().SpotStake.at(40), 10);
    }
}

TEST_F(BoardTest, HelpOpensOneViewerBesideTheTableAndTellsOfAMissingPage) {
    QTest::mouseClick(Find("cmdHelp"), Qt::LeftButton);
    QTest::mouseClick(Find("cmdHelp"), Qt::LeftButton);
    HelpViewer* viewer = board.helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(board.findChildren<HelpViewer*>().size(), 1);
    EXPECT_TRUE(viewer->isWindow() && viewer->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The build's page lies beside the game, not beside the tests.
    const QString path = QCoreApplication::applicationDirPath() + "/Velmora.html";
    EXPECT_EQ(viewer->toPlainText(), "Help file not found: " + path);
}
