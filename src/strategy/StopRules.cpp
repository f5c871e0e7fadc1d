#include "strategy/StopRules.h"

std::optional<AutoplayEnd> StopRuleMet(const StopRules& rules, const SettledSpin& spin) {
    if (rules.balanceAtOrBelow && spin.balance <= *rules.balanceAtOrBelow) {
        return AutoplayEnd::BalanceBelow;
    }
    if (rules.balanceAtOrAbove && spin.balance >= *rules.balanceAtOrAbove) {
        return AutoplayEnd::BalanceAbove;
    }
    if (rules.lastWinAtOrAbove && spin.lastWin >= *rules.lastWinAtOrAbove) {
        return AutoplayEnd::LastWinAbove;
    }
    if (rules.onWin && spin.outcome == SpinOutcome::Won) {
        return AutoplayEnd::SpinWon;
    }
    return std::nullopt;
}
