#include "practice/DrillTask.h"

#include "betting/BetNames.h"
#include "betting/PressForecast.h"
#include "betting/Selectors.h"
#include "betting/UpdateChip.h"
#include "practice/Draw.h"
#include "practice/DrillLevels.h"
#include "table/Money.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Far more than any level needs: the smallest chip is accepted at the "$1"
// table by every bet, so a draw fails only by a programming error.
constexpr int kDrawAttempts = 10'000;

BetCall DrawCall(std::mt19937& random, const std::vector<AnnouncedBet>& bets, int largestSide) {
    BetCall call;
    call.bet = Pick(random, bets);
    call.cover = std::to_string(Uniform(random, 0, kNumberCount - 1));
    call.neighb = std::to_string(Uniform(random, 1, largestSide));
    return call;
}

GameState EmptyCopy(const GameState& table) {
    GameState copy = table;
    copy.SpotStake.fill(0);
    copy.BetTotal = 0;
    copy.Balance = 0;
    return copy;
}

std::optional<PlacedBet> TryPlace(const GameState& table, const BetCall& call,
                                  std::int16_t chipIndex, std::mt19937& random) {
    std::vector<std::int16_t> accepting;
    for (std::int16_t t = 0; t < kTableCount; ++t) {
        if (PressOnEmptyTable(table, call, t, chipIndex)) {
            accepting.push_back(t);
        }
    }
    if (accepting.empty()) {
        return std::nullopt;
    }
    PlacedBet placed{
        call, Pick(random, accepting), chipIndex, table.catalogue.ChipValue.at(chipIndex), {}, {},
        {}};
    const GameState pressed = *PressOnEmptyTable(table, call, placed.tableIndex, chipIndex);
    placed.stakes = pressed.SpotStake;
    placed.title = ForecastPress(pressed, call.bet, call.cover, call.neighb).title;
    placed.piece = Dollars(placed.pieceValue) + " a piece";
    return placed;
}

PlacedBet DrawPlaced(const GameState& table, int level, std::mt19937& random) {
    const DrillLevel& rules = LevelRules(level);
    for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
        const BetCall call = DrawCall(random, rules.bets, rules.largestEitherSide);
        if (auto placed = TryPlace(table, call, Pick(random, rules.chips), random)) {
            return *placed;
        }
    }
    throw std::logic_error("no table accepts any drawn bet");
}

std::array<bool, kNumberCount> NumbersOf(const Stakes& stakes) {
    std::array<bool, kNumberCount> covered{};
    for (int spot = 0; spot < kSpotCount; ++spot) {
        if (stakes.at(spot) != 0) {
            for (const std::int16_t n : SpotNumbers(static_cast<std::int16_t>(spot))) {
                covered.at(static_cast<std::size_t>(n)) = true;
            }
        }
    }
    return covered;
}

bool ShareNumbers(const Stakes& a, const Stakes& b) {
    const auto left = NumbersOf(a);
    const auto right = NumbersOf(b);
    for (std::size_t n = 0; n < left.size(); ++n) {
        if (left.at(n) && right.at(n)) {
            return true;
        }
    }
    return false;
}

// Adds one chip of the task's value on each spot; false when any is refused.
bool AddChips(GameState& state, const std::vector<std::int16_t>& spots) {
    try {
        return std::all_of(spots.begin(), spots.end(), [&state](std::int16_t spot) {
            return !UpdateChip(state, spot, kLeftButton).has_value();
        });
    } catch (const MoneyOverflow&) {
        return false;
    }
}

std::vector<std::int16_t> CompleteOn(std::int16_t number) {
    std::vector<std::int16_t> spots;
    for (std::int16_t spot = 0; spot < kFirstOutsideSpot; ++spot) {
        const auto covers = SpotNumbers(spot);
        if (std::find(covers.begin(), covers.end(), number) != covers.end()) {
            spots.push_back(spot);
        }
    }
    return spots;
}

