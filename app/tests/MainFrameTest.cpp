// The real main frame under Wine, driven with messages: command routing to
// the active document, the menu rules, the status bar, the bars and the
// frame's own commands. Documents are spies that report a chosen state.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "ConsolePane.h"
#include "AutoHideManager.h"
#include "FrameTestEnvironment.h"
#include "DockTestSupport.h"
#include "EncodingFileDialog.h"
#include "GdiHandles.h"
#include "ModifiedDocument.h"
#include "SessionFile.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PendingCommands.h"
#include "MessageLoop.h"
#include "ModalDialogDriver.h"
#include "SizeText.h"
#include "StatusBar.h"
#include "FindResultsPane.h"
#include "TabDockingBox.h"
#include "TempFolder.h"
#include "ToolbarBuilder.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

void Pump() { PumpMessages(3, 1); }

// A window that counts the messages it gets.
class CRecorder : public CMsgWindow {
public:
    std::map<UINT, int> counts;

    TW_BEGIN_MSG_MAP(CRecorder)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, Count)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, Count)
        TW_MESSAGE_HANDLER(WM_CUT, Count)
        TW_MESSAGE_HANDLER(WM_COPY, Count)
        TW_MESSAGE_HANDLER(WM_PASTE, Count)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TestRecorder"}; }

private:
    LRESULT Count(UINT msg, WPARAM, LPARAM, bool&) {
        ++counts[msg];
        return 0;
    }
};

class CSpyDocument : public CMsgWindow, public IFrameDocument {
public:
    FrameDocumentState state;
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    int checkFileCount = 0;
    int forwardCount = 0;
    int closeCount = 0;
    int saveCount = 0;
    LRESULT saveAnswer = 0;  // what WM_DOC_SAVE answers
    SessionEntry session;    // the view state it reports and was given

    FrameDocumentState Describe() const override { return state; }
    void DescribeSession(SessionEntry& entry) const override {
        entry = session;
        entry.path = state.path;
    }
    void RestoreSession(const SessionEntry& entry) override { session = entry; }
    void FillStatusBar(HWND bar) const override {
        SetStatusText(bar, kStatusPosition, "position");
        if (state.kind == DocumentKind::Editor) SetStatusText(bar, kStatusSize, "size");
    }
    std::string HelpKeyword() const override { return "printf"; }
    int CommandCount(WORD id) const {
        int n = 0;
        for (auto& c : commands) n += LOWORD(c.first) == id;
        return n;
    }

    TW_BEGIN_MSG_MAP(CSpyDocument)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_COMMAND, OnCommand)
        TW_MESSAGE_HANDLER(WM_DOC_CHECKFILE, OnCheckFile)
        TW_MESSAGE_HANDLER(WM_FORWARDMSG, OnForward)
        TW_MESSAGE_HANDLER(WM_DOC_CLOSE, OnDocClose)
        TW_MESSAGE_HANDLER(WM_DOC_DESCRIBE, OnDocDescribe)
        TW_MESSAGE_HANDLER(WM_DOC_SAVE, OnDocSave)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TestSpyDocument"}; }

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
        AttachFrameDocument(m_hWnd, this);
        handled = false;
        return 0;
    }
    LRESULT OnCommand(UINT, WPARAM w, LPARAM l, bool&) {
        commands.emplace_back(w, l);
        return 0;
    }
    LRESULT OnCheckFile(UINT, WPARAM, LPARAM, bool&) {
        ++checkFileCount;
        return 0;
    }
    LRESULT OnDocClose(UINT, WPARAM, LPARAM, bool&) {
        ++closeCount;
        return 0;
    }
    LRESULT OnDocDescribe(UINT, WPARAM, LPARAM l, bool&) {
        if (!state.modified) return 0;
        auto* item = reinterpret_cast<CModifiedDocument*>(l);
        item->SetAll(m_hWnd, "", state.path, state.path, 0);
        return 1;
    }
    LRESULT OnDocSave(UINT, WPARAM, LPARAM, bool&) {
        ++saveCount;
        if (saveAnswer == 0) state.modified = false;
        return saveAnswer;
    }
    LRESULT OnForward(UINT, WPARAM, LPARAM, bool&) {
        ++forwardCount;
        return 1;
    }
};

// The frame with a record of the commands it receives itself.
// Popup menus it tracks are noted with their checks and closed at once.
class CRecordingFrame : public CMainFrame {
public:
    std::vector<WORD> commands;
    std::vector<std::vector<UINT>> trackedMenus;  // the checked ids of each
    bool ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM w, LPARAM l, LRESULT& result, DWORD mapId) override {
        if (msg == WM_COMMAND) commands.push_back(LOWORD(w));
        if (msg == WM_ENTERIDLE && w == MSGF_MENU) ::EndMenu();
        if (msg == WM_INITMENUPOPUP && !HIWORD(l) && (HMENU)w != ::GetSubMenu(Menu(), LOWORD(l))) {
            std::vector<UINT> checked;
            for (int i = 0; i < ::GetMenuItemCount((HMENU)w); ++i) {
                if (::GetMenuState((HMENU)w, i, MF_BYPOSITION) & MF_CHECKED) checked.push_back(::GetMenuItemID((HMENU)w, i));
            }
            trackedMenus.push_back(checked);
        }
        return CMainFrame::ProcessWindowMessage(hWnd, msg, w, l, result, mapId);
    }
};

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

struct Recorded {
    std::string target;
    int show = -1;
    int opens = 0;
} g_recorded;

void RecordShellOpen(HWND, const char* target, int show) {
    ++g_recorded.opens;
    g_recorded.target = target;
    g_recorded.show = show;
}

bool HasVisibleStyle(HWND window) { return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string IniPath() { return g_environment->folder->File("tarnwick.ini"); }

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_recorded = Recorded();
        SetShellOpenHook(RecordShellOpen);
        g_appSettings->EditorMask = 0;
        ASSERT_TRUE(frame.CreateMainWindow());
        g_mainFrame = &frame;
        Pump();  // the posted start-up shows the frame
    }
    void TearDown() override {
        frame.DestroyWindow();
        Pump();
        g_mainFrame = nullptr;
        SetShellOpenHook(nullptr);
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath().c_str());
        ::DeleteFileA(IniPath().c_str());
    }

    CSpyDocument& AddDocument(const std::string& path, DocumentKind kind = DocumentKind::Editor) {
        documents.push_back(std::make_unique<CSpyDocument>());
        CSpyDocument& document = *documents.back();
        document.state.path = path;
        document.state.kind = kind;
        EXPECT_TRUE(document.CreateMdiChild(frame.MdiClientWindow(), path.c_str(), WS_VISIBLE | WS_OVERLAPPEDWINDOW));
        Pump();
        return document;
    }
    void Command(UINT id, LPARAM lParam = 0) { frame.SendMessage(WM_COMMAND, id, lParam); }
    HMENU Popup(int index) { return ::GetSubMenu(frame.Menu(), index); }
    void OpenMenu(int index) { frame.SendMessage(WM_INITMENUPOPUP, (WPARAM)Popup(index), MAKELPARAM(index, 0)); }
    void Activate(const CSpyDocument& document) {
        ::SendMessageA(frame.MdiClientWindow(), WM_MDIACTIVATE, (WPARAM)document.m_hWnd, 0);
    }
    std::string PartText(int part) {
        char text[256] = {};
        ::SendMessageA(frame.StatusBar(), SB_GETTEXTA, part, (LPARAM)text);
        return text;
    }

    std::vector<std::unique_ptr<CSpyDocument>> documents;  // outlive the frame's windows
    RecordedMessageBoxes m_boxes;
    CRecordingFrame frame;
};

