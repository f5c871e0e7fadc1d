#include "wheel/Settlement.h"

#include "betting/UpdateChip.h"
#include "table/Money.h"
#include "table/NumberText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kLastCover = kCoverCount - 1;

// Pays every winning stake of the number's cover run and marks its spot by
// negating the stake, so the clearing pass can tell winners from losers.
// BetTotal is rebuilt from the winners alone.
std::int32_t PayWinners(GameState& state, std::int16_t number) {
    const Catalogue& catalogue = state.catalogue;
    std::int32_t spinWin = 0;
    state.BetTotal = 0;
    int k = catalogue.NumberFirstCover.at(number);
    do {
        const std::int16_t spot = catalogue.CoverSpot.at(k);
        std::int16_t& stake = state.SpotStake.at(spot);
        if (stake > 0) {
            spinWin = CheckedAdd(spinWin, CheckedMul16(catalogue.SpotPayout.at(spot), stake));
            state.BetTotal = CheckedAdd(state.BetTotal, stake);
            stake = static_cast<std::int16_t>(-stake);
        }
        ++k;
    } while (k <= kLastCover && catalogue.CoverNumber.at(k) <= number);
    return spinWin;
}

// Losers leave the layout through UpdateChip (button 0 on a stake already 0
// moves no money, it only hides the marker); winners get their stake back.
void ClearLosers(GameState& state) {
    for (std::int16_t spot = 0; spot < kSpotCount; ++spot) {
        std::int16_t& stake = state.SpotStake.at(spot);
        if (stake > 0) {
            stake = 0;
            UpdateChip(state, spot, kNoButton);
        } else if (stake < 0) {
            stake = static_cast<std::int16_t>(-stake);
        }
    }
}

// The leading blanks set the number's place in the history column: red
// leftmost (one blank), zero in the middle (three), black rightmost (four).
HistoryEntry MakeHistoryEntry(const Catalogue& catalogue, std::int16_t number) {
    switch (static_cast<NumberColourCode>(catalogue.NumberColour.at(number))) {
    case NumberColourCode::Red:
        return {std::string(1, ' ').append(PlainForm(number)), HistoryColour::Red};
    case NumberColourCode::Black:
        return {std::string(4, ' ').append(PlainForm(number)), HistoryColour::Yellow};
    case NumberColourCode::Zero:
        break;
    }
    return {"   0", HistoryColour::Green};
}

// The newest goes on top; the oldest of the fourteen is lost.
void PushHistory(std::array<HistoryEntry, kHistoryCount>& history, HistoryEntry entry) {
    std::move_backward(history.begin(), history.end() - 1, history.end());
    history.front() = std::move(entry);
}

Settlement Settle(GameState& state) {
    const std::int16_t resultNumber = state.catalogue.WheelPocket.at(0).at(state.WinPocket);
    const std::int32_t spinWin = PayWinners(state, resultNumber);
    state.Balance = CheckedAdd(state.Balance, spinWin);
    ClearLosers(state);
    state.LastWin = spinWin;
    state.TotalsShown = true;
    PushHistory(state.LastNumbers, MakeHistoryEntry(state.catalogue, resultNumber));
    return {resultNumber, spinWin};
}

} // namespace

Settlement CalcWin(GameState& state) {
    // Settled on a copy: an overflow part-way through must leave the table as it was.
    GameState settled = state;
    const Settlement result = Settle(settled);
    state = std::move(settled);
    return result;
}
