#pragma once

#include "strategy/LayoutReturn.h"
#include "strategy/PocketStream.h"
#include "strategy/Progression.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// What the tester runs: sessions of spins of one layout, each spin staking
// the progression's multiplier times the layout from the session's bankroll.
struct SimulationSettings {
    std::int64_t sessions = 1000;
    std::int64_t spinsPerSession = 100;
    std::int64_t bankroll = 1000;
    std::int64_t target = 0; // 0: none
    ProgressionKind progression = ProgressionKind::Flat;
    std::uint64_t seed = 1;
};

// How a session ended.
enum class SessionEnd { Spins, Broke, Target, Stopped };

// One spin as a session played it, for replaying it elsewhere.
struct SessionSpin {
    int number;
    std::int64_t multiplier;
    std::int64_t bankrollAfter;
};

struct SessionResult {
    SessionEnd end = SessionEnd::Spins;
    std::int64_t spins = 0;
    std::int64_t finalBankroll = 0;
    std::int64_t wagered = 0;
    std::int64_t drawdown = 0; // the worst fall from a peak of the bankroll
};

// The sessions of one block, in order, and the bankroll paths kept for the chart.
struct BlockResult {
    std::vector<SessionResult> sessions;
    std::vector<std::vector<std::int64_t>> paths; // start, then after every spin
};

struct SimulationSummary {
    std::int64_t sessions = 0;
    std::int64_t wagered = 0;
    double expectedLoss = 0.0; // wagered / 37: the single-zero house edge
    std::int64_t actualLoss = 0;
    double brokePercent = 0.0;
    double targetPercent = 0.0;
    double stoppedPercent = 0.0;
    double finalMean = 0.0;
    double finalDeviation = 0.0;
    std::int64_t drawdown = 0;
    std::vector<std::int64_t> finals;             // every session's final bankroll
    std::vector<std::vector<std::int64_t>> paths; // the first sessions' bankrolls
};

class Simulator {
  public:
    static constexpr std::int64_t kBlockSessions = 128;
    static constexpr std::int64_t kPathSessions = 20;

    Simulator(LayoutReturn layout, SimulationSettings settings);

    const SimulationSettings& settings() const { return m_settings; }
    std::int64_t BlockCount() const;
    // Blocks are independent: any thread may run any block, in any order. A
    // cancel seen between sessions ends the block early; its result is then
    // not to be summarised.
    BlockResult RunBlock(std::int64_t block, const std::atomic<bool>* cancel = nullptr) const;
    // One session from its stream; each spin is reported if asked.
    SessionResult RunSession(PocketStream& stream,
                             const std::function<void(const SessionSpin&)>& onSpin = {}) const;
    // The blocks' results in block order give the same figures to the last digit.
    SimulationSummary Summarise(const std::vector<BlockResult>& blocks) const;

  private:
    LayoutReturn m_layout;
    SimulationSettings m_settings;
};

// Final bankrolls counted in equal bins from the lowest to the highest; a
// run whose finals are all alike fills one bin.
struct Histogram {
    std::int64_t low = 0;
    std::int64_t width = 1;
    std::vector<std::int64_t> counts;
};
Histogram BinFinals(const std::vector<std::int64_t>& finals, int bins);
