#include "betting/SavedLayouts.h"

#include "table/Money.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

namespace {

// A whole decimal number in [low, high], digits only.
std::optional<int> ReadWhole(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 5 || (text.front() == '0' && text.size() > 1)) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<SavedLayout> ReadRow(const std::vector<std::string>& row) {
    if (row.size() < 3 || row[0].empty()) {
        return std::nullopt;
    }
    SavedLayout layout{row[0], LayoutName(row[1]), {}};
    int previous = -1;
    for (std::size_t i = 2; i < row.size(); ++i) {
        const std::string_view field = row[i];
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const auto spot = ReadWhole(field.substr(0, equals), 0, kSpotCount - 1);
        const auto stake = ReadWhole(field.substr(equals + 1), 1, 32767);
        if (!spot || !stake || *spot <= previous) {
            return std::nullopt;
        }
        previous = *spot;
        layout.stakes.at(*spot) = static_cast<std::int16_t>(*stake);
    }
    return layout;
}

void WriteLayouts(StoredRecords& records, const std::vector<SavedLayout>& layouts) {
    records.rows.clear();
    for (const SavedLayout& layout : layouts) {
        records.rows.push_back(LayoutRow(layout));
    }
}

// Reads the records, lets `change` edit the list and writes it back.
bool Apply(StoredRecords& records, const std::function<void(std::vector<SavedLayout>&)>& change) {
    auto layouts = ReadLayouts(records);
    if (!layouts) {
        return false;
    }
    change(*layouts);
    WriteLayouts(records, *layouts);
    return true;
}

std::vector<SavedLayout>::iterator FindId(std::vector<SavedLayout>& layouts,
                                          const std::string& id) {
    return std::find_if(layouts.begin(), layouts.end(),
                        [&](const SavedLayout& layout) { return layout.id == id; });
}

} // namespace

std::string LayoutName(std::string_view name) {
    if (name.size() <= kLongestLayoutName) {
        return std::string(name);
    }
    std::size_t end = kLongestLayoutName;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0U) == 0x80U) {
        --end; // never through the middle of a letter
    }
    return std::string(name.substr(0, end));
}

std::vector<std::string> LayoutRow(const SavedLayout& layout) {
    std::vector<std::string> row{layout.id, layout.name};
    for (int spot = 0; spot < kSpotCount; ++spot) {
        if (layout.stakes.at(spot) > 0) {
            row.push_back(std::to_string(spot) + '=' + std::to_string(layout.stakes.at(spot)));
        }
    }
    return row;
}

std::optional<std::vector<SavedLayout>> ReadLayouts(const StoredRecords& records) {
    std::vector<SavedLayout> layouts;
    std::set<std::string> ids;
    for (const auto& row : records.rows) {
        auto layout = ReadRow(row);
        if (!layout || !ids.insert(layout->id).second) {
            return std::nullopt;
        }
        layouts.push_back(std::move(*layout));
    }
    return layouts;
}

bool HasStake(const SpotStakes& stakes) {
    return std::any_of(stakes.begin(), stakes.end(), [](std::int16_t s) { return s > 0; });
}

std::array<int, kNumberCount> SpotsCoveringEachNumber(const SpotStakes& stakes) {
    std::array<int, kNumberCount> covering{};
    for (std::size_t spot = 0; spot < stakes.size(); ++spot) {
        if (stakes[spot] <= 0) {
            continue;
        }
        for (const std::int16_t n : SpotNumbers(static_cast<std::int16_t>(spot))) {
            ++covering.at(static_cast<std::size_t>(n));
        }
    }
    return covering;
}

std::string NewLayoutId(const std::vector<SavedLayout>& layouts,
                        const std::function<std::uint64_t()>& random) {
    for (;;) {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(random()));
        if (std::none_of(layouts.begin(), layouts.end(),
                         [&](const SavedLayout& layout) { return layout.id == text; })) {
            return text;
        }
    }
}

bool AddLayout(StoredRecords& records, const SavedLayout& layout) {
    return Apply(records, [&](std::vector<SavedLayout>& layouts) {
        if (FindId(layouts, layout.id) == layouts.end()) {
            layouts.push_back(layout);
            layouts.back().name = LayoutName(layout.name);
        }
    });
}

bool RenameLayout(StoredRecords& records, const std::string& id, const std::string& name) {
    return Apply(records, [&](std::vector<SavedLayout>& layouts) {
        const auto found = FindId(layouts, id);
        if (found != layouts.end()) {
            found->name = LayoutName(name);
        }
    });
}

bool DeleteLayout(StoredRecords& records, const std::string& id) {
    return Apply(records, [&](std::vector<SavedLayout>& layouts) {
        const auto found = FindId(layouts, id);
        if (found != layouts.end()) {
            layouts.erase(found);
        }
    });
}

bool MoveLayout(StoredRecords& records, const std::string& id, int step) {
    return Apply(records, [&](std::vector<SavedLayout>& layouts) {
        const auto found = FindId(layouts, id);
        if (found == layouts.end()) {
            return;
        }
        const auto from = found - layouts.begin();
        const auto to = std::clamp<std::ptrdiff_t>(from + step, 0,
                                                   static_cast<std::ptrdiff_t>(layouts.size()) - 1);
        std::swap(layouts.at(from), layouts.at(to));
    });
}
