// Saved layouts at the table: saving under a name, the Layouts menu, placing
// one as a single undoable step, two tables sharing the file, and a file that
// cannot be read.
#include "PlayerPresses.h"

#include "window/common/Picture.h"

#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QStandardPaths>

namespace {

QDir Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
QString LayoutsPath() {
    return Folder().filePath(QStringLiteral("layouts.txt"));
}
QStringList MovedAside() {
    return Folder().entryList({QStringLiteral("layouts.txt.unreadable-*")});
}

// The file, and any copy moved aside, are gone before the table under test reads them, and after.
struct CleanFile {
    CleanFile() { Remove(); }
    ~CleanFile() { Remove(); }
    static void Remove() {
        for (const QString& name : MovedAside() + QStringList{QStringLiteral("layouts.txt")}) {
            QFile::remove(Folder().filePath(name));
        }
    }
};

class LayoutsTest : public CleanFile, public AnnouncedTest {
  protected:
    // Answers the name dialog once it opens; `offered` gets the name it offered.
    static void AnswerName(const QString& name, QString* offered = nullptr) {
        QTimer::singleShot(0, [name, offered] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (offered) {
                *offered = dialog->textValue();
            }
            dialog->setTextValue(name);
            dialog->accept();
        });
    }
    static void Save(frmBoard& table, const QString& name, QString* offered = nullptr) {
        AnswerName(name, offered);
        ActionOf(table, "actSaveLayout")->trigger();
    }
    static QStringList Listed(const frmBoard& table) {
        QStringList entries;
        for (const QAction* action : table.findChild<QMenu*>("mnuLayouts")->actions()) {
            entries << action->text() + QLatin1Char('|') + action->shortcut().toString();
        }
        return entries;
    }
    BoxLog boxes;
};

TEST_F(LayoutsTest, AnEmptyTableIsNotSavedAndSavedLayoutsAreListedByNameWithTheirKeys) {
    const auto ownActions = board.actions().size();
    ActionOf(board, "actSaveLayout")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1U);
    ExpectTableMessage(boxes.boxes()[0], "There is no stake on the table to save as a layout.");
    EXPECT_FALSE(QFile::exists(LayoutsPath()));
    EXPECT_TRUE(Listed(board).isEmpty());
    boxes.clear();
    Lay(board, {{7, 10}});
    QString offered;
    Save(board, QStringLiteral("Tier & \"zero\" / Вечер"), &offered);
    EXPECT_EQ(offered, "Layout 1");
    Save(board, QStringLiteral("plain"), &offered);
    EXPECT_EQ(offered, "Layout 2");
    for (int i = 3; i <= 10; ++i) {
        Save(board, QStringLiteral("n%1").arg(i));
    }
    const QStringList listed = Listed(board);
    ASSERT_EQ(listed.size(), 10);
    EXPECT_EQ(listed[0], "Tier && \"zero\" / Вечер|Ctrl+1");
    EXPECT_EQ(listed[1], "plain|Ctrl+2");
    EXPECT_EQ(listed[8], "n9|Ctrl+9");
    EXPECT_EQ(listed[9], "n10|"); // past the ninth, no key
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(board.actions().size(), ownActions); // the table's own actions are as they were
}

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

// Each button acts on the selected layout's id in the file as it is then, and
// each save re-reads the file before it writes, so a layout another table
// saved meanwhile is kept; the menu follows each one.
TEST_F(LayoutsTest, TheManageWindowRenamesDeletesAndMovesByLayout) {
    Lay(board, {{7, 10}});
    for (const char* name : {"a", "b", "c"}) {
        Save(board, QString::fromLatin1(name));
    }
    Find<QAction>("actManageLayouts")->trigger();
    auto* manage = Find("dlgLayouts");
    ASSERT_TRUE(manage && manage->isWindow() && manage->isVisible());
    auto* list = manage->findChild<QListWidget*>("lstLayouts");
    const auto press = [&](int row, const char* button) {
        list->setCurrentRow(row);
        QTest::mouseClick(manage->findChild<QPushButton*>(button), Qt::LeftButton);
    };
    press(1, "cmdUp");
    EXPECT_EQ(Listed(board), (QStringList{"b|Ctrl+1", "a|Ctrl+2", "c|Ctrl+3"}));
    press(2, "cmdDown"); // the last stays last
    press(0, "cmdDown");
    EXPECT_EQ(Listed(board), (QStringList{"a|Ctrl+1", "b|Ctrl+2", "c|Ctrl+3"}));
    frmBoard other;
    other.stateForTest().SpotStake.at(8) = 5;
    Save(other, QStringLiteral("d"));
    press(0, "cmdDelete");
    EXPECT_EQ(Listed(board), (QStringList{"b|Ctrl+1", "c|Ctrl+2", "d|Ctrl+3"}));
    Save(other, QStringLiteral("e")); // the other table still lists a
    Save(board, QStringLiteral("f")); // this one does not list e
    const frmBoard fresh;
    EXPECT_EQ(Listed(fresh),
              (QStringList{"b|Ctrl+1", "c|Ctrl+2", "d|Ctrl+3", "e|Ctrl+4", "f|Ctrl+5"}));
    AnswerName(QStringLiteral("B & co"));
    press(0, "cmdRename");
    EXPECT_EQ(Listed(board),
              (QStringList{"B && co|Ctrl+1", "c|Ctrl+2", "d|Ctrl+3", "e|Ctrl+4", "f|Ctrl+5"}));
    EXPECT_EQ(list->item(0)->text(), "B & co");
    EXPECT_TRUE(boxes.boxes().empty());
}

// Text the store reads, whose row is no layout: a stake-less row. (Files the
// store itself cannot read are its own tests' business.)
TEST_F(LayoutsTest, AFileOfMalformedLayoutsIsMovedAsideAndThePlayerToldOnce) {
    WriteFile(LayoutsPath(), "velmora layouts 1\nid\tname\nend 1\n");
    frmBoard table;
    EXPECT_TRUE(boxes.boxes().empty()) << "told once the table stands, not before";
    table.show();
    QTRY_COMPARE(boxes.boxes().size(), std::size_t{1});
    EXPECT_TRUE(boxes.boxes()[0].text.contains("saved layouts"));
    EXPECT_TRUE(boxes.boxes()[0].text.contains(".unreadable-"));
    EXPECT_EQ(MovedAside().size(), 1);
    EXPECT_FALSE(QFile::exists(LayoutsPath()));
    EXPECT_TRUE(Listed(table).isEmpty());
    frmBoard again;
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.boxes().size(), 1U); // nothing left to tell
}

} // namespace
