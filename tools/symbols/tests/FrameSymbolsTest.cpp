// The symbol pane in a real main frame with the shipped ctags: opening a
// C++ file fills its tree, selecting a symbol moves the caret, the
// go-to-symbol command finds one by name, documents switch their trees,
// saving refreshes, and a missing ctags is told on the status bar. Ctags
// answers on a worker thread, so each test waits for the tree it reads; a
// slow fake ctags shows that an answer nobody waits for any more fills
// nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include <scintilla/Scintilla.h>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "EncodingCodes.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "StatusBar.h"
#include "SymbolPane.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

const char kSource[] =
    "#define MAX 3\n"            // 1
    "class Job {\n"              // 2
    "public:\n"                  // 3
    "  void go() {}\n"           // 4
    "};\n"                       // 5
    "int main() { return 0; }\n" // 6
    "void Task::run() {}\n";     // 7

std::string g_saveAsPath;
bool AnswerSaveAs(HWND, const char*, SaveAsChoice& choice) {
    choice.path = g_saveAsPath;
    return true;
}

class FrameSymbolsTest : public RealFrameTest {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = 0;
        RealFrameTest::SetUp();
        ASSERT_NE(nullptr, Pane());
    }
    void TearDown() override {
        SetSaveAsPrompt(nullptr);
        RealFrameTest::TearDown();
    }
    CSymbolPane* Pane() const { return m_frame->GetSymbolPane(); }
    // Opened, its ctags perhaps still running.
    CDocumentFrame* OpenNow(const std::string& name, const std::string& text) {
        m_files.Write(name, text);
        CDocumentFrame* document = m_frame->OpenDocument(m_files.File(name).c_str(), kEncodingDefault, false);
        PumpFrameMessages();
        return document;
    }
    // Opened, its tree filled.
    CDocumentFrame* Open(const std::string& name, const std::string& text) {
        CDocumentFrame* document = OpenNow(name, text);
        if (document) EXPECT_TRUE(SymbolsArrive(document));
        return document;
    }
    // False when ctags has not answered for the document in time.
    bool SymbolsArrive(CDocumentFrame* document) {
        return PumpMessagesUntil([&] { return !Pane()->IsParsing(document); }, 15000);
    }
    // The fake ctags from now on: its output is the fixture "<file>.tags".
    void UseFakeCtags() {
        CtagsProgram fake;
        fake.command = L"faketool\\ctags";
        Pane()->SetCtagsProgram(fake);
    }
    // One function at line 1, as ctags writes it; a first line "!sleep MS" delays the fake's output.
    void WriteTags(const std::string& file, const std::string& sleep, const std::string& function) const {
        const std::string delay = sleep.empty() ? "" : "!sleep " + sleep + "\n";
        m_files.Write(file + ".tags", delay + function + "\t" + m_files.File(file) + "\t1;\"\tf\tline:1\n");
    }
    // True once the slow fake has read the fixture of file: its run is under
    // way. Its marker goes, for the next run's; while the fake still writes
    // it, it cannot go yet.
    bool FakeRunStarted(const std::string& file) const {
        const std::string marker = m_files.File(file + ".read");
        return PumpMessagesUntil([&] { return ::DeleteFileA(marker.c_str()) != FALSE; }, 15000);
    }
    static std::string TopLevel(const TreeViewControl& tree) {
        std::string texts;
        for (HTREEITEM top = tree.Root(); top; top = tree.Sibling(top)) texts += tree.Text(top) + " ";
        return texts;
    }
    static HTREEITEM Find(const TreeViewControl& tree, const std::string& text) {
        for (HTREEITEM top = tree.Root(); top; top = tree.Sibling(top)) {
            if (tree.Text(top) == text) return top;
            for (HTREEITEM child = tree.Child(top); child; child = tree.Sibling(child))
                if (tree.Text(child) == text) return child;
        }
        return nullptr;
    }
    static int CaretLine(CDocumentFrame* document) {
        CEditorView* view = document->GetEditor();
        return (int)view->Send(SCI_LINEFROMPOSITION, view->Send(SCI_GETCURRENTPOS)) + 1;
    }
    std::string StatusMessage() const {
        char text[256] = {};
        ::SendMessageA(m_frame->StatusBar(), SB_GETTEXTA, kStatusMessage, (LPARAM)text);
        return text;
    }

    TempFolder m_files;
};

}  // namespace

