#include "StrategyFigures.h"

#include "strategy/LayoutReturn.h"
#include "strategy/Simulator.h"

QStringList CoreFigures(const GameState& table, const TesterInputs& in) {
    const SimulationSettings settings{in.sessions,
                                      in.spins,
                                      in.bankroll,
                                      in.target,
                                      kProgressions.at(static_cast<std::size_t>(in.progression)),
                                      static_cast<std::uint64_t>(in.seed)};
    const Simulator simulator(
        LayoutReturn(table.catalogue, table.limits, table.TableIndex, table.SpotStake), settings);
    std::vector<BlockResult> blocks;
    for (std::int64_t b = 0; b < simulator.BlockCount(); ++b) {
        blocks.push_back(simulator.RunBlock(b));
    }
    const SimulationSummary s = simulator.Summarise(blocks);
    return {QString::number(s.wagered), QString::number(s.actualLoss),
            QString::number(s.brokePercent, 'f', 2) + QLatin1Char('%'),
            QString::number(s.drawdown)};
}
