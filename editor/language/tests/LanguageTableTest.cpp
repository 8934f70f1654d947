// The language table from "menu.language", and the language of a file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "LanguageTable.h"
#include "PropertySets.h"
#include "TempFolder.h"

namespace {

CPropertySet SetFromText(const std::string& text) {
    CPropertySet set;
    set.ParseText(text.data(), text.size(), nullptr, {});
    return set;
}

struct TableCase {
    const char* name;
    const char* text;
    std::vector<LanguageEntry> expected;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

const TableCase kTableCases[] = {
    {"two pairs", "menu.language=C|c|Java|java|", {{"C", "c", "cpp"}, {"Java", "java", ""}}},
    {"hash name skipped", "menu.language=#C|c|Java|java|", {{"Java", "java", ""}}},
    {"unclosed tail dropped", "menu.language=C|c|Java", {{"C", "c", "cpp"}}},
    {"odd closed item dropped", "menu.language=C|c|Java|", {{"C", "c", "cpp"}}},
    {"empty", "menu.language=", {}},
    {"missing", "other=1", {}},
    {"value expanded", "langs=C|c|\nmenu.language=$(langs)Py|py|", {{"C", "c", "cpp"}, {"Py", "py", "python"}}},
    {"name kept as written", "menu.language=&Visual Basic|vb|", {{"&Visual Basic", "vb", ""}}},
};

class LanguageTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(LanguageTableTest, Builds) {
    const TableCase& c = GetParam();
    CPropertySet set =
        SetFromText(std::string(c.text) + "\nlexer.*.c=$(clexer)\nclexer=cpp\nlexer.$(fp)=python\nfp=*.py");
    std::vector<LanguageEntry> table = BuildLanguageTable(set);
    ASSERT_EQ(table.size(), c.expected.size());
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].name, c.expected[i].name) << i;
        EXPECT_EQ(table[i].extension, c.expected[i].extension) << i;
        EXPECT_EQ(table[i].lexer, c.expected[i].lexer) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(MenuLanguage, LanguageTableTest, testing::ValuesIn(kTableCases), CaseName());

const char kFileRules[] =
    "lexer.*.c;*.h=cpp\n"
    "lexer.$(fp)=python\n"
    "fp=*.py;*.pyw\n"
    "lexer.makefile*;*.mak=makefile\n";

struct FileCase {
    const char* name;
    const char* languages;
    const char* path;
    int expected;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

const char kTextFirst[] = "Text|txt|C|c|Make|mak|Python|py|";

const FileCase kFileCases[] = {
    {"full path upper case", kTextFirst, "C:\\src\\MAIN.C", 1},
    {"second pattern", kTextFirst, "C:\\src\\main.h", 1},
    {"bare name", kTextFirst, "a.c", 1},
    {"pattern list from a variable", kTextFirst, "tool.PYW", 3},
    {"prefix pattern on the name only", kTextFirst, "C:\\make\\Makefile.win", 2},
    {"prefix pattern not on the folder", kTextFirst, "C:\\makefiles\\notes.txt", 0},
    {"forward slashes", kTextFirst, "Z:/home/user/makefile", 2},
    {"unknown file gets the first language without lexer", "C|c|Text|txt|Python|py|", "C:\\readme.md", 1},
    {"unknown file without such a language", "C|c|Python|py|", "C:\\readme.md", 0},
    {"lexer no language has", "Text|txt|C|c|", "x.py", 0},
    {"empty path", kTextFirst, "", 0},
};

class LanguageForFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(LanguageForFileTest, Selects) {
    const FileCase& c = GetParam();
    CPropertySet set = SetFromText(std::string(kFileRules) + "menu.language=" + c.languages);
    EXPECT_EQ(LanguageIndexForFile(BuildLanguageTable(set), set, c.path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LanguageForFileTest, testing::ValuesIn(kFileCases), CaseName());

TEST(LanguageStoreTest, GetLanguageFallsBackToEntryZero) {
    TempFolder folder;
    folder.Write("root.properties", "menu.language=Text|txt|C|c|\nlexer.*.c=cpp");
    CPropertySets sets;
    sets.Load(folder.Path());
    ASSERT_EQ(sets.Languages().size(), 2u);
    EXPECT_EQ(sets.GetLanguage(1).lexer, "cpp");
    for (int index : {-1, 2, 1000}) EXPECT_EQ(sets.GetLanguage(index).name, "Text") << index;
    EXPECT_EQ(sets.LexerForFile("D:\\work\\x.C"), 1);
}

TEST(LanguageStoreTest, EmptyTableGivesPlainText) {
    TempFolder folder;
    CPropertySets sets;
    sets.Load(folder.Path());
    ASSERT_TRUE(sets.Languages().empty());
    for (int index : {0, 5, -1}) {
        const LanguageEntry& entry = sets.GetLanguage(index);
        EXPECT_EQ(entry.name, "Text");
        EXPECT_EQ(entry.extension, "");
        EXPECT_EQ(entry.lexer, "");
    }
    EXPECT_EQ(sets.LexerForFile("C:\\a.c"), 0);
}

TEST(LanguageStoreTest, ReloadRebuildsTheTable) {
    TempFolder folder;
    folder.Write("root.properties", "menu.language=A|a|B|b|");
    CPropertySets sets;
    sets.Load(folder.Path());
    folder.Write("root.properties", "menu.language=C|c|");
    sets.Load(folder.Path());
    ASSERT_EQ(sets.Languages().size(), 1u);
    EXPECT_EQ(sets.GetLanguage(0).name, "C");
}

TEST(LowerCaseAsciiTest, ChangesOnlyAsciiCapitals) {
    std::string text = "MAIN.Cpp@[\xC4\xD6]Z";
    LowerCaseAscii(text);
    EXPECT_EQ(text, "main.cpp@[\xC4\xD6]z");
}

}  // namespace
