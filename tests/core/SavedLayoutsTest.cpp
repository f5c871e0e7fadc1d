// Saved layouts: the rows they are kept in, the changes applied to rows as
// another Velmora may have left them, and the numbers one covers (adding one
// to the table is with the other layout actions).
#include "StakedTable.h"

#include "betting/SavedLayouts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Row = std::vector<std::string>;

StoredRecords Records(std::vector<Row> rows) {
    return {kLayoutsKind, kLayoutsVersion, std::move(rows)};
}

// Names of any text survive the file: the store escapes tabs and breaks.
TEST(SavedLayouts, RowsReadBackAsWritten) {
    const std::vector<SavedLayout> layouts = {
        {"a1", "Tier & \"zero\" / 1\t2", Layout({{0, 1}, {156, 32767}})},
        {"b2", "Вечер 金", Layout({{7, 5}})},
        {"c3", "", Layout({{100, 20}, {101, 20}})},
    };
    StoredRecords records = Records({});
    for (const SavedLayout& layout : layouts) {
        ASSERT_TRUE(AddLayout(records, layout));
    }
    const auto text = WriteStoredText(records);
    const auto reread = ReadStoredText(text, kLayoutsKind, kLayoutsVersion);
    ASSERT_TRUE(reread);
    EXPECT_EQ(ReadLayouts(*reread), layouts);
    EXPECT_EQ(LayoutRow(layouts[0]), (Row{"a1", layouts[0].name, "0=1", "156=32767"}));
}

// Why the rows are unreadable, and the rows.
// clang-format off
const std::vector<std::pair<const char*, std::vector<Row>>> kBadRows = {
    {"no stake", {{"a", "x"}}},
    {"empty id", {{"", "x", "7=5"}}},
    {"repeated id", {{"a", "x", "7=5"}, {"a", "y", "8=5"}}},
    {"spot past the last", {{"a", "x", "157=5"}}},
    {"negative spot", {{"a", "x", "-1=5"}}},
    {"spots out of order", {{"a", "x", "9=5", "8=5"}}},
    {"spot twice", {{"a", "x", "8=5", "8=5"}}},
    {"zero stake", {{"a", "x", "8=0"}}},
    {"stake past 16 bits", {{"a", "x", "8=32768"}}},
    {"stake with a sign", {{"a", "x", "8=+5"}}},
    {"stake with a leading zero", {{"a", "x", "8=05"}}},
    {"no equals sign", {{"a", "x", "85"}}},
    {"trailing text", {{"a", "x", "8=5x"}}},
    {"empty stake", {{"a", "x", "8="}}},
    {"a good row then a bad one", {{"a", "x", "8=5"}, {"b", "y"}}},
};
// clang-format on

TEST(SavedLayouts, AnyMalformedRowMakesTheRecordsUnreadable) {
    for (const auto& [why, rows] : kBadRows) {
        StoredRecords records = Records(rows);
        EXPECT_FALSE(ReadLayouts(records)) << why;
        EXPECT_FALSE(RenameLayout(records, "a", "z")) << why;
        EXPECT_EQ(records.rows, rows) << why; // left for the store to move aside
    }
}

using Change = std::function<bool(StoredRecords&)>;

const SavedLayout kB{"b", "B", Layout({{8, 5}})};

// A change, the ids after it, and the name of "b" after it when it is still there.
// clang-format off
const std::vector<std::tuple<const char*, Change, std::vector<std::string>, const char*>> kChanges = {
    {"AddAppends", [](StoredRecords& r) { return AddLayout(r, {"d", "D", Layout({{9, 1}})}); }, {"a", "b", "c", "d"}, "B"},
    {"AddOfAnIdAlreadyThereKeepsTheFirst", [](StoredRecords& r) { return AddLayout(r, {"b", "X", Layout({{9, 1}})}); }, {"a", "b", "c"}, "B"},
    {"RenameActsOnTheId", [](StoredRecords& r) { return RenameLayout(r, "b", "New"); }, {"a", "b", "c"}, "New"},
    {"RenameOfAGoneIdDoesNothing", [](StoredRecords& r) { return RenameLayout(r, "z", "New"); }, {"a", "b", "c"}, "B"},
    {"DeleteActsOnTheId", [](StoredRecords& r) { return DeleteLayout(r, "b"); }, {"a", "c"}, nullptr},
    {"DeleteOfAGoneIdDoesNothing", [](StoredRecords& r) { return DeleteLayout(r, "z"); }, {"a", "b", "c"}, "B"},
    {"MoveUp", [](StoredRecords& r) { return MoveLayout(r, "b", -1); }, {"b", "a", "c"}, "B"},
    {"MoveDown", [](StoredRecords& r) { return MoveLayout(r, "b", 1); }, {"a", "c", "b"}, "B"},
    {"MoveUpFromTheTopStays", [](StoredRecords& r) { return MoveLayout(r, "a", -1); }, {"a", "b", "c"}, "B"},
    {"MoveDownFromTheBottomStays", [](StoredRecords& r) { return MoveLayout(r, "c", 1); }, {"a", "b", "c"}, "B"},
};
// clang-format on

