// The extra windows open at the last exit open again, each at its remembered
// place (WindowPlaces::Track, called where each window is built).
#include "window/board/frmBoard.h"

#include "window/common/WindowPlaces.h"
#include "window/help/HelpViewer.h"
#include "window/statistics/frmStatistics.h"

void frmBoard::ReopenWindows() {
    const bool statistics = WindowPlaces::WasOpen(QStringLiteral("frmStatistics"));
    const bool help = WindowPlaces::WasOpen(QStringLiteral("HelpViewer"));
    if (statistics) {
        actStatistics_Triggered();
    }
    if (help) {
        cmdHelp_Click();
    }
    if (statistics || help) {
        window()->activateWindow(); // the keyboard stays with the table
    }
}