// ---- command routing ----------------------------------------------------------

TEST_F(MainFrameTest, CommandsTheFrameDoesNotHandleReachTheActiveDocumentOnce) {
    CSpyDocument& other = AddDocument("C:\\other.txt");
    CSpyDocument& active = AddDocument("C:\\active.txt");
    const UINT forwarded[] = {102, 105, 106, 108, 111, 114, 200, 205, 218, 232, 305, 316, 337, 402, 405, 407,
                              408, 415, 500, 510, 680, 683, 700, 782, 57606, 57607};
    for (UINT id : forwarded) {
        Command(id, 1234);
        EXPECT_EQ(1, active.CommandCount(id)) << id;
        ASSERT_FALSE(active.commands.empty());
        EXPECT_EQ(1234, active.commands.back().second) << "lParam unchanged";
    }
    EXPECT_TRUE(other.commands.empty());
}

TEST_F(MainFrameTest, CommandsTheFrameHandlesStayWithTheFrame) {
    CSpyDocument& document = AddDocument("C:\\a.txt");
    // Each of these would have a visible effect checked elsewhere; here only
    // that the document never sees them. The pair toggles restore the state
    // (the screen modes among them: ID_VIEW_HIDE_TITLE, ID_VIEW_FULL_SCREEN).
    // ID_FILE_CLOSE_ALL closes the documents (last, so that the others still
    // find it open); the options dialog of ID_OPTIONS_FIRST and
    // ID_OPTIONS_LAST is cancelled.
    const UINT own[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE_OTHERS, ID_FILE_SAVE_ALL, ID_EDIT_CUT,
                        ID_EDIT_COPY, ID_EDIT_PASTE, ID_VIEW_MENUBAR, ID_VIEW_MENUBAR, ID_VIEW_TOOLBAR,
                        ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_STATUS_BAR, ID_VIEW_HIDE_TITLE,
                        ID_VIEW_HIDE_TITLE, ID_VIEW_FULL_SCREEN, ID_VIEW_FULL_SCREEN, ID_SEARCH_FIND,
                        ID_SEARCH_REPLACE, ID_SEARCH_FIND_IN_FILES, ID_SEARCH_HELP, ID_TOOL_FIRST, ID_TOOL_LAST,
                        ID_OPTIONS_FIRST, ID_OPTIONS_LAST, ID_LANGUAGE_FIRST, ID_LANGUAGE_LAST, ID_WINDOW_NEXT,
                        ID_WINDOW_PREV, ID_PANE_EXPLORER, ID_PANE_FIND_RESULTS2, ID_WINDOW_TOPMOST,
                        ID_WINDOW_TOPMOST, ID_LAYOUT_LOAD, ID_LAYOUT_SAVE, ID_HELP_TOPICS, ID_HELP_HOME_PAGE,
                        ID_HELP_CHECK_UPDATE, ID_HELP_FEEDBACK, ID_HELP_DONATE, ID_APP_ABOUT,
                        ID_FONT_SCHEME_FIRST, ID_FONT_SCHEME_LAST, ID_LAYOUT_FIRST, ID_LAYOUT_LAST,
                        ID_WINDOW_LIST_FIRST, ID_WINDOW_LIST_LAST, ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST,
                        ID_FILE_CLOSE_ALL};
    // ID_EDIT_PASTE would put what another test program left on the display's
    // clipboard into the new document, and ID_FILE_CLOSE_ALL would then ask to save it.
    ASSERT_TRUE(::OpenClipboard(frame));
    ::EmptyClipboard();
    ::CloseClipboard();
    for (UINT id : own) {
        if (id >= ID_OPTIONS_FIRST && id <= ID_OPTIONS_LAST)
            // The find dialogs opened above are dialogs too: the driver
            // waits for the options dialog's own window.
            DriveNextDialog([](HWND options) { ::PostMessageA(options, WM_COMMAND, IDCANCEL, 0); });
        Command(id);
        EXPECT_EQ(0, document.CommandCount(id)) << id;
    }
    Pump();
}

TEST_F(MainFrameTest, WithoutADocumentCommandsGoNowhere) {
    Command(ID_EDIT_DELETE);
    Command(ID_WINDOW_NEXT);
    Command(ID_WINDOW_LIST_FIRST);
    EXPECT_EQ(nullptr, frame.GetActiveMdiChild());
}

TEST_F(MainFrameTest, NextAndPreviousTabWrapAtBothEnds) {
    CSpyDocument& first = AddDocument("C:\\1.txt");
    AddDocument("C:\\2.txt");
    CSpyDocument& third = AddDocument("C:\\3.txt");
    Activate(first);
    Command(ID_WINDOW_PREV);
    EXPECT_EQ(third.m_hWnd, frame.GetActiveMdiChild());
    Command(ID_WINDOW_NEXT);
    EXPECT_EQ(first.m_hWnd, frame.GetActiveMdiChild());
    Command(ID_WINDOW_NEXT);
    EXPECT_EQ(documents[1]->m_hWnd, frame.GetActiveMdiChild());
}

TEST_F(MainFrameTest, WindowListNamesEachDocumentAndActivatesIt) {
    CSpyDocument& first = AddDocument("C:\\dir\\one.txt");
    CSpyDocument& second = AddDocument("D:\\two.cpp");
    AddDocument("three");
    Activate(second);
    HMENU window = Popup(MENU_POS_WINDOW);
    int own = ::GetMenuItemCount(window);
    for (int round = 0; round < 2; ++round) {  // rebuilt, not appended again
        OpenMenu(MENU_POS_WINDOW);
        ASSERT_EQ(own + 4, ::GetMenuItemCount(window));
    }
    EXPECT_TRUE(::GetMenuState(window, own, MF_BYPOSITION) & MF_SEPARATOR);
    const char* names[] = {"one.txt", "two.cpp", "three"};
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        ::GetMenuStringA(window, own + 1 + i, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ(names[i], text);
        EXPECT_EQ((UINT)ID_WINDOW_LIST_FIRST + i, ::GetMenuItemID(window, own + 1 + i));
        EXPECT_EQ(i == 1, (::GetMenuState(window, own + 1 + i, MF_BYPOSITION) & MF_CHECKED) != 0) << i;
    }
    Command(ID_WINDOW_LIST_FIRST);
    EXPECT_EQ(first.m_hWnd, frame.GetActiveMdiChild());

    for (auto& document : documents) document->DestroyWindow();
    OpenMenu(MENU_POS_WINDOW);
    EXPECT_EQ(own, ::GetMenuItemCount(window)) << "no separator without documents";
}