TEST_F(FrameSymbolsTest, OpeningAFileFillsItsTreeAtTheRightLines) {
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document);
    CSymbolTree* tree = Pane()->TreeOf(document);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree, Pane()->CurrentTree());
    EXPECT_TRUE(::IsWindowVisible(tree->Window()) || !::IsWindowVisible(Pane()->m_hWnd));
    const TreeViewControl& t = tree->Tree();
    const struct {
        const char* text;
        int line;
        const char* parent;  // null: top level
    } expected[] = {{"Job", 2, nullptr}, {"go", 4, "Job"}, {"main", 6, nullptr}, {"MAX", 1, nullptr},
                    {"Task", -1, nullptr}, {"run", 7, "Task"}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.text);
        HTREEITEM item = Find(t, e.text);
        ASSERT_TRUE(item);
        EXPECT_EQ(e.line, (int)t.Data(item));
        HTREEITEM parent = t.Next(item, TVGN_PARENT);
        EXPECT_EQ(e.parent ? e.parent : "", parent ? t.Text(parent) : "");
    }
}

TEST_F(FrameSymbolsTest, SelectingASymbolMovesTheCaretAndAGroupGoesNowhere) {
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document && Pane()->TreeOf(document));
    const TreeViewControl& t = Pane()->TreeOf(document)->Tree();
    t.Select(Find(t, "main"));
    PumpFrameMessages();
    EXPECT_EQ(6, CaretLine(document));
    t.Select(Find(t, "Task"));
    PumpFrameMessages();
    EXPECT_EQ(6, CaretLine(document));
    t.Select(Find(t, "go"));
    PumpFrameMessages();
    EXPECT_EQ(4, CaretLine(document));
}

TEST_F(FrameSymbolsTest, GoToSymbolFindsOneByName) {
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document);
    int listed = 0;
    DriveNextDialog([&](HWND dialog) {
        listed = (int)::SendDlgItemMessageA(dialog, IDC_GOTO_SYMBOL_LIST, LVM_GETITEMCOUNT, 0, 0);
        ::SetDlgItemTextA(dialog, IDC_GOTO_SYMBOL_NAME, "MA");  // MAX comes before main
        ::SetDlgItemTextA(dialog, IDC_GOTO_SYMBOL_NAME, "mai");
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // From the pane's menu command, through the document frame to its view.
    ::SendMessageA(Pane()->m_hWnd, WM_COMMAND, ID_SEARCH_GOTO_SYMBOL, 0);
    PumpFrameMessages();
    PumpFrameMessages();
    EXPECT_EQ(5, listed);  // the Task group is the tree's own
    EXPECT_EQ(6, CaretLine(document));
}

TEST_F(FrameSymbolsTest, SwitchingDocumentsSwitchesTheTree) {
    CDocumentFrame* first = Open("a.cpp", kSource);
    CDocumentFrame* second = Open("b.c", "int alpha(void) { return 1; }\n");
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(Pane()->TreeOf(second));
    EXPECT_EQ(Pane()->TreeOf(second), Pane()->CurrentTree());
    EXPECT_TRUE(Find(Pane()->CurrentTree()->Tree(), "alpha"));
    ::SendMessageA(m_frame->MdiClientWindow(), WM_MDIACTIVATE, (WPARAM)first->m_hWnd, 0);
    PumpFrameMessages();
    EXPECT_EQ(Pane()->TreeOf(first), Pane()->CurrentTree());
    const DWORD hidden = ::GetWindowLongA(Pane()->TreeOf(second)->Window(), GWL_STYLE) & WS_VISIBLE;
    EXPECT_EQ(0u, hidden);
    ::SendMessageA(second->m_hWnd, WM_CLOSE, 0, 0);
    PumpFrameMessages();
    EXPECT_EQ(nullptr, Pane()->TreeOf(second));
    EXPECT_EQ(Pane()->TreeOf(first), Pane()->CurrentTree());
}

TEST_F(FrameSymbolsTest, SavingRefreshesAndKeepsTheSelection) {
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document && Pane()->TreeOf(document));
    CSymbolTree* tree = Pane()->TreeOf(document);
    tree->Tree().Select(Find(tree->Tree(), "main"));
    PumpFrameMessages();
    document->GetEditor()->Send(SCI_INSERTTEXT, 0, (sptr_t) "int added;\n");
    document->GetEditor()->Send(SCI_GOTOLINE, 0);
    ASSERT_TRUE(document->Save());
    ASSERT_TRUE(SymbolsArrive(document));
    PumpFrameMessages();
    // Reselecting during the refill is no choice of the user's: the caret stays.
    EXPECT_EQ(1, CaretLine(document));
    const HTREEITEM selected = tree->Tree().Selection();
    ASSERT_TRUE(selected);
    EXPECT_EQ("main", tree->Tree().Text(selected));
    EXPECT_EQ(7, (int)tree->Tree().Data(selected));
    EXPECT_TRUE(Find(tree->Tree(), "added"));
}

