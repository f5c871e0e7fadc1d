#pragma once

#include "betting/AnnouncedBets.h"
#include "betting/TableSession.h"
#include "table/GameState.h"
#include "table/RandomSource.h"
#include "window/board/BoardControls.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class AnnouncedPreview;
class BoardTable;
class HelpUnit;
class HelpViewer;
class QAction;
class RacetrackUnit;
class StatisticsUnit;
class ZoomUnit;
struct NameTask;
struct PayTask;
struct PlacedBet;
enum class AutoplayEnd;

// The table window. It owns the whole game state; its controls only show it.
// Building the window runs the start-up (Form_Load).
class frmBoard : public QWidget, private BoardControls {
    Q_OBJECT
  public:
    // A null random source means one seeded from the clock.
    explicit frmBoard(QWidget* parent = nullptr, std::unique_ptr<RandomSource> random = nullptr);

    const GameState& state() const { return m_state; }
    // For tests that set up a position directly; redraw afterwards.
    GameState& stateForTest() { return m_state; }

    // The view: each redraws its controls from the state alone.
    void RedrawSpot(std::int16_t s);
    void RedrawAllSpots();
    void RedrawTotals();
    void RedrawHistory();
    void RedrawBall();
    void RedrawSelectors();

    // One tick of the ball, as the timer gives it; public so tests can step a spin.
    void tmrDelay_Timer();

    // The zoom of the table: 1.0 at the designed size.
    double Zoom() const { return m_zoomFactor; }
    // What the features round the table show, for tests: null until Help is
    // first pressed; whether autoplay runs and why it last ended; whether a
    // drill is open and the task it shows (null unless one of that kind is).
    HelpViewer* helpViewer() const;
    bool autoplayRunning() const;
    std::optional<AutoplayEnd> lastAutoplayEnd() const;
    bool DrillOpen() const;
    const PlacedBet* placeTaskForTest() const;
    const NameTask* nameTaskForTest() const;
    const PayTask* payTaskForTest() const;

  signals:
    // "Autoplay: spin 3 of 10, Martingale x4" before each autoplay spin; empty when it ends.
    void autoplayStatus(const QString& text);
    // After the table has been drawn at a new zoom, for the windows that follow it.
    void zoomChanged(double factor);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class BoardTable;
    void cmdExit_Click();
    void cmdHelp_Click();
    void cmdSpin_Click();

    // Betting by hand.
    void ConnectBettingHandlers();
    void imgChip_MouseDown(std::int16_t spot, Qt::MouseButton button);
    void imgChipColour_Click(std::int16_t chip);
    void lblTable_Click(std::int16_t table);
    void imgBoard_MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF position);
    void OutsideArea_MouseDown(std::int16_t spot, Qt::MouseButton button);
    void StakeSpot(std::int16_t spot, std::int16_t button);

    // The announced bets act on the press itself; true when no message was
    // shown. The cover text is the box's unless one is given.
    void ConnectAnnouncedButtons();
    bool Announced_MouseDown(AnnouncedBet bet, Qt::MouseButton button,
                             const std::optional<std::string>& cover = std::nullopt);
    // The spin and its settlement.
    void ConnectSpin();
    void StopBall();
    bool CalcWin(); // false if the spin could not be settled
    // The preview of the announced bets, tool tips and screen reader names.
    void ConnectTeaching();
    // The features round the table, each its own unit (frmBoardFeatures.cpp).
    void CreateFeatures();
    void CreateStartedFeatures();
    // The table's six actions (frmBoardActions.cpp); UndoStep (UndoStep.h)
    // journals one action on the layout.
    class UndoStep;
    void CreateActions();
    // `placesBet`: a rebet, a double or a saved layout, heard as one bet.
    void RunLayoutAction(const std::function<LayoutRun()>& action, const QString& notDone,
                         bool placesBet = false);
    void actUndo_Triggered();
    void JournalStep(const StakeSnapshot& before);
    void BeginRound();
    void EndRound(std::int16_t number, std::int32_t spinWin);
    void FollowTableChange();
    // Every action round the table enabled by its rule (table/ActionRules.h).
    void ApplyActionRules();

    // Every place, size and font scaled (frmBoardZoom.cpp).
    void ShowAtZoom(double zoom);
    double m_zoomFactor = 1.0;
    void ShowMessage(const QString& text);
    // False, and the player told what was not done, if money would overflow.
    bool RunGuarded(const std::function<void()>& change, const QString& notDone);

    void Form_Load();
    void CreateControls();
    void FindControls();
    void FillComboBoxes();
    void PlaceSpotChips();
    void ConnectHandlers();
    template <class T> T* Control(const QString& name) const;

    GameState m_state;
    std::unique_ptr<RandomSource> m_random;

    TableSession m_session;
    std::array<QAction*, 6> m_actions{};
    AnnouncedPreview* m_preview = nullptr;
    BoardTable* m_table = nullptr; // what the features around the table see of it
    StatisticsUnit* m_statistics = nullptr;
    HelpUnit* m_help = nullptr;
    RacetrackUnit* m_racetrack = nullptr;
    ZoomUnit* m_zoom = nullptr;
    // Every control by name as created: cheaper than searching 400 children.
    QHash<QString, QWidget*> m_controls;
};