std::vector<std::int16_t> ExtraSpots(const DrillLevel& rules, std::mt19937& random) {
    std::vector<std::int16_t> spots;
    if (rules.handChips) {
        for (int i = Uniform(random, 1, 3); i > 0; --i) {
            spots.push_back(static_cast<std::int16_t>(Uniform(random, 0, kSpotCount - 1)));
        }
    }
    if (rules.complete) {
        const auto complete = CompleteOn(static_cast<std::int16_t>(Uniform(random, 0, 36)));
        spots.insert(spots.end(), complete.begin(), complete.end());
    }
    return spots;
}

std::int16_t DrawWinner(const Stakes& stakes, std::mt19937& random) {
    std::vector<std::int16_t> covered;
    const auto numbers = NumbersOf(stakes);
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        if (numbers.at(n)) {
            covered.push_back(static_cast<std::int16_t>(n));
        }
    }
    return Pick(random, covered);
}

} // namespace

Stakes PiecesPerSpot(const std::vector<std::int16_t>& spots) {
    Stakes pieces{};
    for (const std::int16_t spot : spots) {
        ++pieces.at(static_cast<std::size_t>(spot));
    }
    return pieces;
}

bool PressCallOnto(GameState& state, const BetCall& call) {
    const auto spots = AnnouncedSpots(state.catalogue, call.bet, call.cover, call.neighb);
    try {
        const auto press = PressAnnounced(state, call.bet, call.cover, call.neighb, kLeftButton);
        return !spots.empty() && !press.refusal && press.changed.size() == spots.size();
    } catch (const MoneyOverflow&) {
        return false;
    }
}

std::optional<GameState> PressOnEmptyTable(const GameState& table, const BetCall& call,
                                           std::int16_t tableIndex, std::int16_t chipIndex) {
    GameState copy = EmptyCopy(table);
    SelectTable(copy, tableIndex);
    SelectChip(copy, chipIndex);
    if (!PressCallOnto(copy, call)) {
        return std::nullopt;
    }
    return copy;
}

PlacedBet DrawPlaceTask(const GameState& table, int level, std::mt19937& random) {
    return DrawPlaced(table, level, random);
}

NameTask DrawNameTask(const GameState& table, int level, std::mt19937& random) {
    NameTask task{DrawPlaced(table, level, random), {}, {}, 0};
    const Stakes right = PiecesPerSpot(AnnouncedSpots(table.catalogue, task.bet.call.bet,
                                                      task.bet.call.cover, task.bet.call.neighb));
    std::vector<Stakes> taken{right};
    std::vector<BetCall> calls{task.bet.call};
    // Decoys come from every bet: some sector bets share no number with any other sector bet.
    const DrillLevel& every = LevelRules(kLevelCount);
    while (calls.size() < task.choices.size()) {
        const BetCall call = DrawCall(random, every.bets, every.largestEitherSide);
        const Stakes pieces =
            PiecesPerSpot(AnnouncedSpots(table.catalogue, call.bet, call.cover, call.neighb));
        if (pieces == Stakes{} || !ShareNumbers(pieces, right) ||
            std::find(taken.begin(), taken.end(), pieces) != taken.end()) {
            continue;
        }
        taken.push_back(pieces);
        calls.push_back(call);
    }
    std::vector<std::size_t> order{0, 1, 2, 3};
    std::shuffle(order.begin(), order.end(), random);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const BetCall& call = calls.at(order.at(i));
        task.calls.at(i) = call;
        task.choices.at(i) = ForecastPress(table, call.bet, call.cover, call.neighb).title;
        task.right = order.at(i) == 0 ? i : task.right;
    }
    return task;
}

PayTask DrawPayTask(const GameState& table, int level, std::mt19937& random) {
    const DrillLevel& rules = LevelRules(level);
    for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
        PayTask task{DrawPlaced(table, level, random), {}, 0, {}};
        GameState state =
            *PressOnEmptyTable(table, task.bet.call, task.bet.tableIndex, task.bet.chipIndex);
        if (!AddChips(state, ExtraSpots(rules, random))) {
            continue;
        }
        task.stakes = state.SpotStake;
        task.number = DrawWinner(task.stakes, random);
        task.text = std::to_string(task.number) + " wins";
        return task;
    }
    throw std::logic_error("no table accepts any drawn layout");
}
