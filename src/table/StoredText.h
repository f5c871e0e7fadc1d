#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text form of every file Velmora keeps (practice progress, layouts):
//   velmora <kind> <version>
//   one record a line, its fields separated by tabs
//   end <number of records>
// A field may hold any text: tab, line break and backslash are escaped, and
// every other byte (UTF-8 letters included) stands as it is. The closing
// count tells a file cut short from a whole one.
struct StoredRecords {
    std::string kind;
    int version = 1;
    std::vector<std::vector<std::string>> rows;
    bool operator==(const StoredRecords&) const = default;
};

std::string WriteStoredText(const StoredRecords& records);

// Nullopt when the text is not a whole file of this kind, or was written by a
// newer Velmora (a version above newestVersion) whose format this one cannot know.
std::optional<StoredRecords> ReadStoredText(std::string_view text, std::string_view kind,
                                            int newestVersion);
