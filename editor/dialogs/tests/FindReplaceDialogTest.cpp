// The find and replace dialogs driven with messages over real views.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FindReplaceDialog.h"
#include "MessageBoxRecorder.h"
#include "ResourceText.h"
#include "ScratchRegistry.h"
#include "SearchHistory.h"
#include "UiSeams.h"
#include "ViewFixture.h"

namespace {

// The program's message boxes, recorded and answered with OK.
MessageBoxRecorder g_boxes{SetMessageBoxHook};

std::string Format(UINT id, const char* text) {
    char out[512];
    ::wsprintfA(out, LoadText(id).c_str(), text);
    return out;
}

std::string FormatCount(int count) {
    char out[512];
    ::wsprintfA(out, LoadText(IDS_REPLACED_COUNT).c_str(), count);
    return out;
}

struct Document {
    Document() : search(*w.view) {}
    ViewWindow w;
    CViewSearch search;
};

class FakeSearchHost : public ISearchHost {
public:
    CViewSearch* ActiveSearch() override { return documents.empty() ? nullptr : &documents.front()->search; }
    void ForEachSearch(const std::function<bool(CViewSearch&)>& call) override {
        for (auto& d : documents)
            if (!call(d->search)) return;
    }
    void EnableSearchButtons(bool enable) override { buttons.push_back(enable); }
    uint32_t EditorMask() const override { return editorMask; }

    Document& Add(const std::string& text) {
        documents.push_back(std::make_unique<Document>());
        documents.back()->w.SetText(text);
        documents.back()->w.Send(SCI_SETEMPTYSELECTION, 0);
        return *documents.back();
    }

    std::vector<std::unique_ptr<Document>> documents;
    std::vector<bool> buttons;
    uint32_t editorMask = 0;
};

class SearchDialogs : public ::testing::Test {
protected:
    void SetUp() override { g_boxes.Clear(); }
    HWND Open(CFindReplaceDialog::Kind kind) {
        return CFindReplaceDialog::Open(kind, nullptr, host, gate, options);
    }
    static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void Check(HWND dialog, int id, bool on) {
        ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
    }
    static std::string Text(HWND dialog, int id) {
        char text[300] = {};
        ::GetDlgItemTextA(dialog, id, text, sizeof(text));
        return text;
    }
    static void Command(HWND dialog, int id) { ::SendMessageA(dialog, WM_COMMAND, id, 0); }

    ScratchRegistry registry;
    FakeSearchHost host;
    CSearchButtonsGate gate;
    SearchOptions options;
};

TEST_F(SearchDialogs, OpeningFollowsTheMaskAndTheSelection) {
    Document& doc = host.Add("alpha beta");
    doc.w.Send(SCI_SETSEL, 6, 10);
    options.SearchMask = kSearchMatchCase | kSearchBackslash | (kScopeSelection << 8);
    lstrcpyA(options.ReplaceText, "gamma");
    const HWND dialog = Open(CFindReplaceDialog::kReplace);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("beta", Text(dialog, IDC_SEARCH_FIND_TEXT));
    EXPECT_EQ("gamma", Text(dialog, IDC_SEARCH_REPLACE_TEXT));
    EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SEARCH_MATCH_CASE));
    EXPECT_FALSE(::IsDlgButtonChecked(dialog, IDC_SEARCH_WHOLE_WORD));
    EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SEARCH_BACKSLASH));
    EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SEARCH_UP));  // bit 3 clear
    EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SEARCH_SCOPE_SELECTION));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_SEARCH_FIND_TOKENS)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_SEARCH_TAGS)));
    Click(dialog, IDC_SEARCH_REGEX);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_SEARCH_FIND_TOKENS)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_SEARCH_TAGS)));
    EXPECT_EQ(std::vector<bool>{false}, host.buttons);
    Command(dialog, IDCANCEL);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ((std::vector<bool>{false, true}), host.buttons);
}

