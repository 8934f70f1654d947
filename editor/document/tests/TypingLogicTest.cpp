// The pure logic of the typing aids: the api word list's look-ups, the
// style-word list membership and the completion settings read from
// properties.
#include <gtest/gtest.h>

#include <string>

#include "ApiWordList.h"
#include "PropertyMap.h"
#include "TypingSettings.h"

namespace {

const char kApi[] =
    "foobar(int x)\n"
    "foo(int a, int b)\r\n"
    "Foo(char c)\n"
    "\n"
    "foo(int a)\r"
    "fob\n"
    "std::string\n"
    "bar baz\n";

TEST(ApiWordList, NearestWordsAsATable) {
    CApiWordList list;
    list.Set(kApi);
    EXPECT_EQ(7u, list.Size());  // the empty line is no entry
    struct Row {
        const char* root;
        bool ignoreCase;
        bool exact;
        const char* words;  // null: no match
    } rows[] = {
        {"fo", false, false, "fob foo foo foobar"},
        {"fo", true, false, "fob Foo foo foo foobar"},
        {"foo", false, true, "foo foo"},
        {"foo", true, true, "Foo foo foo"},
        {"Foo", false, false, "Foo"},
        {"std::", false, false, "std::string"},
        {"bar", false, false, "bar"},
        {"zzz", false, false, nullptr},
        {"fooba", false, true, nullptr},
    };
    for (const Row& row : rows) {
        const auto words = list.NearestWords(row.root, row.ignoreCase, '(', row.exact);
        if (row.words)
            EXPECT_EQ(row.words, words.value_or("<none>")) << row.root << " " << row.ignoreCase;
        else
            EXPECT_FALSE(words.has_value()) << row.root;
    }
}

TEST(ApiWordList, NearestWordIsTheFirstWholeEntryNotFollowedByAWordCharacter) {
    CApiWordList list;
    list.Set(kApi);
    const std::string wordChars = kDefaultWordCharacters;
    EXPECT_EQ("foo(int a)", list.NearestWord("foo", false, wordChars).value_or(""));
    EXPECT_EQ("Foo(char c)", list.NearestWord("foo", true, wordChars).value_or(""));
    EXPECT_EQ("foobar(int x)", list.NearestWord("foobar", false, wordChars).value_or(""));
    EXPECT_FALSE(list.NearestWord("fooba", false, wordChars).has_value());
    EXPECT_FALSE(list.NearestWord("qux", false, wordChars).has_value());

    CApiWordList empty;
    empty.Set("");
    EXPECT_TRUE(empty.Empty());
    EXPECT_FALSE(empty.NearestWords("", false, '(', false).has_value());
}

TEST(StyleWordList, MembershipAsATable) {
    struct Row {
        const char* list;
        const char* word;
        bool in;
    } rows[] = {
        {"", "x", false},       {"end", "end", true},   {"end", "endif", false}, {"end", "End", false},
        {"}", "});", true},     {"}", "{", false},      {"case default do", "do", true},
        {"case default do", "defaul", false},           {":", "):", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.in, StyleWordListContains(row.list, row.word)) << row.list << " / " << row.word;
}

TEST(CompletionSettings, IgnoreCasePrecedenceAsATable) {
    struct Row {
        const char* general;   // "autocomplete.*.ignorecase"
        const char* forLexer;  // "autocomplete.cpp.ignorecase"
        bool ignoreCase;
    } rows[] = {
        {"", "", false}, {"1", "", true}, {"2", "", false}, {"1", "0", false}, {"", "1", true}, {"0", "1", true},
    };
    for (const Row& row : rows) {
        PropertyMap props;
        if (*row.general) props.Set("autocomplete.*.ignorecase", row.general);
        if (*row.forLexer) props.Set("autocomplete.cpp.ignorecase", row.forLexer);
        EXPECT_EQ(row.ignoreCase, ReadAutoCompleteSettings(props, "cpp").ignoreCase)
            << "'" << row.general << "' '" << row.forLexer << "'";
    }
}

TEST(CompletionSettings, WildcardKeysPreferTheLexersValue) {
    PropertyMap props;
    props.Set("calltip.*.parameters.start", "[");
    props.Set("calltip.cpp.parameters.start", "(<");
    props.Set("calltip.*.ignorecase", "1");
    props.Set("autocomplete.*.start.characters", ".");
    props.Set("autocomplete.cpp.fillups", "(");
    const CallTipSettings cpp = ReadCallTipSettings(props, "cpp");
    EXPECT_EQ("(<", cpp.parametersStart);
    EXPECT_TRUE(cpp.ignoreCase);
    EXPECT_EQ(")", cpp.parametersEnd);
    EXPECT_EQ(",;", cpp.parametersSeparators);
    EXPECT_EQ(kDefaultWordCharacters, cpp.wordCharacters);
    EXPECT_EQ("[", ReadCallTipSettings(props, "python").parametersStart);
    const AutoCompleteSettings ac = ReadAutoCompleteSettings(props, "cpp");
    EXPECT_EQ(".", ac.startCharacters);
    EXPECT_EQ("(", ac.fillups);
    EXPECT_EQ("", ReadAutoCompleteSettings(props, "python").fillups);
}

}  // namespace