TEST_F(FrameSymbolsTest, SortCommandsRefillAndTheMenuFollows) {
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document && Pane()->TreeOf(document));
    ::SendMessageA(Pane()->m_hWnd, WM_COMMAND, ID_SYMBOL_SORT_NAME, 0);
    ASSERT_TRUE(SymbolsArrive(document));
    EXPECT_EQ("Job Job::go MAX Task::run main ", TopLevel(Pane()->CurrentTree()->Tree()));
    HMENU menu = Pane()->BuildContextMenu();
    HMENU popup = ::GetSubMenu(menu, 0);
    EXPECT_TRUE(::GetMenuState(popup, ID_SYMBOL_SORT_NAME, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(popup, ID_SYMBOL_SORT_TYPE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(popup, ID_SEARCH_GOTO_SYMBOL, MF_BYCOMMAND) & MF_GRAYED);
    ::DestroyMenu(menu);

    ::SendMessageA(document->m_hWnd, WM_CLOSE, 0, 0);
    PumpFrameMessages();
    EXPECT_EQ(nullptr, Pane()->CurrentTree());
    menu = Pane()->BuildContextMenu();
    popup = ::GetSubMenu(menu, 0);
    for (UINT id : {(UINT)ID_SYMBOL_SORT_TYPE, (UINT)ID_SYMBOL_SORT_NAME, (UINT)ID_SYMBOL_SORT_LINE, (UINT)ID_SEARCH_GOTO_SYMBOL,
                    (UINT)ID_SYMBOL_COLLAPSE_ALL, (UINT)ID_SYMBOL_EXPAND_ALL})
        EXPECT_TRUE(::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) << id;
    ::DestroyMenu(menu);
}

TEST_F(FrameSymbolsTest, AnUntitledDocumentSavedForTheFirstTimeGetsATree) {
    CDocumentFrame* document = m_frame->CreateDocumentFrame(nullptr, false);
    ASSERT_TRUE(document);
    PumpFrameMessages();
    EXPECT_EQ(nullptr, Pane()->TreeOf(document));
    document->GetEditor()->Send(SCI_SETTEXT, 0, (sptr_t) "int fresh(void) { return 0; }\n");
    g_saveAsPath = m_files.File("fresh.c");
    SetSaveAsPrompt(AnswerSaveAs);
    ASSERT_TRUE(document->SaveAs());
    ASSERT_TRUE(Pane()->TreeOf(document));
    ASSERT_TRUE(SymbolsArrive(document));
    EXPECT_TRUE(Find(Pane()->TreeOf(document)->Tree(), "fresh"));
}

TEST_F(FrameSymbolsTest, AMissingCtagsIsToldOnTheStatusBar) {
    CtagsProgram missing;
    missing.command = L"nowhere\\ctags";
    Pane()->SetCtagsProgram(missing);
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document);
    ASSERT_TRUE(Pane()->TreeOf(document));
    EXPECT_EQ(0, Pane()->TreeOf(document)->Tree().Count());
    EXPECT_EQ("Failure to parse.", StatusMessage());
}

