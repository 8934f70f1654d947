// The typing aids on a real editor view, typed into with character and key
// messages: api and word lists, call tips, indentation, tag closing and
// braces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LanguageFixture.h"
#include "ShippedFolder.h"
#include "TypingAids.h"
#include "resource.h"

namespace {

const char kLanguages[] =
    "menu.language=Text|txt|C++|cpp|HTML|html|XML|xml|Python|py|\n"
    "lexer.*.cpp=cpp\nlexer.*.html=hypertext\nlexer.*.xml=xml\nlexer.*.py=python\n"
    "fold=1\n"
    "api.*.cpp=cpp.api\n"
    "keywords.*.cpp=int return if else for while\n"
    "word.characters.*.cpp=_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n"
    "autocomplete.cpp.start.characters=.>:\n"
    "calltip.cpp.word.characters=_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:\n"
    "indent.automatic=1\n"
    "statement.indent.*.cpp=5 case default do else for if while\n"
    "statement.end.*.cpp=10 ;\nstatement.lookback.*.cpp=20\n"
    "block.start.*.cpp=10 {\nblock.end.*.cpp=10 }\n"
    "braces.cpp.style=10\n"
    "indent.maintain.*.py=1\nbraces.python.style=10\n"
    "xml.auto.close.tags=1\n";

const char kCppApi[] =
    "std::string\nstd::vector\nstd::vector\nstrlen(const char* s)\n"
    "foo(int a, int b)\nfoo(int a)\nfoobar(double d)\nbar(int a, int b)\n";

// What the view sent that the component has no getter for.
struct Recorded {
    unsigned message;
    uptr_t w;
    sptr_t l;
    std::string text;
};
std::vector<Recorded> g_recorded;
SciFnDirect g_original = nullptr;
sptr_t Recording(sptr_t pointer, unsigned int message, uptr_t w, sptr_t l) {
    switch (message) {
    case SCI_AUTOCSHOW:
    case SCI_CALLTIPSHOW:
        g_recorded.push_back({message, w, l, reinterpret_cast<const char*>(l)});
        break;
    case SCI_CALLTIPSETHLT:
    case SCI_BRACEHIGHLIGHT:
    case SCI_BRACEBADLIGHT:
    case SCI_SETHIGHLIGHTGUIDE:
        g_recorded.push_back({message, w, l, {}});
        break;
    default:
        break;
    }
    return g_original(pointer, message, w, l);
}

// From here on the view's messages pass through Recording.
void RecordCalls(CEditorView& view) {
    CEditingComponent& component = view.Component();
    g_original = component.DirectFunction();
    component.SetDirect(Recording, component.DirectPointer());
    g_recorded.clear();
}

class TypingView {
public:
    explicit TypingView(const char* file, const std::string& extra = "", const char* api = kCppApi)
        : aids(v.source.folder.Path()) {
        v.source.folder.Write("cpp.api", api);
        v.source.Load(kLanguages + extra);
        v.View().ApplyLanguageForFile(file);
        v.View().SetHooks(&aids);
        RecordCalls(v.View());
    }
    ~TypingView() { v.View().SetHooks(nullptr); }

    void SetText(const std::string& text, int caret = -1) const {
        v.SetText(text);
        const sptr_t at = caret < 0 ? v.Send(SCI_GETLENGTH) : caret;
        v.Send(SCI_SETSEL, static_cast<uptr_t>(at), at);
    }
    // Characters as the keyboard gives them.
    void Type(const std::wstring& text) const {
        for (wchar_t c : text) ::SendMessageW(v.View(), WM_CHAR, c, 1);
    }
    void Key(WORD key) const {
        ::SendMessageW(v.View(), WM_KEYDOWN, key, 1);
        if (key == VK_RETURN) ::SendMessageW(v.View(), WM_CHAR, '\r', 1);
        ::SendMessageW(v.View(), WM_KEYUP, key, 1);
    }
    std::string Text() const { return v.w.Text(); }
    sptr_t Caret() const { return v.Send(SCI_GETCURRENTPOS); }
    int Indent(int line) const { return static_cast<int>(v.Send(SCI_GETLINEINDENTATION, static_cast<uptr_t>(line))); }
    bool ListShown() const { return v.Send(SCI_AUTOCACTIVE) != 0; }
    bool TipShown() const { return v.Send(SCI_CALLTIPACTIVE) != 0; }
    static const Recorded* Last(unsigned message) {
        for (auto it = g_recorded.rbegin(); it != g_recorded.rend(); ++it)
            if (it->message == message) return &*it;
        return nullptr;
    }

