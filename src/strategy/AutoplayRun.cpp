#include "strategy/AutoplayRun.h"

#include <algorithm>

AutoplayRun::AutoplayRun(const AutoplaySettings& settings, const SpotStakes& base)
    : m_settings(settings), m_base(base), m_progression(settings.progression) {
    if (!HasStakes(base)) {
        m_end = AutoplayEnd::EmptyLayout;
    }
}

void AutoplayRun::BeforeSpin(std::int64_t money) {
    m_moneyBefore = money;
    m_inSpin = true;
}

void AutoplayRun::AfterSpin(std::int32_t balance, std::int32_t betTotal, std::int32_t lastWin) {
    if (!running() || !m_inSpin) {
        return;
    }
    m_inSpin = false;
    const std::int64_t moneyAfter = std::int64_t{balance} + betTotal;
    const SpinOutcome outcome = OutcomeOf(m_moneyBefore, moneyAfter);
    m_progression.After(outcome);
    if (const auto rule = StopRuleMet(m_settings.rules, {balance, lastWin, outcome})) {
        m_end = rule;
    } else if (m_spin >= m_settings.spins) {
        m_end = AutoplayEnd::SpinsDone;
    } else if (m_stopRequested) {
        m_end = AutoplayEnd::PlayerStopped;
    } else {
        ++m_spin;
    }
}

void AutoplayRun::End(AutoplayEnd reason) {
    if (running()) {
        m_end = reason;
    }
}

void AutoplayRun::RequestStop() {
    m_stopRequested = true;
    if (!m_inSpin) {
        End(AutoplayEnd::PlayerStopped);
    }
}

std::string AutoplayRun::StatusText() const {
    return "Autoplay: spin " + std::to_string(m_spin) + " of " + std::to_string(spins()) + ", " +
           std::string(ProgressionName(m_progression.kind())) + " x" + std::to_string(Multiplier());
}

bool HasStakes(const SpotStakes& stakes) {
    return std::any_of(stakes.begin(), stakes.end(), [](std::int16_t s) { return s > 0; });
}
