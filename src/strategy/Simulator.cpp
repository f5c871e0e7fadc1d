#include "strategy/Simulator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The stake of a spin, or nothing if the bankroll cannot cover it.
bool Covered(std::int64_t multiplier, std::int64_t staked, std::int64_t bankroll,
             std::int64_t& stake) {
    return !__builtin_mul_overflow(multiplier, staked, &stake) && stake <= bankroll;
}

double Percent(std::int64_t count, std::int64_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

// A flat session stakes one amount throughout: tested once, not every spin.
template <class OnSpin>
SessionResult PlayFlat(const LayoutReturn& layout, const SimulationSettings& settings,
                       PocketStream& stream, OnSpin&& onSpin) {
    SessionResult result;
    std::int64_t bankroll = settings.bankroll;
    std::int64_t peak = bankroll;
    const std::int64_t goal = settings.target > 0 ? settings.bankroll + settings.target
                                                  : std::numeric_limits<std::int64_t>::max();
    const std::int64_t stake = layout.Staked();
    const std::array<std::int64_t, kNumberCount>& back = layout.Backs();
    if (!layout.Accepted(1)) {
        result.end = stake > bankroll ? SessionEnd::Broke : SessionEnd::Stopped;
    }
    for (; result.end == SessionEnd::Spins && result.spins < settings.spinsPerSession;) {
        if (stake > bankroll) {
            result.end = SessionEnd::Broke;
            break;
        }
        const int number = stream.Next();
        bankroll += back[static_cast<std::size_t>(number)] - stake;
        ++result.spins;
        peak = std::max(peak, bankroll);
        result.drawdown = std::max(result.drawdown, peak - bankroll);
        onSpin(SessionSpin{number, 1, bankroll});
        if (bankroll >= goal) {
            result.end = SessionEnd::Target;
        }
    }
    result.wagered = stake * result.spins;
    result.finalBankroll = bankroll;
    return result;
}

// Any progression: the multiplier of each spin is tested as it comes.
template <class OnSpin>
SessionResult Play(const LayoutReturn& layout, const SimulationSettings& settings,
                   PocketStream& stream, OnSpin&& onSpin) {
    if (settings.progression == ProgressionKind::Flat) {
        return PlayFlat(layout, settings, stream, onSpin);
    }
    SessionResult result;
    Progression progression(settings.progression);
    std::int64_t bankroll = settings.bankroll;
    std::int64_t peak = bankroll;
    const std::int64_t goal = settings.bankroll + settings.target;
    for (; result.spins < settings.spinsPerSession; ++result.spins) {
        const std::int64_t m = progression.Multiplier();
        std::int64_t stake = 0;
        if (!Covered(m, layout.Staked(), bankroll, stake)) {
            result.end = SessionEnd::Broke;
            break;
        }
        if (!layout.Accepted(m)) {
            result.end = SessionEnd::Stopped;
            break;
        }
        const int number = stream.Next();
        const std::int64_t before = bankroll;
        bankroll += m * layout.Back(number) - stake;
        result.wagered += stake;
        peak = std::max(peak, bankroll);
        result.drawdown = std::max(result.drawdown, peak - bankroll);
        progression.After(OutcomeOf(before, bankroll));
        onSpin(SessionSpin{number, m, bankroll});
        if (settings.target > 0 && bankroll >= goal) {
            result.end = SessionEnd::Target;
            ++result.spins;
            break;
        }
    }
    result.finalBankroll = bankroll;
    return result;
}

} // namespace

Simulator::Simulator(LayoutReturn layout, SimulationSettings settings)
    : m_layout(std::move(layout)), m_settings(settings) {}

std::int64_t Simulator::BlockCount() const {
    return (m_settings.sessions + kBlockSessions - 1) / kBlockSessions;
}

SessionResult Simulator::RunSession(PocketStream& stream,
                                    const std::function<void(const SessionSpin&)>& onSpin) const {
    if (!onSpin) {
        return Play(m_layout, m_settings, stream, [](const SessionSpin&) {});
    }
    return Play(m_layout, m_settings, stream, onSpin);
}

BlockResult Simulator::RunBlock(std::int64_t block, const std::atomic<bool>* cancel) const {
    BlockResult result;
    PocketStream stream(m_settings.seed, static_cast<std::uint64_t>(block));
    const std::int64_t first = block * kBlockSessions;
    const std::int64_t last = std::min(first + kBlockSessions, m_settings.sessions);
    for (std::int64_t session = first; session < last; ++session) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            break;
        }
        if (session >= kPathSessions) {
            result.sessions.push_back(RunSession(stream));
            continue;
        }
        std::vector<std::int64_t> path{m_settings.bankroll};
        result.sessions.push_back(RunSession(
            stream, [&path](const SessionSpin& spin) { path.push_back(spin.bankrollAfter); }));
        result.paths.push_back(std::move(path));
    }
    return result;
}

SimulationSummary Simulator::Summarise(const std::vector<BlockResult>& blocks) const {
    SimulationSummary summary;
    std::int64_t broke = 0;
    std::int64_t target = 0;
    std::int64_t stopped = 0;
    for (const BlockResult& block : blocks) {
        for (const SessionResult& session : block.sessions) {
            summary.wagered += session.wagered;
            summary.drawdown = std::max(summary.drawdown, session.drawdown);
            summary.finals.push_back(session.finalBankroll);
            broke += session.end == SessionEnd::Broke ? 1 : 0;
            target += session.end == SessionEnd::Target ? 1 : 0;
            stopped += session.end == SessionEnd::Stopped ? 1 : 0;
        }
        summary.paths.insert(summary.paths.end(), block.paths.begin(), block.paths.end());
    }
    summary.sessions = static_cast<std::int64_t>(summary.finals.size());
    summary.expectedLoss = static_cast<double>(summary.wagered) / 37.0;
    std::int64_t finalSum = 0;
    for (const std::int64_t value : summary.finals) {
        finalSum += value;
    }
    summary.actualLoss = summary.sessions * m_settings.bankroll - finalSum;
    summary.brokePercent = Percent(broke, summary.sessions);
    summary.targetPercent = Percent(target, summary.sessions);
    summary.stoppedPercent = Percent(stopped, summary.sessions);
    if (summary.sessions > 0) {
        summary.finalMean = static_cast<double>(finalSum) / static_cast<double>(summary.sessions);
        double square = 0.0;
        for (const std::int64_t value : summary.finals) {
            const double d = static_cast<double>(value) - summary.finalMean;
            square += d * d;
        }
        summary.finalDeviation = std::sqrt(square / static_cast<double>(summary.sessions));
    }
    return summary;
}

Histogram BinFinals(const std::vector<std::int64_t>& finals, int bins) {
    Histogram histogram;
    if (finals.empty() || bins < 1) {
        return histogram;
    }
    const auto [low, high] = std::minmax_element(finals.begin(), finals.end());
    histogram.low = *low;
    // Rounded up so the highest final falls in the last bin, not past it.
    histogram.width = std::max<std::int64_t>(1, (*high - *low + bins) / bins);
    const std::int64_t used = (*high - *low) / histogram.width + 1;
    histogram.counts.assign(static_cast<std::size_t>(used), 0);
    for (const std::int64_t value : finals) {
        ++histogram.counts[static_cast<std::size_t>((value - *low) / histogram.width)];
    }
    return histogram;
}