TEST_F(MainFrameTest, WindowListEndsWithTheLastIdOfItsRange) {
    const int kIds = ID_WINDOW_LIST_LAST - ID_WINDOW_LIST_FIRST + 1;
    for (int i = 0; i <= kIds; ++i) AddDocument("C:\\" + std::to_string(i));
    HMENU window = Popup(MENU_POS_WINDOW);
    int own = ::GetMenuItemCount(window);
    OpenMenu(MENU_POS_WINDOW);
    ASSERT_EQ(own + 1 + kIds, ::GetMenuItemCount(window));
    EXPECT_EQ((UINT)ID_WINDOW_LIST_LAST, ::GetMenuItemID(window, own + kIds));
}

TEST_F(MainFrameTest, CloseOthersClosesAllButTheActiveDocument) {
    AddDocument("C:\\1.txt");
    CSpyDocument& keep = AddDocument("C:\\2.txt");
    AddDocument("C:\\3.txt");
    Activate(keep);
    Command(ID_FILE_CLOSE_OTHERS);
    Pump();
    EXPECT_EQ(std::vector<HWND>{keep.m_hWnd}, frame.DocumentWindows());
}

// ---- menu rules -------------------------------------------------------------------

enum State { kNone, kHex, kEditor, kModified, kSelection, kStateCount };

void Configure(FrameDocumentState& s, State state) {
    s.encoding = kEncodingUtf8;
    s.lineEnds = kEolLf;
    s.displayBits = kMaskWrap | kMaskLineNumbers;
    s.useTabs = true;
    s.language = 2;
    if (state == kHex) s.canUndo = true;
    if (state == kModified) s.modified = s.canUndo = s.readOnly = s.fileReadOnly = true;
    if (state == kSelection) s.hasSelection = s.canRedo = true;
}

TEST_F(MainFrameTest, MenuItemsFollowTheActiveDocument) {
    struct Row {
        int menu;
        UINT id;
        bool enabled[kStateCount];  // none, hex, editor, modified, selection
        bool checked[kStateCount];
    } rows[] = {
        {MENU_POS_FILE, 102, {0, 1, 1, 1, 1}, {}},
        {MENU_POS_FILE, 105, {0, 0, 0, 1, 0}, {}},
        {MENU_POS_FILE, 111, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_FILE, ID_FILE_PRINT, {0, 0, 0, 0, 0}, {}},
        {MENU_POS_FILE, ID_FILE_PRINT_SETUP, {0, 0, 0, 0, 0}, {}},
        {MENU_POS_EDIT, 200, {0, 1, 0, 1, 0}, {}},
        {MENU_POS_EDIT, 201, {0, 0, 0, 0, 1}, {}},
        {MENU_POS_EDIT, 202, {0, 0, 0, 0, 1}, {}},
        {MENU_POS_EDIT, 215, {0, 0, 0, 0, 1}, {}},
        {MENU_POS_EDIT, 206, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_EDIT, 221, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_VIEW, 305, {0, 0, 1, 1, 1}, {0, 0, 0, 0, 0}},
        {MENU_POS_VIEW, 306, {0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}},
        {MENU_POS_VIEW, 307, {0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}},
        {MENU_POS_VIEW, 308, {0, 0, 1, 1, 1}, {0, 0, 0, 0, 0}},
        {MENU_POS_VIEW, 310, {0, 0, 1, 1, 1}, {0, 0, 0, 0, 0}},
        {MENU_POS_VIEW, 302, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}},
        {MENU_POS_SEARCH, 400, {0, 1, 1, 1, 1}, {}},
        {MENU_POS_SEARCH, 407, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_SEARCH, 408, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_SEARCH, 412, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_DOCUMENT, 500, {0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}},
        {MENU_POS_DOCUMENT, 501, {0, 0, 1, 1, 1}, {0, 0, 0, 0, 0}},
        {MENU_POS_DOCUMENT, 504, {0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}},
        {MENU_POS_DOCUMENT, 506, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_DOCUMENT, 507, {0, 0, 0, 0, 0}, {}},
        {MENU_POS_DOCUMENT, 508, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_DOCUMENT, 509, {0, 1, 1, 1, 1}, {0, 0, 0, 1, 0}},
        {MENU_POS_DOCUMENT, 510, {0, 0, 0, 1, 0}, {}},
        {MENU_POS_TOOLS, 680, {0, 1, 1, 1, 1}, {}},
        {MENU_POS_TOOLS, 681, {0, 0, 1, 1, 1}, {}},
        {MENU_POS_LANGUAGE, 700, {0, 0, 0, 0, 0}, {0, 1, 0, 0, 0}},
        {MENU_POS_WINDOW, 800, {0, 1, 1, 1, 1}, {}},
        {MENU_POS_WINDOW, 809, {0, 1, 1, 1, 1}, {}},
        {MENU_POS_WINDOW, 802, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}},  // the explorer pane is shown
    };
    CSpyDocument* document = nullptr;
    for (int state = kNone; state < kStateCount; ++state) {
        if (state == kHex) document = &AddDocument("C:\\doc.bin", DocumentKind::Hex);
        if (document) {
            document->state = FrameDocumentState();
            document->state.kind = state == kHex ? DocumentKind::Hex : DocumentKind::Editor;
            Configure(document->state, (State)state);
        }
        for (const Row& row : rows) {
            OpenMenu(row.menu);
            UINT flags = ::GetMenuState(Popup(row.menu), row.id, MF_BYCOMMAND);
            EXPECT_EQ(row.enabled[state], !(flags & MF_GRAYED)) << "id " << row.id << " state " << state;
            EXPECT_EQ(row.checked[state], (flags & MF_CHECKED) != 0) << "id " << row.id << " state " << state;
        }
    }
}

TEST_F(MainFrameTest, PasteNeedsTextOnTheClipboard) {
    AddDocument("C:\\a.txt");
    for (bool withText : {true, false}) {
        ASSERT_TRUE(::OpenClipboard(frame));
        ::EmptyClipboard();
        if (withText) {
            HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 2);
            std::memcpy(::GlobalLock(block), "x", 2);
            ::GlobalUnlock(block);
            ::SetClipboardData(CF_TEXT, block);
        }
        ::CloseClipboard();
        OpenMenu(MENU_POS_EDIT);
        EXPECT_EQ(withText, !(::GetMenuState(Popup(MENU_POS_EDIT), ID_EDIT_PASTE, MF_BYCOMMAND) & MF_GRAYED));
    }
}

