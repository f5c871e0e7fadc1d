#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class Table;
class frmRacetrack;

// The racetrack beside the table: its numbers and sectors press the
// announced buttons' own press, with the number given as the cover, and the
// stop under the pointer previews that press on the track, the layout and
// the wheel.
class RacetrackUnit : public QObject {
    Q_OBJECT
  public:
    explicit RacetrackUnit(Table& table);

    // Built the first time it is asked for, to the right of the table's window.
    void Show();
    QAction* action() const { return m_action; }
    frmRacetrack* window() const;

  private:
    // The one question every input of the track asks first: the table
    // takes the player's presses, and a drill does not want them by hand.
    bool Answers() const;
    void Pressed(int stop, Qt::MouseButton button);
    void Hovered(int stop);
    void EitherSide(int delta);
    // Every stop's tool tip tells its forecast; the hovered one marks too.
    void Refresh();

    Table& m_table;
    QAction* m_action;
    QPointer<frmRacetrack> m_window;
    int m_hovered = -1; // the stop under the pointer, -1 for none
};