    StyledView v;
    CTypingAids aids;
};

TEST(TypingAids, ACppDocumentOffersApiWordsAtAStartCharacterAndInsertsTheChosenOne) {
    TypingView t("x.cpp");
    t.SetText("int main() { ");
    t.Type(L"std:");
    ASSERT_TRUE(t.ListShown());
    ASSERT_NE(nullptr, TypingView::Last(SCI_AUTOCSHOW));
    EXPECT_EQ("std::string std::vector", TypingView::Last(SCI_AUTOCSHOW)->text);
    EXPECT_EQ(4u, TypingView::Last(SCI_AUTOCSHOW)->w);
    // Another start character cancels the list and starts a new one.
    t.Type(L":v");
    ASSERT_TRUE(t.ListShown());
    EXPECT_EQ(5u, TypingView::Last(SCI_AUTOCSHOW)->w);
    t.Key(VK_TAB);
    EXPECT_FALSE(t.ListShown());
    EXPECT_EQ("int main() { std::vector", t.Text());
}

TEST(TypingAids, TheApiListDropsAdjacentDuplicatesAndAnEmptyApiShowsNothing) {
    TypingView t("x.cpp");
    t.SetText("fo");
    t.v.w.Command(ID_EDIT_AUTOCOMPLETE);
    ASSERT_NE(nullptr, TypingView::Last(SCI_AUTOCSHOW));
    EXPECT_EQ("foo foobar", TypingView::Last(SCI_AUTOCSHOW)->text);
    EXPECT_EQ(2u, TypingView::Last(SCI_AUTOCSHOW)->w);

    TypingView empty("x.cpp", "", "");
    empty.SetText("fo");
    empty.v.w.Command(ID_EDIT_AUTOCOMPLETE);
    EXPECT_FALSE(empty.ListShown());
    EXPECT_EQ(nullptr, TypingView::Last(SCI_AUTOCSHOW));
}

TEST(TypingAids, ACallTipFollowsTheParameterAndClosesWithTheCall) {
    TypingView t("x.cpp");
    t.SetText("x = ");
    t.Type(L"bar(");
    ASSERT_TRUE(t.TipShown());
    const Recorded* shown = TypingView::Last(SCI_CALLTIPSHOW);
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ("bar(int a, int b)", shown->text);
    EXPECT_EQ(4u, shown->w);
    EXPECT_EQ(4u, TypingView::Last(SCI_CALLTIPSETHLT)->w);
    EXPECT_EQ(9, TypingView::Last(SCI_CALLTIPSETHLT)->l);  // "int a"
    t.Type(L"1,");
    EXPECT_EQ(10u, TypingView::Last(SCI_CALLTIPSETHLT)->w);  // " int b"
    EXPECT_EQ(16, TypingView::Last(SCI_CALLTIPSETHLT)->l);
    // A nested call's separators are not counted.
    t.Type(L"(a,b");
    EXPECT_EQ(10u, TypingView::Last(SCI_CALLTIPSETHLT)->w);
    t.Type(L")");
    EXPECT_TRUE(t.TipShown());
    t.Type(L")");
    EXPECT_FALSE(t.TipShown());
}

TEST(TypingAids, SeveralDefinitionsAreMarkedWithTheArrowBytes) {
    struct Row {
        const char* endDefinition;
        const char* api;
        const char* tip;
    } rows[] = {
        {nullptr, "foo(int a)\nfoo(int a, int b)\n", "\001\002foo(int a)"},
        {")", "foo(int a) const\nfoo(int a, int b)\n", "\001foo(int a)\n\002 const"},
        {"=>", "foo(int a)\nfoo(int a, int b)\n", "\001foo(int a)\n\002"},
        {")", "foo(int a) const\n", "foo(int a)\n const"},
    };
    for (const Row& row : rows) {
        const std::string extra = row.endDefinition ? std::string("calltip.cpp.end.definition=") + row.endDefinition + "\n" : "";
        TypingView t("x.cpp", extra, row.api);
        t.Type(L"foo(");
        const Recorded* shown = TypingView::Last(SCI_CALLTIPSHOW);
        ASSERT_NE(nullptr, shown) << row.api;
        EXPECT_EQ(row.tip, shown->text) << row.api;
    }
}

TEST(TypingAids, CharactersFromAboveAsciiNeverTriggerAnything) {
    TypingView t("x.cpp", "autocompleteword.automatic=1\n");
    t.v.Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    t.SetText("barrel \xE4\xB8\xAD\xE6\x96\x87 ");
    // U+4E28 has '(' as its low byte.
    t.Type(L"bar\x4E28");
    EXPECT_FALSE(t.TipShown());
    EXPECT_EQ(nullptr, TypingView::Last(SCI_CALLTIPSHOW));
    t.v.Send(SCI_AUTOCCANCEL);
    g_recorded.clear();
    t.Type(L"\x4E2D");
    EXPECT_FALSE(t.ListShown());
    EXPECT_EQ(nullptr, TypingView::Last(SCI_AUTOCSHOW));
    // ASCII word characters do open the word list, once only "barrel"
    // matches ("bar" + the two typed characters is a word too).
    t.Type(L" barr");
    EXPECT_TRUE(t.ListShown());
}

TEST(TypingAids, ATrailByteThatLooksLikeALetterIsNoPartOfAWord) {
    TypingView t("x.cpp");
    t.v.Send(SCI_SETCODEPAGE, 936);
    // 81 41 is one GBK character whose second byte is 'A'.
    t.SetText("\x81\x41");
    t.Type(L"bar(");
    ASSERT_NE(nullptr, TypingView::Last(SCI_CALLTIPSHOW));
    EXPECT_EQ("bar(int a, int b)", TypingView::Last(SCI_CALLTIPSHOW)->text);
    EXPECT_EQ(2u, TypingView::Last(SCI_CALLTIPSHOW)->w);
}

TEST(TypingAids, WordCompletionOffersTheDocumentsLongerWords) {
    TypingView t("x.cpp");
    t.SetText("apple apricot application ap apple\nap");
    t.v.w.Command(ID_EDIT_COMPLETE_WORD);
    ASSERT_NE(nullptr, TypingView::Last(SCI_AUTOCSHOW));
    EXPECT_EQ("apple application apricot", TypingView::Last(SCI_AUTOCSHOW)->text);
    EXPECT_EQ(2u, TypingView::Last(SCI_AUTOCSHOW)->w);

    g_recorded.clear();
    t.SetText("12345 123\n12");
    t.v.w.Command(ID_EDIT_COMPLETE_WORD);
    EXPECT_EQ(nullptr, TypingView::Last(SCI_AUTOCSHOW));

    // Typed with the automatic list: only a single word is offered.
    TypingView automatic("x.cpp", "autocompleteword.automatic=1\n");
    automatic.SetText("zebra zebu\n");
    automatic.Type(L"z");
    EXPECT_FALSE(automatic.ListShown());
    automatic.Type(L"ebr");
    ASSERT_TRUE(automatic.ListShown());
    EXPECT_EQ("zebra", TypingView::Last(SCI_AUTOCSHOW)->text);
}

TEST(TypingAids, EnterKeepsTheIndentationAndABlockIndentsAndOutdents) {
    TypingView t("x.cpp");
    t.SetText("int f() {");
    t.Key(VK_RETURN);
    EXPECT_EQ(4, t.Indent(1));
    t.Type(L"x;");
    t.Key(VK_RETURN);
    EXPECT_EQ(4, t.Indent(2));
    t.Type(L"}");
    EXPECT_EQ(0, t.Indent(2));
    EXPECT_EQ("int f() {\r\n\tx;\r\n}", t.Text());  // tabs by default
    EXPECT_EQ(t.v.Send(SCI_GETLENGTH), t.Caret());

    // A keyword start indents the next line only.
    t.SetText("    if (x)");
    t.Key(VK_RETURN);
    EXPECT_EQ(8, t.Indent(1));
    t.Type(L"{");
    EXPECT_EQ(4, t.Indent(1));

    // A block end made of words: Enter after it outdents that line.
    TypingView words("x.cpp", "keywords.*.cpp=if then end\nblock.start.*.cpp=5 then\nblock.end.*.cpp=5 end\n");
    words.SetText("if x then\r\n    y\r\n    end");
    words.Key(VK_RETURN);
    EXPECT_EQ(0, words.Indent(2));
    EXPECT_EQ(0, words.Indent(3));
    words.SetText("if x then\r\n    y\r\n    endif");
    words.Key(VK_RETURN);
    EXPECT_EQ(4, words.Indent(2));

    // With indent closing on, '}' changes nothing.
    TypingView closing("x.cpp", "indent.closing=1\n");
    closing.SetText("int f() {\r\n        ");
    closing.Type(L"}");
    EXPECT_EQ(8, closing.Indent(1));
}

TEST(TypingAids, MaintainedIndentationSkipsEmptyLinesAndKeepsTheSelectionOnItsText) {
    TypingView t("x.py");
    t.SetText("    x = 1\r\n\r\n");
    t.v.Send(SCI_SETSEL, 11, 11);
    t.Key(VK_RETURN);
    EXPECT_EQ(4, t.Indent(2));
    EXPECT_EQ(t.v.Send(SCI_GETLINEINDENTPOSITION, 2), t.Caret());

    TypingView noSkip("x.py", "indent.automatic=0\n");
    noSkip.SetText("    x = 1\r\n\r\n");
    noSkip.v.Send(SCI_SETSEL, 11, 11);
    noSkip.Key(VK_RETURN);
    EXPECT_EQ(0, noSkip.Indent(2));
}

TEST(TypingAids, ClosingTagsAsATable) {
    struct Row {
        const char* file;
        const char* extra;
        const char* before;
        const char* after;
    } rows[] = {
        {"x.html", "", "<div", "<div></div>"},
        {"x.html", "", "<p><b class=\"x\"", "<p><b class=\"x\"></b>"},
        {"x.xml", "", "<a:item-1", "<a:item-1></a:item-1>"},
        {"x.html", "", "<br/", "<br/>"},
        {"x.html", "", "<!--", "<!-->"},
        {"x.html", "", "</b", "</b>"},
        {"x.xml", "", "<?xml", "<?xml>"},
        {"x.html", "xml.auto.close.tags=0\n", "<div", "<div>"},
        {"x.cpp", "", "<div", "<div>"},
    };
    for (const Row& row : rows) {
        TypingView t(row.file, row.extra);
        t.SetText(row.before);
        t.Type(L">");
        EXPECT_EQ(row.after, t.Text()) << row.file << " " << row.before;
        EXPECT_EQ(static_cast<sptr_t>(std::string(row.before).size() + 1), t.Caret()) << row.before;
    }
    // One undo takes the inserted tag away.
    TypingView t("x.html");
    t.SetText("<i");
    t.Type(L">");
    t.v.Send(SCI_UNDO);
    EXPECT_EQ("<i>", t.Text());
}

TEST(TypingAids, TheBraceAtTheCaretAndItsMatchAreHighlighted) {
    TypingView t("x.cpp");
    t.SetText("  (a[1])");
    t.aids.OnUpdateUI(t.v.View());
    ASSERT_NE(nullptr, TypingView::Last(SCI_BRACEHIGHLIGHT));
    EXPECT_EQ(7u, TypingView::Last(SCI_BRACEHIGHLIGHT)->w);
    EXPECT_EQ(2, TypingView::Last(SCI_BRACEHIGHLIGHT)->l);
    EXPECT_EQ(2u, TypingView::Last(SCI_SETHIGHLIGHTGUIDE)->w);

    g_recorded.clear();
    t.SetText("  (a", 3);
    t.aids.OnUpdateUI(t.v.View());
    ASSERT_NE(nullptr, TypingView::Last(SCI_BRACEBADLIGHT));
    EXPECT_EQ(2u, TypingView::Last(SCI_BRACEBADLIGHT)->w);
    EXPECT_EQ(0u, TypingView::Last(SCI_SETHIGHLIGHTGUIDE)->w);

    g_recorded.clear();
    t.SetText("abc", 1);
    t.aids.OnUpdateUI(t.v.View());
    EXPECT_EQ(static_cast<uptr_t>(-1), TypingView::Last(SCI_BRACEHIGHLIGHT)->w);

    // A GBK character whose trail byte is '}' is no brace.
    g_recorded.clear();
    t.v.Send(SCI_SETCODEPAGE, 936);
    t.SetText("\x81\x7D");
    t.aids.OnUpdateUI(t.v.View());
    EXPECT_EQ(nullptr, TypingView::Last(SCI_BRACEBADLIGHT));
    EXPECT_EQ(static_cast<uptr_t>(-1), TypingView::Last(SCI_BRACEHIGHLIGHT)->w);
}

TEST(TypingAids, GoingToTheMatchingBraceAsATable) {
    struct Row {
        int caret;
        bool select;
        sptr_t anchor, position;
    } rows[] = {
        {1, false, 7, 7}, {1, true, 1, 7}, {2, false, 6, 6}, {2, true, 2, 6},
        {6, false, 3, 3}, {7, false, 1, 1}, {7, true, 7, 1},
    };
    TypingView t("x.cpp");
    for (const Row& row : rows) {
        t.SetText("f(a[1]);", row.caret);
        t.v.w.Command(row.select ? ID_SEARCH_SELECT_BRACE : ID_SEARCH_MATCH_BRACE);
        EXPECT_EQ(row.anchor, t.v.Send(SCI_GETANCHOR)) << row.caret << " " << row.select;
        EXPECT_EQ(row.position, t.Caret()) << row.caret << " " << row.select;
    }
    // A brace in a string has another style than the braces style: no move.
    t.SetText("s = \"(a)\";", 6);
    t.v.w.Command(ID_SEARCH_MATCH_BRACE);
    EXPECT_EQ(6, t.Caret());
}

// The matching brace may lie in a folded block: its line is shown.
TEST(TypingAids, TheMatchingBraceInAFoldIsMadeVisible) {
    TypingView t("x.cpp");
    const struct {
        int caret;  // on the brace of the first line, after it, and inside
        int line;
    } rows[] = {{8, 4}, {9, 4}, {19, 3}};
    for (const auto& row : rows) {
        t.SetText("int f() {\n  if (a) {\n    x;\n  }\n}\n", row.caret);
        t.v.Send(SCI_COLOURISE, 0, -1);
        t.v.Send(SCI_FOLDALL, SC_FOLDACTION_CONTRACT);
        t.v.Send(SCI_GOTOPOS, static_cast<uptr_t>(row.caret));
        ASSERT_FALSE(t.v.Send(SCI_GETLINEVISIBLE, static_cast<uptr_t>(row.line))) << row.caret;
        t.v.w.Command(ID_SEARCH_MATCH_BRACE);
        EXPECT_EQ(row.line, t.v.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(t.Caret()))) << row.caret;
        EXPECT_TRUE(t.v.Send(SCI_GETLINEVISIBLE, static_cast<uptr_t>(row.line))) << row.caret;
    }
}