TEST_F(MainFrameTest, MenusOfOthersAreLeftAlone) {
    HMENU foreign = ::CreatePopupMenu();
    ::AppendMenuA(foreign, MF_STRING, 102, "close");
    frame.SendMessage(WM_INITMENUPOPUP, (WPARAM)foreign, MAKELPARAM(MENU_POS_FILE, 0));
    EXPECT_FALSE(::GetMenuState(foreign, 102, MF_BYCOMMAND) & MF_GRAYED);
    ::DestroyMenu(foreign);
}

// ---- status bar -------------------------------------------------------------------

int MeasuredWidth(HWND bar, const char* text) {
    const CClientDc dc(bar);
    const CSelectObject selected(dc, (HFONT)::SendMessageA(bar, WM_GETFONT, 0, 0));
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text, (int)std::strlen(text), &size);
    return size.cx + 9;
}

TEST_F(MainFrameTest, StatusBarPartsAreAsWideAsTheirLongestTexts) {
    HWND bar = frame.StatusBar();
    EXPECT_EQ(0xE801, ::GetDlgCtrlID(bar));
    EXPECT_TRUE(::GetWindowLongA(bar, GWL_STYLE) & SBARS_SIZEGRIP);
    int edges[8] = {};
    ASSERT_EQ(5, ::SendMessageA(bar, SB_GETPARTS, 8, (LPARAM)edges));
    EXPECT_EQ(180, edges[0]);
    EXPECT_EQ(edges[0] + MeasuredWidth(bar, "9'999'999 Bytes"), edges[1]);
    EXPECT_EQ(edges[1] + MeasuredWidth(bar, "Unicode BE BOM"), edges[2]);
    EXPECT_EQ(edges[2] + MeasuredWidth(bar, "OVR"), edges[3]);
    EXPECT_EQ(-1, edges[4]);
}

TEST_F(MainFrameTest, StatusBarShowsTheActiveDocument) {
    frame.UpdateStatusBar();
    for (int part = 0; part < 5; ++part) EXPECT_EQ("", PartText(part)) << part;

    CSpyDocument& editor = AddDocument("C:\\a.txt");
    struct Row {
        DocumentKind kind;
        EncodingCode encoding;
        bool overtype;
        const char* parts[4];
    } rows[] = {
        {DocumentKind::Editor, kEncodingAnsi, false, {"position", "size", "ANSI", "INS"}},
        {DocumentKind::Editor, kEncodingUtf16Be, true, {"position", "size", "UNICODE BE", "OVR"}},
        {DocumentKind::Editor, kEncodingUtf16Le, false, {"position", "size", "UNICODE", "INS"}},
        {DocumentKind::Editor, kEncodingUtf8NoBom, false, {"position", "size", "UTF-8 NOBOM", "INS"}},
        {DocumentKind::Hex, kEncodingAnsi, false, {"position", "1.50 KB", "Binary", "OVR"}},
    };
    for (const Row& row : rows) {
        editor.state.kind = row.kind;
        editor.state.encoding = row.encoding;
        editor.state.overtype = row.overtype;
        editor.state.fileSize = 1536;
        frame.UpdateStatusBar();
        for (int part = 0; part < 4; ++part) EXPECT_EQ(row.parts[part], PartText(part)) << part << " " << row.parts[2];
    }
    frame.SetStatusMessage("notice");
    EXPECT_EQ("notice", PartText(kStatusMessage));
    frame.SetStatusMessage(nullptr);
    EXPECT_EQ("", PartText(kStatusMessage));

    editor.DestroyWindow();
    frame.UpdateStatusBar();
    for (int part = 0; part < 5; ++part) EXPECT_EQ("", PartText(part)) << part;
}

// ---- bars -------------------------------------------------------------------------