// Each change meets the rows as they are now, and keeps every layout it does not name.
// A name past the longest is cut there, never through a letter, whether it
// was read from a file, saved or renamed; a name of megabytes is no menu item.
TEST(SavedLayouts, AnOverlongNameIsCutBetweenLetters) {
    const std::string letters(kLongestLayoutName / 2 + 10, 'x');
    std::string name;
    for (std::size_t i = 0; i < kLongestLayoutName; ++i) {
        name += "é"; // two bytes each
    }
    const std::string cut = name.substr(0, kLongestLayoutName);
    const std::string oddCut = "a" + name.substr(0, kLongestLayoutName - 2);
    EXPECT_EQ(LayoutName(letters), letters);
    EXPECT_EQ(LayoutName(name), cut);
    EXPECT_EQ(LayoutName("a" + name), oddCut) << "the letter across the limit goes whole";
    StoredRecords records = Records({{"a", std::string(8 << 20, 'n'), "7=5"}});
    EXPECT_EQ(ReadLayouts(records)->at(0).name, std::string(kLongestLayoutName, 'n'));
    ASSERT_TRUE(AddLayout(records, {"b", name, Layout({{7, 5}})}));
    ASSERT_TRUE(RenameLayout(records, "a", "a" + name));
    const auto layouts = ReadLayouts(records);
    ASSERT_TRUE(layouts);
    EXPECT_EQ(layouts->at(0).name, oddCut);
    EXPECT_EQ(layouts->at(1).name, cut);
}

TEST(SavedLayouts, ChangesActOnTheIdAmongFreshRows) {
    for (const auto& [name, change, expected, renamed] : kChanges) {
        SCOPED_TRACE(name);
        StoredRecords records = Records({{"a", "A", "7=5"}, LayoutRow(kB), {"c", "C", "9=5"}});
        ASSERT_TRUE(change(records));
        const auto layouts = ReadLayouts(records);
        ASSERT_TRUE(layouts);
        std::vector<std::string> order;
        for (const SavedLayout& layout : *layouts) {
            order.push_back(layout.id);
            if (layout.id == "b") {
                ASSERT_NE(renamed, nullptr);
                EXPECT_EQ(layout.name, renamed);
                EXPECT_EQ(layout.stakes, kB.stakes);
            }
        }
        EXPECT_EQ(order, expected);
    }
}

TEST(SavedLayouts, NewIdsAreHexAndNeverOneAlreadyTaken) {
    std::vector<std::uint64_t> draws = {0xABCULL, 0xABCULL, 0x1ULL};
    std::size_t next = 0;
    const auto random = [&] { return draws.at(next++); };
    const std::vector<SavedLayout> taken = {{"0000000000000abc", "x", {}}};
    EXPECT_EQ(NewLayoutId(taken, random), "0000000000000001");
    EXPECT_EQ(next, 3U);
    EXPECT_FALSE(HasStake(Layout({})));
    EXPECT_TRUE(HasStake(Layout({{156, 1}})));
}

// Hovering a layout marks each number by how many of its stakes cover it:
// here straight 17, split 17/20 and black.
TEST(SavedLayouts, EachNumberCountsTheStakedSpotsCoveringIt) {
    const auto covering = SpotsCoveringEachNumber(Layout({{69, 5}, {75, 5}, {154, 5}}));
    const std::vector<std::pair<int, int>> rows{{17, 3}, {20, 2}, {2, 1}, {1, 0}, {0, 0}, {14, 0}};
    for (const auto& [number, count] : rows) {
        EXPECT_EQ(covering.at(number), count) << number;
    }
    EXPECT_EQ(SpotsCoveringEachNumber(SpotStakes{}), (std::array<int, kNumberCount>{}));
}

} // namespace
