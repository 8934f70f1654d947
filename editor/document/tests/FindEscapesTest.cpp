// Backslash escapes of search and replacement texts.
#include <gtest/gtest.h>

#include "FindReplaceEscapes.h"

namespace {

using namespace std::string_literals;

TEST(FindEscapes, UnescapeString) {
    const struct {
        std::string text, bytes;
    } table[] = {
        {"a\\tb", "a\tb"},
        {"\\a\\b\\f\\n\\r\\t\\v", "\x07\x08\x0C\x0A\x0D\x09\x0B"},
        {"\\101", "A"},
        {"\\777", "\xFF"},
        {"\\1234", "\x53" "4"},
        {"\\x41", "A"},
        {"\\x4g", "\x04g"},
        {"\\xg", "\0"s},
        {"\\\\", "\\"},
        {"\\q", "q"},
        {"ab\\", "ab\0"s},
        {"plain", "plain"},
    };
    for (const auto& row : table) EXPECT_EQ(row.bytes, UnescapeString(row.text)) << row.text;
}

TEST(FindEscapes, LowOctalOnlyForTheRegexEngine) {
    const struct {
        std::string text, bytes;
    } table[] = {
        {"\\012", "\n"}, {"\\077", "?"}, {"\\08", "\\08"}, {"\\t", "\\t"}, {"\\101", "\\101"}, {"a\\01", "a\\01"},
    };
    for (const auto& row : table) EXPECT_EQ(row.bytes, UnescapeLowOctal(row.text)) << row.text;
}

TEST(FindEscapes, PatternChoosesByTheBits) {
    EXPECT_EQ("a\\tb", UnescapePattern("a\\tb", false, false));
    EXPECT_EQ("a\\tb", UnescapePattern("a\\tb", false, true));
    EXPECT_EQ("a\tb", UnescapePattern("a\\tb", true, false));
    EXPECT_EQ("a\\t\n", UnescapePattern("a\\t\\012", true, true));
}

}  // namespace