TEST(TypingAids, APythonColonGoesToTheEndOfItsBlock) {
    TypingView t("x.py");
    t.SetText("def f():\n    x = 1\n    y = 2\nz = 3\n", 8);
    t.v.Send(SCI_COLOURISE, 0, -1);
    t.v.w.Command(ID_SEARCH_MATCH_BRACE);
    EXPECT_EQ(t.v.Send(SCI_GETLINEENDPOSITION, 2), t.Caret());
}

TEST(TypingAids, TheShippedCppAndPythonApiFilesAreRead) {
    struct Row {
        const char* file;
        const wchar_t* typed;
        const char* tip;
    } rows[] = {
        {"x.cpp", L"n = strlen(", "strlen(const char* text)"},
        {"x.cpp", L"std::sort(", "std::sort(RandomIt first, RandomIt last)"},
        {"x.py", L"os.path.join(", "os.path.join(path, *paths)"},
    };
    for (const Row& row : rows) {
        StyledView v;
        v.source.LoadFolder(ShippedFolder());
        CTypingAids aids(ShippedFolder());
        v.View().ApplyLanguageForFile(row.file);
        v.View().SetHooks(&aids);
        RecordCalls(v.View());
        for (const wchar_t* c = row.typed; *c; ++c) ::SendMessageW(v.View(), WM_CHAR, *c, 1);
        EXPECT_FALSE(aids.ApiList().Empty()) << row.file;
        EXPECT_TRUE(v.Send(SCI_CALLTIPACTIVE)) << row.file;
        ASSERT_NE(nullptr, TypingView::Last(SCI_CALLTIPSHOW)) << row.file;
        EXPECT_EQ(row.tip, TypingView::Last(SCI_CALLTIPSHOW)->text);
        v.View().SetHooks(nullptr);
    }
}

}  // namespace