TEST_F(MainFrameTest, ToolbarHoldsTheButtonsOfResourceOneInsideTheRebar) {
    HWND rebar = ::GetDlgItem(frame, 0xE800);
    ASSERT_EQ(frame.Rebar(), rebar);
    HWND toolbar = ::GetDlgItem(rebar, 0xE800);
    ASSERT_EQ(frame.Toolbar(), toolbar);
    EXPECT_EQ(0x5600094Cu, (UINT)::GetWindowLongA(toolbar, GWL_STYLE) & 0x5600094C);
    const int expected[] = {100, 101, 105, 107, 0, 57607, 0, 400, 401, 406, 0, 306, 309, 0, 311, 312, 0, 338};
    ASSERT_EQ((LRESULT)std::size(expected), ::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    int image = 0;
    for (size_t i = 0; i < std::size(expected); ++i) {
        TBBUTTON button{};
        ::SendMessageA(toolbar, TB_GETBUTTON, i, (LPARAM)&button);
        if (expected[i] == 0) {
            EXPECT_TRUE(button.fsStyle & BTNS_SEP) << i;
            continue;
        }
        EXPECT_EQ(expected[i], button.idCommand) << i;
        EXPECT_EQ(image++, button.iBitmap) << i;
        EXPECT_EQ(expected[i] == 338, (button.fsStyle & BTNS_WHOLEDROPDOWN) != 0) << i;
    }
    for (UINT message : {TB_GETIMAGELIST, TB_GETDISABLEDIMAGELIST}) {
        HIMAGELIST list = (HIMAGELIST)::SendMessageA(toolbar, message, 0, 0);
        ASSERT_TRUE(list);
        EXPECT_GE(::ImageList_GetImageCount(list), image);
    }
}

TEST(ToolbarTemplate, ParsesVersionOneAndRefusesTheRest) {
    const WORD good[] = {1, 16, 15, 3, 100, 0, 101};
    ToolbarTemplate parsed;
    ASSERT_TRUE(ParseToolbarTemplate(good, sizeof(good), parsed));
    EXPECT_EQ(16, parsed.width);
    EXPECT_EQ(15, parsed.height);
    EXPECT_EQ((std::vector<WORD>{100, 0, 101}), parsed.items);
    const WORD version2[] = {2, 16, 16, 1, 100};
    ToolbarTemplate ignored;
    EXPECT_FALSE(ParseToolbarTemplate(version2, sizeof(version2), ignored));
    EXPECT_FALSE(ParseToolbarTemplate(good, sizeof(good) - 2, ignored)) << "fewer ids than the count";
    EXPECT_FALSE(ParseToolbarTemplate(good, 6, ignored));
    EXPECT_FALSE(ParseToolbarTemplate(nullptr, 0, ignored));
}

bool HasCheck(HMENU menu, UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

TEST_F(MainFrameTest, BarCommandsHideAndShowTheBars) {
    HMENU menu = frame.Menu();
    EXPECT_EQ(nullptr, ::GetMenu(frame)) << "the menu is in the command bar";
    const struct { UINT id; HWND bar; int band; } bands[] = {
        {ID_VIEW_MENUBAR, frame.CommandBar().m_hWnd, 0}, {ID_VIEW_TOOLBAR, frame.Toolbar(), 1}};
    for (const auto& band : bands) {
        EXPECT_EQ(band.band, FindRebarBand(frame.Rebar(), band.bar));
        const RECT shown = RectIn(frame.MdiClientWindow(), frame.m_hWnd);
        Command(band.id);
        EXPECT_FALSE(IsRebarBandVisible(frame.Rebar(), band.bar)) << band.id;
        EXPECT_FALSE(HasVisibleStyle(band.bar)) << "the bar goes with its band";
        EXPECT_LT(RectIn(frame.MdiClientWindow(), frame.m_hWnd).top, shown.top) << "the band's row is given back";
        OpenMenu(MENU_POS_VIEW);
        EXPECT_FALSE(HasCheck(menu, band.id));
        Command(band.id);
        EXPECT_TRUE(IsRebarBandVisible(frame.Rebar(), band.bar)) << band.id;
        EXPECT_EQ(RectIn(frame.MdiClientWindow(), frame.m_hWnd).top, shown.top);
        OpenMenu(MENU_POS_VIEW);
        EXPECT_TRUE(HasCheck(menu, band.id));
    }
    Command(ID_VIEW_MENUBAR);
    Command(ID_VIEW_TOOLBAR);
    EXPECT_EQ(0, RectIn(frame.MdiClientWindow(), frame.m_hWnd).top) << "no empty rebar with both bands hidden";
    Command(ID_VIEW_MENUBAR);
    Command(ID_VIEW_TOOLBAR);

    RECT before{};
    ::GetWindowRect(frame.MdiClientWindow(), &before);
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(HasVisibleStyle(frame.StatusBar()));
    EXPECT_EQ(0, ::GetPrivateProfileIntA("EDITOR", "StatusBarVisible", -1, IniPath().c_str()));
    RECT hidden{};
    ::GetWindowRect(frame.MdiClientWindow(), &hidden);
    EXPECT_GT(hidden.bottom, before.bottom) << "the client takes the bar's place";
    OpenMenu(MENU_POS_VIEW);
    EXPECT_FALSE(HasCheck(menu, ID_VIEW_STATUS_BAR));
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(HasVisibleStyle(frame.StatusBar()));
    EXPECT_EQ(1, ::GetPrivateProfileIntA("EDITOR", "StatusBarVisible", -1, IniPath().c_str()));
    OpenMenu(MENU_POS_VIEW);
    EXPECT_TRUE(HasCheck(menu, ID_VIEW_STATUS_BAR));
}

TEST_F(MainFrameTest, RightClickOnTheBarsOffersTheBarMenu) {
    frame.SendMessage(WM_CONTEXTMENU, (WPARAM)frame.Toolbar(), MAKELPARAM(20, 20));
    Command(ID_VIEW_MENUBAR);  // hide the menu bar: its item is then unchecked
    frame.SendMessage(WM_CONTEXTMENU, (WPARAM)frame.Rebar(), MAKELPARAM(20, 20));
    Command(ID_VIEW_MENUBAR);
    RECT bar{};  // a point on the bar, where the default handling shows no window menu
    ::GetWindowRect(frame.StatusBar(), &bar);
    frame.SendMessage(WM_CONTEXTMENU, (WPARAM)frame.StatusBar(), MAKELPARAM(bar.left + 5, bar.top + 5));
    ASSERT_EQ(2u, frame.trackedMenus.size()) << "none for the status bar";
    EXPECT_EQ((std::vector<UINT>{ID_VIEW_MENUBAR, ID_VIEW_TOOLBAR}), frame.trackedMenus[0]);
    EXPECT_EQ((std::vector<UINT>{ID_VIEW_TOOLBAR}), frame.trackedMenus[1]);
}

TEST_F(MainFrameTest, CloseAllAsksEachDocumentToCloseFirst) {
    AddDocument("C:\\1.txt");
    AddDocument("C:\\2.txt");
    frame.CloseAllDocuments(true);
    Pump();
    EXPECT_TRUE(frame.DocumentWindows().empty());
    for (auto& document : documents) EXPECT_EQ(1, document->closeCount);
}

TEST_F(MainFrameTest, AHiddenStatusBarStaysHiddenAtTheNextStart) {
    ::WritePrivateProfileStringA("EDITOR", "StatusBarVisible", "0", IniPath().c_str());
    CMainFrame second;
    ASSERT_TRUE(second.CreateMainWindow());
    Pump();
    EXPECT_FALSE(HasVisibleStyle(second.StatusBar()));
    second.DestroyWindow();
    Pump();
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = ::GetWindow(lower, GW_HWNDPREV); w; w = ::GetWindow(w, GW_HWNDPREV))
        if (w == upper) return true;
    return false;
}

// Wine places a window that owns a topmost popup (the document tabs' tool
// tip) just below that popup instead of setting WS_EX_TOPMOST on it, so the
// command is judged by where the frame goes and by its menu check.
TEST_F(MainFrameTest, AlwaysOnTopToggles) {
    HWND other = ::CreateWindowA("STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_FALSE(IsAbove(frame, other));
    Command(ID_WINDOW_TOPMOST);
    EXPECT_TRUE(IsAbove(frame, other));
    EXPECT_TRUE(HasCheck(frame.Menu(), ID_WINDOW_TOPMOST));
    Command(ID_WINDOW_TOPMOST);
    EXPECT_FALSE(::GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(HasCheck(frame.Menu(), ID_WINDOW_TOPMOST));
    ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(IsAbove(frame, other));
    ::DestroyWindow(other);
}

// ---- the frame's other commands and messages --------------------------------------

TEST_F(MainFrameTest, ExitPostsCloseToTheFrame) {
    Command(ID_APP_EXIT);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, frame, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(MainFrameTest, ClipboardCommandsGoToTheFocusWindow) {
    CSpyDocument& document = AddDocument("C:\\a.txt");
    CRecorder focus;
    RECT rc{0, 0, 50, 20};
    ASSERT_TRUE(focus.Create(document, &rc, "", WS_CHILD | WS_VISIBLE));
    ::SetFocus(focus);
    ASSERT_EQ(focus.m_hWnd, ::GetFocus());
    Command(ID_EDIT_CUT);
    Command(ID_EDIT_COPY);
    Command(ID_EDIT_COPY);
    Command(ID_EDIT_PASTE);
    Pump();
    EXPECT_EQ(1, focus.counts[WM_CUT]);
    EXPECT_EQ(2, focus.counts[WM_COPY]);
    EXPECT_EQ(1, focus.counts[WM_PASTE]);
}

TEST_F(MainFrameTest, WebLinksOpenThroughTheShell) {
    const struct { UINT id; const char* target; int show; } rows[] = {
        {ID_HELP_TOPICS, "http://www.tarnwick.example.com/", SW_SHOW},
        {ID_HELP_HOME_PAGE, "http://www.tarnwick.example.com/", SW_SHOW},
        {ID_HELP_FEEDBACK, "mailto:feedback@tarnwick.example.com", SW_SHOW},
        {ID_HELP_DONATE, "http://www.tarnwick.example.com/donate.html", SW_SHOWMAXIMIZED},
    };
    for (const auto& row : rows) {
        Command(row.id);
        EXPECT_EQ(row.target, g_recorded.target) << row.id;
        EXPECT_EQ(row.show, g_recorded.show) << row.id;
    }
    EXPECT_EQ(4, g_recorded.opens);
}

TEST_F(MainFrameTest, ContextHelpWithoutAViewerSaysSo) {
    Command(ID_SEARCH_HELP);
    EXPECT_TRUE(m_boxes.boxes.empty()) << "nothing without a document";
    AddDocument("C:\\doc.bin", DocumentKind::Hex);
    Command(ID_SEARCH_HELP);
    EXPECT_TRUE(m_boxes.boxes.empty()) << "nothing for the hex view";
    AddDocument("C:\\a.c");
    Command(ID_SEARCH_HELP);
    ASSERT_EQ(1u, m_boxes.boxes.size());
    EXPECT_EQ("Cannot register vshelp.dll", m_boxes.boxes[0].text);
    EXPECT_EQ("", m_boxes.boxes[0].caption);
}

TEST_F(MainFrameTest, ClientDoubleClickFollowsTheEditorMask) {
    const struct { uint32_t mask; std::vector<WORD> commands; } rows[] = {
        {0x00, {ID_FILE_OPEN}}, {0x40, {ID_FILE_NEW}}, {0x80, {}}, {0xC0, {}}};
    for (const auto& row : rows) {
        g_appSettings->EditorMask = row.mask | kMaskWrap;  // other bits do not matter
        frame.commands.clear();
        ::SendMessageA(frame.MdiClientWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
        EXPECT_EQ(row.commands, frame.commands) << row.mask;
    }
}

TEST_F(MainFrameTest, ActivationAsksTheActiveDocumentToCheckItsFile) {
    CSpyDocument& document = AddDocument("C:\\a.txt");
    // Active already, so that the default handling activates nothing itself.
    ::SetActiveWindow(frame);
    Pump();
    document.checkFileCount = 0;
    frame.SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0);  // minimised
    frame.SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    Pump();
    EXPECT_EQ(0, document.checkFileCount);
    frame.SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    Pump();
    EXPECT_EQ(1, document.checkFileCount);
}

TEST_F(MainFrameTest, ColourAndSettingChangesReachEveryDescendant) {
    CSpyDocument& document = AddDocument("C:\\a.txt");
    CRecorder grandchild;
    RECT rc{0, 0, 10, 10};
    ASSERT_TRUE(grandchild.Create(document, &rc, "", WS_CHILD));
    for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        frame.SendMessage(message);
        EXPECT_EQ(1, grandchild.counts[message]) << message;
    }
}

TEST_F(MainFrameTest, MaximumSizeIsTwiceTheScreen) {
    MINMAXINFO info{};
    frame.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&info);
    LONG cx = 2 * ::GetSystemMetrics(SM_CXSCREEN), cy = 2 * ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(cx, info.ptMaxSize.x);
    EXPECT_EQ(cy, info.ptMaxSize.y);
    EXPECT_EQ(cx, info.ptMaxTrackSize.x);
    EXPECT_EQ(cy, info.ptMaxTrackSize.y);
}

TEST_F(MainFrameTest, KeysTheFrameDoesNotTranslateAreOfferedToTheActiveDocument) {
    MSG key{frame.MdiClientWindow(), WM_KEYDOWN, 'Q', 0, 0, {0, 0}};
    EXPECT_FALSE(frame.PreTranslateMessage(&key)) << "no document";
    CSpyDocument& document = AddDocument("C:\\a.txt");
    EXPECT_TRUE(frame.PreTranslateMessage(&key));
    EXPECT_EQ(1, document.forwardCount);
}

// Commands whose handler does nothing yet are never offered: not in any
// menu, whatever the document, and not on the toolbar.
TEST_F(MainFrameTest, NoCommandWithoutItsWorkIsEnabled) {
    const auto checkMenus = [&](const char* state) {
        for (int index = MENU_POS_FILE; index <= MENU_POS_HELP; ++index) {
            OpenMenu(index);
            for (const CommandRange& range : kPendingCommands)
                for (UINT id = range.first; id <= range.last; ++id) {
                    const UINT flags = ::GetMenuState(Popup(index), id, MF_BYCOMMAND);
                    if (flags != (UINT)-1) EXPECT_TRUE(flags & MF_GRAYED) << "id " << id << " " << state;
                }
        }
    };
    checkMenus("without a document");
    AddDocument("C:\\a.txt");
    checkMenus("with a document");
    const HWND toolbar = frame.Toolbar();
    const int count = static_cast<int>(::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        ::SendMessageA(toolbar, TB_GETBUTTON, i, (LPARAM)&button);
        if (button.idCommand && IsPendingCommand(button.idCommand))
            EXPECT_FALSE(::SendMessageA(toolbar, TB_ISBUTTONENABLED, button.idCommand, 0)) << button.idCommand;
    }
}

TEST_F(MainFrameTest, IdleStateReachesTheToolbar) {
    CSpyDocument& document = AddDocument("C:\\a.txt");
    HWND toolbar = frame.Toolbar();
    for (bool modified : {true, false}) {
        document.state.modified = modified;
        frame.OnIdle();
        EXPECT_EQ(modified, ::SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_FILE_SAVE, 0) != 0);
    }
    frame.EnableSearchButtons(false);
    Pump();
    EXPECT_FALSE(::SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_SEARCH_FIND_IN_FILES, 0));
    frame.EnableSearchButtons(true);
    Pump();
    EXPECT_TRUE(::SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_SEARCH_FIND_IN_FILES, 0));
}

