#pragma once

#include "betting/AnnouncedBets.h"
#include "betting/LayoutActions.h"
#include "betting/UpdateChip.h"
#include "table/GameState.h"
#include "window/common/PreviewMarks.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;
struct SessionStatistics;

// All that the features around the table (autoplay, the drills, the
// racetrack, saved layouts, ...) may see of it and do with it. Each feature
// gets this and nothing else of the table, so it can be tried against a
// small fake, and a change inside the table cannot break it unseen. Every
// change goes through the table's own rules and redraws what it changed.
class Table : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The game as it stands: stakes, chips, the selected chip and table, the
    // Balance, whether the ball runs; read only.
    virtual const GameState& state() const = 0;
    virtual const SessionStatistics& statistics() const = 0;
    // The Either Side box as typed; the racetrack steps it.
    virtual QString eitherSideText() const = 0;
    virtual void setEitherSideText(const QString& text) = 0;
    // 1.0 at the designed size.
    virtual double zoom() const = 0;
    virtual void setZoom(double zoom) = 0;
    // The widget the features' windows and boxes belong to; its window() is
    // the one they open beside.
    virtual QWidget* owner() const = 0;

    // The ball runs or the table is held: the player's own changes wait.
    bool busy() const { return state().Spinning || held(); }
    // Held while something else plays the table (autoplay), whether the
    // ball runs or not.
    virtual bool held() const = 0;
    virtual void setHeld(bool held) = 0;
    // Keeps every press and key away from the table's window, without greying it.
    virtual void blockInput(bool block) = 0;

    // The player's layout, chip, table, both boxes' texts and undo steps put
    // aside (the layout cleared, nothing to undo), and brought back exactly.
    virtual void PutLayoutAside() = 0;
    virtual void BringLayoutBack() = 0;
    // Between the two: what lies on the layout is practice, not the player's money.
    virtual bool layoutAside() const = 0;
    // The stakes back to the Balance, not journaled.
    virtual void ClearLayout() = 0;
    virtual void ForgetUndo() = 0;
    // Selects without the selectors' rules, as a task sets them.
    virtual void SetChipAndTable(std::int16_t chip, std::int16_t table) = 0;

    // One undoable step each. A refusal's box is shown by PlaceStakes and a
    // press, and returned by StakeToMultiple for the caller to show; an
    // overflow's box is always shown here.
    virtual void PressSpot(std::int16_t spot) = 0;
    virtual void PlaceStakes(const SpotStakes& stakes) = 0;
    struct Staked {
        bool overflow = false;
        std::optional<Refusal> refusal;
    };
    // `notDone` ends the overflow's box.
    virtual Staked StakeToMultiple(const SpotStakes& base, std::int64_t multiple,
                                   const QString& notDone) = 0;
    // An announced bet as its button presses it, with the given cover (the
    // Cover box's text if none) and either-side count (the box's if none);
    // false when a box was shown.
    virtual bool PressAnnounced(AnnouncedBet bet, Qt::MouseButton button,
                                const std::optional<std::string>& cover = std::nullopt,
                                const std::optional<QString>& eitherSide = std::nullopt) = 0;
    // While set, the announced presses go to `taker` instead of the layout.
    virtual void DivertAnnouncedPresses(std::function<void()> taker) = 0;
    virtual bool announcedDiverted() const = 0;

    // The spin as Spin starts it; StepBall is one tick of its timer, whose
    // interval SetBallTick sets.
    virtual void Spin() = 0;
    virtual void StepBall() = 0;
    virtual void SetBallTick(int milliseconds) = 0;

    // The layout's and the wheel's preview marks.
    virtual void ShowMarks(const ChipsByNumber& chips) = 0;
    virtual void ShowPair(const ChipsByNumber& asked, const ChipsByNumber& given) = 0;
    virtual void ClearMarks() = 0;
    // A button's own preview is under way; other marks wait for it.
    virtual bool previewHovered() const = 0;
    virtual void SilencePreview(bool silenced) = 0;

    virtual void ShowMessage(const QString& text) = 0;

  signals:
    // After any change of the stakes or the undo steps, and as a spin starts
    // and stops, whatever made it.
    void stakesChanged();
    // The Cover or the Either Side box was edited.
    void boxesEdited();
    // A chip put on or taken off by hand.
    void chipStaked();
    // An announced bet, a rebet, a double or a saved layout placed by one press.
    void patternStaked();
    void spinLaunched();
    // The ball has stopped; `settled` false if money overflowed instead.
    void spinSettled(bool settled, int number);
    void busyChanged(bool busy);
    // After the table has been drawn at a new zoom.
    void zoomChanged(double zoom);
};
