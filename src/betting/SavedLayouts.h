#pragma once

#include "betting/LayoutActions.h"
#include "table/Catalogue.h"
#include "table/StoredText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Layouts the player saved: each a name and the stake of every spot, under an
// id made when it was saved, so that a rename, delete or move made by one
// Velmora finds its layout among rows another Velmora wrote meanwhile.
struct SavedLayout {
    std::string id;
    std::string name;
    SpotStakes stakes{};
    bool operator==(const SavedLayout&) const = default;
};

inline constexpr const char* kLayoutsKind = "layouts";
inline constexpr int kLayoutsVersion = 1;

// A name longer than this (in bytes of UTF-8) is cut there, on saving and on
// reading: a menu item of megabytes would hold the menu up.
inline constexpr std::size_t kLongestLayoutName = 200;
std::string LayoutName(std::string_view name);

// One row a layout: id, name, then "spot=stake" for each staked spot in
// ascending spot order.
std::vector<std::string> LayoutRow(const SavedLayout& layout);

// Strict: any row out of form (an empty or repeated id, a spot out of range
// or out of order, a stake that is not a whole number 1..32767, no stake at
// all) makes the whole file unreadable, rather than quietly losing a layout.
std::optional<std::vector<SavedLayout>> ReadLayouts(const StoredRecords& records);

bool HasStake(const SpotStakes& stakes);

// For each number 0..36, how many staked spots cover it: what hovering a
// layout marks on the table.
std::array<int, kNumberCount> SpotsCoveringEachNumber(const SpotStakes& stakes);

// An id of 16 hex digits drawn from `random`, none of the ids in `layouts`.
std::string NewLayoutId(const std::vector<SavedLayout>& layouts,
                        const std::function<std::uint64_t()>& random);

// The changes, each applied to the records as they are read afresh. One that
// names an id no longer there changes nothing. Each returns false when the
// records were unreadable, and then leaves them as they were.
bool AddLayout(StoredRecords& records, const SavedLayout& layout);
bool RenameLayout(StoredRecords& records, const std::string& id, const std::string& name);
bool DeleteLayout(StoredRecords& records, const std::string& id);
// Moves the layout by `step` places (-1 up, +1 down), within the list.
bool MoveLayout(StoredRecords& records, const std::string& id, int step);
