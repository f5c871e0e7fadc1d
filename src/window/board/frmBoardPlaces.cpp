// The extra windows open at the last exit open again, each at its remembered
// place (WindowPlaces::Track, called where each window is built). The
// strategy tester keeps its place but is not reopened: it needs chips on the
// table, and the table starts empty. Nor is the practice window: a drill is
// begun by the player's choice, never by a start.
#include "window/board/frmBoard.h"

#include "window/common/AfterFirstFrame.h"
#include "window/common/SettingsFile.h"
#include "window/common/WindowPlaces.h"
#include "window/help/HelpUnit.h"
#include "window/racetrack/RacetrackUnit.h"
#include "window/statistics/StatisticsUnit.h"

void frmBoard::ReopenWindows() {
    const bool statistics = WindowPlaces::WasOpen(QStringLiteral("frmStatistics"));
    const bool help = WindowPlaces::WasOpen(QStringLiteral("HelpViewer"));
    const bool racetrack = WindowPlaces::WasOpen(QStringLiteral("frmRacetrack"));
    if (statistics) {
        m_statistics->Show();
    }
    if (help) {
        m_help->Show();
    }
    if (racetrack) {
        m_racetrack->Show();
    }
    if (statistics || help || racetrack) {
        window()->activateWindow(); // the keyboard stays with the table
    }
    // A settings file moved aside is told once the table stands.
    RunAfterFirstFrame(this, [this] {
        if (const QString notice = SettingsFile::TakeNotice(); !notice.isEmpty()) {
            ShowMessage(notice);
        }
    });
}