TEST_F(SearchDialogs, ReadingTheBoxes) {
    const struct {
        int checked[4];  // boxes ticked, 0 for none
        int scope;       // radio button
        uint32_t mask;
    } table[] = {
        {{0}, IDC_SEARCH_SCOPE_FILE, kSearchWrap | kSearchDown},
        {{IDC_SEARCH_UP}, IDC_SEARCH_SCOPE_FILE, kSearchWrap},
        {{IDC_SEARCH_WHOLE_WORD, IDC_SEARCH_MATCH_CASE}, IDC_SEARCH_SCOPE_SELECTION,
         kSearchWrap | kSearchDown | kSearchWholeWord | kSearchMatchCase | 0x100},
        {{IDC_SEARCH_REGEX, IDC_SEARCH_BACKSLASH, IDC_SEARCH_UP}, IDC_SEARCH_SCOPE_ALL,
         kSearchWrap | kSearchRegex | kSearchBackslash | 0x200},
    };
    for (const auto& row : table) {
        options.SearchMask = kSearchReplacePending | kSearchSubfolders;
        const HWND dialog = Open(CFindReplaceDialog::kReplace);
        for (int id : {IDC_SEARCH_WHOLE_WORD, IDC_SEARCH_MATCH_CASE, IDC_SEARCH_REGEX, IDC_SEARCH_BACKSLASH,
                       IDC_SEARCH_UP})
            Check(dialog, id, false);
        for (int id : row.checked)
            if (id) Check(dialog, id, true);
        ::CheckRadioButton(dialog, IDC_SEARCH_SCOPE_FILE, IDC_SEARCH_SCOPE_ALL, row.scope);
        Command(dialog, IDCANCEL);
        EXPECT_EQ(row.mask | kSearchSubfolders, options.SearchMask) << row.mask;
    }
}

TEST_F(SearchDialogs, TextsAreCutAtACharacter) {
    const HWND dialog = Open(CFindReplaceDialog::kFind);
    const std::string text = std::string(254, 'a') + "\xD6\xD0" + "b";  // 257 bytes, GBK at 254
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, text.c_str());
    Command(dialog, IDCANCEL);
    EXPECT_EQ(std::string(254, 'a'), options.FindText);
}

TEST_F(SearchDialogs, FindReportsAndClosesWhenAsked) {
    const HWND noDocument = Open(CFindReplaceDialog::kFind);
    ::SetDlgItemTextA(noDocument, IDC_SEARCH_FIND_TEXT, "");
    Click(noDocument, IDOK);
    ASSERT_EQ(1u, g_boxes.Texts().size());
    EXPECT_EQ(Format(IDS_STRING_NOT_FOUND, "(empty)"), g_boxes.Texts()[0]);
    Command(noDocument, IDCANCEL);

    host.Add("one two one");
    const HWND dialog = Open(CFindReplaceDialog::kFind);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "three");
    Click(dialog, IDOK);
    EXPECT_EQ(Format(IDS_STRING_NOT_FOUND, "three"), g_boxes.Texts().back());
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "two");
    Click(dialog, IDOK);
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(std::make_pair(4, 7), host.documents[0]->w.view->GetSelection());

    host.editorMask = kMaskCloseFindDialogs;
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "one");
    Click(dialog, IDOK);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_TRUE(host.buttons.back());
    EXPECT_EQ(2u, g_boxes.Texts().size());
}

TEST_F(SearchDialogs, ReplaceAllInOneOrInEveryDocument) {
    host.Add("a-a-a");
    host.Add("a");
    HWND dialog = Open(CFindReplaceDialog::kReplace);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "a");
    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "b");
    Click(dialog, IDC_SEARCH_REPLACE_ALL);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ("b-b-b", host.documents[0]->w.Text());
    EXPECT_EQ("a", host.documents[1]->w.Text());
    EXPECT_EQ(std::vector<std::string>{FormatCount(3)}, g_boxes.Texts());

    dialog = Open(CFindReplaceDialog::kReplace);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "b");
    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "a");
    ::CheckRadioButton(dialog, IDC_SEARCH_SCOPE_FILE, IDC_SEARCH_SCOPE_ALL, IDC_SEARCH_SCOPE_ALL);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "a");
    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "c");
    Click(dialog, IDC_SEARCH_REPLACE_ALL);
    EXPECT_EQ("b-b-b", host.documents[0]->w.Text());
    EXPECT_EQ("c", host.documents[1]->w.Text());
    EXPECT_EQ(1u, g_boxes.Texts().size());
}

TEST_F(SearchDialogs, EscInOneDocumentStopsReplaceAllInEveryDocument) {
    // a*a*b backtracks over the long line long enough for the search to look
    // for Esc, which waits in the queue; the short document would be quick.
    Document& slow = host.Add(std::string(100000, 'a'));
    Document& quick = host.Add("ab");
    HWND dialog = Open(CFindReplaceDialog::kReplace);
    Check(dialog, IDC_SEARCH_REGEX, true);
    ::CheckRadioButton(dialog, IDC_SEARCH_SCOPE_FILE, IDC_SEARCH_SCOPE_ALL, IDC_SEARCH_SCOPE_ALL);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "a*a*b");
    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "x");
    ::PostMessageA(*slow.w.view, WM_KEYDOWN, VK_ESCAPE, 0);
    Click(dialog, IDC_SEARCH_REPLACE_ALL);
    EXPECT_EQ(std::string(100000, 'a'), slow.w.Text());
    EXPECT_EQ("ab", quick.w.Text());
    EXPECT_EQ(std::vector<std::string>{LoadText(IDS_SEARCH_STOPPED)}, g_boxes.Texts());
}

