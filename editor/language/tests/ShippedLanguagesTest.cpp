// The language folder the program ships, read from the source tree, and the
// lexer names it hands to Lexilla.
#include <gtest/gtest.h>
#include <windows.h>

#include <ILexer.h>
#include <Lexilla.h>

#include <cctype>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "LexillaName.h"
#include "PropertySets.h"
#include "ShippedFolder.h"
#include "StyleSpec.h"

namespace {

bool LexillaHas(const std::string& name) {
    Scintilla::ILexer5* lexer = CreateLexer(name.c_str());
    if (!lexer) return false;
    lexer->Release();
    return true;
}

TEST(LexillaNameTest, MapsTheEditorsLexerTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"java", "cpp"},       {"csharp", "cpp"},    {"javascript", "cpp"}, {"yacc", "cpp"},
        {"web", "hypertext"},  {"php", "hypertext"}, {"asp", "hypertext"},  {"shell", "bash"},
        {"assembler", "asm"},  {"plsql", "sql"},     {"cpp", "cpp"},        {"python", "python"},
        {"hypertext", "hypertext"}, {"props", "props"},
    };
    for (auto [text, name] : cases) {
        EXPECT_EQ(LexillaNameFor(text), name) << text;
        EXPECT_TRUE(LexillaHas(name)) << name;
    }
    // No lexer: the container styles.
    EXPECT_EQ(LexillaNameFor(""), "");
    // Lexer texts compare exactly, as in the language table.
    EXPECT_EQ(LexillaNameFor("Java"), "Java");
}

class ShippedFolderTest : public testing::Test {
protected:
    void SetUp() override { m_sets.Load(ShippedFolder()); }
    CPropertySets m_sets;
};

