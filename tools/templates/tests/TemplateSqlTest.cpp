// The template statements as exact texts, the caret line's indentation, the
// caret marker, and the choice of the remembered category.
#include <gtest/gtest.h>
#include <windows.h>

#include "TemplateSql.h"
#include "TemplateText.h"

namespace {

TEST(TemplateSql, StatementsAreExactWithQuotesDoubledAndTheTableBracketed) {
    EXPECT_EQ(template_sql::Quoted("a\"b"), "\"a\"\"b\"");
    EXPECT_EQ(template_sql::Quoted(""), "\"\"");
    EXPECT_EQ(template_sql::SelectNames("C++"), "select Name from [C++]");
    EXPECT_EQ(template_sql::SelectTemplate("My Snippets", "a\"b"),
              "select * from [My Snippets] where Name=\"a\"\"b\"");
    EXPECT_EQ(template_sql::DeleteTemplate("Select", "Name"), "delete * from [Select] where Name=\"Name\"");
    EXPECT_EQ(template_sql::InsertTemplate("C", "n", "say \"hi\"\r\n"),
              "insert into [C] (Name, Content) values (\"n\", \"say \"\"hi\"\"\r\n\")");
    EXPECT_EQ(template_sql::UpdateTemplate("C", "new", "x", "old\""),
              "update [C] set Name=\"new\",Content=\"x\" where Name=\"old\"\"\"");
    // A content of nothing but quotes doubles in length, past any fixed buffer.
    const std::string quotes(1023, '"');
    EXPECT_EQ(template_sql::InsertTemplate("C", "q", quotes).size(),
              std::string("insert into [C] (Name, Content) values (\"q\", \"\")").size() + 2 * quotes.size());
}

TEST(TemplateText, IndentationFollowsTabsAndWidth) {
    const struct {
        int columns, width;
        bool tabs;
        const char* text;
    } cases[] = {
        {8, 4, true, "\t\t"}, {10, 4, true, "\t\t  "}, {3, 4, true, "   "}, {8, 4, false, "        "},
        {0, 4, true, ""},     {6, 8, true, "      "},  {5, 0, true, "     "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IndentationText(c.columns, c.width, c.tabs), c.text) << c.columns << "/" << c.width << c.tabs;
}

TEST(TemplateText, TheCaretMarkerIsTheFirstBarOfItsOwn) {
    EXPECT_EQ(FindCaretMarker("f(|);|", CP_UTF8), 2u);
    EXPECT_EQ(FindCaretMarker("none", CP_UTF8), std::string::npos);
    EXPECT_EQ(FindCaretMarker("f(|)", 936), 2u);
    // 0x81 0x7C is one double-byte character of code page 936 whose trail
    // byte is '|'; the marker is the bar after it.
    EXPECT_EQ(FindCaretMarker("\x81\x7C(|)", 936), 3u);
    EXPECT_EQ(FindCaretMarker("\x81\x7C", 936), std::string::npos);
    EXPECT_EQ(FindCaretMarker("\x81\x7C|", 0), ::GetACP() == 936 ? 2u : 1u);
}

TEST(TemplateText, TheRememberedCategoryMatchesWithoutCaseAndTheLastWins) {
    const std::vector<std::string> tables{"Basic", "cpp", "CPP", "Html"};
    EXPECT_EQ(ChooseCategory(tables, "html"), 3);
    EXPECT_EQ(ChooseCategory(tables, "Cpp"), 2);
    EXPECT_EQ(ChooseCategory(tables, "Pascal"), 0);
    EXPECT_EQ(ChooseCategory(tables, ""), 0);
    EXPECT_EQ(ChooseCategory({}, "cpp"), -1);
}

}  // namespace
