// Applying a language to a real view: lexer, keywords, styles, indentation,
// caret line and edge, fold markers, and switching languages.
#include <gtest/gtest.h>

#include <vector>

#include "LanguageFixture.h"
#include "resource.h"

namespace {

const char kTwoLanguages[] =
    "menu.language=Text|txt|C|c|Python|py|\n"
    "lexer.*.c=cpp\n"
    "lexer.*.py=python\n"
    "keywords.*.c=int return\n"
    "keywords.*.py=def\n"
    "fold=1\n"
    "style.cpp.5=fore:#0000FF,bold\n"
    "style.python.5=fore:#00FF00\n";

constexpr int kC = 1;
constexpr int kPython = 2;

TEST(LanguageStyling, NamedAndUntitledDocumentsGetTheLexerAndKeywords) {
    StyledView v;
    v.source.Load(kTwoLanguages);
    v.source.folder.Write("a.c", "int x;\n");
    ASSERT_TRUE(v.View().OpenFile(v.source.folder.File("a.c").c_str(), kEncodingDefault));
    EXPECT_EQ(SCLEX_CPP, v.Send(SCI_GETLEXER));
    EXPECT_EQ(kC, v.View().LanguageIndex());
    EXPECT_EQ("cpp", v.View().GetLexerName());
    v.Send(SCI_COLOURISE, 0, -1);
    EXPECT_EQ(5, v.StyleAt(0));
    EXPECT_EQ(0xFF0000u, v.Fore(5));
    EXPECT_EQ(1, v.Send(SCI_STYLEGETBOLD, 5));

    // Without a file the keys are matched against "x.c".
    StyledView untitled;
    untitled.source.Load(kTwoLanguages);
    untitled.View().ApplyLanguage(kC, nullptr);
    untitled.SetText("return 1;");
    EXPECT_EQ(5, untitled.StyleAt(0));
}

TEST(LanguageStyling, HighlightingOffShowsEveryStyleAsTheDefault) {
    StyledView v;
    v.source.display.fontScheme = "font:Courier New,fore:#102030,back:#405060";
    v.source.Load(kTwoLanguages);
    v.View().ApplyLanguage(kC, nullptr);
    v.SetText("int x;");
    ASSERT_EQ(0xFF0000u, v.Fore(5));

    v.w.Command(ID_VIEW_HIGHLIGHT);
    EXPECT_EQ(SCLEX_CONTAINER, v.Send(SCI_GETLEXER));
    for (int style : {0, 5, 10}) {
        EXPECT_EQ(v.Fore(STYLE_DEFAULT), v.Fore(style)) << style;
        EXPECT_EQ(v.Back(STYLE_DEFAULT), v.Back(style)) << style;
        EXPECT_EQ(v.Font(STYLE_DEFAULT), v.Font(style)) << style;
    }
    // A language applied while it is off stays plain.
    v.View().ApplyLanguage(kPython, nullptr);
    EXPECT_EQ(SCLEX_CONTAINER, v.Send(SCI_GETLEXER));
    EXPECT_EQ(v.Fore(STYLE_DEFAULT), v.Fore(5));

    v.w.Command(ID_VIEW_HIGHLIGHT);
    EXPECT_EQ(SCLEX_PYTHON, v.Send(SCI_GETLEXER));
    EXPECT_EQ(0x00FF00u, v.Fore(5));
}

TEST(LanguageStyling, StylesLayerSchemeThenLexerDefaultThenCommonThenLexer) {
    StyledView v;
    v.source.display.fontScheme = "font:Courier New,size:11,fore:#112233";
    v.source.Load(
        "menu.language=C|c|\nlexer.*.c=cpp\ncharacter.set=134\n"
        "style.cpp.32=back:#445566\n"
        "style.*.5=fore:#00FF00,italics\nstyle.cpp.5=fore:#0000FF\n"
        "style.*.6=$(colour.six)\ncolour.six=fore:#ABCDEF\n");
    v.View().ApplyLanguage(0, nullptr);

    EXPECT_EQ("Courier New", v.Font(STYLE_DEFAULT));
    EXPECT_EQ(11, v.Send(SCI_STYLEGETSIZE, STYLE_DEFAULT));
    EXPECT_EQ(0x332211u, v.Fore(STYLE_DEFAULT));
    EXPECT_EQ(0x665544u, v.Back(STYLE_DEFAULT));
    // The lexer's own text wins over the common one; the rest comes down.
    EXPECT_EQ(0xFF0000u, v.Fore(5));
    EXPECT_EQ(1, v.Send(SCI_STYLEGETITALIC, 5));
    EXPECT_EQ(0x665544u, v.Back(5));
    EXPECT_EQ(0xEFCDABu, v.Fore(6));
    // A style no text names is the default style with the character set.
    EXPECT_EQ(0x332211u, v.Fore(7));
    EXPECT_EQ(134, v.Send(SCI_STYLEGETCHARACTERSET, 7));
    EXPECT_EQ("font:Courier New,size:11,fore:#112233", v.source.sets->Main().Get("style.*.32"));
}

TEST(LanguageStyling, FoldSymbolsChooseTheMarkerSet) {
    const struct {
        const char* symbols;
        int marker;
        int shape;
    } table[] = {
        {"0", SC_MARKNUM_FOLDEROPEN, SC_MARK_BOXMINUS},
        {"0", SC_MARKNUM_FOLDER, SC_MARK_BOXPLUS},
        {"0", SC_MARKNUM_FOLDEREND, SC_MARK_BOXPLUSCONNECTED},
        {"0", SC_MARKNUM_FOLDERMIDTAIL, SC_MARK_TCORNER},
        {"1", SC_MARKNUM_FOLDEROPEN, SC_MARK_CIRCLEMINUS},
        {"1", SC_MARKNUM_FOLDERTAIL, SC_MARK_LCORNERCURVE},
        {"1", SC_MARKNUM_FOLDEROPENMID, SC_MARK_CIRCLEMINUSCONNECTED},
        {"2", SC_MARKNUM_FOLDEROPEN, SC_MARK_MINUS},
        {"2", SC_MARKNUM_FOLDER, SC_MARK_PLUS},
        {"2", SC_MARKNUM_FOLDERSUB, SC_MARK_EMPTY},
        {"5", SC_MARKNUM_FOLDEROPEN, SC_MARK_ARROWDOWN},
        {"5", SC_MARKNUM_FOLDER, SC_MARK_ARROW},
        {"5", SC_MARKNUM_FOLDEREND, SC_MARK_EMPTY},
    };
    for (const auto& row : table) {
        StyledView v;
        v.source.Load(std::string("menu.language=C|c|\nfold.symbols=") + row.symbols + "\n");
        v.View().ApplyLanguage(0, nullptr);
        EXPECT_EQ(row.shape, v.Send(SCI_MARKERSYMBOLDEFINED, static_cast<uptr_t>(row.marker)))
            << "fold.symbols " << row.symbols << " marker " << row.marker;
    }
}

TEST(LanguageStyling, IndentSettingsFromTheMaskOrTheLanguage) {
    const struct {
        const char* name;
        uint32_t mask;
        const char* properties;
        uint8_t tabSize;
        int useTabs;
        int tabWidth;
        int indent;
    } table[] = {
        {"always spaces", kMaskIndentSpaces, "use.tabs.*.c=1\ntab.size.*.c=8\n", 3, 0, 3, 2},
        {"spaces and tabs", kMaskIndentSpaces | kMaskIndentTabs, "use.tabs.*.c=0\n", 3, 1, 3, 2},
        {"always tabs", kMaskIndentTabs, "use.tabs=0\n", 3, 1, 3, 2},
        {"the file's keys", 0, "use.tabs.*.c=0\ntab.size.*.c=8\nindent.size.*.c=4\n", 3, 0, 8, 4},
        {"the plain key", 0, "use.tabs=0\n", 3, 0, 3, 2},
        {"nothing set", 0, "", 3, 1, 3, 2},
        {"no tab size anywhere", 0, "", 0, 1, 7, 2},
    };
    for (const auto& row : table) {
        StyledView v(0);
        v.source.display.editorMask = row.mask;
        v.source.display.tabSize = row.tabSize;
        v.source.display.indentSize = 2;
        v.source.Load(std::string("menu.language=C|c|\n") + row.properties);
        v.Send(SCI_SETTABWIDTH, 7);
        v.View().ApplyLanguage(0, nullptr);
        EXPECT_EQ(row.useTabs, v.Send(SCI_GETUSETABS)) << row.name;
        EXPECT_EQ(row.tabWidth, v.Send(SCI_GETTABWIDTH)) << row.name;
        EXPECT_EQ(row.indent, v.Send(SCI_GETINDENT)) << row.name;
    }
}

TEST(LanguageStyling, CaretLineAndEdgeFromTheMask) {
    const struct {
        uint32_t mask;
        int caretLine;
        int alpha;
        int edgeMode;
    } table[] = {
        {0, 0, -1, EDGE_NONE},
        {kMaskHighlightLine, 1, SC_ALPHA_NOALPHA, EDGE_NONE},
        {kMaskHighlightLine | kMaskTransparentLine, 1, 60, EDGE_NONE},
        {kMaskShowEdge, 0, -1, EDGE_BACKGROUND},
        {kMaskShowEdge | kMaskEdgeLine, 0, -1, EDGE_LINE},
    };
    for (const auto& row : table) {
        StyledView v(0);
        v.source.display.editorMask = row.mask;
        v.source.display.highLightColor = 0x123456;
        v.source.display.lineTransparent = 60;
        v.source.display.lineEdgePos = 72;
        v.source.display.lineEdgeColor = 0x0000FF;
        v.source.Load("menu.language=C|c|\n");
        v.View().ApplyLanguage(0, nullptr);
        EXPECT_EQ(row.caretLine, v.Send(SCI_GETCARETLINEVISIBLE)) << row.mask;
        EXPECT_EQ(row.edgeMode, v.Send(SCI_GETEDGEMODE)) << row.mask;
        if (row.caretLine) {
            EXPECT_EQ(0x123456, v.Send(SCI_GETCARETLINEBACK)) << row.mask;
            EXPECT_EQ(row.alpha, v.Send(SCI_GETCARETLINEBACKALPHA)) << row.mask;
        }
        if (row.edgeMode != EDGE_NONE) {
            EXPECT_EQ(72, v.Send(SCI_GETEDGECOLUMN)) << row.mask;
            EXPECT_EQ(0x0000FF, v.Send(SCI_GETEDGECOLOUR)) << row.mask;
        }
    }
}

TEST(LanguageStyling, SwitchingLanguagesGivesTheNewLexerItsPropertiesAndKeywords) {
    StyledView v;
    v.source.Load(kTwoLanguages);
    v.View().ApplyLanguage(kC, nullptr);
    v.SetText("def f(): pass\n");
    EXPECT_NE(5, v.StyleAt(0));

    v.View().SetLanguage(kPython);
    EXPECT_EQ(kPython, v.View().LanguageIndex());
    EXPECT_EQ(SCLEX_PYTHON, v.Send(SCI_GETLEXER));
    EXPECT_EQ(SCLEX_PYTHON, v.View().LexerId());
    EXPECT_EQ("1", v.Property("fold"));
    EXPECT_EQ(5, v.StyleAt(0));
}

// The fold margin's colours have no getter: the calls are recorded.
struct SentMessage {
    unsigned int message;
    uptr_t wParam;
    sptr_t lParam;
};
struct Recording {
    SciFnDirect function;
    sptr_t pointer;
    std::vector<SentMessage> sent;
};
Recording* g_recording = nullptr;

sptr_t Record(sptr_t, unsigned int message, uptr_t wParam, sptr_t lParam) {
    g_recording->sent.push_back({message, wParam, lParam});
    return g_recording->function(g_recording->pointer, message, wParam, lParam);
}

TEST(LanguageStyling, AnEmptyFoldMarginColourTurnsTheColourOff) {
    StyledView v;
    CEditingComponent& component = v.View().Component();
    Recording recording{component.DirectFunction(), component.DirectPointer(), {}};
    g_recording = &recording;
    component.SetDirect(Record, 0);
    auto last = [&](unsigned int message) {
        SentMessage found{};
        for (const SentMessage& m : recording.sent)
            if (m.message == message) found = m;
        return found;
    };

    v.source.Load("menu.language=C|c|\nfold.margin.colour=#FF0000\nfold.margin.highlight.colour=#00FF00\n");
    v.View().ApplyLanguage(0, nullptr);
    EXPECT_EQ(1u, last(SCI_SETFOLDMARGINCOLOUR).wParam);
    EXPECT_EQ(0x0000FF, last(SCI_SETFOLDMARGINCOLOUR).lParam);
    EXPECT_EQ(0x00FF00, last(SCI_SETFOLDMARGINHICOLOUR).lParam);

    v.source.Load("menu.language=C|c|\n");
    v.View().ApplyLanguage(0, nullptr);
    EXPECT_EQ(0u, last(SCI_SETFOLDMARGINCOLOUR).wParam);
    EXPECT_EQ(0u, last(SCI_SETFOLDMARGINHICOLOUR).wParam);

    component.SetDirect(recording.function, recording.pointer);
    g_recording = nullptr;
}

TEST(LanguageStyling, TypingSettingsAreKeptForTheFile) {
    StyledView v;
    v.source.Load(
        "menu.language=C|c|\nindent.automatic=1\nbraces.cpp.style=10\nlexer.*.c=cpp\n"
        "statement.indent.*.c=5 case default do else for if while\nblock.start.*.c=10 {\n"
        "indent.maintain.*.c=0\nstatement.lookback.*.c=20\nword.characters.*.c=abc_\napi.*.c=c.api\n");
    v.View().ApplyLanguage(0, nullptr);
    const TypingSettings& t = v.View().Typing();
    EXPECT_TRUE(t.indentAutomatic);
    EXPECT_FALSE(t.indentMaintain);
    EXPECT_EQ(20, t.statementLookback);
    EXPECT_EQ(5, t.statementIndent.style);
    EXPECT_EQ("case default do else for if while", t.statementIndent.words);
    EXPECT_EQ(10, t.blockStart.style);
    EXPECT_EQ("{", t.blockStart.words);
    EXPECT_EQ(0, t.blockEnd.style);
    EXPECT_EQ("", t.blockEnd.words);
    EXPECT_EQ("abc_", t.wordCharacters);
    EXPECT_EQ(10, v.View().BracesStyle());
    EXPECT_EQ("c.api", v.View().ApiValue());
}

}  // namespace
