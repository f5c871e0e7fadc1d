// The racetrack: a window beside the table whose numbers and sectors press
// the announced buttons' own press, with the number given as the cover.
#include "window/board/frmBoard.h"

#include "betting/PressForecast.h"
#include "betting/Racetrack.h"
#include "window/board/AnnouncedPreview.h"
#include "window/common/WindowPlaces.h"
#include "window/racetrack/frmRacetrack.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>

// Ctrl+K is the line edits' "delete to the end" while a box has the focus,
// as Ctrl+Z is their undo, and the table's everywhere else.
void frmBoard::CreateRacetrack() {
    m_actRacetrack = new QAction(QStringLiteral("&Racetrack"), this);
    m_actRacetrack->setObjectName(QStringLiteral("actRacetrack"));
    m_actRacetrack->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    addAction(m_actRacetrack);
    connect(m_actRacetrack, &QAction::triggered, this, &frmBoard::actRacetrack_Triggered);
    const auto refresh = [this] { RefreshRacetrack(); };
    connect(m_cmbNumber, &QComboBox::editTextChanged, this, refresh);
    connect(m_cmbNeighb, &QComboBox::editTextChanged, this, refresh);
}

// Built the first time it is asked for, to the right of the table's window.
void frmBoard::actRacetrack_Triggered() {
    if (!m_frmRacetrack) {
        m_frmRacetrack = new frmRacetrack(this, m_state.catalogue);
        m_frmRacetrack->SetZoom(Zoom());
        connect(m_frmRacetrack, &frmRacetrack::stopPressed, this, &frmBoard::Racetrack_Pressed);
        connect(m_frmRacetrack, &frmRacetrack::stopHovered, this, &frmBoard::Racetrack_Hovered);
        connect(m_frmRacetrack, &frmRacetrack::eitherSideStepped, this,
                &frmBoard::Racetrack_EitherSide);
        const QRect table = window()->frameGeometry();
        WindowPlaces::PlaceBeside(m_frmRacetrack, window(),
                                  table.bottom() - m_frmRacetrack->height());
        WindowPlaces::Track(m_frmRacetrack, m_frmRacetrack->objectName());
    }
    m_frmRacetrack->show();
    m_frmRacetrack->raise();
    m_frmRacetrack->activateWindow();
    RefreshRacetrack();
}

// The one question every input of the track asks first.
bool frmBoard::RacetrackAnswers() const {
    return TableIdle() && !PlacingByHand();
}

void frmBoard::Racetrack_Pressed(int stop, Qt::MouseButton button) {
    if (!RacetrackAnswers()) {
        return;
    }
    const TrackTarget target = TargetOfStop(m_state.catalogue, stop);
    std::optional<std::string> cover;
    if (target.number) {
        cover = TrackCoverText(*target.number);
    }
    Announced_MouseDown(target.bet, button, cover);
}

void frmBoard::Racetrack_Hovered(int stop) {
    m_trackHovered = stop;
    RefreshRacetrack();
}

void frmBoard::Racetrack_EitherSide(int delta) {
    if (!RacetrackAnswers()) {
        return;
    }
    const std::string text = m_cmbNeighb->currentText().toStdString();
    m_cmbNeighb->setEditText(QString::number(SteppedEitherSide(text, delta)));
}

namespace {

PressForecast ForecastStop(const GameState& state, int stop, const QComboBox& eitherSide) {
    const TrackTarget target = TargetOfStop(state.catalogue, stop);
    const std::string cover = target.number ? TrackCoverText(*target.number) : std::string();
    return ForecastPress(state, target.bet, cover, eitherSide.currentText().toStdString());
}

} // namespace

// Every stop's tool tip tells its forecast; the stop under the pointer also
// marks the track, the layout and the wheel, unless the track is not answering.
void frmBoard::RefreshRacetrack() {
    if (!m_frmRacetrack) {
        return;
    }
    for (int stop = 0; stop < kTrackStopCount; ++stop) {
        m_frmRacetrack->Describe(
            stop, QString::fromStdString(ForecastText(ForecastStop(m_state, stop, *m_cmbNeighb))));
    }
    m_frmRacetrack->SetAnswering(RacetrackAnswers());
    const bool shows =
        m_trackHovered >= 0 && RacetrackAnswers() && !QApplication::activeModalWidget();
    const ChipsByNumber chips =
        shows ? ChipsPerNumber(ForecastStop(m_state, m_trackHovered, *m_cmbNeighb))
              : ChipsByNumber{};
    m_frmRacetrack->ShowMarks(chips);
    if (shows) {
        m_preview->ShowMarks(chips);
    } else if (!m_preview->hovered()) {
        m_preview->ClearMarks();
    }
}
