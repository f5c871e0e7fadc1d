#pragma once

#include "betting/Racetrack.h"
#include "window/common/PreviewMarks.h"

#include <QWidget>

#include <array>

class TrackCell;

// The racetrack beside the table: the numbers on an oval in wheel order and
// the sectors inside it, each a control of its own. It holds no state of the
// game and decides nothing: it reports presses, hovering and keys by stop
// (see betting/Racetrack.h) and shows the marks and tool tips it is given.
class frmRacetrack : public QWidget {
    Q_OBJECT
  public:
    frmRacetrack(QWidget* owner, const Catalogue& catalogue);

    TrackCell* cell(int stop) const { return m_cells.at(stop); }
    // The marks of a previewed press on the numbers it covers; all zero clears them.
    void ShowMarks(const ChipsByNumber& chips);
    void Describe(int stop, const QString& text);
    // The track at the table's zoom: its fixed size and every cell scaled.
    void SetZoom(double zoom);
    // While the table does not answer (a spin), presses and keys do nothing,
    // not even moving round the track.
    void SetAnswering(bool answering) { m_answering = answering; }

  signals:
    void stopPressed(int stop, Qt::MouseButton button);
    void stopHovered(int stop); // -1 once the pointer has left every stop
    void eitherSideStepped(int delta);

  protected:
    bool event(QEvent* event) override;

  private:
    void AddPockets();
    void AddSectors();
    void Bind(int stop, TrackCell* cell);
    void Key(int stop, int key, Qt::KeyboardModifiers modifiers);

    const Catalogue& m_catalogue;
    std::array<TrackCell*, kTrackStopCount> m_cells{};
    bool m_answering = true;
};
