#pragma once

#include "betting/AnnouncedBets.h"
#include "practice/DrillLevels.h"
#include "table/StoredText.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the drills remember between runs, per drill and level. Kept as rows of
// the stored text format, kind "progress"; one answer is applied to records
// read fresh from the file, so two Velmoras writing in turn both keep theirs.

inline constexpr std::string_view kProgressKind = "progress";
inline constexpr int kProgressVersion = 1;

struct BetProgress {
    int tasks = 0;
    int right = 0;
    std::map<std::int16_t, int> missed; // spot -> times left off
    bool operator==(const BetProgress&) const = default;
};

struct LevelProgress {
    int tasks = 0;
    int right = 0;
    int wrong = 0;
    int streak = 0; // right answers in a row, up to now
    int bestStreak = 0;
    std::int64_t totalMs = 0;
    std::vector<bool> latest; // the last kMarkWindow answers, oldest first: counted toward the mark
    bool passed = false;      // stays passed once passed
    std::map<AnnouncedBet, BetProgress> bets;
    bool operator==(const LevelProgress&) const = default;
};

using LevelKey = std::pair<Drill, int>;

struct DrillProgress {
    std::map<LevelKey, LevelProgress> levels;
    bool operator==(const DrillProgress&) const = default;
};

struct DrillAnswer {
    Drill drill = Drill::PlaceIt;
    int level = 1;
    AnnouncedBet bet = AnnouncedBet::Tier;
    bool right = false;
    int milliseconds = 0;             // from the task's display to the answer
    std::vector<std::int16_t> missed; // Place it: the spots left off
};

void ApplyAnswer(DrillProgress& progress, const DrillAnswer& answer);

// Whole milliseconds, 0 before the first answer.
std::int64_t AverageMs(const LevelProgress& level);

// The spot most often missed on a bet; nullopt when none was. Ties go to the lower spot.
std::optional<std::int16_t> MostMissed(const BetProgress& bet);

bool IsUnlocked(const DrillProgress& progress, Drill drill, int level);

StoredRecords ProgressRecords(const DrillProgress& progress);

// Rows of unknown kinds are skipped; a known row with a malformed number or
// the wrong count of fields makes the whole file unreadable (nullopt).
std::optional<DrillProgress> ReadProgress(const StoredRecords& records);

// The change a store applies to the records it has just re-read: one answer
// added to whatever is on disk now. False, with the records left as they
// were, when they are unreadable (the caller then treats the file as such).
bool RecordAnswer(StoredRecords& records, const DrillAnswer& answer);
