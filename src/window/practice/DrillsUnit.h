#pragma once

#include "betting/AnnouncedBets.h"
#include "practice/DrillLevels.h"
#include "practice/DrillProgress.h"
#include "practice/DrillTask.h"
#include "practice/HearTask.h"
#include "window/common/DataStore.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <random>
#include <vector>

class QAction;
class RandomSource;
class Table;
class frmPractice;

// The drills: Place it, Name it, Pay it and Hear it in a practice window beside the
// table. While it is open the player's own layout is put aside, so a drill
// never costs or changes it; each task stakes what it shows through the
// table's own presses, so the chips, the totals and the limits are exactly
// the ones of play.
class DrillsUnit : public QObject {
    Q_OBJECT
  public:
    // Speaks a sentence in the croupier's voice; false when no voice speaks.
    using Speak = std::function<bool(const QString& sentence)>;
    // `random` seeds each opening's tasks; `progress` keeps the counts between
    // runs; `speak` calls Hear it's bets.
    DrillsUnit(Table& table, RandomSource& random, DataStore progress, Speak speak);
    // The player's progress file, held to the progress record's own rules.
    static DataStore ProgressStore();

    bool open() const { return m_run.has_value(); }
    frmPractice* window() const;
    // The task on show, for tests that answer it; null unless one of its kind is.
    const PlacedBet* placeTask() const;
    const NameTask* nameTask() const;
    const PayTask* payTask() const;
    const HearTask* hearTask() const;

  private:
    // What a drill keeps while the practice window is open.
    struct Run {
        std::mt19937 random;
        // The task on show: one of the three, by the drill.
        std::optional<PlacedBet> place;
        std::optional<NameTask> name;
        std::optional<PayTask> pay;
        std::optional<HearTask> hear;
        std::size_t spoken = 0; // the stream's steps said so far
        bool voiced = true;     // false: no voice, so the call is written
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

    // HearTasks.cpp: Hear it's calls, spoken, repeated, streamed and checked.
    void NewHearTask(int level);
    void SayCall(const QString& sentence);
    void Repeat();
    void StreamTick();
    bool HearCheckOpen() const;
    void CheckHearTask();

    Table& m_table;
    RandomSource& m_random;
    DataStore m_store;
    Speak m_speak;
    std::array<QAction*, 4> m_actions{};
    QPointer<frmPractice> m_window;
    std::optional<Run> m_run; // unset while no drill is open
};
