#pragma once

#include "betting/StakeJournal.h"
#include "window/common/Table.h"

#include <QString>

#include <optional>

class frmBoard;

// frmBoard as the features see it: each call is the table's own handler or
// redraw, so a feature's change is drawn and journaled as a press is.
class BoardTable final : public Table {
    Q_OBJECT
  public:
    explicit BoardTable(frmBoard& board);

    const GameState& state() const override;
    const SessionStatistics& statistics() const override;
    QString eitherSideText() const override;
    void setEitherSideText(const QString& text) override;
    double zoom() const override;
    void setZoom(double zoom) override;
    QWidget* owner() const override;
    bool held() const override { return m_held; }
    void setHeld(bool held) override;
    void blockInput(bool block) override;

    void PutLayoutAside() override;
    void BringLayoutBack() override;
    bool layoutAside() const override { return m_aside.has_value(); }
    void ClearLayout() override;
    void ForgetUndo() override;
    void SetChipAndTable(std::int16_t chip, std::int16_t table) override;

    void PressSpot(std::int16_t spot) override;
    void PlaceStakes(const SpotStakes& stakes) override;
    Staked StakeToMultiple(const SpotStakes& base, std::int64_t multiple,
                           const QString& notDone) override;
    bool PressAnnounced(AnnouncedBet bet, Qt::MouseButton button,
                        const std::optional<std::string>& cover,
                        const std::optional<QString>& eitherSide) override;
    void DivertAnnouncedPresses(std::function<void()> taker) override;
    bool announcedDiverted() const override { return static_cast<bool>(m_taker); }
    // Runs the taker; false when presses go to the layout.
    bool TakeAnnouncedPress();

    void Spin() override;
    void StepBall() override;
    void SetBallTick(int milliseconds) override;

    void ShowMarks(const ChipsByNumber& chips) override;
    void ShowPair(const ChipsByNumber& asked, const ChipsByNumber& given) override;
    void ClearMarks() override;
    bool previewHovered() const override;
    void SilencePreview(bool silenced) override;

    void ShowMessage(const QString& text) override;

  private:
    // What a drill put aside: only the layout's part of the state comes back.
    struct Aside {
        GameState saved;
        StakeJournal journal;
        QString cover;
        QString eitherSide;
    };

    frmBoard& m_board;
    bool m_held = false;
    std::optional<Aside> m_aside;
    std::function<void()> m_taker;
};
