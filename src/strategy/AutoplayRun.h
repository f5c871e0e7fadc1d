#pragma once

#include "betting/LayoutActions.h"
#include "strategy/Progression.h"
#include "strategy/StopRules.h"

#include <cstdint>
#include <optional>
#include <string>

struct AutoplaySettings {
    int spins = 10; // 1 to kMaxAutoplaySpins
    ProgressionKind progression = ProgressionKind::Flat;
    StopRules rules;
};

inline constexpr int kMaxAutoplaySpins = 10'000;

// The bookkeeping of one autoplay run: which spin comes next, the
// multiplier the progression asks for, and why the run ended. It moves no
// money itself: the table brings the layout to Multiplier() x base() and
// spins, then reports the money before and after.
class AutoplayRun {
  public:
    AutoplayRun(const AutoplaySettings& settings, const SpotStakes& base);

    const SpotStakes& base() const { return m_base; }
    // 1-based number of the spin being played or about to be.
    int spin() const { return m_spin; }
    int spins() const { return m_settings.spins; }
    std::int64_t Multiplier() const { return m_progression.Multiplier(); }
    bool running() const { return !m_end.has_value(); }
    std::optional<AutoplayEnd> end() const { return m_end; }

    // Balance + Bet as the layout for the spin stands ready.
    void BeforeSpin(std::int64_t money);
    // The spin is settled: steps the progression, tests the stop rules and
    // the count, and moves on to the next spin or ends the run.
    void AfterSpin(std::int32_t balance, std::int32_t betTotal, std::int32_t lastWin);
    // Ends the run now (a refusal, an overflow); the first reason holds.
    void End(AutoplayEnd reason);
    // The player asked to stop: a spin under way still settles, and between
    // spins the run ends at once.
    void RequestStop();

    // "Autoplay: spin 3 of 10, Martingale x4".
    std::string StatusText() const;

  private:
    AutoplaySettings m_settings;
    SpotStakes m_base;
    Progression m_progression;
    int m_spin = 1;
    std::int64_t m_moneyBefore = 0;
    bool m_stopRequested = false;
    bool m_inSpin = false;
    std::optional<AutoplayEnd> m_end;
};

// Autoplay needs something on the layout to multiply.
bool HasStakes(const SpotStakes& stakes);
