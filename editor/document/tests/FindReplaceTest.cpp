// Find, replace and mark-all on a real editor view, with the notices
// recorded instead of shown.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "FindReplaceCommands.h"
#include "MessageBoxRecorder.h"
#include "ResourceText.h"
#include "UiSeams.h"
#include "ViewFixture.h"
#include "resource.h"

namespace {

// The view's notices: the program's message boxes, recorded.
MessageBoxRecorder g_notices{SetMessageBoxHook};

// A view with the search hooks on it; the texts are ANSI in codePage.
class SearchView {
public:
    explicit SearchView(unsigned codePage = 936, bool utf8 = false)
        : hooks(*w.view, options, nullptr, codePage) {
        g_notices.Clear();
        w.view->SetHooks(&hooks);
        if (utf8) w.view->Component().SetCodePage(SC_CP_UTF8);
    }
    ~SearchView() { w.view->SetHooks(nullptr); }

    void Set(const std::string& text, uint32_t mask, const char* find, const char* replace = "") {
        w.SetText(text);
        w.Send(SCI_EMPTYUNDOBUFFER);
        w.Send(SCI_SETEMPTYSELECTION, 0);
        options.SearchMask = mask;
        lstrcpynA(options.FindText, find, sizeof(options.FindText));
        lstrcpynA(options.ReplaceText, replace, sizeof(options.ReplaceText));
    }
    std::pair<int, int> Selection() const { return w.view->GetSelection(); }
    CViewSearch& Search() { return hooks.Search(); }
    bool Marked(int line) const { return (w.Send(SCI_MARKERGET, line) & (1 << kBookmarkMarker)) != 0; }

