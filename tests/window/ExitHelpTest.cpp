// Leaving the table through Exit, and the help page beside it.
#include "BoardFixture.h"
#include "MessageBoxes.h"

#include "window/HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

void ExpectExitQuestion(const SeenBox& seen) {
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Do you really want to exit?");
    EXPECT_EQ(seen.title, "Velmora");
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

} // namespace

TEST_F(BoardTest, ExitAnsweredNoChangesNothing) {
    ShowStake(40, 10, 3);
    board.stateForTest().Balance = -10;
    const GameState before = board.state();
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::No);
    QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
    ExpectExitQuestion(seen);
    EXPECT_TRUE(board.isVisible());
    EXPECT_EQ(board.state().SpotStake, before.SpotStake);
    EXPECT_EQ(board.state().Balance, before.Balance);
    EXPECT_EQ(board.state().BallPocket, before.BallPocket);
    EXPECT_TRUE(Find("imgChip(40)")->isVisible());
}

TEST_F(BoardTest, ExitAnsweredYesClosesTheTable) {
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Yes);
    QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
    ExpectExitQuestion(seen);
    EXPECT_FALSE(board.isVisible());
}

TEST_F(BoardTest, HelpOpensBesideTheTableWithoutBlockingIt) {
    QTest::mouseClick(Find("cmdHelp"), Qt::LeftButton);
    HelpViewer* viewer = board.helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->objectName(), "HelpViewer");
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(board.isEnabled());
    const QString path = QCoreApplication::applicationDirPath() + "/Velmora.html";
    if (!QFile::exists(path)) { // the test binary's folder has no help page
        EXPECT_EQ(viewer->toPlainText(), "Help file not found: " + path);
    }
    QTest::mouseClick(Find("cmdHelp"), Qt::LeftButton);
    EXPECT_EQ(board.findChildren<HelpViewer*>().size(), 1); // reused, not stacked up
}

TEST_F(BoardTest, TableStaysUsableAfterHelpWithAMissingFile) {
    QTest::mouseClick(Find("cmdHelp"), Qt::LeftButton);
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::No);
    QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
    EXPECT_TRUE(seen.seen); // the table still answers its buttons
    EXPECT_TRUE(board.isVisible());
}

TEST(HelpViewerTest, ShowsThePageAtThePath) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Velmora.html");
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>How to play</h1></body></html>");
    page.close();
    HelpViewer viewer(nullptr);
    viewer.showFile(path);
    EXPECT_TRUE(viewer.toPlainText().contains("How to play"));
}

TEST(HelpViewerTest, ReportsAMissingFileInsideTheViewer) {
    HelpViewer viewer(nullptr);
    viewer.showFile("/nowhere/Velmora.html");
    EXPECT_EQ(viewer.toPlainText(), "Help file not found: /nowhere/Velmora.html");
    EXPECT_TRUE(viewer.isVisible());
}

TEST(HelpViewerTest, LooksBesideTheExecutable) {
    EXPECT_EQ(HelpViewer::DefaultPath(), QCoreApplication::applicationDirPath() + "/Velmora.html");
}
