#pragma once

#include "betting/AnnouncedBets.h"
#include "practice/DrillLevels.h"
#include "practice/DrillProgress.h"
#include "practice/DrillTask.h"
#include "window/common/DataStore.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>
#include <random>
#include <vector>

class QAction;
class RandomSource;
class Table;
class frmPractice;

// The drills: Place it, Name it and Pay it in a practice window beside the
// table. While it is open the player's own layout is put aside, so a drill
// never costs or changes it; each task stakes what it shows through the
// table's own presses, so the chips, the totals and the limits are exactly
// the ones of play.
class DrillsUnit : public QObject {
    Q_OBJECT
  public:
    // `random` seeds each opening's tasks; `progress` keeps the counts between runs.
    DrillsUnit(Table& table, RandomSource& random, DataStore progress);
    // The player's progress file, held to the progress record's own rules.
    static DataStore ProgressStore();

    bool open() const { return m_run.has_value(); }
    frmPractice* window() const;
    // The task on show, for tests that answer it; null unless one of its kind is.
    const PlacedBet* placeTask() const;
    const NameTask* nameTask() const;
    const PayTask* payTask() const;

  private:
    // What a drill keeps while the practice window is open.
    struct Run {
        std::mt19937 random;
        // The task on show: one of the three, by the drill.
        std::optional<PlacedBet> place;
        std::optional<NameTask> name;
        std::optional<PayTask> pay;
        bool checked = false;
        DrillProgress progress;
    };

    // The first drill puts the layout aside; another one only switches the window.
    void Open(Drill drill);
    void OpenWindow(const QString& notice);
    // Everything the drill touched goes back exactly as it was.
    void End();
    void Record(AnnouncedBet bet, bool right, const std::vector<std::int16_t>& missed);
    void ShowProgress();

    // DrillTasks.cpp: drawing, laying and checking the tasks.
    void NewTask();
    void NewPlaceTask(int level);
    void NewNameTask(int level);
    void NewPayTask(int level);
    void PressBet(const PlacedBet& bet);
    void Check();
    void CheckPlaceTask();
    void CheckPayTask();
    void Choose(int index);
    void TakePress();

    Table& m_table;
    RandomSource& m_random;
    DataStore m_store;
    std::array<QAction*, 3> m_actions{};
    QPointer<frmPractice> m_window;
    std::optional<Run> m_run; // unset while no drill is open
};
