// Files opened in a view styled from the shipped language folder come out
// highlighted and folded by their language, and a language change restyles.
#include <gtest/gtest.h>

#include "LanguageFixture.h"
#include "ShippedFolder.h"
#include "StyleSpec.h"

namespace {

struct ShippedCase {
    const char* file;
    const char* text;
    int lexer;
    int position;  // of a word with the language's own style
    int style;
    int headerLine;
};

void PrintTo(const ShippedCase& c, std::ostream* os) { *os << c.file; }

const ShippedCase kCases[] = {
    {"main.cpp", "#include <x>\nint main() {\n  return 0;\n}\n", SCLEX_CPP, 13, 5, 1},
    {"page.html", "<html>\n<body>\n<script>\nvar a = 1;\n</script>\n</body>\n</html>\n", SCLEX_HTML, 23, 47, 0},
    {"tool.py", "def f():\n    return 1\n", SCLEX_PYTHON, 0, 5, 0},
};

class ShippedStylingTest : public testing::TestWithParam<ShippedCase> {};

TEST_P(ShippedStylingTest, OpensHighlightedAndFolded) {
    const ShippedCase& c = GetParam();
    StyledView v;
    v.source.LoadFolder(ShippedFolder());
    v.source.folder.Write(c.file, c.text);
    ASSERT_TRUE(v.View().OpenFile(v.source.folder.File(c.file).c_str(), kEncodingDefault));
    v.Send(SCI_COLOURISE, 0, -1);

    EXPECT_EQ(c.lexer, v.Send(SCI_GETLEXER));
    EXPECT_EQ(c.style, v.StyleAt(c.position));
    const std::string text =
        v.source.sets->Main().GetExpanded("style." + v.View().GetLexerName() + "." + std::to_string(c.style), "");
    const CStyleSpec spec(text.c_str());
    ASSERT_TRUE(spec.mask & CStyleSpec::kFore) << text;
    EXPECT_EQ(spec.ForeColour(), v.Fore(c.style));
    EXPECT_TRUE(v.IsHeader(c.headerLine));
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedStylingTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ShippedCase>& info) {
                             std::string name = info.param.file;
                             for (char& ch : name)
                                 if (ch == '.') ch = '_';
                             return name;
                         });

TEST(ShippedStyling, ChangingTheLanguageRestylesTheDocument) {
    StyledView v;
    v.source.LoadFolder(ShippedFolder());
    v.source.folder.Write("main.cpp", "#include <x>\nint main() {\n  return 0;\n}\n");
    ASSERT_TRUE(v.View().OpenFile(v.source.folder.File("main.cpp").c_str(), kEncodingDefault));
    v.Send(SCI_COLOURISE, 0, -1);
    ASSERT_EQ(SCE_C_PREPROCESSOR, v.StyleAt(0));

    const int python = v.source.sets->LexerForFile("x.py");
    ASSERT_NE(0, python);
    v.View().SetLanguage(python);
    EXPECT_EQ(SCLEX_PYTHON, v.Send(SCI_GETLEXER));
    EXPECT_EQ(SCE_P_COMMENTLINE, v.StyleAt(0));
    EXPECT_EQ("python", v.View().GetLexerName());
}

}  // namespace