TEST_F(ShippedFolderTest, RootImportsEveryFile) {
    std::set<std::string> imported;
    for (const std::string& path : m_sets.ImportedFiles()) {
        if (!path.empty()) imported.insert(path.substr(path.rfind('\\') + 1));
    }
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((ShippedFolder() + "\\*.properties").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    size_t files = 0;
    do {
        std::string name = found.cFileName;
        ++files;
        if (name != "root.properties") {
            EXPECT_TRUE(imported.count(name)) << name << " is not imported";
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    EXPECT_EQ(imported.size() + 1, files);
}

TEST_F(ShippedFolderTest, EveryLanguageResolvesAndRoundTrips) {
    const std::vector<LanguageEntry>& languages = m_sets.Languages();
    ASSERT_GE(languages.size(), 20u);
    // New documents get entry 0: plain text without a lexer.
    EXPECT_EQ(languages[0].name, "Text");
    EXPECT_EQ(languages[0].lexer, "");
    std::set<std::string> lexers;
    for (size_t i = 0; i < languages.size(); ++i) {
        const LanguageEntry& entry = languages[i];
        SCOPED_TRACE(entry.name);
        if (i > 0) {
            EXPECT_FALSE(entry.lexer.empty());
            EXPECT_TRUE(LexillaHas(LexillaNameFor(entry.lexer))) << entry.lexer;
        }
        // Languages sharing a lexer text would collapse onto the first.
        EXPECT_TRUE(lexers.insert(entry.lexer).second) << entry.lexer;
        EXPECT_EQ(m_sets.LexerForFile("x." + entry.extension), static_cast<int>(i));
        EXPECT_EQ(m_sets.LexerForFile("C:\\Some Folder\\X." + entry.extension), static_cast<int>(i));
    }
}

// Stricter than CStyleSpec, which ignores what it does not know: a misspelt
// keyword or variable shows here as an unknown or empty item.
std::string StyleTextFault(const std::string& text) {
    static const std::set<std::string> kFlags = {
        "bold", "notbold", "italics", "notitalics", "eolfilled", "noteolfilled", "underlined",
        "notunderlined", "visible", "notvisible", "changeable", "notchangeable"};
    if (text.empty()) return "empty";
    size_t start = 0;
    for (;;) {
        size_t end = text.find(',', start);
        std::string item = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        size_t colon = item.find(':');
        std::string keyword = item.substr(0, colon);
        std::string value = colon == std::string::npos ? "" : item.substr(colon + 1);
        if (keyword == "fore" || keyword == "back") {
            bool colour = value.size() == 7 && value[0] == '#';
            for (size_t i = 1; colour && i < 7; ++i) colour = std::isxdigit(static_cast<unsigned char>(value[i]));
            if (!colour) return "bad colour '" + item + "'";
        } else if (keyword == "size") {
            if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) return "bad size";
        } else if (keyword == "font") {
            if (value.empty()) return "empty font";
        } else if (keyword == "case") {
            if (value != "u" && value != "l" && value != "m") return "bad case";
        } else if (!kFlags.count(keyword) || colon != std::string::npos) {
            return "unknown item '" + item + "'";
        }
        if (end == std::string::npos) return "";
        start = end + 1;
    }
}

TEST(StyleTextFaultTest, FindsTheFaults) {
    EXPECT_EQ(StyleTextFault("fore:#00FF00,back:#ffffff,bold,size:10,font:Courier New"), "");
    for (const char* bad : {"", "fore:#00FF0", "Bold", ",bold", "bold,", "size:", "font", "bold:1", "fore:00FF00"}) {
        EXPECT_NE(StyleTextFault(bad), "") << bad;
    }
}

TEST_F(ShippedFolderTest, EveryStyleTextParses) {
    std::set<std::string> lexers = {"*"};
    for (const LanguageEntry& entry : m_sets.Languages()) lexers.insert(entry.lexer);
    size_t styles = 0;
    for (const PropertyEntry& property : m_sets.Main().Entries()) {
        if (!property.key.starts_with("style.")) continue;
        ++styles;
        SCOPED_TRACE(property.key);
        // "style.<lexer>.<number>" with a shipped lexer and a number 0-255.
        size_t dot = property.key.rfind('.');
        std::string lexer = property.key.substr(6, dot - 6);
        std::string number = property.key.substr(dot + 1);
        EXPECT_TRUE(lexers.count(lexer)) << "no language has lexer " << lexer;
        EXPECT_TRUE(!number.empty() && number.find_first_not_of("0123456789") == std::string::npos &&
                    std::atoi(number.c_str()) <= 255);
        std::string text = m_sets.Main().GetExpanded(property.key, "");
        EXPECT_EQ(StyleTextFault(text), "") << text;
        EXPECT_TRUE(CStyleSpec().Parse(text.c_str()));
    }
    EXPECT_GT(styles, 100u);
}

TEST_F(ShippedFolderTest, CLikeIndentRulesUseTheCppStyles) {
    // 5 is the cpp lexer's keyword style, 10 its operator style.
    for (const char* file : {"x.cpp", "x.cs", "x.java", "x.js"}) {
        const CPropertySet& set = m_sets.Main();
        EXPECT_TRUE(set.GetExpanded("statement.indent.", file).starts_with("5 case default do else for")) << file;
        EXPECT_EQ(set.GetExpanded("statement.end.", file), "10 ;") << file;
        EXPECT_EQ(set.GetExpanded("block.start.", file), "10 {") << file;
        EXPECT_EQ(set.GetExpanded("block.end.", file), "10 }") << file;
    }
}

TEST_F(ShippedFolderTest, EveryReferenceIsDefined) {
    // A misspelt "$(name)" would expand to nothing without a word.
    for (const PropertyEntry& property : m_sets.Main().Entries()) {
        for (const std::string* text : {&property.key, &property.value}) {
            for (size_t at = text->find("$("); at != std::string::npos; at = text->find("$(", at + 2)) {
                size_t close = text->find(')', at);
                ASSERT_NE(close, std::string::npos) << property.key;
                std::string name = text->substr(at + 2, close - at - 2);
                EXPECT_FALSE(m_sets.Main().Get(name).empty()) << property.key << " refers to " << name;
            }
        }
    }
}

TEST_F(ShippedFolderTest, LexerPropertiesHaveNoVariables) {
    // These are read without expansion.
    for (const char* key : {"fold", "fold.compact", "fold.comment", "fold.preprocessor", "fold.html",
                            "fold.margin.colour", "fold.margin.highlight.colour", "whitespace.fore",
                            "whitespace.back"}) {
        EXPECT_EQ(m_sets.Main().Get(key).find("$("), std::string::npos) << key;
    }
    EXPECT_EQ(m_sets.Main().Get("fold"), "1");
    EXPECT_EQ(m_sets.Main().Get("fold.compact"), "0");
}

}  // namespace
