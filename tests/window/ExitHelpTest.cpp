// Leaving the table through Exit, the help page beside it, and where Help
// looks for its page: a build folder's copy beside the program, else the
// installed one in bin/../share/velmora.
#include "PlayerPresses.h"

#include "window/help/HelpViewer.h"

#include <QTemporaryDir>

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

// One viewer however often it is asked for is the unit's test.
TEST_F(BoardTest, HelpOpensTheViewerBesideTheTableAndTellsOfAMissingPage) {
    QTest::mouseClick(Find("cmdHelp"), Qt::LeftButton);
    HelpViewer* viewer = board.helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isWindow() && viewer->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The build's page lies beside the game, not beside the tests.
    const QString path = QCoreApplication::applicationDirPath() + "/Velmora.html";
    EXPECT_EQ(viewer->toPlainText(), "Help file not found: " + path);
}

TEST(HelpLookupTest, FindsThePageWhereTheProgramLives) {
    struct LookupCase {
        const char* name;
        const char* pages; // written into a scratch prefix, blank-separated
        const char* expected;
    };
    const LookupCase cases[] = {
        {"ThePageBesideTheProgramIsShown", "bin", "bin"},
        {"TheInstalledPageIsShownWhenNoneLiesBeside", "share/velmora", "share/velmora"},
        {"ABuildFoldersOwnPageComesFirst", "share/velmora bin", "bin"},
        {"WithoutAPageThePlaceBesideIsNamed", "", "bin"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        ASSERT_TRUE(QDir(prefix.path()).mkdir("bin"));
        for (const QString& folder : QString(c.pages).split(' ', Qt::SkipEmptyParts)) {
            QDir(prefix.path()).mkpath(folder);
            QFile page(prefix.filePath(folder + "/Velmora.html"));
            ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(HelpViewer::FindPage(prefix.filePath("bin")).toStdString(),
                  prefix.filePath(QString(c.expected) + "/Velmora.html").toStdString());
    }
}
