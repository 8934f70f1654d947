// Properties text -> set contents: logical lines, conditions and set-from-line.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CaseName.h"
#include "ParsedSet.h"
#include "PropertySet.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct TextCase {
    const char* name;
    std::string text;
    Entries expected;  // the whole set, in definition order
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

Entries Contents(const PropertyMap& set) {
    Entries result;
    for (const PropertyEntry& entry : set.Entries()) result.emplace_back(entry.key, entry.value);
    return result;
}

const TextCase kTextCases[] = {
    // Logical lines.
    {"crlf", "a=1\r\nb=2", {{"a", "1"}, {"b", "2"}}},
    {"cr, lf, empty lines, no final end", "a=1\rb=2\n\n\nc=3", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
    {"continuation keeps leading blanks", "k=x\\\r\n  y", {{"k", "x  y"}}},
    {"continuation over several lines", "k=a\\\nb\\\r\nc\nm=2", {{"k", "abc"}, {"m", "2"}}},
    {"backslash before lf lf ends the line", "k=x\\\n\nm=2", {{"k", "x"}, {"m", "2"}}},
    {"backslash before crlf crlf ends the line", "k=x\\\r\n\r\nm=2", {{"k", "x"}, {"m", "2"}}},
    {"backslash before cr cr ends the line", "k=x\\\r\rm=2", {{"k", "x"}, {"m", "2"}}},
    {"backslash before cr lf cr ends the line", "k=x\\\r\n\rm=2", {{"k", "x"}, {"m", "2"}}},
    {"lf then crlf is not an empty line", "k=x\\\n\r\nm=2", {{"k", "xm=2"}}},
    {"backslash last in the text", "k=x\\", {{"k", "x\\"}}},
    {"backslash inside a value", "k=a\\b", {{"k", "a\\b"}}},
    {"lone backslash line", "\\\n\na=1", {{"a", "1"}}},
    // Conditions.
    {"if PLAT_WIN keeps the block over an empty line",
     "if PLAT_WIN\n\ta=1\n\n\tb=2\nc=3",
     {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
    {"if on a missing name", "if NOPE\n\ta=1\nc=3", {{"c", "3"}}},
    {"if on a zero value", "z=0\nif z\n\ta=1", {{"z", "0"}}},
    {"if expands the value", "v=$(w)\nw=7\nif v\n\ta=1", {{"v", "$(w)"}, {"w", "7"}, {"a", "1"}}},
    {"unindented comment ends the block", "if NOPE\n\ta=1\n#note\n\tb=2", {{"b", "2"}}},
    {"unindented key ends the block", "if NOPE\n\ta=1\nc=3\n  d=4", {{"c", "3"}, {"d", "4"}}},
    {"if name taken exactly, trailing blank included", "if PLAT_WIN \n\ta=1", {}},
    {"indented if is a key", "\tif x", {{"if x", "1"}}},
    {"capital If is a key", "If PLAT_WIN", {{"If PLAT_WIN", "1"}}},
    {"if inside a false block is still read", "if NOPE\nif PLAT_WIN\n\ta=1", {{"a", "1"}}},
    // Set-from-line.
    {"bare key", "key", {{"key", "1"}}},
    {"indented comment", "   # c", {}},
    {"hash inside a value", "a=b#c", {{"a", "b#c"}}},
    {"key and value not trimmed", "a = b", {{"a ", " b"}}},
    {"leading blanks before the key skipped", " \t a=1", {{"a", "1"}}},
    {"setting again replaces, first position kept", "a=1\nb=2\na=3", {{"a", "3"}, {"b", "2"}}},
    {"empty value", "a=", {{"a", ""}}},
    {"empty key ignored", "=v", {}},
    {"keys are case-sensitive", "a=1\nA=2", {{"a", "1"}, {"A", "2"}}},
    {"import without an import folder is a key", "import x", {{"import x", "1"}}},
};

class TextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextTest, GivesTheSetContents) {
    const TextCase& c = GetParam();
    ParsedSet parsed(c.text);
    EXPECT_EQ(Contents(parsed.set), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Properties, TextTest, testing::ValuesIn(kTextCases), CaseName());

TEST(TextTest, LogicalLinesHaveNoLengthLimit) {
    std::string words;
    for (int i = 0; i < 20000; ++i) words += "word ";
    ParsedSet parsed("k=" + words + "\nlast=1");
    EXPECT_EQ(Contents(parsed.set), (Entries{{"k", words}, {"last", "1"}}));
}

}  // namespace
