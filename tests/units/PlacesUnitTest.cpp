// Remembered places against the fake table: which windows reopen, and a
// place kept by Qt's own geometry coming back.
#include "FakeTable.h"

#include "window/common/WindowPlaces.h"
#include "window/places/WindowReopener.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {

QSettings Places() {
    return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velmora"),
            QStringLiteral("windows")};
}

struct ReopenCase {
    const char* what;
    const char* stored; // "open" as the file holds it for window A; B is never open
    bool reopened;
};

TEST(WindowReopener, OnlyAWindowLeftOpenReopensAndOnlyOnceTheTableIsUp) {
    const ReopenCase cases[] = {
        {"left open", "true", true},
        {"closed before the exit", "false", false},
        {"a damaged entry", "perhaps", false},
        {"no entry", nullptr, false},
    };
    for (const ReopenCase& c : cases) {
        Places().remove(QStringLiteral("windows"));
        if (c.stored) {
            Places().setValue(QStringLiteral("windows/A/open"), QString::fromLatin1(c.stored));
        }
        FakeTable table;
        QStringList opened;
        WindowReopener reopener(table, {{QStringLiteral("A"), [&] { opened << "A"; }},
                                        {QStringLiteral("B"), [&] { opened << "B"; }}});
        EXPECT_TRUE(opened.isEmpty()) << c.what << ": not before the constructor's caller is done";
        QCoreApplication::processEvents();
        EXPECT_EQ(opened, c.reopened ? QStringList{"A"} : QStringList{}) << c.what;
    }
}

// Moved, shown and closed; the next window of that name opens where it was.
TEST(WindowPlaces, APlaceKeptByQtsGeometryComesBack) {
    const QRect place(120, 80, 300, 200);
    {
        QWidget window;
        WindowPlaces::Track(&window, QStringLiteral("frmTried"));
        window.setGeometry(place);
        window.show();
        window.close();
    }
    EXPECT_FALSE(
        Places().value(QStringLiteral("windows/frmTried/geometry")).toByteArray().isEmpty());
    EXPECT_FALSE(WindowPlaces::WasOpen(QStringLiteral("frmTried")));
    QWidget again;
    WindowPlaces::Track(&again, QStringLiteral("frmTried"));
    EXPECT_EQ(again.geometry(), place);
}

// A place kept before Qt kept it is read as ever, and brought onto the screen.
TEST(WindowPlaces, APlaceKeptAsARectangleStillComesBackOntoTheScreen) {
    Places().setValue(QStringLiteral("windows/frmOld/place"), QRect(9000, 50, 300, 200));
    QWidget window;
    WindowPlaces::Track(&window, QStringLiteral("frmOld"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.geometry()));
    EXPECT_EQ(window.size(), QSize(300, 200));
}

} // namespace
