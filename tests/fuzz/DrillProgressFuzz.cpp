// Any records as drill progress: read or refused, never a crash; and progress
// that was read takes one more answer and is written to records that read
// back as that progress, so a kept file can never turn unreadable by use.
#include "FuzzRecords.h"
#include "practice/DrillProgress.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StoredRecords records = RecordsOf(kProgressKind, data, size);
    auto progress = ReadProgress(records);
    if (!progress) {
        return 0;
    }
    // One answer to every level the file holds, and to one it may not.
    const std::uint8_t first = size > 0 ? data[0] : 0;
    std::vector<LevelKey> keys{{static_cast<Drill>(first % 4), 1 + first % kLevelCount}};
    for (const auto& [key, level] : progress->levels) {
        keys.push_back(key);
    }
    for (const auto& [drill, level] : keys) {
        const DrillAnswer answer{drill,
                                 level,
                                 static_cast<AnnouncedBet>(first % 18),
                                 (first & 0x80U) != 0,
                                 first * 997,
                                 {static_cast<std::int16_t>(first % kSpotCount)}};
        ApplyAnswer(*progress, answer);
        if (!RecordAnswer(records, answer) || ReadProgress(records) != progress) {
            std::abort();
        }
    }
    return 0;
}
