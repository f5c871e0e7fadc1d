#include "window/racetrack/RacetrackUnit.h"

#include "betting/PressForecast.h"
#include "betting/Racetrack.h"
#include "window/common/Table.h"
#include "window/common/TableTexts.h"
#include "window/common/WindowPlaces.h"
#include "window/racetrack/frmRacetrack.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>

namespace {

PressForecast ForecastStop(const Table& table, int stop) {
    const TrackTarget target = TargetOfStop(table.state().catalogue, stop);
    const std::string cover = target.number ? TrackCoverText(*target.number) : std::string();
    return ForecastPress(table.state(), target.bet, cover, table.eitherSideText().toStdString());
}

} // namespace

// Ctrl+K is the line edits' "delete to the end" while a box has the focus,
// as Ctrl+Z is their undo, and the table's everywhere else. The action is
// one of the table's own keys, after its six.
RacetrackUnit::RacetrackUnit(Table& table)
    : QObject(&table), m_table(table), m_action(new QAction(tr("&Racetrack"), this)) {
    setObjectName(QStringLiteral("racetrackUnit"));
    m_action->setObjectName(QStringLiteral("actRacetrack"));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    table.owner()->addAction(m_action);
    connect(m_action, &QAction::triggered, this, &RacetrackUnit::Show);
    connect(&table, &Table::stakesChanged, this, &RacetrackUnit::Refresh);
    connect(&table, &Table::boxesEdited, this, &RacetrackUnit::Refresh);
    connect(&table, &Table::zoomChanged, this, [this](double zoom) {
        if (m_window) {
            m_window->SetZoom(zoom);
        }
    });
}

frmRacetrack* RacetrackUnit::window() const {
    return m_window;
}

void RacetrackUnit::Show() {
    if (!m_window) {
        QWidget* owner = m_table.owner();
        m_window = new frmRacetrack(owner, m_table.state().catalogue);
        m_window->SetZoom(m_table.zoom());
        connect(m_window, &frmRacetrack::stopPressed, this, &RacetrackUnit::Pressed);
        connect(m_window, &frmRacetrack::stopHovered, this, &RacetrackUnit::Hovered);
        connect(m_window, &frmRacetrack::eitherSideStepped, this, &RacetrackUnit::EitherSide);
        const QRect table = owner->window()->frameGeometry();
        WindowPlaces::PlaceBeside(m_window, owner->window(), table.bottom() - m_window->height());
        WindowPlaces::Track(m_window, m_window->objectName());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    Refresh();
}

bool RacetrackUnit::Answers() const {
    return !m_table.busy() && !m_table.announcedDiverted();
}

void RacetrackUnit::Pressed(int stop, Qt::MouseButton button) {
    if (!Answers()) {
        return;
    }
    const TrackTarget target = TargetOfStop(m_table.state().catalogue, stop);
    std::optional<std::string> cover;
    if (target.number) {
        cover = TrackCoverText(*target.number);
    }
    m_table.PressAnnounced(target.bet, button, cover);
}

void RacetrackUnit::Hovered(int stop) {
    m_hovered = stop;
    Refresh();
}

void RacetrackUnit::EitherSide(int delta) {
    if (!Answers()) {
        return;
    }
    const std::string text = m_table.eitherSideText().toStdString();
    m_table.setEitherSideText(QString::number(SteppedEitherSide(text, delta)));
}

// The marks wait while a box is open, and never cover a button's own preview.
void RacetrackUnit::Refresh() {
    if (!m_window) {
        return;
    }
    for (int stop = 0; stop < kTrackStopCount; ++stop) {
        m_window->Describe(stop, TableText(ForecastText(ForecastStop(m_table, stop))));
    }
    m_window->SetAnswering(Answers());
    const bool shows = m_hovered >= 0 && Answers() && !QApplication::activeModalWidget();
    const ChipsByNumber chips =
        shows ? ChipsPerNumber(ForecastStop(m_table, m_hovered)) : ChipsByNumber{};
    m_window->ShowMarks(chips);
    if (shows) {
        m_table.ShowMarks(chips);
    } else if (!m_table.previewHovered()) {
        m_table.ClearMarks();
    }
}