TEST_F(FrameSymbolsTest, NewPaneColoursReachEveryTree) {
    CDocumentFrame* first = Open("a.cpp", kSource);
    CDocumentFrame* second = Open("b.c", "int alpha(void) { return 1; }\n");
    ASSERT_TRUE(first && second);
    const COLORREF fore = g_appSettings->SymbolFore, back = g_appSettings->SymbolBack;
    g_appSettings->SymbolFore = RGB(10, 20, 30);
    g_appSettings->SymbolBack = RGB(200, 210, 220);
    g_appSettings->CreatePaneBrushes(true);  // as the colours page does
    for (CDocumentFrame* document : {first, second}) {
        const HWND tree = Pane()->TreeOf(document)->Window();
        EXPECT_EQ(RGB(10, 20, 30), (COLORREF)::SendMessageA(tree, TVM_GETTEXTCOLOR, 0, 0));
        EXPECT_EQ(RGB(200, 210, 220), (COLORREF)::SendMessageA(tree, TVM_GETBKCOLOR, 0, 0));
    }
    g_appSettings->SymbolFore = fore;
    g_appSettings->SymbolBack = back;
    g_appSettings->CreatePaneBrushes(true);
}

TEST_F(FrameSymbolsTest, OfTwoQuickSavesOnlyTheLastFillsTheTree) {
    UseFakeCtags();
    WriteTags("a.cpp", "", "zero");
    CDocumentFrame* document = Open("a.cpp", kSource);
    ASSERT_TRUE(document && Pane()->TreeOf(document));
    // The first save's ctags would answer well before the second's.
    WriteTags("a.cpp", "300", "one");
    document->GetEditor()->Send(SCI_INSERTTEXT, 0, (sptr_t) "int first;\n");
    ASSERT_TRUE(document->Save());
    ASSERT_TRUE(FakeRunStarted("a.cpp"));
    WriteTags("a.cpp", "900", "two");
    document->GetEditor()->Send(SCI_INSERTTEXT, 0, (sptr_t) "int second;\n");
    ASSERT_TRUE(document->Save());
    ASSERT_TRUE(SymbolsArrive(document));
    EXPECT_EQ("two ", TopLevel(Pane()->TreeOf(document)->Tree()));
}

TEST_F(FrameSymbolsTest, ADocumentClosedWhileCtagsRunsFillsNoOtherTree) {
    UseFakeCtags();
    WriteTags("a.cpp", "300", "stale");
    CDocumentFrame* closing = OpenNow("a.cpp", kSource);
    ASSERT_TRUE(closing);
    ASSERT_TRUE(FakeRunStarted("a.cpp"));
    ::SendMessageA(closing->m_hWnd, WM_CLOSE, 0, 0);
    PumpFrameMessages();
    EXPECT_EQ(nullptr, Pane()->TreeOf(closing));
    EXPECT_FALSE(Pane()->IsParsing(closing));
    // A new document may take the closed one's place in memory; its ctags answers after the closed one's would.
    WriteTags("b.cpp", "900", "fresh");
    CDocumentFrame* next = Open("b.cpp", kSource);
    ASSERT_TRUE(next && Pane()->TreeOf(next));
    EXPECT_EQ("fresh ", TopLevel(Pane()->TreeOf(next)->Tree()));
    // The frame closes while this one's ctags runs: the test's end neither hangs nor crashes.
    WriteTags("c.cpp", "60000", "never");
    ASSERT_TRUE(OpenNow("c.cpp", kSource));
    ASSERT_TRUE(FakeRunStarted("c.cpp"));
}

TEST_F(FrameSymbolsTest, AnAnswerForADocumentInTheBackgroundLeavesItsTreeHidden) {
    UseFakeCtags();
    WriteTags("a.cpp", "", "front");
    WriteTags("b.cpp", "300", "back");
    CDocumentFrame* front = Open("a.cpp", kSource);
    CDocumentFrame* back = OpenNow("b.cpp", kSource);
    ASSERT_TRUE(front && back);
    ASSERT_TRUE(FakeRunStarted("b.cpp"));
    ::SendMessageA(m_frame->MdiClientWindow(), WM_MDIACTIVATE, (WPARAM)front->m_hWnd, 0);
    ASSERT_TRUE(SymbolsArrive(back));
    PumpFrameMessages();
    EXPECT_EQ(Pane()->TreeOf(front), Pane()->CurrentTree());
    EXPECT_EQ("back ", TopLevel(Pane()->TreeOf(back)->Tree()));
    EXPECT_EQ(0u, ::GetWindowLongA(Pane()->TreeOf(back)->Window(), GWL_STYLE) & WS_VISIBLE);
}
