#include "betting/UpdateChip.h"

#include "table/Money.h"
#include "table/NumberText.h"

#include <cstddef>

namespace {

std::int16_t StakeChange(const GameState& state, std::int16_t iButton) {
    const std::int16_t chip = state.catalogue.ChipValue.at(state.ChipIndex);
    if (iButton == kLeftButton) {
        return chip;
    }
    return iButton == kRightButton ? static_cast<std::int16_t>(-chip) : std::int16_t{0};
}

std::optional<Refusal> TestLimits(const GameState& state, std::int16_t iCount, std::int16_t stake) {
    return TestStake(state.limits, state.TableIndex, iCount, stake);
}

// Only the old stake goes back: a chip worth more than the stake clears it.
// Marker picture and label keep their last look; they are hidden anyway.
void ClearSpot(GameState& state, std::int16_t iCount) {
    const std::int16_t old = state.SpotStake.at(iCount);
    const std::int32_t balance = CheckedAdd(state.Balance, old);
    const std::int32_t betTotal = CheckedSub(state.BetTotal, old);
    state.Balance = balance;
    state.BetTotal = betTotal;
    state.SpotStake.at(iCount) = 0;
}

void AcceptStake(GameState& state, std::int16_t iCount, std::int16_t stake, std::int16_t change) {
    const std::int32_t betTotal = CheckedAdd(state.BetTotal, change);
    const std::int32_t balance = CheckedSub(state.Balance, change);
    state.SpotStake.at(iCount) = stake;
    state.SpotChip.at(iCount) = state.ChipIndex;
    state.BetTotal = betTotal;
    state.Balance = balance;
}

} // namespace

// Checked in this order so the player hears of the multiple first: a chip that
// breaks both the multiple and a bound names the multiple.
std::optional<Refusal> TestStake(const TableLimits& limits, std::int16_t table, std::int16_t spot,
                                 std::int16_t stake) {
    const auto t = static_cast<std::size_t>(table);
    const std::int16_t multiple = limits.TableMultiple.at(t);
    const std::int16_t maximum = limits.SpotMaxBet.at(t).at(spot);
    const std::int16_t minimum = limits.SpotMinBet.at(t).at(spot);
    if (stake % multiple != 0) {
        return Refusal{RefusalKind::Multiple, multiple};
    }
    if (stake > maximum) {
        return Refusal{RefusalKind::Maximum, maximum};
    }
    if (stake < minimum) {
        return Refusal{RefusalKind::Minimum, minimum};
    }
    return std::nullopt;
}

std::string RefusalText(const Refusal& refusal) {
    switch (refusal.kind) {
    case RefusalKind::Multiple:
        return "Bets must be in multiples of " + SignedForm(refusal.limit);
    case RefusalKind::Maximum:
        return "Maximum bet allowed is " + SignedForm(refusal.limit);
    case RefusalKind::Minimum:
        return "Minimum bet allowed is " + SignedForm(refusal.limit);
    }
    return {};
}

std::optional<Refusal> UpdateChip(GameState& state, std::int16_t iCount, std::int16_t iButton) {
    return StakeTo(state, iCount,
                   CheckedAdd16(state.SpotStake.at(iCount), StakeChange(state, iButton)));
}

// BetAccepted is written last so that a MoneyOverflow leaves it, like the rest
// of the state, as it was before the call.
std::optional<Refusal> StakeTo(GameState& state, std::int16_t iCount, std::int16_t stake) {
    const auto change = static_cast<std::int16_t>(stake - state.SpotStake.at(iCount));
    if (stake <= 0) {
        ClearSpot(state, iCount);
    } else if (const auto refusal = TestLimits(state, iCount, stake)) {
        state.BetAccepted = false;
        return refusal;
    } else {
        AcceptStake(state, iCount, stake, change);
    }
    state.TotalsShown = true;
    state.BetAccepted = true;
    return std::nullopt;
}

StakeLabel FormatValue(const GameState& state, std::int16_t iCount) {
    StakeLabel label;
    label.text = PlainForm(state.SpotStake.at(iCount));
    label.pointSize = label.text.size() <= 3 ? 6 : 5;
    const std::int16_t chip = state.SpotChip.at(iCount);
    label.white = chip == 2 || chip == 3 || chip == 5;
    return label;
}
