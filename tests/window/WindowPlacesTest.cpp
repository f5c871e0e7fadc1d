#include "BoardFixture.h"
#include "PlayerPresses.h"

#include "table/ScreenPlace.h"
#include "window/common/SettingsFile.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <functional>
#include <tuple>

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

// Each test starts without remembered places (tests/window/main.cpp).
class WindowPlacesTest : public ::testing::TestWithParam<ExtraWindow> {
  protected:
    static std::unique_ptr<frmBoard> Start() {
        auto board = std::make_unique<frmBoard>(nullptr, std::make_unique<FixedRandom>());
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
    // Leaves the window at a place, closed, and opens it again at the next start.
    // `applied`: the place as the window's own least size allowed it.
    QRect ReopenedAfterLeaving(const QRect& left, QRect* applied = nullptr) const {
        {
            const auto board = Start();
            QWidget* window = Opened(*board);
            window->setGeometry(left);
            if (applied) {
                *applied = window->geometry();
            }
            window->close();
        }
        const auto board = Start();
        EXPECT_EQ(Extra(*board), nullptr) << "closed before the exit, so not reopened";
        return Opened(*board)->geometry();
    }
};

// A place on the screen comes back as it was; one on a monitor since
// unplugged comes back onto the screen. The offscreen screen is smaller than
// the statistics window may be, so only the strip the player takes hold of is
// sure to be on it.
TEST_P(WindowPlacesTest, AWindowComesBackWhereItWasLeftOrOntoTheScreen) {
    QRect place;
    const QRect reopened = ReopenedAfterLeaving(QRect(140, 90, 470, 380), &place);
    ASSERT_EQ(place.topLeft(), QPoint(140, 90));
    EXPECT_EQ(reopened, place);
    const QRect off = ReopenedAfterLeaving(QRect(9000, -4000, 400, 300));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(QRect(off.topLeft(), QSize(kGraspWidth, kGraspHeight))))
        << off.x() << "," << off.y();
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
    const GameState& s = board->state();
    EXPECT_EQ(std::tuple(s.ChipIndex, s.TableIndex, s.Balance, s.BetTotal), std::tuple(2, 2, 0, 0));
}

// Entries that cannot be read as open or as a place, in one file: the window
// stays closed and then opens where it opens on a first start.
TEST_P(WindowPlacesTest, AnUnreadableEntryLeavesTheDefaults) {
    const QByteArray name = QByteArray("\n") + GetParam().name;
    WriteFile(PlacesFile(), "");
    const QPoint beside = Opened(*Start())->pos();
    WriteFile(PlacesFile(), "[windows]" + name + "\\open=1x" + name + "\\place=@Rect(a b c d)" +
                                name + "\\geometry=@ByteArray(not a geometry)\n");
    const auto board = Start();
    EXPECT_EQ(Extra(*board), nullptr);
    EXPECT_EQ(Opened(*board)->pos(), beside);
}

// A settings file far past what Velmora writes (300 MiB, sparse, so it costs
// no disk) or one QSettings cannot parse is not read whole: it is moved
// aside before the first read, the player told once the table stands, and
// the table opens at its defaults.
TEST(SettingsFileTest, AFileThatIsNotVelmorasIsMovedAsideBeforeItIsRead) {
    const std::pair<QByteArray, qint64> files[] = {{"[table]\nzoom=200\n", 300LL << 20},
                                                   {"[table\nzoom=200\n", 0}};
    for (const auto& [bytes, size] : files) {
        SCOPED_TRACE(bytes.toStdString());
        SettingsFile::ForgetCheck();
        QFile::remove(PlacesFile());
        WriteFile(PlacesFile(), bytes);
        if (size > 0) {
            ASSERT_TRUE(QFile(PlacesFile()).resize(size));
        }
        BoxLog boxes;
        frmBoard board(nullptr, std::make_unique<FixedRandom>());
        EXPECT_EQ(board.Zoom(), 1.0);
        board.show();
        QTRY_COMPARE(boxes.boxes().size(), std::size_t{1});
        const QDir folder = QFileInfo(PlacesFile()).dir();
        const QStringList aside = folder.entryList({QStringLiteral("windows.ini.unreadable-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(QFileInfo(folder.filePath(aside.first())).size(),
                  std::max(size, qint64(bytes.size())));
        EXPECT_EQ(boxes.boxes().front().text,
                  QStringLiteral("Velmora could not read its window settings, so it moved the "
                                 "file to %1 and uses its defaults.")
                      .arg(folder.filePath(aside.first())));
        QFile::remove(folder.filePath(aside.first()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowPlacesTest,
    ::testing::Values(
        ExtraWindow{"frmStatistics", [](frmBoard& b) { ActionOf(b, "actStatistics")->trigger(); }},
        ExtraWindow{"HelpViewer",
                    [](frmBoard& b) { b.findChild<QPushButton*>("cmdHelp")->click(); }}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
