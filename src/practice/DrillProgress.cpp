#include "practice/DrillProgress.h"

#include "betting/BetNames.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

using Row = std::vector<std::string>;

constexpr std::array<const char*, 4> kDrillNames = {"place", "name", "pay", "hear"};
constexpr std::size_t kLevelFields = 11;
constexpr std::size_t kBetFields = 6;

// A malformed field ends the whole read.
struct Malformed {};

std::int64_t Number(const std::string& text, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high) {
        throw Malformed{};
    }
    return value;
}

// Counts stop here rather than wrap, and a file holding the most reads back.
constexpr int kMostCount = 1'000'000'000;
constexpr std::int64_t kMostMs = std::int64_t{1'000'000'000} * 1'000'000;

int Count(const std::string& text) {
    return static_cast<int>(Number(text, 0, kMostCount));
}

void Bump(int& count) {
    count = std::min(count + 1, kMostCount);
}

std::string DrillName(Drill drill) {
    return kDrillNames.at(static_cast<std::size_t>(drill));
}

Drill DrillNamed(const std::string& name) {
    const auto it = std::find(kDrillNames.begin(), kDrillNames.end(), name);
    if (it == kDrillNames.end()) {
        throw Malformed{};
    }
    return static_cast<Drill>(it - kDrillNames.begin());
}

AnnouncedBet BetNamed(const std::string& name) {
    for (int b = 0; b <= static_cast<int>(AnnouncedBet::QtrMinus); ++b) {
        if (AnnouncedBetName(static_cast<AnnouncedBet>(b)) == name) {
            return static_cast<AnnouncedBet>(b);
        }
    }
    throw Malformed{};
}

std::string Flags(const std::vector<bool>& flags) {
    std::string text;
    for (const bool f : flags) {
        text += f ? '1' : '0';
    }
    return text;
}

std::vector<bool> FlagsOf(const std::string& text) {
    if (text.size() > static_cast<std::size_t>(kMarkWindow) ||
        text.find_first_not_of("01") != std::string::npos) {
        throw Malformed{};
    }
    std::vector<bool> flags;
    for (const char c : text) {
        flags.push_back(c == '1');
    }
    return flags;
}

Row KeyFields(const char* kind, const LevelKey& key) {
    return {kind, DrillName(key.first), std::to_string(key.second)};
}

void WriteLevel(std::vector<Row>& rows, const LevelKey& key, const LevelProgress& l) {
    Row row = KeyFields("level", key);
    for (const std::int64_t v :
         {std::int64_t{l.tasks}, std::int64_t{l.right}, std::int64_t{l.wrong},
          std::int64_t{l.streak}, std::int64_t{l.bestStreak}, l.totalMs}) {
        row.push_back(std::to_string(v));
    }
    row.push_back(Flags(l.latest));
    row.push_back(l.passed ? "1" : "0");
    rows.push_back(row);
    for (const auto& [bet, b] : l.bets) {
        Row betRow = KeyFields("bet", key);
        betRow.insert(betRow.end(),
                      {AnnouncedBetName(bet), std::to_string(b.tasks), std::to_string(b.right)});
        rows.push_back(betRow);
        for (const auto& [spot, times] : b.missed) {
            Row missedRow = KeyFields("missed", key);
            missedRow.insert(missedRow.end(),
                             {AnnouncedBetName(bet), std::to_string(spot), std::to_string(times)});
            rows.push_back(missedRow);
        }
    }
}

LevelKey KeyOf(const Row& row) {
    return {DrillNamed(row.at(1)), static_cast<int>(Number(row.at(2), 1, kLevelCount))};
}

void ReadLevel(DrillProgress& p, const Row& row) {
    LevelProgress& l = p.levels[KeyOf(row)];
    l.tasks = Count(row.at(3));
    l.right = Count(row.at(4));
    l.wrong = Count(row.at(5));
    l.streak = Count(row.at(6));
    l.bestStreak = Count(row.at(7));
    l.totalMs = Number(row.at(8), 0, kMostMs);
    l.latest = FlagsOf(row.at(9));
    l.passed = Number(row.at(10), 0, 1) == 1;
}

void ReadBet(DrillProgress& p, const Row& row) {
    BetProgress& b = p.levels[KeyOf(row)].bets[BetNamed(row.at(3))];
    if (row.at(0) == "bet") {
        b.tasks = Count(row.at(4));
        b.right = Count(row.at(5));
    } else {
        b.missed[static_cast<std::int16_t>(Number(row.at(4), 0, kSpotCount - 1))] =
            Count(row.at(5));
    }
}

void ReadRow(DrillProgress& p, const Row& row) {
    const std::string kind = row.empty() ? "" : row.front();
    if (kind == "level") {
        if (row.size() != kLevelFields) {
            throw Malformed{};
        }
        ReadLevel(p, row);
    } else if (kind == "bet" || kind == "missed") {
        if (row.size() != kBetFields) {
            throw Malformed{};
        }
        ReadBet(p, row);
    }
}

} // namespace

void ApplyAnswer(DrillProgress& progress, const DrillAnswer& a) {
    LevelProgress& l = progress.levels[{a.drill, a.level}];
    Bump(l.tasks);
    Bump(a.right ? l.right : l.wrong);
    if (a.right) {
        Bump(l.streak);
    } else {
        l.streak = 0;
    }
    l.bestStreak = std::max(l.bestStreak, l.streak);
    l.totalMs = std::min(l.totalMs + std::max(a.milliseconds, 0), kMostMs);
    l.latest.push_back(CountsTowardMark(a.drill, a.level, a.right, a.milliseconds));
    if (l.latest.size() > static_cast<std::size_t>(kMarkWindow)) {
        l.latest.erase(l.latest.begin());
    }
    l.passed = l.passed || LevelPassed(a.level, l.tasks, l.latest);
    BetProgress& b = l.bets[a.bet];
    Bump(b.tasks);
    if (a.right) {
        Bump(b.right);
    }
    for (const std::int16_t spot : a.missed) {
        Bump(b.missed[spot]);
    }
}

std::int64_t AverageMs(const LevelProgress& level) {
    return level.tasks == 0 ? 0 : level.totalMs / level.tasks;
}

std::optional<std::int16_t> MostMissed(const BetProgress& bet) {
    const auto most =
        std::max_element(bet.missed.begin(), bet.missed.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (most == bet.missed.end()) {
        return std::nullopt;
    }
    return most->first;
}

bool IsUnlocked(const DrillProgress& progress, Drill drill, int level) {
    std::vector<bool> passed;
    for (int l = 1; l < kLevelCount; ++l) {
        const auto it = progress.levels.find({drill, l});
        passed.push_back(it != progress.levels.end() && it->second.passed);
    }
    return LevelUnlocked(level, passed);
}

StoredRecords ProgressRecords(const DrillProgress& progress) {
    StoredRecords records{std::string(kProgressKind), kProgressVersion, {}};
    for (const auto& [key, level] : progress.levels) {
        WriteLevel(records.rows, key, level);
    }
    return records;
}

std::optional<DrillProgress> ReadProgress(const StoredRecords& records) {
    DrillProgress progress;
    try {
        for (const Row& row : records.rows) {
            ReadRow(progress, row);
        }
    } catch (const Malformed&) {
        return std::nullopt;
    }
    return progress;
}

bool RecordAnswer(StoredRecords& records, const DrillAnswer& answer) {
    auto progress = ReadProgress(records);
    if (!progress) {
        return false;
    }
    ApplyAnswer(*progress, answer);
    records = ProgressRecords(*progress);
    return true;
}
