#include "strategy/Progression.h"

#include <algorithm>

std::string_view ProgressionName(ProgressionKind kind) {
    switch (kind) {
    case ProgressionKind::Flat:
        return "Flat";
    case ProgressionKind::Martingale:
        return "Martingale";
    case ProgressionKind::DAlembert:
        return "d'Alembert";
    case ProgressionKind::Fibonacci:
        return "Fibonacci";
    case ProgressionKind::Paroli:
        return "Paroli";
    }
    return "Flat";
}

SpinOutcome OutcomeOf(std::int64_t moneyBefore, std::int64_t moneyAfter) {
    if (moneyAfter > moneyBefore) {
        return SpinOutcome::Won;
    }
    return moneyAfter < moneyBefore ? SpinOutcome::Lost : SpinOutcome::Even;
}

namespace {

std::int64_t Doubled(std::int64_t m) {
    return std::min(2 * m, Progression::kLargestMultiplier);
}

// The step-th number of 1, 1, 2, 3, 5, 8, ..., held at the largest multiplier.
std::int64_t Fibonacci(int step) {
    std::int64_t previous = 0;
    std::int64_t current = 1;
    for (int i = 0; i < step && current < Progression::kLargestMultiplier; ++i) {
        const std::int64_t next = previous + current;
        previous = current;
        current = next;
    }
    return std::min(current, Progression::kLargestMultiplier);
}

} // namespace

void Progression::After(SpinOutcome outcome) {
    if (outcome == SpinOutcome::Won) {
        AfterWin();
    } else if (outcome == SpinOutcome::Lost) {
        AfterLoss();
    }
}

void Progression::AfterWin() {
    switch (m_kind) {
    case ProgressionKind::Flat:
        break;
    case ProgressionKind::Martingale:
        m_multiplier = 1;
        break;
    case ProgressionKind::DAlembert:
        m_multiplier = std::max<std::int64_t>(1, m_multiplier - 1);
        break;
    case ProgressionKind::Fibonacci:
        SetFibonacciStep(std::max(0, m_fibonacciStep - 2));
        break;
    case ProgressionKind::Paroli:
        ++m_winsInRow;
        m_multiplier = m_winsInRow == 3 ? 1 : Doubled(m_multiplier);
        m_winsInRow %= 3;
        break;
    }
}

void Progression::AfterLoss() {
    switch (m_kind) {
    case ProgressionKind::Flat:
        break;
    case ProgressionKind::Martingale:
        m_multiplier = Doubled(m_multiplier);
        break;
    case ProgressionKind::DAlembert:
        m_multiplier = std::min(m_multiplier + 1, kLargestMultiplier);
        break;
    case ProgressionKind::Fibonacci:
        // Past the cap the step stops growing, so a win still walks it back.
        if (m_multiplier < kLargestMultiplier) {
            SetFibonacciStep(m_fibonacciStep + 1);
        }
        break;
    case ProgressionKind::Paroli:
        m_winsInRow = 0;
        m_multiplier = 1;
        break;
    }
}

void Progression::SetFibonacciStep(int step) {
    m_fibonacciStep = step;
    m_multiplier = Fibonacci(step);
}
