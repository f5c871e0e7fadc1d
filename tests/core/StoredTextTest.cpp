#include "table/StoredText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const StoredRecords kLayouts = {"layouts",
                                1,
                                {{"a1", "Layout 1", "5:25"},
                                 {"b2", "tab\there, line\nbreak, back\\slash", ""},
                                 {"c3", "\"Ruhe\" / Ruhé / 賭け"}}};

TEST(StoredTextTest, AnyTextComesBackAsItWasWritten) {
    const auto read = ReadStoredText(WriteStoredText(kLayouts), "layouts", 1);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, kLayouts);
}

TEST(StoredTextTest, AnOlderVersionIsReadAndANewerOneIsNot) {
    StoredRecords old = kLayouts;
    old.version = 1;
    EXPECT_TRUE(ReadStoredText(WriteStoredText(old), "layouts", 2).has_value());
    old.version = 3;
    EXPECT_FALSE(ReadStoredText(WriteStoredText(old), "layouts", 2).has_value());
}

struct BadFile {
    const char* name;
    std::string text;
};

class StoredTextBadFileTest : public testing::TestWithParam<BadFile> {};

TEST_P(StoredTextBadFileTest, IsNotRead) {
    EXPECT_FALSE(ReadStoredText(GetParam().text, "layouts", 1).has_value());
}

const std::string kWhole = WriteStoredText(kLayouts);

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredTextBadFileTest,
    testing::Values(BadFile{"Empty", ""}, BadFile{"CutShort", kWhole.substr(0, kWhole.size() / 2)},
                    BadFile{"LastLineCut", kWhole.substr(0, kWhole.size() - 1)},
                    BadFile{"ARecordTooMany", "velmora layouts 1\na\nb\nend 1\n"},
                    BadFile{"AnotherKind", "velmora progress 1\nend 0\n"},
                    BadFile{"VersionZero", "velmora layouts 0\nend 0\n"},
                    BadFile{"VersionNotANumber", "velmora layouts 1x\nend 0\n"},
                    BadFile{"UnknownEscape", "velmora layouts 1\na\\q\nend 1\n"},
                    BadFile{"LoneBackslash", "velmora layouts 1\na\\\nend 1\n"},
                    BadFile{"NotOurs", "<?xml version=\"1.0\"?>\n"},
                    BadFile{"Binary", std::string("\0\x01\x02\n", 4)}),
    [](const testing::TestParamInfo<BadFile>& row) { return std::string(row.param.name); });

} // namespace
