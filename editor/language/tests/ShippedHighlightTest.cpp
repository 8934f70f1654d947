// The shipped keyword lists reach the keyword sets their Lexilla lexers read:
// a word of each language gets the style the language file colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <ILexer.h>
#include <Lexilla.h>
#include <Scintilla.h>

#include <memory>
#include <string>
#include <type_traits>

#include "CaseName.h"
#include "LexillaName.h"
#include "PropertySets.h"
#include "ShippedFolder.h"

extern "C" int Scintilla_RegisterClasses(void* instance);

namespace {

struct WindowDestroyer {
    void operator()(HWND window) const { ::DestroyWindow(window); }
};
using WindowPtr = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct HighlightCase {
    const char* name;
    const char* file;
    const char* text;
    int position;
    int style;
};

void PrintTo(const HighlightCase& c, std::ostream* os) { *os << c.name; }

const HighlightCase kCases[] = {
    {"C++ keyword", "a.cpp", "int main() { return 0; }", 0, 5},
    {"C++ type", "a.cpp", "size_t n;", 0, 16},
    {"C# keyword", "a.cs", "foreach (var x in y) {}", 0, 5},
    {"Java keyword", "a.java", "public class A {}", 0, 5},
    {"JavaScript keyword", "a.js", "function f() {}", 0, 5},
    {"HTML tag", "a.html", "<body onload=\"x\"><script>var a;</script></body>", 1, 1},
    {"HTML attribute", "a.html", "<body onload=\"x\"><script>var a;</script></body>", 6, 3},
    {"script in HTML", "a.html", "<body onload=\"x\"><script>var a;</script></body>", 25, 47},
    {"PHP keyword", "a.php", "<?php echo $x; ?>", 6, 121},
    {"CSS property", "a.css", "body { color: red; }", 7, 6},
    {"CSS pseudo-class", "a.css", "a:hover { }", 2, 3},
    {"Python keyword", "a.py", "def f(): pass", 0, 5},
    {"Python built-in", "a.py", "print(x)", 0, 14},
    {"Perl keyword", "a.pl", "my $x = 1;", 0, 5},
    {"Ruby keyword", "a.rb", "def f; end", 0, 5},
    {"SQL keyword in capitals", "a.sql", "SELECT a FROM b;", 0, 5},
    {"Pascal keyword", "a.pas", "begin end.", 0, 9},
    {"Visual Basic keyword", "a.vb", "Dim x As Integer", 0, 3},
    {"Batch command", "a.bat", "echo off", 0, 2},
    {"Shell keyword", "a.sh", "if true; then echo; fi", 0, 4},
};

class ShippedHighlightTest : public testing::TestWithParam<HighlightCase> {
protected:
    static void SetUpTestSuite() {
        Scintilla_RegisterClasses(::GetModuleHandleA(nullptr));
        s_sets = std::make_unique<CPropertySets>();
        s_sets->Load(ShippedFolder());
    }
    static void TearDownTestSuite() { s_sets.reset(); }
    static std::unique_ptr<CPropertySets> s_sets;
};

std::unique_ptr<CPropertySets> ShippedHighlightTest::s_sets;

TEST_P(ShippedHighlightTest, ColoursTheWord) {
    const HighlightCase& c = GetParam();
    WindowPtr editor(
        ::CreateWindowExA(0, "Scintilla", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(editor);
    HWND view = editor.get();
    const CPropertySet& set = s_sets->Main();
    std::string lexer = s_sets->GetLanguage(s_sets->LexerForFile(c.file)).lexer;
    ::SendMessageA(view, SCI_SETILEXER, 0, reinterpret_cast<LPARAM>(CreateLexer(LexillaNameFor(lexer).c_str())));
    for (int list = 0; list < 9; ++list) {
        std::string base = list == 0 ? "keywords." : "keywords" + std::to_string(list + 1) + ".";
        std::string words = set.GetExpanded(base, c.file);
        ::SendMessageA(view, SCI_SETKEYWORDS, static_cast<WPARAM>(list), reinterpret_cast<LPARAM>(words.c_str()));
    }
    ::SendMessageA(view, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text));
    ::SendMessageA(view, SCI_COLOURISE, 0, -1);

    int style = static_cast<int>(::SendMessageA(view, SCI_GETSTYLEAT, static_cast<WPARAM>(c.position), 0));
    EXPECT_EQ(style, c.style);
    EXPECT_NE(set.GetExpanded("style." + lexer + "." + std::to_string(style), ""), "") << "style " << style;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedHighlightTest, testing::ValuesIn(kCases), CaseName());

}  // namespace
