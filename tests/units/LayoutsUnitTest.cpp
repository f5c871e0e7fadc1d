// Saved layouts against the fake table: saving under a name, the menu, the
// manage window, two tables sharing the file, and a file that cannot be read.
#include "FakeTable.h"
#include "LayoutsFile.h"

#include "core/FixedRandom.h"
#include "window/layouts/LayoutsUnit.h"
#include "window/layouts/dlgLayouts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A table and its layouts, the file gone before and after.
struct Layouts {
    Layouts() : unit(std::make_unique<LayoutsUnit>(table, LayoutsUnit::Store())) {}
    FakeTable table;
    std::unique_ptr<LayoutsUnit> unit;

    QStringList Listed() const {
        QStringList entries;
        for (const QAction* action : unit->menu()->actions()) {
            entries << action->text() + QLatin1Char('|') + action->shortcut().toString();
        }
        return entries;
    }
    QAction* Action(const char* name) const {
        return unit->findChild<QAction*>(QLatin1String(name));
    }
    void Save(const QString& name, QString* offered = nullptr) {
        AnswerLayoutName(name, offered);
        Action("actSaveLayout")->trigger();
    }
};

class LayoutsUnitTest : public ::testing::Test {
    CleanLayoutsFile m_clean;
};

TEST_F(LayoutsUnitTest, AnEmptyTableIsNotSavedAndSavedLayoutsAreListedByNameWithTheirKeys) {
    Layouts board;
    EXPECT_FALSE(board.unit->menu()->isEnabled());
    board.Action("actSaveLayout")->trigger();
    EXPECT_EQ(board.table.messages,
              QStringList{"There is no stake on the table to save as a layout."});
    EXPECT_FALSE(QFile::exists(LayoutsFolder().filePath("layouts.txt")));
    board.table.messages.clear();
    board.table.game.SpotStake.at(7) = 10;
    QSignalSpy listed(board.unit.get(), &LayoutsUnit::listed);
    QString offered;
    board.Save(QStringLiteral("Tier & \"zero\" / Вечер"), &offered);
    EXPECT_EQ(offered, "Layout 1");
    board.Save(QStringLiteral("plain"), &offered);
    EXPECT_EQ(offered, "Layout 2");
    for (int i = 3; i <= 10; ++i) {
        board.Save(QStringLiteral("n%1").arg(i));
    }
    EXPECT_EQ(listed.size(), 10);
    const QStringList listedNow = board.Listed();
    ASSERT_EQ(listedNow.size(), 10);
    EXPECT_EQ(listedNow[0], "Tier && \"zero\" / Вечер|Ctrl+1");
    EXPECT_EQ(listedNow[1], "plain|Ctrl+2");
    EXPECT_EQ(listedNow[8], "n9|Ctrl+9");
    EXPECT_EQ(listedNow[9], "n10|"); // past the ninth, no key
    EXPECT_TRUE(board.unit->menu()->isEnabled());
    EXPECT_TRUE(board.table.messages.isEmpty());
    board.table.game.SpotStake = {};
    board.Action("actLayout(1)")->trigger();
    ASSERT_EQ(board.table.placed.size(), 1U);
    EXPECT_EQ(board.table.placed[0].at(7), 10);
    EXPECT_EQ(board.table.owner()->findChildren<QWidget*>("layoutKeys").size(), 1);
}

// Each button acts on the selected layout's id in the file as it is then, and
// each save re-reads the file before it writes, so a layout another table
// saved meanwhile is kept; the menu follows each one.
TEST_F(LayoutsUnitTest, TheManageWindowRenamesDeletesAndMovesByLayout) {
    Layouts board;
    board.table.game.SpotStake.at(7) = 10;
    for (const char* name : {"a", "b", "c"}) {
        board.Save(QString::fromLatin1(name));
    }
    board.Action("actManageLayouts")->trigger();
    QWidget* manage = board.unit->dialog();
    ASSERT_TRUE(manage && manage->isWindow() && manage->isVisible());
    auto* list = manage->findChild<QListWidget*>("lstLayouts");
    const auto press = [&](int row, const char* button) {
        list->setCurrentRow(row);
        QTest::mouseClick(manage->findChild<QPushButton*>(button), Qt::LeftButton);
    };
    press(1, "cmdUp");
    EXPECT_EQ(board.Listed(), (QStringList{"b|Ctrl+1", "a|Ctrl+2", "c|Ctrl+3"}));
    press(2, "cmdDown"); // the last stays last
    press(0, "cmdDown");
    EXPECT_EQ(board.Listed(), (QStringList{"a|Ctrl+1", "b|Ctrl+2", "c|Ctrl+3"}));
    Layouts other;
    other.table.game.SpotStake.at(8) = 5;
    other.Save(QStringLiteral("d"));
    press(0, "cmdDelete");
    EXPECT_EQ(board.Listed(), (QStringList{"b|Ctrl+1", "c|Ctrl+2", "d|Ctrl+3"}));
    other.Save(QStringLiteral("e")); // the other table still lists a
    board.Save(QStringLiteral("f")); // this one does not list e
    const Layouts fresh;
    EXPECT_EQ(fresh.Listed(),
              (QStringList{"b|Ctrl+1", "c|Ctrl+2", "d|Ctrl+3", "e|Ctrl+4", "f|Ctrl+5"}));
    AnswerLayoutName(QStringLiteral("B & co"));
    press(0, "cmdRename");
    EXPECT_EQ(board.Listed(),
              (QStringList{"B && co|Ctrl+1", "c|Ctrl+2", "d|Ctrl+3", "e|Ctrl+4", "f|Ctrl+5"}));
    EXPECT_EQ(list->item(0)->text(), "B & co");
    EXPECT_TRUE(board.table.messages.isEmpty());
}

// Text the store reads, whose row is no layout: a stake-less row. (Files the
// store itself cannot read are its own tests' business.)
TEST_F(LayoutsUnitTest, AFileOfMalformedLayoutsIsMovedAsideAndThePlayerToldOnce) {
    QDir().mkpath(LayoutsFolder().path());
    QFile file(LayoutsFolder().filePath("layouts.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("velmora layouts 1\nid\tname\nend 1\n");
    file.close();
    Layouts table;
    EXPECT_TRUE(table.table.messages.isEmpty()) << "told once the table stands, not before";
    table.table.owned.show();
    QTRY_COMPARE(table.table.messages.size(), 1);
    EXPECT_TRUE(table.table.messages[0].contains("saved layouts"));
    EXPECT_TRUE(table.table.messages[0].contains(".unreadable-"));
    EXPECT_EQ(LayoutsMovedAside().size(), 1);
    EXPECT_TRUE(table.Listed().isEmpty());
    const Layouts again;
    EXPECT_TRUE(again.table.messages.isEmpty()); // nothing left to tell
}

// Hovering a layout in the manage window marks what it covers, unless a
// button's own preview is showing or the ball runs.
TEST_F(LayoutsUnitTest, AHoveredLayoutIsPreviewedOnlyWhenNothingElseIs) {
    Layouts board;
    board.table.game.SpotStake.at(7) = 10;
    board.Save(QStringLiteral("a"));
    board.Action("actManageLayouts")->trigger();
    auto* list = board.unit->dialog()->findChild<QListWidget*>("lstLayouts");
    const auto hover = [&] {
        board.table.marks.reset();
        QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(0)).center());
        return board.table.marks.has_value();
    };
    EXPECT_TRUE(hover());
    board.table.hovered = true;
    EXPECT_FALSE(hover());
}

} // namespace
