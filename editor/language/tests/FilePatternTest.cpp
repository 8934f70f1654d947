// One pattern item x file name -> match.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FilePattern.h"

namespace {

struct PatternCase {
    const char* item;
    const char* fileName;
    bool matches;
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << '"' << c.item << "\" / \"" << c.fileName << '"'; }

const PatternCase kPatternCases[] = {
    {"*.c", "main.c", true},
    {"*.c", "MAIN.C", true},
    {"*.C", "main.c", true},
    {"*.c", "a.c", true},  // as long as the name, yet a wildcard
    {"*.c", "x.cc", false},
    {"*.cpp", "x.c", false},
    {"*.c", ".c", true},
    {"*.c", "c", false},
    {"make*", "makefile.win", true},
    {"make*", "Makefile", true},
    {"make*", "make", true},
    {"make*", "mak", false},
    {"*", "", true},
    {"*", "anything", true},
    {"", "", true},
    {"", "a", false},
    {"a*b", "a*b", true},  // a '*' inside is an ordinary byte
    {"a*b", "axb", false},
    {"README", "readme", true},
    {"README", "README.md", false},
    {"[.c", "{.c", false},  // only letters fold
};

class PatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, Matches) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(MatchFilePattern(c.item, std::strlen(c.item), c.fileName), c.matches)
        << "item \"" << c.item << "\", file \"" << c.fileName << "\"";
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternTest, testing::ValuesIn(kPatternCases));

TEST(PatternTest, ItemIsTakenByLengthNotTerminator) {
    // Items are slices of a ';' list.
    EXPECT_TRUE(MatchFilePattern("*.c;*.h", 3, "x.c"));
    EXPECT_FALSE(MatchFilePattern("*.c;*.h", 3, "x.h"));
}

}  // namespace
