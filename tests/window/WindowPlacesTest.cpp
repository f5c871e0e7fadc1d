#include "BoardFixture.h"

#include "window/board/frmBoard.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <functional>
#include <memory>

namespace {

QString PlacesFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velmora"),
                     QStringLiteral("windows"))
        .fileName();
}

// One row per extra window the table owns: its name and how the player opens it.
struct ExtraWindow {
    const char* name;
    std::function<void(frmBoard&)> open;
};

void OpenStatistics(frmBoard& board) {
    board.findChild<QAction*>(QStringLiteral("actStatistics"))->trigger();
}

void OpenHelp(frmBoard& board) {
    board.findChild<QPushButton*>(QStringLiteral("cmdHelp"))->click();
}

// Each test starts without remembered places and leaves none behind, so the
// other window tests meet the table as ever.
class WindowPlacesTest : public ::testing::TestWithParam<ExtraWindow> {
  protected:
    WindowPlacesTest() { QFile::remove(PlacesFile()); }
    ~WindowPlacesTest() override { QFile::remove(PlacesFile()); }

    static std::unique_ptr<frmBoard> Start() {
        auto board = std::make_unique<frmBoard>(nullptr, MakeRandom());
        board->show();
        QCoreApplication::processEvents(); // the reopening runs once the table is up
        return board;
    }
    QWidget* Opened(frmBoard& board) const {
        GetParam().open(board);
        return Extra(board);
    }
    QWidget* Extra(frmBoard& board) const {
        return board.findChild<QWidget*>(QLatin1String(GetParam().name));
    }
};

TEST_P(WindowPlacesTest, AWindowComesBackWhereItWasLeft) {
    const QRect place(140, 90, 470, 380);
    {
        const auto board = Start();
        QWidget* window = Opened(*board);
        window->setGeometry(place);
        window->close();
    }
    const auto board = Start();
    EXPECT_EQ(Extra(*board), nullptr) << "closed before the exit, so not reopened";
    EXPECT_EQ(Opened(*board)->geometry(), place);
}

TEST_P(WindowPlacesTest, AWindowOpenAtTheExitOpensAgainAtTheStart) {
    {
        const auto board = Start();
        Opened(*board)->move(200, 150);
    }
    const auto board = Start();
    QWidget* window = Extra(*board);
    ASSERT_NE(window, nullptr);
    QTRY_VERIFY(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(200, 150));
    // The game itself starts as ever: $5 chip, $5 table, nothing staked.
    const GameState& state = board->stateForTest();
    EXPECT_EQ(state.ChipIndex, 2);
    EXPECT_EQ(state.TableIndex, 2);
    EXPECT_EQ(state.Balance, 0);
    EXPECT_EQ(state.BetTotal, 0);
}

TEST_P(WindowPlacesTest, APlaceOffEveryScreenComesBackOntoTheScreen) {
    {
        const auto board = Start();
        QWidget* window = Opened(*board);
        window->setGeometry(QRect(9000, -4000, 400, 300)); // a monitor since unplugged
        window->close();
    }
    const auto board = Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect place = Opened(*board)->geometry();
    EXPECT_TRUE(screen.contains(place)) << place.x() << "," << place.y();
    EXPECT_EQ(place.size(), QSize(400, 300));
}

// Rows: the file's content, not one of which can be read as a place.
TEST_P(WindowPlacesTest, AnUnreadableFileLeavesTheDefaults) {
    const QByteArray section = QByteArray("[windows]\n") + GetParam().name;
    for (const QByteArray& content :
         {QByteArray("\xff\xfe\x00garbage\x01\x02 [[[ =\n", 20),
          section + "\\open=perhaps\n" + GetParam().name + "\\place=@Rect(a b c d)\n",
          section + "\\place=@Rect(10 10 0 0)\n"}) {
        QDir().mkpath(QFileInfo(PlacesFile()).path());
        QFile file(PlacesFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const auto board = Start();
        EXPECT_EQ(Extra(*board), nullptr);
        const QPoint beside = board->frameGeometry().topRight() + QPoint(8, 0);
        EXPECT_EQ(Opened(*board)->pos(), beside);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowPlacesTest,
                         ::testing::Values(ExtraWindow{"frmStatistics", OpenStatistics},
                                           ExtraWindow{"HelpViewer", OpenHelp}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