    ViewWindow w;
    SearchOptions options;
    CSearchHooks hooks;
};

constexpr uint32_t kDown = kSearchDown | kSearchWrap;

TEST(ViewFind, SelectsTheFirstMatch) {
    const struct {
        const char* text;
        const char* find;
        uint32_t mask;
        int start, end;  // -1: not found
    } table[] = {
        {"cat concat cat", "cat", kDown, 0, 3},
        {"concat cat", "cat", kDown | kSearchWholeWord, 7, 10},
        {"Cat cat", "cat", kDown | kSearchMatchCase, 4, 7},
        {"Cat", "cat", kDown, 0, 3},
        {"Cat", "cat", kDown | kSearchMatchCase, -1, -1},
        {"a1 b22", "[0-9][0-9]", kDown | kSearchRegex, 4, 6},
        {"x\ty", "\\t", kDown | kSearchBackslash, 1, 2},
        {"x\\ty", "\\t", kDown, 1, 3},
        {"x\ty", "\\011", kDown | kSearchRegex | kSearchBackslash, 1, 2},
        {"key=1", "\\(k..\\)=", kDown | kSearchRegex, 0, 4},
        {"\xD6\xD0\xCE\xC4 \xCE\xC4", "\xCE\xC4", kDown, 2, 4},  // GBK "中文 文"
    };
    for (const auto& row : table) {
        SearchView s;
        s.Set(row.text, row.mask, row.find);
        const int result = s.Search().Find(s.options);
        EXPECT_EQ(row.start >= 0 ? 1 : 0, result) << row.text << " / " << row.find;
        if (row.start >= 0) {
            EXPECT_EQ(std::make_pair(row.start, row.end), s.Selection()) << row.text;
        }
    }
}

TEST(ViewFind, ARunComesBackToItsFirstMatchOnce) {
    SearchView s;
    s.Set("ab xx ab", kDown, "ab");
    EXPECT_EQ(1, s.Search().Find(s.options));
    EXPECT_EQ(std::make_pair(0, 2), s.Selection());
    EXPECT_TRUE(s.options.SearchMask & kSearchReplacePending);
    EXPECT_EQ(1, s.Search().Find(s.options));
    EXPECT_EQ(std::make_pair(6, 8), s.Selection());
    EXPECT_TRUE(g_notices.boxes.empty());
    EXPECT_EQ(2, s.Search().Find(s.options));
    EXPECT_EQ(std::make_pair(6, 8), s.Selection());
    ASSERT_EQ(1u, g_notices.boxes.size());
    EXPECT_EQ(LoadText(IDS_FIND_WRAPPED), g_notices.boxes[0].text);
    EXPECT_EQ(UINT(MB_ICONINFORMATION), g_notices.boxes[0].flags);
    EXPECT_EQ(1, s.Search().Find(s.options));
    EXPECT_EQ(std::make_pair(0, 2), s.Selection());
    EXPECT_EQ(1u, g_notices.boxes.size());
}

TEST(ViewFind, UpwardWrapsAndFailuresReport) {
    SearchView s;
    s.Set("ab xx ab x", kSearchWrap, "ab");
    EXPECT_EQ(1, s.Search().Find(s.options));
    EXPECT_EQ(std::make_pair(6, 8), s.Selection());
    EXPECT_EQ(1, s.Search().Find(s.options));
    EXPECT_EQ(std::make_pair(0, 2), s.Selection());

    s.Set("ab", kSearchDown, "ab");
    s.w.Send(SCI_SETEMPTYSELECTION, 2);
    EXPECT_EQ(0, s.Search().Find(s.options));  // no wrap

    s.Set("abc", kDown, "zz");
    s.w.Command(ID_SEARCH_FIND_NEXT);
    ASSERT_EQ(1u, g_notices.boxes.size());
    char expected[300];
    wsprintfA(expected, LoadText(IDS_STRING_NOT_FOUND).c_str(), "zz");
    EXPECT_EQ(expected, g_notices.boxes[0].text);
    EXPECT_EQ(UINT(MB_OK), g_notices.boxes[0].flags);

    g_notices.Clear();
    s.Set("abc", kDown | kSearchBackslash, "");
    EXPECT_EQ(-1, s.Search().Find(s.options));
    EXPECT_TRUE(g_notices.boxes.empty());
}

TEST(ViewFind, PreviousFlipsTheDirectionForOneFind) {
    SearchView s;
    s.Set("ab ab ab", kDown, "ab");
    s.w.Send(SCI_SETSEL, 3, 5);
    s.w.Command(ID_SEARCH_FIND_PREV);
    EXPECT_EQ(std::make_pair(0, 2), s.Selection());
    EXPECT_TRUE(s.options.SearchMask & kSearchDown);
    s.w.Command(ID_SEARCH_FIND_NEXT);
    EXPECT_EQ(std::make_pair(3, 5), s.Selection());
}

TEST(ViewReplace, OnceReplacesOnlyAStillSelectedMatch) {
    SearchView s;
    s.Set("k=1 k=2", kDown | kSearchRegex, "\\([a-z]\\)=", "\\1:");
    EXPECT_TRUE(s.Search().ReplaceOnce(s.options));
    EXPECT_EQ("k=1 k=2", s.w.Text());  // bit 6 was clear: found only
    EXPECT_EQ(std::make_pair(0, 2), s.Selection());
    EXPECT_TRUE(s.Search().ReplaceOnce(s.options));
    EXPECT_EQ("k:1 k=2", s.w.Text());
    EXPECT_EQ(std::make_pair(4, 6), s.Selection());

    // The user selected other text since: it is not replaced.
    s.w.Send(SCI_SETSEL, 0, 3);
    s.Search().ReplaceOnce(s.options);
    EXPECT_EQ("k:1 k=2", s.w.Text());
    EXPECT_EQ(std::make_pair(4, 6), s.Selection());
}

// Upward, every match that ends at or before the selection start is found,
// one after another, adjacent ones too; then the search wraps to the last.
TEST(ViewFind, PreviousFindsEachMatchEndingBeforeTheSelection) {
    const struct {
        const char* text;
        const char* find;
        uint32_t mask;
        int start, end;  // the selection before the first find
        std::vector<std::pair<int, int>> found;
    } table[] = {
        {"ab ab", "ab", kSearchWrap, 5, 5, {{3, 5}, {0, 2}}},
        {"abab", "ab", kSearchWrap, 2, 4, {{0, 2}, {2, 4}}},
        {"ababab", "ab", kSearchWrap, 6, 6, {{4, 6}, {2, 4}, {0, 2}}},
        {"ab ab", "a.", kSearchWrap | kSearchRegex, 5, 5, {{3, 5}, {0, 2}}},
        {"abab", "ab", kSearchWrap | kSearchRegex, 2, 4, {{0, 2}, {2, 4}}},
        {"a\nb\na", "^", kSearchWrap | kSearchRegex, 4, 4, {{2, 2}, {0, 0}}},
    };
    for (const auto& row : table) {
        SearchView s;
        s.Set(row.text, row.mask, row.find);
        s.w.Send(SCI_SETSEL, row.start, row.end);
        for (const auto& expected : row.found) {
            EXPECT_EQ(1, s.Search().Find(s.options)) << row.text << " / " << row.find;
            EXPECT_EQ(expected, s.Selection()) << row.text << " / " << row.find;
        }
        EXPECT_TRUE(g_notices.boxes.empty()) << row.text;
    }
}

// A match on a line of a collapsed fold is shown, in either direction.
TEST(ViewFind, AMatchInAFoldIsMadeVisible) {
    const struct {
        uint32_t mask;
        int caret;
        int line;
    } table[] = {{kDown, 0, 2}, {kSearchWrap, 0, 3}, {kDown | kSearchRegex, 0, 2}};
    for (const auto& row : table) {
        SearchView s;
        s.Set("head\nx\ny needle\nneedle\n", row.mask, (row.mask & kSearchRegex) ? "^y n" : "needle");
        s.w.Send(SCI_SETFOLDLEVEL, 0, SC_FOLDLEVELBASE | SC_FOLDLEVELHEADERFLAG);
        for (int line = 1; line <= 3; ++line) s.w.Send(SCI_SETFOLDLEVEL, line, SC_FOLDLEVELBASE + 1);
        s.w.Send(SCI_FOLDALL, SC_FOLDACTION_CONTRACT);
        ASSERT_FALSE(s.w.Send(SCI_GETLINEVISIBLE, row.line));
        s.w.Send(SCI_SETEMPTYSELECTION, row.caret);
        EXPECT_EQ(1, s.Search().Find(s.options)) << row.mask;
        EXPECT_EQ(row.line, s.w.Send(SCI_LINEFROMPOSITION, s.Selection().first)) << row.mask;
        EXPECT_TRUE(s.w.Send(SCI_GETLINEVISIBLE, row.line)) << row.mask;
    }
}

TEST(ViewReplace, AllTable) {
    const struct {
        const char* text;
        const char* find;
        const char* replace;
        uint32_t mask;
        const char* result;
        int count;
    } table[] = {
        {"cat concat cat", "cat", "dog", kDown, "dog condog dog", 3},
        {"cat concat cat", "cat", "dog", kDown | kSearchWholeWord, "dog concat dog", 2},
        {"Cat cat", "cat", "x", kDown | kSearchMatchCase, "Cat x", 1},
        {"a=1\nb=2\n", "\\([a-z]\\)=\\([0-9]\\)", "\\2=\\1", kDown | kSearchRegex, "1=a\n2=b\n", 2},
        {"one\ntwo\n\nx", "^", "// ", kDown | kSearchRegex, "// one\n// two\n// \n// x", 4},
        {"one\r\n\r\ntwo", "^", "# ", kDown | kSearchRegex, "# one\r\n# \r\n# two", 3},
        // Empty matches end the loop; none is looked for at the range end.
        {"axxbx", "x*", "", kDown | kSearchRegex, "ab", 4},
        {"ab", "x*", "-", kDown | kSearchRegex, "-a-b", 2},
        {"a b", " ", "\\t", kDown | kSearchBackslash, "a\tb", 1},
        {"a b", " ", "\\t", kDown, "a\\tb", 1},
        {"aaa", "a", "aa", kDown, "aaaaaa", 3},
        {"abc", "z", "y", kDown, "abc", 0},
    };
    for (const auto& row : table) {
        SearchView s;
        s.Set(row.text, row.mask, row.find, row.replace);
        EXPECT_EQ(row.count, s.Search().ReplaceAll(s.options)) << row.text << " / " << row.find;
        EXPECT_EQ(row.result, s.w.Text()) << row.text << " / " << row.find;
        s.w.Send(SCI_UNDO);
        EXPECT_EQ(row.text, s.w.Text()) << "one undo step";
    }
}

TEST(ViewReplace, AllInAReadOnlyDocumentReplacesNothing) {
    const struct {
        const char* find;
        const char* replace;
        uint32_t mask;
    } table[] = {
        {"cat", "dog", kDown},
        {"c\\(a\\)t", "\\1", kDown | kSearchRegex},
        {"^", "# ", kDown | kSearchRegex},
        {"t", "", kDown | kScopeSelection << 8},
    };
    for (const auto& row : table) {
        SearchView s;
        s.Set("cat concat\ncat", row.mask, row.find, row.replace);
        s.w.Send(SCI_SETSEL, 0, 7);
        s.w.Send(SCI_SETREADONLY, 1);
        EXPECT_EQ(0, s.Search().ReplaceAll(s.options)) << row.find;
        EXPECT_EQ("cat concat\ncat", s.w.Text()) << row.find;
    }
}

// Over a megabyte of matches goes in several pieces; the result, the count
// and the one undo step are as for a short text, and a match that straddles
// where one piece ends is still found.
TEST(ViewReplace, AllOverManyPieces) {
    const struct {
        uint32_t mask;
        const char* line;  // what "cat concat" becomes
        int perLine;
    } rows[] = {{kDown, "lion conlion", 2}, {kDown | kSearchWholeWord, "lion concat", 1}};
    constexpr int kLines = 200000;
    for (const auto& row : rows) {
        std::string text, expected;
        int count = 0;
        for (int i = 0; i < kLines; ++i) {
            const bool dog = i % 7 == 0;
            text += dog ? "dog\n" : "cat concat\n";
            expected += dog ? "dog\n" : std::string(row.line) + "\n";
            count += dog ? 0 : row.perLine;
        }
        SearchView s;
        s.Set(text, row.mask, "cat", "lion");
        EXPECT_EQ(count, s.Search().ReplaceAll(s.options));
        EXPECT_TRUE(s.w.Text() == expected);
        EXPECT_EQ(static_cast<sptr_t>(expected.rfind("lion") + 4), s.w.Send(SCI_GETCURRENTPOS));
        s.w.Send(SCI_UNDO);
        EXPECT_TRUE(s.w.Text() == text) << "one undo step";
        EXPECT_EQ(0, s.w.Send(SCI_CANUNDO));
    }
}

TEST(ViewReplace, AllFromTheCaretWithoutWrap) {
    SearchView s;
    s.Set("ab ab ab", kSearchDown, "ab", "x");
    s.w.Send(SCI_SETEMPTYSELECTION, 3);
    EXPECT_EQ(2, s.Search().ReplaceAll(s.options));
    EXPECT_EQ("ab x x", s.w.Text());
    EXPECT_EQ(6, s.w.Send(SCI_GETCURRENTPOS));
}

TEST(ViewReplace, AllInTheSelection) {
    SearchView s;
    s.Set("ab ab ab ab", kDown | (kScopeSelection << 8), "ab", "xyz");
    EXPECT_EQ(0, s.Search().ReplaceAll(s.options));  // empty selection
    EXPECT_EQ("ab ab ab ab", s.w.Text());
    s.w.Send(SCI_SETSEL, 2, 8);
    const sptr_t events = s.w.Send(SCI_GETMODEVENTMASK);
    EXPECT_EQ(2, s.Search().ReplaceAll(s.options));
    EXPECT_EQ(events, s.w.Send(SCI_GETMODEVENTMASK));  // held back only during the loop
    EXPECT_EQ("ab xyz xyz ab", s.w.Text());
    EXPECT_EQ(std::make_pair(2, 10), s.Selection());
}

TEST(ViewMarkAll, OneBookmarkPerMatchingLine) {
    SearchView s;
    s.Set("a1 b2\nnone\nc3\nd\n", kDown | kSearchRegex, "[0-9]");
    s.Search().MarkAll(s.options);
    s.Search().MarkAll(s.options);
    EXPECT_TRUE(s.Marked(0));
    EXPECT_FALSE(s.Marked(1));
    EXPECT_TRUE(s.Marked(2));
    EXPECT_FALSE(s.Marked(3));
    // The bookmark of the line with two matches goes with one toggle.
    s.w.Send(SCI_GOTOLINE, 0);
    s.w.Command(ID_SEARCH_BOOKMARK);
    EXPECT_FALSE(s.Marked(0));

    s.Set("x\n\ny", kDown | kSearchRegex, "^");
    s.Search().MarkAll(s.options);
    for (int line = 0; line < 3; ++line) EXPECT_TRUE(s.Marked(line)) << line;

    s.Set("x", kDown, "");
    s.Search().MarkAll(s.options);
    EXPECT_FALSE(s.Marked(0));
}

TEST(ViewTabs, LeadingTabsAndSpacesConvert) {
    const struct {
        WORD command;
        const char* text;
        const char* result;
    } table[] = {
        {ID_EDIT_TABS_TO_SPACES, "\t\t x\n", "         x\n"},
        {ID_EDIT_TABS_TO_SPACES, "  \tx\n\ty\tz", "    x\n    y\tz"},
        {ID_EDIT_TABS_TO_SPACES, "  x", "  x"},
        {ID_EDIT_SPACES_TO_TABS, "        x", "\t\tx"},
        {ID_EDIT_SPACES_TO_TABS, "      x\n    ", "\t  x\n\t"},
    };
    for (const auto& row : table) {
        SearchView s;
        s.w.Send(SCI_SETTABWIDTH, 4);
        s.Set(row.text, 0, "");
        s.w.Command(row.command);
        EXPECT_EQ(row.result, s.w.Text()) << row.text;
        s.w.Send(SCI_UNDO);
        EXPECT_EQ(row.text, s.w.Text()) << "one undo step";
    }
}

// ANSI texts in a UTF-8 document: converted from the ANSI code page.
TEST(ViewUtf8, AnsiTextsAreConverted) {
    const struct {
        unsigned codePage;
        const char* ansiFind;
        const char* ansiReplace;
        const char* utf8Text;
        const char* utf8Result;
        int firstStart, firstEnd, remaining;
    } table[] = {
        {936, "\xD6\xD0", "\xCE\xC4", "a\xE4\xB8\xAD" "b\xE4\xB8\xAD", "a\xE6\x96\x87" "b\xE6\x96\x87", 1, 4, 1},
        {1252, "\xE9", "\xE8", "caf\xC3\xA9 \xC3\xA9t\xC3\xA9", "caf\xC3\xA8 \xC3\xA8t\xC3\xA8", 3, 5, 2},
    };
    for (const auto& row : table) {
        SearchView s(row.codePage, true);
        s.Set(row.utf8Text, kDown, row.ansiFind, row.ansiReplace);
        EXPECT_EQ(1, s.Search().Find(s.options)) << row.codePage;
        EXPECT_EQ(std::make_pair(row.firstStart, row.firstEnd), s.Selection()) << row.codePage;
        s.Search().MarkAll(s.options);
        EXPECT_TRUE(s.Marked(0));
        EXPECT_TRUE(s.Search().ReplaceOnce(s.options));
        EXPECT_EQ(row.remaining, s.Search().ReplaceAll(s.options)) << row.codePage;
        EXPECT_EQ(row.utf8Result, s.w.Text()) << row.codePage;
    }
}

TEST(ViewUtf8, WordAtTheCaretIsStoredAsAnsi) {
    SearchView s(936, true);
    s.Set("\xE4\xB8\xAD\xE6\x96\x87 x \xE4\xB8\xAD\xE6\x96\x87 y \xE4\xB8\xAD\xE6\x96\x87", kDown, "");
    s.w.Send(SCI_SETEMPTYSELECTION, 1 * 3);
    s.w.Command(ID_SEARCH_NEXT_WORD);
    EXPECT_STREQ("\xD6\xD0\xCE\xC4", s.options.FindText);
    EXPECT_EQ(std::make_pair(9, 15), s.Selection());
    s.w.Command(ID_SEARCH_PREV_WORD);
    EXPECT_EQ(std::make_pair(0, 6), s.Selection());
    EXPECT_TRUE(g_notices.boxes.empty());
}

TEST(ViewUtf8, LongWordsAreCutAtACharacter) {
    SearchView s(936, true);
    std::string word;
    for (int i = 0; i < 84; ++i) word += "\xE4\xB8\xAD";  // 84 x "中": 252 bytes UTF-8, 168 GBK
    s.Set(word, kDown, "");
    char buffer[256];
    s.Search().ToAnsi(word, buffer, 101);
    EXPECT_EQ(100u, strlen(buffer));
    s.Search().ToAnsi(word, buffer, 100);
    EXPECT_EQ(98u, strlen(buffer));  // not 99: no lone lead byte
}

}  // namespace
