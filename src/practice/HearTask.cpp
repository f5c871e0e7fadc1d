#include "practice/HearTask.h"

#include "practice/Draw.h"

#include "betting/BetNames.h"
#include "betting/PressForecast.h"

#include <algorithm>
#include <stdexcept>

namespace {

using B = AnnouncedBet;

constexpr int kDrawAttempts = 10'000;

std::array<HearLevel, kLevelCount> MakeLevels() {
    const std::vector<AnnouncedBet> classic{B::Grande, B::Tier, B::Orphns, B::Zero};
    std::vector<AnnouncedBet> second = classic;
    second.insert(second.end(), {B::Neighb, B::Finals});
    const std::vector<std::int16_t> upTo25{0, 1, 2, 3, 4};
    return {{
        {classic, {0, 1, 2}, 2, 1, false},
        {second, upTo25, 2, 1, false},
        {AllAnnouncedBets(), upTo25, 2, 2, false},
        {AllAnnouncedBets(), upTo25, 2, 3, true},
    }};
}

std::string ClassicName(AnnouncedBet bet) {
    switch (bet) {
    case B::Grande:
        return "Voisins du zéro";
    case B::Tier:
        return "Tiers du cylindre";
    case B::Orphns:
        return "Orphelins";
    case B::Zero:
        return "Jeu zéro";
    default:
        return {};
    }
}

std::string NeighboursName(const BetCall& call) {
    const std::string& k = call.neighb;
    if (k == "2") {
        return call.cover + " and the neighbours";
    }
    return call.cover + " and " + k + (k == "1" ? " neighbour" : " neighbours");
}

BetCall DrawCall(std::mt19937& random, const HearLevel& rules) {
    BetCall call;
    call.bet = Pick(random, rules.bets);
    call.cover = std::to_string(Uniform(random, 0, call.bet == B::Finals ? 9 : kNumberCount - 1));
    call.neighb = std::to_string(Uniform(random, 1, rules.largestEitherSide));
    return call;
}

// The calls pressed in turn on one empty table; nullopt when any chip of any is refused.
std::optional<GameState> PressAll(const GameState& table, const std::vector<BetCall>& calls,
                                  std::int16_t tableIndex, std::int16_t chipIndex) {
    GameState copy = *PressOnEmptyTable(table, calls.front(), tableIndex, chipIndex);
    for (std::size_t i = 1; i < calls.size(); ++i) {
        if (!PressCallOnto(copy, calls.at(i))) {
            return std::nullopt;
        }
    }
    return copy;
}

std::optional<HearTask> TryTask(const GameState& table, const std::vector<BetCall>& calls,
                                std::int16_t chip, std::mt19937& random) {
    std::vector<std::int16_t> accepting;
    for (std::int16_t t = 0; t < kTableCount; ++t) {
        if (MakeHearTask(table, calls, t, chip)) {
            accepting.push_back(t);
        }
    }
    if (accepting.empty()) {
        return std::nullopt;
    }
    return MakeHearTask(table, calls, Pick(random, accepting), chip);
}

} // namespace

std::optional<HearTask> MakeHearTask(const GameState& table, const std::vector<BetCall>& calls,
                                     std::int16_t tableIndex, std::int16_t chipIndex) {
    HearTask task;
    task.tableIndex = tableIndex;
    task.chipIndex = chipIndex;
    task.pieceValue = table.catalogue.ChipValue.at(chipIndex);
    for (const BetCall& call : calls) {
        const auto pressed = PressOnEmptyTable(table, call, tableIndex, chipIndex);
        if (!pressed) {
            return std::nullopt;
        }
        PlacedBet bet{call, tableIndex, chipIndex, task.pieceValue, {}, {}, pressed->SpotStake};
        bet.title = ForecastPress(*pressed, call.bet, call.cover, call.neighb).title;
        bet.piece = Dollars(task.pieceValue) + " a piece";
        task.texts.push_back(CallText(bet));
        task.calls.push_back(std::move(bet));
    }
    const auto all = PressAll(table, calls, tableIndex, chipIndex);
    if (!all) {
        return std::nullopt;
    }
    task.sentence = CallSentence(task.texts);
    task.stakes = all->SpotStake;
    return task;
}

std::string CallText(const PlacedBet& bet) {
    const BetCall& call = bet.call;
    std::string name = ClassicName(call.bet);
    if (call.bet == B::Neighb) {
        name = NeighboursName(call);
    } else if (call.bet == B::Finals) {
        name = "Finale " + call.cover;
    } else if (name.empty()) {
        name = bet.title;
    }
    return name + " by " + std::to_string(bet.pieceValue);
}

std::string CallSentence(const std::vector<std::string>& calls) {
    std::string sentence;
    for (const std::string& call : calls) {
        sentence += (sentence.empty() ? "" : ", and ") + call;
    }
    return sentence;
}

const HearLevel& HearLevelRules(int level) {
    static const std::array<HearLevel, kLevelCount> levels = MakeLevels();
    if (level < 1 || level > kLevelCount) {
        throw std::out_of_range("no such drill level");
    }
    return levels.at(static_cast<std::size_t>(level - 1));
}

HearTask DrawHearTask(const GameState& table, int level, std::mt19937& random) {
    const HearLevel& rules = HearLevelRules(level);
    for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
        std::vector<BetCall> calls;
        for (int i = 0; i < rules.calls; ++i) {
            calls.push_back(DrawCall(random, rules));
        }
        if (auto task = TryTask(table, calls, Pick(random, rules.chips), random)) {
            return *task;
        }
    }
    throw std::logic_error("no table accepts any drawn call");
}

std::vector<StreamStep> StreamSchedule(const HearTask& task) {
    std::vector<StreamStep> steps;
    for (std::size_t i = 0; i < task.texts.size(); ++i) {
        steps.push_back({static_cast<int>(i) * kCallGapMs, task.texts.at(i), false});
    }
    steps.push_back({kNoMoreBetsMs, "No more bets", true});
    return steps;
}

int SecondsLeft(int elapsedMs) {
    const int left = std::max(kNoMoreBetsMs - elapsedMs, 0);
    return (left + 999) / 1000;
}

PlaceVerdict CheckHear(const HearTask& task, const Stakes& built) {
    PlacedBet all{{}, task.tableIndex, task.chipIndex, task.pieceValue, task.sentence,
                  {}, task.stakes};
    PlaceVerdict verdict = CheckPlace(all, built);
    verdict.text = task.sentence + ": " + verdict.text;
    return verdict;
}
