#include "window/board/BoardTable.h"

#include "betting/LayoutActions.h"
#include "window/board/AnnouncedPreview.h"
#include "window/board/UndoStep.h"
#include "window/board/frmBoard.h"
#include "window/common/InputBlocker.h"

#include <QComboBox>
#include <QTimer>

BoardTable::BoardTable(frmBoard& board) : Table(&board), m_board(board) {
    setObjectName(QStringLiteral("table"));
}

const GameState& BoardTable::state() const {
    return m_board.m_state;
}

const SessionStatistics& BoardTable::statistics() const {
    return m_board.m_session.statistics;
}

QString BoardTable::eitherSideText() const {
    return m_board.m_cmbNeighb->currentText();
}

void BoardTable::setEitherSideText(const QString& text) {
    m_board.m_cmbNeighb->setEditText(text);
}

double BoardTable::zoom() const {
    return m_board.Zoom();
}

void BoardTable::setZoom(double zoom) {
    m_board.ShowAtZoom(zoom);
    emit zoomChanged(zoom);
}

QWidget* BoardTable::owner() const {
    return &m_board;
}

// Followed at every call: a run's settled spin is followed as its start was.
void BoardTable::setHeld(bool held) {
    const bool changed = held != m_held;
    m_held = held;
    m_board.FollowTableChange();
    if (changed) {
        emit busyChanged(busy());
    }
}

void BoardTable::blockInput(bool block) {
    if (block) {
        m_board.m_inputBlocker->Block();
    } else {
        m_board.m_inputBlocker->Release();
    }
}

void BoardTable::PutLayoutAside() {
    m_aside = Aside{m_board.m_state, m_board.m_session.journal, m_board.m_cmbNumber->currentText(),
                    m_board.m_cmbNeighb->currentText()};
    m_board.m_session.journal.Clear();
    ClearLayout();
}

void BoardTable::BringLayoutBack() {
    if (!m_aside) {
        return;
    }
    const Aside aside = *std::exchange(m_aside, std::nullopt);
    GameState& state = m_board.m_state;
    state.SpotStake = aside.saved.SpotStake;
    state.SpotChip = aside.saved.SpotChip;
    state.Balance = aside.saved.Balance;
    state.BetTotal = aside.saved.BetTotal;
    state.TotalsShown = aside.saved.TotalsShown;
    state.BetAccepted = aside.saved.BetAccepted;
    state.ChipIndex = aside.saved.ChipIndex;
    state.TableIndex = aside.saved.TableIndex;
    m_board.m_session.journal = aside.journal;
    m_board.m_cmbNumber->setEditText(aside.cover);
    m_board.m_cmbNeighb->setEditText(aside.eitherSide);
    m_board.RedrawAllSpots();
    m_board.RedrawTotals();
    m_board.RedrawSelectors();
    m_board.FollowTableChange();
}

void BoardTable::ClearLayout() {
    ClearStakes(m_board.m_state);
    m_board.RedrawAllSpots();
    m_board.RedrawTotals();
}

void BoardTable::ForgetUndo() {
    m_board.m_session.journal.Clear();
    m_board.FollowTableChange();
}

void BoardTable::SetChipAndTable(std::int16_t chip, std::int16_t table) {
    m_board.m_state.ChipIndex = chip;
    m_board.m_state.TableIndex = table;
    m_board.RedrawSelectors();
}

void BoardTable::PressSpot(std::int16_t spot) {
    m_board.StakeSpot(spot, kLeftButton);
}

void BoardTable::PlaceStakes(const SpotStakes& stakes) {
    m_board.RunLayoutAction([this, &stakes] { return AddStakes(m_board.m_state, stakes); },
                            tr("Placing the layout stopped there."), true);
}

// Every spot is drawn again, whatever the run reached.
Table::Staked BoardTable::StakeToMultiple(const SpotStakes& base, std::int64_t multiple,
                                          const QString& notDone) {
    Staked staked;
    LayoutRun run;
    {
        const frmBoard::UndoStep step(m_board);
        staked.overflow = !m_board.RunGuarded(
            [&] { run = ::StakeToMultiple(m_board.m_state, base, multiple); }, notDone);
    }
    staked.refusal = run.refusal;
    m_board.RedrawAllSpots();
    m_board.RedrawTotals();
    return staked;
}

// The press reads Either Side from its box, so the box holds the given count
// for the press only; the player's text is back before anything draws.
bool BoardTable::PressAnnounced(AnnouncedBet bet, Qt::MouseButton button,
                                const std::optional<std::string>& cover,
                                const std::optional<QString>& eitherSide) {
    if (!eitherSide) {
        return m_board.Announced_MouseDown(bet, button, cover);
    }
    const QString typed = m_board.m_cmbNeighb->currentText();
    m_board.m_cmbNeighb->setEditText(*eitherSide);
    const bool quiet = m_board.Announced_MouseDown(bet, button, cover);
    m_board.m_cmbNeighb->setEditText(typed);
    return quiet;
}

void BoardTable::DivertAnnouncedPresses(std::function<void()> taker) {
    m_taker = std::move(taker);
}

bool BoardTable::TakeAnnouncedPress() {
    if (!m_taker) {
        return false;
    }
    m_taker();
    return true;
}

void BoardTable::Spin() {
    m_board.cmdSpin_Click();
}

void BoardTable::StepBall() {
    m_board.tmrDelay_Timer();
}

void BoardTable::SetBallTick(int milliseconds) {
    m_board.m_tmrDelay->setInterval(milliseconds);
}

void BoardTable::ShowMarks(const ChipsByNumber& chips) {
    m_board.m_preview->ShowMarks(chips);
}

void BoardTable::ShowPair(const ChipsByNumber& asked, const ChipsByNumber& given) {
    m_board.m_preview->ShowPair(asked, given);
}

void BoardTable::ClearMarks() {
    m_board.m_preview->ClearMarks();
}

bool BoardTable::previewHovered() const {
    return m_board.m_preview->hovered() != nullptr;
}

void BoardTable::SilencePreview(bool silenced) {
    m_board.m_preview->SetSilenced(silenced);
}

void BoardTable::ShowMessage(const QString& text) {
    m_board.ShowMessage(text);
}