TEST_F(MainFrameTest, EnumDocumentsWalksInTabOrderAndStops) {
    AddDocument("C:\\1.txt");
    AddDocument("C:\\2.txt");
    AddDocument("C:\\3.txt");
    Activate(*documents[0]);  // activation order must not matter
    std::vector<std::string> seen;
    frame.EnumDocuments(
        [](IFrameDocument* document, void* argument, void* result) {
            auto* list = (std::vector<std::string>*)result;
            list->push_back(document->Describe().path);
            return list->size() < (size_t)(INT_PTR)argument ? 1 : 0;
        },
        (void*)(INT_PTR)2, &seen);
    EXPECT_EQ((std::vector<std::string>{"C:\\1.txt", "C:\\2.txt"}), seen);
    EXPECT_NE(nullptr, frame.ToolBuffer());
}

TEST_F(MainFrameTest, DockedPanesShareTheRoomBetweenTheBars) {
    // Without the panes the frame docks at start.
    for (CDockPaneBase* pane : {static_cast<CDockPaneBase*>(frame.ConsolePane()),
                                static_cast<CDockPaneBase*>(frame.GetFindResultsPane(false)),
                                static_cast<CDockPaneBase*>(frame.GetFindResultsPane(true))})
        pane->Hide();
    Pump();
    RECT rebar = RectIn(frame.Rebar(), frame.m_hWnd), status = RectIn(frame.StatusBar(), frame.m_hWnd);
    RECT mdi = RectIn(frame.MdiClientWindow(), frame.m_hWnd);
    EXPECT_EQ(rebar.bottom, mdi.top);
    EXPECT_EQ(status.top, mdi.bottom);

    CTestPane pane;
    ASSERT_TRUE(pane.Create(frame.m_hWnd));
    DockMessage record{};
    record.pane = pane.m_hWnd;
    record.target = frame.m_hWnd;
    record.code = kDockAtPlacement;
    record.place.flags = kSideBottom;
    record.place.size = 100;
    record.place.length = 100;
    ASSERT_NE(0, SendDockMessage(frame.m_hWnd, record));
    Pump();
    RECT after = RectIn(frame.MdiClientWindow(), frame.m_hWnd);
    RECT docked = RectIn(pane.m_hWnd, frame.m_hWnd);
    EXPECT_EQ(mdi.top, after.top);
    EXPECT_EQ(mdi.bottom - 105, after.bottom) << "the pane and its bar come out of the MDI client";
    EXPECT_EQ(status.top, docked.bottom) << "the pane stays above the status bar";
}

