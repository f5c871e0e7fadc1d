#pragma once

#include "betting/AnnouncedBets.h"
#include "betting/SavedLayouts.h"
#include "betting/TableSession.h"
#include "practice/DrillLevels.h"
#include "table/GameState.h"
#include "table/RandomSource.h"
#include "window/common/DataStore.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class BoardTable;
class ClickLabel;
class AutoplayUnit;
class DrillsUnit;
class HelpUnit;
class LayoutsUnit;
class RacetrackUnit;
class HelpViewer;
class StatisticsUnit;
class StrategyUnit;
class ZoomUnit;
class InputBlocker;
class Picture;
class frmStatistics;
class frmRacetrack;
class frmStrategy;
class frmPractice;
struct PlacedBet;
struct NameTask;
struct PayTask;
class AnnouncedPreview;
class QAction;
class QMenu;
class dlgLayouts;
class QPushButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

// The table window. It owns the whole game state; its controls only show it.
// Building the window runs the start-up (Form_Load).
class frmBoard : public QWidget {
    Q_OBJECT
  public:
    // A null random source means one seeded from the clock.
    explicit frmBoard(QWidget* parent = nullptr, std::unique_ptr<RandomSource> random = nullptr);
    ~frmBoard() override;

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

    // Null until Help is first pressed.
    HelpViewer* helpViewer() const;

    // One tick of the ball, as the timer gives it; public so tests can step a spin.
    void tmrDelay_Timer();

    // The zoom of the table: 1.0 at the designed size.
    double Zoom() const { return m_zoom; }
    // A drill is open: the player's layout is put aside for its practice one.
    bool DrillOpen() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void cmdExit_Click();
    void cmdHelp_Click();
    void cmdSpin_Click();

  private:
    friend class BoardTable;

    // Betting by hand.
    void ConnectBettingHandlers();
    void imgChip_MouseDown(std::int16_t spot, Qt::MouseButton button);
    void imgChipColour_Click(std::int16_t chip);
    void lblTable_Click(std::int16_t table);
    void imgBoard_MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF position);
    void OutsideArea_MouseDown(std::int16_t spot, Qt::MouseButton button);
    void StakeSpot(std::int16_t spot, std::int16_t button);

    // The announced bets act on the press itself; true when no message was shown.
    void ConnectAnnouncedButtons();
    // The cover text is the box's unless one is given (the racetrack's number).
    bool Announced_MouseDown(AnnouncedBet bet, Qt::MouseButton button,
                             const std::optional<std::string>& cover = std::nullopt);

    // The spin and its settlement.
    void ConnectSpin();
    void StopBall();
    bool CalcWin(); // false if the spin could not be settled

    // The preview of the announced bets, tool tips and screen reader names.
    void ConnectTeaching();

    // Remembered windows (frmBoardPlaces.cpp): each extra window keeps its
    // place by its objectName, and those open at the last exit open again
    // once the table is up.
    void ReopenWindows();

    // Undo, rebet, clear, double, spin by key and the statistics: the six
    // actions of the table (frmBoardActions.cpp). UndoStep journals one
    // action on the layout (window/UndoStep.h).
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
    bool TableIdle() const;
    // Every action round the table enabled by its rule (table/ActionRules.h).
    void ApplyActionRules();

    // Every place, size and font scaled (frmBoardZoom.cpp).
    void ShowAtZoom(double zoom);
    double m_zoom = 1.0;

    void ShowMessage(const QString& text);
    // Runs a change of the state; false, and the player told what was not
    // done, if money would overflow.
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

    std::array<Picture*, kSpotCount> m_imgChip{};
    std::array<ClickLabel*, kSpotCount> m_lblChip{};
    std::array<ClickLabel*, kChipCount> m_lblChipColour{};
    std::array<ClickLabel*, 4> m_lblTable{}; // by table index: $1, $2, $5, $10
    std::array<std::pair<QPushButton*, AnnouncedBet>, 18> m_announcedButtons{};
    std::array<QLineEdit*, kHistoryCount> m_txtLastNumber{};
    QLineEdit* m_txtWinSpin = nullptr;
    QLineEdit* m_txtBetValue = nullptr;
    QLineEdit* m_txtWinTotal = nullptr;
    QComboBox* m_cmbNeighb = nullptr;
    QComboBox* m_cmbNumber = nullptr;
    QWidget* m_shpBall = nullptr;
    QTimer* m_tmrDelay = nullptr;
    InputBlocker* m_inputBlocker = nullptr;
    TableSession m_session;
    std::array<QAction*, 6> m_actions{};
    AnnouncedPreview* m_preview = nullptr;
    BoardTable* m_table = nullptr; // what the features around the table see of it
    StatisticsUnit* m_statistics = nullptr;
    HelpUnit* m_help = nullptr;
    StrategyUnit* m_strategy = nullptr;
    ZoomUnit* m_zoomUnit = nullptr;
    RacetrackUnit* m_racetrack = nullptr;
    LayoutsUnit* m_layouts = nullptr;
    AutoplayUnit* m_autoplay = nullptr;
    DrillsUnit* m_drills = nullptr;
    // Every control by name, filled as they are created: cheaper than
    // searching 400 children by name for each one.
    QHash<QString, QWidget*> m_controls;
};

// Every control exists from start-up on, so a missing name is a fault of the layout table.
template <class T> T* frmBoard::Control(const QString& name) const {
    auto* control = qobject_cast<T*>(m_controls.value(name));
    Q_ASSERT_X(control, "frmBoard::Control", qPrintable(name));
    return control;
}