TEST_F(SearchDialogs, ReplaceStepsAndMarkBookmarks) {
    Document& doc = host.Add("x1\nx2\ny");
    options.SearchMask = kSearchDown;
    const HWND dialog = Open(CFindReplaceDialog::kReplace);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "x");
    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "z");
    Click(dialog, IDC_SEARCH_REPLACE);  // finds the first
    EXPECT_EQ("x1\nx2\ny", doc.w.Text());
    EXPECT_EQ(std::make_pair(0, 1), doc.w.view->GetSelection());
    Click(dialog, IDC_SEARCH_REPLACE);  // replaces it, finds the second
    EXPECT_EQ("z1\nx2\ny", doc.w.Text());
    EXPECT_EQ(std::make_pair(3, 4), doc.w.view->GetSelection());
    Command(dialog, IDCANCEL);

    const HWND find = Open(CFindReplaceDialog::kFind);
    ::SetDlgItemTextA(find, IDC_SEARCH_FIND_TEXT, "[0-9]");
    Check(find, IDC_SEARCH_REGEX, true);
    Click(find, IDC_SEARCH_MARK);
    EXPECT_EQ(0, doc.w.Send(SCI_MARKERNEXT, 0, 1 << kBookmarkMarker));
    EXPECT_EQ(1, doc.w.Send(SCI_MARKERNEXT, 1, 1 << kBookmarkMarker));
    EXPECT_EQ(-1, doc.w.Send(SCI_MARKERNEXT, 2, 1 << kBookmarkMarker));
    Command(find, IDCANCEL);
}

TEST_F(SearchDialogs, TokenAndTagMenusInsert) {
    const HWND dialog = Open(CFindReplaceDialog::kReplace);
    const HWND find = ::GetDlgItem(dialog, IDC_SEARCH_FIND_TEXT);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "ab");
    ::SendMessageA(find, CB_SETEDITSEL, 0, MAKELPARAM(1, 1));
    Command(dialog, ID_REGEX_TAG);
    EXPECT_EQ("a\\(\\)b", Text(dialog, IDC_SEARCH_FIND_TEXT));
    Command(dialog, ID_REGEX_ANY_COUNT);  // at the caret, between the parentheses
    EXPECT_EQ("a\\(*\\)b", Text(dialog, IDC_SEARCH_FIND_TEXT));
    DWORD start = 0, end = 0;
    ::SendMessageA(find, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(4u, start);

    ::SetDlgItemTextA(dialog, IDC_SEARCH_REPLACE_TEXT, "x");
    ::SendMessageA(::GetDlgItem(dialog, IDC_SEARCH_REPLACE_TEXT), CB_SETEDITSEL, 0, MAKELPARAM(0, 1));
    Command(dialog, 52);
    EXPECT_EQ("\\3", Text(dialog, IDC_SEARCH_REPLACE_TEXT));
    Command(dialog, IDCANCEL);
}

TEST_F(SearchDialogs, HistoryComesBackFirstWithoutDuplicates) {
    for (const char* text : {"first", "second", "first"}) {
        const HWND dialog = Open(CFindReplaceDialog::kFind);
        ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, text);
        Click(dialog, IDOK);
        Command(dialog, IDCANCEL);
    }
    const HWND dialog = Open(CFindReplaceDialog::kFind);
    const HWND combo = ::GetDlgItem(dialog, IDC_SEARCH_FIND_TEXT);
    ASSERT_EQ(2, ::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    char text[32];
    ::SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("first", text);
    Command(dialog, IDCANCEL);
    EXPECT_EQ("ab", registry.Read("Software\\Tarnwick\\Find", "MRUList"));
}

TEST_F(SearchDialogs, ButtonsComeBackWhenTheLastDialogCloses) {
    const HWND find = Open(CFindReplaceDialog::kFind);
    const HWND replace = Open(CFindReplaceDialog::kReplace);
    ::SendMessageA(find, WM_CLOSE, 0, 0);
    EXPECT_EQ(std::vector<bool>{false}, host.buttons);
    Command(replace, IDCANCEL);
    EXPECT_EQ((std::vector<bool>{false, true}), host.buttons);
}

TEST_F(SearchDialogs, DestroyedWithItsOwnerItStillSavesTheHistory) {
    const HWND owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    const HWND dialog =
        CFindReplaceDialog::Open(CFindReplaceDialog::kFind, owner, host, gate, options);
    ::SetDlgItemTextA(dialog, IDC_SEARCH_FIND_TEXT, "kept");
    Click(dialog, IDOK);
    ::DestroyWindow(owner);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ((std::vector<bool>{false, true}), host.buttons);
    EXPECT_EQ("kept", registry.Read("Software\\Tarnwick\\Find", "a"));
}

}  // namespace