// The find-results panes as two tabs of one box, pinned to the bottom bar
// and back, in the real frame with its real auto-hide bars.
class FrameDockingTest : public MainFrameTest {
protected:
    CDockPaneBase& ResultsPane(bool second) { return *frame.GetFindResultsPane(second); }
    CTabDockingBox* Box() { return CTabDockingBox::FromWindow(ResultsPane(false).Container()); }
    CAutoHideManager* Bars() { return dynamic_cast<CAutoHideManager*>(frame.AutoHideBars()); }
    static POINT Centre(HWND window, const RECT& part) {
        RECT w{};
        ::GetWindowRect(window, &w);
        return {w.left + (part.left + part.right) / 2, w.top + (part.top + part.bottom) / 2};
    }
    // A caption button press released on the button.
    static void PressButton(HWND window, int hit, POINT screen) {
        POINT client = screen;
        ::ScreenToClient(window, &client);
        ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        ::SendMessageA(window, WM_NCLBUTTONDOWN, hit, MAKELPARAM(screen.x, screen.y));
        Pump();
    }
};

TEST_F(FrameDockingTest, TheCommandAndFindResultsPanesAreTabsOfOneBoxAtTheBottom) {
    CTabDockingBox* box = Box();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ResultsPane(true).Container(), box->m_hWnd);
    ASSERT_EQ(box->PaneCount(), 3);
    EXPECT_EQ(box->PaneAt(0), frame.ConsolePane()->m_hWnd);
    EXPECT_EQ(box->PaneAt(1), ResultsPane(false).m_hWnd);
    EXPECT_EQ(box->PaneAt(2), ResultsPane(true).m_hWnd);
    EXPECT_EQ(box->ActivePane(), ResultsPane(false).m_hWnd) << "the first results pane shows";
    RECT boxRect = RectIn(box->m_hWnd, frame.m_hWnd), mdi = RectIn(frame.MdiClientWindow(), frame.m_hWnd);
    RECT status = RectIn(frame.StatusBar(), frame.m_hWnd);
    EXPECT_EQ(boxRect.bottom, status.top);
    // Docked before the side panes, the box spans the frame's whole width
    // under them and the documents.
    EXPECT_EQ(boxRect.left, status.left);
    EXPECT_EQ(boxRect.right, status.right) << "the box spans the bottom";
    EXPECT_LE(boxRect.left, mdi.left);
    EXPECT_GE(boxRect.right, mdi.right);
    // The second tab's command brings it forward in the box.
    Command(ID_PANE_FIND_RESULTS2);
    Pump();
    EXPECT_EQ(box->ActivePane(), ResultsPane(true).m_hWnd);
}

TEST_F(FrameDockingTest, PinningTheBoxMakesOneGroupThatSlidesOutAndUnpinsBack) {
    ParkCursor();
    CTabDockingBox* box = Box();
    ASSERT_NE(box, nullptr);
    CAutoHideManager* bars = Bars();
    ASSERT_NE(bars, nullptr) << "the frame installs its bars";
    const RECT before = RectIn(box->m_hWnd, frame.m_hWnd);
    // The command pane is the box's first tab, the results panes follow.
    HWND first = frame.ConsolePane()->m_hWnd, second = ResultsPane(false).m_hWnd, third = ResultsPane(true).m_hWnd;

    PressButton(box->m_hWnd, kHitPin, Centre(box->m_hWnd, box->Caption().pin.rect));
    ASSERT_EQ(bars->Bar(kSideBottom).entries.size(), 1u);
    auto* group = dynamic_cast<CGroupAutoHideEntry*>(bars->Bar(kSideBottom).entries[0].get());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Entries().size(), 3u);
    EXPECT_TRUE(ResultsPane(false).IsAutoHidden());
    EXPECT_TRUE(ResultsPane(true).IsAutoHidden());
    EXPECT_EQ(bars->ShownPane(), second) << "a pinned box shows its active pane at once";
    ASSERT_TRUE(bars->HidePane(false));

    // Hovering the tab slides it out; mouse and focus away slide it back.
    ::SetForegroundWindow(frame.m_hWnd);
    const RECT& bar = bars->Bar(kSideBottom).rect;
    POINT tab{bar.left + 8, (bar.top + bar.bottom) / 2};
    POINT screen = tab;
    ::ClientToScreen(frame.m_hWnd, &screen);
    ::SetCursorPos(screen.x, screen.y);
    frame.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(tab.x, tab.y));
    frame.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(tab.x, tab.y));
    Pump();
    ASSERT_EQ(bars->ShownPane(), first);
    EXPECT_TRUE(::IsWindowVisible(bars->m_hWnd));
    EXPECT_EQ(RectIn(bars->m_hWnd, frame.m_hWnd).bottom, bar.top);
    ParkCursor();
    ::SetFocus(frame.m_hWnd);
    bars->SendMessage(WM_TIMER, kAutoHideTimer);
    Pump();
    EXPECT_EQ(bars->ShownPane(), nullptr);
    EXPECT_FALSE(::IsWindowVisible(bars->m_hWnd));

    // The manager's pin button docks both back into one box at the bottom.
    frame.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(tab.x, tab.y));
    frame.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(tab.x, tab.y));
    Pump();
    ASSERT_EQ(bars->ShownPane(), first);
    PressButton(bars->m_hWnd, kHitPin, Centre(bars->m_hWnd, bars->Caption().pin.rect));
    EXPECT_TRUE(bars->Bar(kSideBottom).Empty());
    CTabDockingBox* back = Box();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(CTabDockingBox::FromWindow(ResultsPane(true).Container()), back);
    EXPECT_EQ(back->PaneAt(0), first);
    EXPECT_EQ(back->PaneAt(1), second);
    EXPECT_EQ(back->PaneAt(2), third);
    RECT now = RectIn(back->m_hWnd, frame.m_hWnd);
    EXPECT_EQ(now.bottom, before.bottom);
    EXPECT_EQ(now.left, before.left);
    EXPECT_EQ(now.right, before.right);
    EXPECT_TRUE(::IsWindowVisible(back->m_hWnd));
}

