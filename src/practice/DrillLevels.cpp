#include "practice/DrillLevels.h"

#include "practice/Draw.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

using B = AnnouncedBet;

std::array<DrillLevel, kLevelCount> MakeLevels() {
    const std::vector<AnnouncedBet> sectors{B::Tier, B::Orphns, B::Grande, B::Zero};
    std::vector<AnnouncedBet> second = sectors;
    second.insert(second.end(), {B::Neighb, B::Finals, B::Reds, B::Blacks, B::Birds, B::Cousins});
    const std::vector<std::int16_t> upTo25{0, 1, 2, 3, 4};
    const std::vector<std::int16_t> every{0, 1, 2, 3, 4, 5, 6, 7};
    return {{
        {sectors, {0, 1, 2}, 2, 70, 0, false, false},
        {second, upTo25, 2, 85, 30'000, false, false},
        {AllAnnouncedBets(), every, 6, 95, 15'000, true, false},
        {AllAnnouncedBets(), every, 6, 98, 10'000, true, true},
    }};
}

// Hear it's own, kept here with the other times so the mark is decided in
// one place: level 2 within 30 s, level 3 within 20 s.
int HearTimeLimitMs(int level) {
    constexpr std::array<int, kLevelCount> kLimits = {0, 30'000, 20'000, 0};
    LevelRules(level); // throws for no such level, as for the other drills
    return kLimits.at(static_cast<std::size_t>(level - 1));
}

} // namespace

const DrillLevel& LevelRules(int level) {
    static const std::array<DrillLevel, kLevelCount> levels = MakeLevels();
    if (level < 1 || level > kLevelCount) {
        throw std::out_of_range("no such drill level");
    }
    return levels.at(static_cast<std::size_t>(level - 1));
}

bool CountsTowardMark(Drill drill, int level, bool right, int milliseconds) {
    const int limit =
        drill == Drill::HearIt ? HearTimeLimitMs(level) : LevelRules(level).timeLimitMs;
    return right && (limit == 0 || milliseconds <= limit);
}

bool LevelPassed(int level, int answered, const std::vector<bool>& latest) {
    if (answered < kMarkWindow || latest.size() < static_cast<std::size_t>(kMarkWindow)) {
        return false;
    }
    const auto counted = std::count(latest.end() - kMarkWindow, latest.end(), true);
    return counted * 100 >= static_cast<long>(LevelRules(level).passPercent) * kMarkWindow;
}

bool LevelUnlocked(int level, const std::vector<bool>& passed) {
    if (level == 1) {
        return true;
    }
    const auto before = static_cast<std::size_t>(level - 2);
    return before < passed.size() && passed[before];
}
