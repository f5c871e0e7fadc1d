#include "table/StoredText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const StoredRecords kLayouts = {"layouts",
                                1,
                                {{"a1", "Layout 1", "5:25"},
                                 {"b2", "tab\there, line\nbreak, return\r, back\\slash", ""},
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

const std::string kWhole = WriteStoredText(kLayouts);

TEST(StoredTextTest, ABrokenOrForeignFileIsNotRead) {
    const BadFile files[] = {{"Empty", ""},
                             {"CutShort", kWhole.substr(0, kWhole.size() / 2)},
                             {"LastLineCut", kWhole.substr(0, kWhole.size() - 1)},
                             {"ARecordTooMany", "velmora layouts 1\na\nb\nend 1\n"},
                             {"AnotherKind", "velmora progress 1\nend 0\n"},
                             {"VersionZero", "velmora layouts 0\nend 0\n"},
                             {"VersionNotANumber", "velmora layouts 1x\nend 0\n"},
                             {"UnknownEscape", "velmora layouts 1\na\\q\nend 1\n"},
                             {"LoneBackslash", "velmora layouts 1\na\\\nend 1\n"},
                             {"NotOurs", "<?xml version=\"1.0\"?>\n"},
                             {"Binary", std::string("\0\x01\x02\n", 4)}};
    for (const BadFile& file : files) {
        EXPECT_FALSE(ReadStoredText(file.text, "layouts", 1).has_value()) << file.name;
    }
}

} // namespace