// Answers the save-modified dialog with a button once it is up; the
// dialog's own modal loop dispatches this thread timer.
WORD g_dialogAnswer = 0;
bool g_dialogSeen = false;
void CALLBACK AnswerSaveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        if (::GetWindowThreadProcessId(w, &pid) != ::GetCurrentThreadId() || !::IsWindowVisible(w)) continue;
        ::KillTimer(nullptr, timer);
        g_dialogSeen = true;
        ::PostMessageA(w, WM_COMMAND, g_dialogAnswer, 0);
        return;
    }
}

class ClosingTest : public MainFrameTest {
protected:
    // Sends WM_CLOSE with the dialog answered by `answer` (0: no dialog expected).
    void Close(WORD answer) {
        g_dialogAnswer = answer;
        g_dialogSeen = false;
        UINT_PTR timer = answer ? ::SetTimer(nullptr, 0, 30, AnswerSaveDialog) : 0;
        ::SendMessageA(frame.m_hWnd, WM_CLOSE, 0, 0);
        if (timer) ::KillTimer(nullptr, timer);
        Pump();
    }
};

TEST_F(ClosingTest, YesSavesTheModifiedDocumentsAndCloses) {
    CSpyDocument& a = AddDocument("C:\\a.txt");
    CSpyDocument& b = AddDocument("C:\\b.txt");
    CSpyDocument& clean = AddDocument("C:\\clean.txt");
    a.state.modified = b.state.modified = true;
    Close(IDYES);
    EXPECT_TRUE(g_dialogSeen);
    EXPECT_EQ(1, a.saveCount);
    EXPECT_EQ(1, b.saveCount);
    EXPECT_EQ(0, clean.saveCount);
    EXPECT_FALSE(::IsWindow(frame.m_hWnd));
}

TEST_F(ClosingTest, NoClosesWithoutSavingAndCancelKeepsEverything) {
    CSpyDocument& a = AddDocument("C:\\a.txt");
    a.state.modified = true;
    Close(IDCANCEL);
    EXPECT_TRUE(g_dialogSeen);
    EXPECT_EQ(0, a.saveCount);
    ASSERT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_TRUE(::IsWindow(a.m_hWnd));
    Close(IDNO);
    EXPECT_EQ(0, a.saveCount);
    EXPECT_FALSE(::IsWindow(frame.m_hWnd));
}

TEST_F(ClosingTest, ASaveThatFailsKeepsTheEditorOpen) {
    for (LRESULT failure : {(LRESULT)E_ABORT, (LRESULT)-1}) {
        CSpyDocument& a = AddDocument("C:\\a.txt");
        a.state.modified = true;
        a.saveAnswer = failure;
        Close(IDYES);
        EXPECT_EQ(1, a.saveCount);
        ASSERT_TRUE(::IsWindow(frame.m_hWnd)) << failure;
        EXPECT_TRUE(::IsWindow(a.m_hWnd));
        a.state.modified = false;  // out of the way of the next round
    }
}

TEST_F(ClosingTest, WithoutModifiedDocumentsTheCloseAsksNothingAndWritesTheSession) {
    TempFolder files;
    files.Write("one.txt", "1");
    files.Write("two.txt", "2");
    CSpyDocument& one = AddDocument(files.File("one.txt"));
    AddDocument("<new>");
    CSpyDocument& two = AddDocument(files.File("two.txt"));
    one.session.hasViewState = true;
    one.session.startPos = 4;
    one.session.marks = {0, 5};
    ::SendMessageA(frame.MdiClientWindow(), WM_MDIACTIVATE, (WPARAM)two.m_hWnd, 0);
    Close(0);
    EXPECT_FALSE(::IsWindow(frame.m_hWnd));
    Session written;
    ASSERT_TRUE(ReadSessionFile(g_environment->folder->File("session.xml"), written));
    ASSERT_EQ(2u, written.files.size()) << "the untitled document is left out";
    EXPECT_EQ(1, written.index) << "counted over the written entries";
    EXPECT_EQ(files.File("one.txt"), written.files[0].path);
    EXPECT_EQ(4, written.files[0].startPos);
    EXPECT_EQ((std::vector<int>{0, 5}), written.files[0].marks);
    ::DeleteFileA(g_environment->folder->File("session.xml").c_str());
}

TEST_F(MainFrameTest, LoadingASessionSkipsMissingFilesAndActivatesItsDocument) {
    TempFolder files;
    files.Write("one.txt", "1");
    files.Write("two.txt", "2");
    Session session;
    session.index = 2;
    for (const char* name : {"one.txt", "missing.txt", "two.txt"}) {
        SessionEntry entry;
        entry.path = files.File(name);
        session.files.push_back(entry);
    }
    std::string path = files.File("s.tws");
    ASSERT_TRUE(WriteSessionFile(path, session));
    frame.LoadSession(path);
    Pump();
    // The documents' paths: their titles are the file names unless EditorMask bit 2 is set.
    std::vector<std::string> paths;
    for (HWND window : frame.DocumentWindows()) paths.push_back(FrameDocumentOf(window)->Describe().path);
    EXPECT_EQ((std::vector<std::string>{files.File("one.txt"), files.File("two.txt")}), paths);
    EXPECT_EQ(files.File("two.txt"), FrameDocumentOf(frame.GetActiveMdiChild())->Describe().path);
    frame.LoadSession(files.File("absent.tws"));  // nothing happens
    EXPECT_EQ(2u, frame.DocumentWindows().size());
}

TEST_F(MainFrameTest, DocumentTabsCarryTheThreeStateImages) {
    EXPECT_EQ(3, ::ImageList_GetImageCount(frame.TabOwner().GetImageList()));
    CSpyDocument& document = AddDocument("C:\\a.txt");
    // A document window announces itself and its state as the document frames do.
    ::SendMessageA(frame.MdiClientWindow(), WM_MDI_ACTIVATED, (WPARAM)document.m_hWnd, 0);
    int tab = frame.TabOwner().FindTab(document.m_hWnd);
    ASSERT_GE(tab, 0);
    ::SendMessageA(frame.MdiClientWindow(), WM_MDI_TABSTATE, (WPARAM)document.m_hWnd, 1);
    EXPECT_EQ(1, frame.TabOwner().Strip().GetItem(tab)->image);
}

}  // namespace
