// The explorer pane as a real window in a fixture folder, over a stand-in
// host: its content made only once it is seen, the filter, opening a file with a double click, browsing with back,
// forward and up and their buttons, a new folder, the view mode, the saved
// state, and the messages for a missing folder and a duplicate favourite; the path list picked with the mouse and the toolbar's band.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "ExplorerPane.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "TempFolder.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

struct RecordingHost : IExplorerPaneHost {
    std::vector<std::string> opened;
    int organized = 0;
    void OpenDocument(const char* path) override { opened.push_back(path); }
    void OrganizeFavorites() override { ++organized; }
};

std::string LongPath(const std::string& path) {
    char full[MAX_PATH] = {};
    return ::GetLongPathNameA(path.c_str(), full, sizeof(full)) ? full : path;
}

class ExplorerPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_files.Write("a.c", "int a;\n");
        m_files.Write("b.h", "int b;\n");
        m_files.Write("c.txt", "c\n");
        ::CreateDirectoryA(m_files.File("sub").c_str(), nullptr);
        m_files.Write("sub\\inner.txt", "i\n");
        g_appSettings->WriteString("USER", "path", m_files.Path().c_str());
        g_appSettings->WriteString("USER", "filter", "*.*");
        m_owner = ::CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        MakePane();
    }
    void TearDown() override {
        m_pane.reset();
        ::DestroyWindow(m_owner);
        PumpFrameMessages();
    }
    // Shown unless asked not to: a hidden pane has no content yet.
    void MakePane(bool show = true) {
        m_pane.reset();
        m_pane = std::make_unique<CExplorerPane>(m_host);
        const RECT rect{50, 50, 450, 550};
        ASSERT_TRUE(m_pane->Create(m_owner, rect, "文件", kDefaultPaneStyle & ~WS_VISIBLE));
        if (show) m_pane->ShowWindow(SW_SHOWNOACTIVATE);
        PumpFrameMessages();
    }
    int ChildCount(const char* className) const {
        int count = 0;
        for (HWND child = ::FindWindowExA(m_pane->m_hWnd, nullptr, className, nullptr); child;
             child = ::FindWindowExA(m_pane->m_hWnd, child, className, nullptr))
            ++count;
        return count;
    }
    HWND List() const {
        return m_pane->ViewWindow() ? ::FindWindowExA(m_pane->ViewWindow(), nullptr, "SysListView32", nullptr)
                                    : nullptr;
    }
    std::vector<std::string> Names() const {
        PumpFrameMessages();
        std::vector<std::string> names;
        const HWND list = List();
        const int count = list ? (int)::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) : 0;
        for (int i = 0; i < count; ++i) names.push_back(ItemText(i));
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string ItemText(int index) const {
        char text[MAX_PATH] = {};
        LVITEMA item{};
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(List(), LVM_GETITEMTEXTA, index, (LPARAM)&item);
        return text;
    }
    // A double click on the item that begins with name, as the mouse gives it.
    void DoubleClick(const std::string& name) {
        const HWND list = List();
        ASSERT_TRUE(list);
        int index = -1;
        for (int i = 0, n = (int)::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); i < n; ++i)
            if (ItemText(i).rfind(name, 0) == 0) index = i;
        ASSERT_GE(index, 0) << name;
        LVITEMA state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(list, LVM_SETITEMSTATE, index, (LPARAM)&state);
        RECT rect{};
        rect.left = LVIR_LABEL;
        ::SendMessageA(list, LVM_GETITEMRECT, index, (LPARAM)&rect);
        const LPARAM at = MAKELPARAM(rect.left + 2, (rect.top + rect.bottom) / 2);
        ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageA(list, WM_LBUTTONUP, 0, at);
        PumpFrameMessages();
    }
    void Command(int id) {
        ::SendMessageA(m_pane->m_hWnd, WM_COMMAND, id, 0);
        PumpFrameMessages();
    }
    std::string Here() const { return LongPath(m_pane->CurrentPath()); }
    std::string Folder(const std::string& name = "") const {
        return LongPath(name.empty() ? m_files.Path() : m_files.File(name));
    }

    TempFolder m_files;
    RecordingHost m_host;
    HWND m_owner = nullptr;
    std::unique_ptr<CExplorerPane> m_pane;
};

}  // namespace

TEST_F(ExplorerPaneTest, OpensAtTheStoredFolder) {
    EXPECT_EQ(Folder(), Here());
    ASSERT_TRUE(m_pane->View());
    EXPECT_EQ((std::vector<std::string>{"a.c", "b.h", "c.txt", "sub"}), Names());
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_FORWARD));
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_UP));
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_NEW_FOLDER));
}

TEST_F(ExplorerPaneTest, AHiddenPaneMakesItsContentWhenShownAndOnlyOnce) {
    MakePane(false);
    EXPECT_FALSE(m_pane->View());
    EXPECT_FALSE(m_pane->PathCombo());
    EXPECT_FALSE(m_pane->FilterCombo());
    EXPECT_FALSE(m_pane->Toolbar());
    EXPECT_EQ(0, ChildCount(nullptr));
    EXPECT_TRUE(m_pane->CurrentPath().empty());

    m_pane->ShowWindow(SW_SHOWNOACTIVATE);
    PumpFrameMessages();
    ASSERT_TRUE(m_pane->View());
    EXPECT_EQ(Folder(), Here());
    EXPECT_EQ((std::vector<std::string>{"a.c", "b.h", "c.txt", "sub"}), Names());
    const HWND path = m_pane->PathCombo(), view = m_pane->ViewWindow();
    m_pane->ShowWindow(SW_HIDE);
    m_pane->ShowWindow(SW_SHOWNOACTIVATE);
    PumpFrameMessages();
    EXPECT_EQ(path, m_pane->PathCombo());
    EXPECT_EQ(view, m_pane->ViewWindow());
    EXPECT_EQ(2, ChildCount(WC_COMBOBOXEXA));
    EXPECT_EQ(1, ChildCount(TOOLBARCLASSNAMEA));
}

TEST_F(ExplorerPaneTest, APaneSeenBecauseItsContainerWasShownMakesItsContent) {
    // A child of a hidden window, visible itself without being shown: it
    // is seen only when its container is, with no message of its own.
    MakePane(false);
    const HWND box = ::CreateWindowExA(0, "STATIC", "box", WS_POPUP | WS_CLIPCHILDREN, 60, 60, 400, 500, nullptr,
                                       nullptr, nullptr, nullptr);
    ASSERT_TRUE(box);
    ::SetWindowLongPtrA(m_pane->m_hWnd, GWL_STYLE, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    ::SetParent(m_pane->m_hWnd, box);
    ::SetWindowPos(m_pane->m_hWnd, nullptr, 0, 0, 400, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::SetWindowLongPtrA(m_pane->m_hWnd, GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    PumpFrameMessages();
    EXPECT_FALSE(m_pane->View());

    ::ShowWindow(box, SW_SHOWNOACTIVATE);
    PumpFrameMessages();
    EXPECT_TRUE(m_pane->View());
    EXPECT_EQ(Folder(), Here());
    m_pane->DestroyWindow();
    ::DestroyWindow(box);
}

TEST_F(ExplorerPaneTest, ACallerThatNeedsTheContentGetsItFromAHiddenPane) {
    MakePane(false);
    m_pane->SelectFile(m_files.File("b.h"));
    ASSERT_TRUE(m_pane->View());
    EXPECT_FALSE(::IsWindowVisible(m_pane->m_hWnd));
    EXPECT_EQ(Folder(), Here());
    EXPECT_EQ((std::vector<std::string>{"a.c", "b.h", "c.txt", "sub"}), Names());
    // Built while hidden, not again once shown.
    const HWND path = m_pane->PathCombo();
    m_pane->ShowWindow(SW_SHOWNOACTIVATE);
    PumpFrameMessages();
    EXPECT_EQ(path, m_pane->PathCombo());
    EXPECT_EQ(2, ChildCount(WC_COMBOBOXEXA));
}

TEST_F(ExplorerPaneTest, TheFilterHidesFilesButNotFolders) {
    m_pane->ApplyFilter("Sources (*.c;*.h)");
    EXPECT_EQ((std::vector<std::string>{"a.c", "b.h", "sub"}), Names());
    // Typed into the filter combo and ended with Enter.
    NMCBEENDEDITA edit{};
    edit.hdr.hwndFrom = m_pane->FilterCombo();
    edit.hdr.idFrom = CExplorerPane::kFilterComboId;
    edit.hdr.code = CBEN_ENDEDITA;
    edit.fChanged = TRUE;
    edit.iWhy = CBENF_RETURN;
    lstrcpyA(edit.szText, "*.txt");
    ::SendMessageA(m_pane->m_hWnd, WM_NOTIFY, edit.hdr.idFrom, (LPARAM)&edit);
    EXPECT_EQ("*.txt", m_pane->Pattern());
    EXPECT_EQ((std::vector<std::string>{"c.txt", "sub"}), Names());
}

TEST_F(ExplorerPaneTest, ADoubleClickOpensAFileInTheEditor) {
    DoubleClick("c.txt");
    ASSERT_EQ(1u, m_host.opened.size());
    EXPECT_EQ(Folder("c.txt"), LongPath(m_host.opened[0]));
    EXPECT_EQ(Folder(), Here());
}

TEST_F(ExplorerPaneTest, BrowsingIntoAFolderAndBackForwardAndUp) {
    DoubleClick("sub");
    EXPECT_EQ(Folder("sub"), Here());
    EXPECT_TRUE(m_host.opened.empty());
    EXPECT_EQ((std::vector<std::string>{"inner.txt"}), Names());
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_FORWARD));

    Command(ID_EXPLORER_BACK);
    EXPECT_EQ(Folder(), Here());
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_FORWARD));

    Command(ID_EXPLORER_FORWARD);
    EXPECT_EQ(Folder("sub"), Here());
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_FORWARD));

    Command(ID_EXPLORER_UP);
    EXPECT_EQ(Folder(), Here());
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
}

TEST_F(ExplorerPaneTest, UpIsDisabledAtTheDesktop) {
    m_pane->BrowseTo(SpecialFolderList(CSIDL_DESKTOP), true);
    PumpFrameMessages();
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_UP));
    EXPECT_TRUE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
    Command(ID_EXPLORER_UP);  // goes nowhere
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_UP));
}

TEST_F(ExplorerPaneTest, NewFolderMakesOne) {
    Command(ID_EXPLORER_NEW_FOLDER);
    // Named by the view's own verb (Wine's "新文件夹") or by our stand-in.
    std::vector<std::string> folders;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA(m_files.File("*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != ".." && name != "sub")
            folders.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    ASSERT_EQ(1u, folders.size());
    const std::vector<std::string> names = Names();
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), folders[0]));
    EXPECT_EQ(5u, names.size());
}

TEST_F(ExplorerPaneTest, TheViewModeChanges) {
    for (int id : {ID_EXPLORER_VIEW_LIST, ID_EXPLORER_VIEW_ICONS, ID_EXPLORER_VIEW_DETAILS}) {
        Command(id);
        const UINT expected = id == ID_EXPLORER_VIEW_LIST ? FVM_LIST : id == ID_EXPLORER_VIEW_ICONS ? FVM_ICON : FVM_DETAILS;
        EXPECT_EQ(expected, m_pane->ViewMode()) << id;
    }
}

TEST_F(ExplorerPaneTest, TheSavedStateRoundTrips) {
    DoubleClick("sub");
    ::SetWindowTextA(m_pane->FilterCombo(), "*.txt");
    m_pane->SaveState();
    EXPECT_EQ(Folder("sub"), LongPath(g_appSettings->ReadString("USER", "path", "")));
    EXPECT_EQ("*.txt", g_appSettings->ReadString("USER", "filter", ""));
    MakePane();
    EXPECT_EQ(Folder("sub"), Here());
    EXPECT_EQ("*.txt", m_pane->Pattern());

    // The documents folder by its name, and back as the documents folder.
    m_pane->BrowseTo(SpecialFolderList(CSIDL_PERSONAL), false);
    m_pane->SaveState();
    EXPECT_EQ(CExplorerPane::kDocumentsPath, g_appSettings->ReadString("USER", "path", ""));
    MakePane();
    ItemIdList documents = SpecialFolderList(CSIDL_PERSONAL);
    EXPECT_TRUE(::ILIsEqual(documents.get(), m_pane->CurrentList()));

    // The desktop directory comes back as the desktop itself.
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, TRUE));
    g_appSettings->WriteString("USER", "path", desktop);
    MakePane();
    ASSERT_TRUE(m_pane->CurrentList());
    EXPECT_EQ(0, m_pane->CurrentList()->mkid.cb);
}

TEST_F(ExplorerPaneTest, AMissingFolderAndADuplicateFavouriteAreTold) {
    RecordedMessageBoxes boxes;
    EXPECT_FALSE(m_pane->BrowseToPath(m_files.File("gone")));
    ASSERT_EQ(1u, boxes.Texts().size());
    EXPECT_NE(std::string::npos, boxes.Texts()[0].find(m_files.File("gone")));
    EXPECT_EQ(Folder(), Here());

    g_appSettings->ClearSection("FAVORITE");
    Command(ID_EXPLORER_ADD_FAVORITE);
    EXPECT_EQ(Folder(), LongPath(g_appSettings->ReadString("FAVORITE", "1", "")));
    Command(ID_EXPLORER_ADD_FAVORITE);
    EXPECT_EQ(2u, boxes.Texts().size());
    EXPECT_EQ("", g_appSettings->ReadString("FAVORITE", "2", ""));
    Command(ID_EXPLORER_FAVORITE_FIRST);  // favourite 1
    EXPECT_EQ(Folder(), Here());
    Command(ID_EXPLORER_ORGANIZE);
    EXPECT_EQ(1, m_host.organized);
}

namespace {

struct PathEntry {
    std::string text;
    int indent;
};

std::vector<PathEntry> PathEntries(HWND combo) {
    std::vector<PathEntry> entries;
    for (int i = 0, n = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
        char text[MAX_PATH] = {};
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT | CBEIF_INDENT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(combo, CBEM_GETITEMA, 0, (LPARAM)&item);
        entries.push_back({text, item.iIndent});
    }
    return entries;
}

}  // namespace

TEST_F(ExplorerPaneTest, ThePathListPlacesTheCurrentFolderUnderItsAncestors) {
    DoubleClick("sub");
    ASSERT_EQ(Folder("sub"), Here());
    ::SendMessageA(m_pane->m_hWnd, WM_COMMAND, MAKEWPARAM(CExplorerPane::kPathComboId, CBN_DROPDOWN),
                   (LPARAM)m_pane->PathCombo());
    const std::vector<PathEntry> entries = PathEntries(m_pane->PathCombo());
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(0, entries[0].indent);  // the desktop
    // The fixture folder and "sub" below it, each one level deeper than the one before.
    int fixture = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string leaf = m_files.Path().substr(m_files.Path().rfind('\\') + 1);
        if (LongPath(entries[i].text) == Folder() || entries[i].text == leaf) fixture = (int)i;
    }
    ASSERT_GE(fixture, 0);
    ASSERT_LT(fixture + 1, (int)entries.size());
    EXPECT_EQ("sub", entries[fixture + 1].text);
    EXPECT_EQ(entries[fixture].indent + 1, entries[fixture + 1].indent);

    // Choosing an item and closing the list browses there, without history.
    ::SendMessageA(m_pane->PathCombo(), CB_SETCURSEL, fixture, 0);
    ::SendMessageA(m_pane->m_hWnd, WM_COMMAND, MAKEWPARAM(CExplorerPane::kPathComboId, CBN_SELCHANGE),
                   (LPARAM)m_pane->PathCombo());
    ::SendMessageA(m_pane->m_hWnd, WM_COMMAND, MAKEWPARAM(CExplorerPane::kPathComboId, CBN_CLOSEUP),
                   (LPARAM)m_pane->PathCombo());
    PumpFrameMessages();
    EXPECT_EQ(0, (int)::SendMessageA(m_pane->PathCombo(), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(Folder(), Here());
    Command(ID_EXPLORER_BACK);  // the one step recorded is the double click's
    EXPECT_EQ(Folder(), Here());
    EXPECT_FALSE(m_pane->IsButtonEnabled(ID_EXPLORER_BACK));
}

// The mouse path: the list dropped by the combo itself and an item clicked in
// it, so the combo sends its own notifications in its own order.
TEST_F(ExplorerPaneTest, ADrivePickedWithTheMouseInThePathListBrowsesThere) {
    const HWND combo = (HWND)::SendMessageA(m_pane->PathCombo(), CBEM_GETCOMBOCONTROL, 0, 0);
    ASSERT_TRUE(combo);
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpFrameMessages();
    COMBOBOXINFO info{sizeof(info)};
    ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
    ASSERT_TRUE(::IsWindowVisible(info.hwndList));
    const std::vector<PathEntry> entries = PathEntries(m_pane->PathCombo());
    int drive = -1;
    for (size_t i = 0; i < entries.size() && drive < 0; ++i)
        if (entries[i].indent == 2 && entries[i].text.find("C:") != std::string::npos) drive = (int)i;
    ASSERT_GE(drive, 0);

    RECT rect{};
    ::SendMessageA(info.hwndList, LB_SETTOPINDEX, drive, 0);
    ASSERT_NE(LB_ERR, (int)::SendMessageA(info.hwndList, LB_GETITEMRECT, drive, (LPARAM)&rect));
    const LPARAM at = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
    ::SendMessageA(info.hwndList, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(info.hwndList, WM_LBUTTONUP, 0, at);
    PumpFrameMessages();
    EXPECT_FALSE(::IsWindowVisible(info.hwndList));
    EXPECT_EQ("C:\\", Here());
    EXPECT_EQ(0, (int)::SendMessageA(m_pane->PathCombo(), CB_GETCOUNT, 0, 0));
}

// The toolbar draws no background of its own: what lies behind its buttons is
// the pane's to paint, whether the toolbar repaints with or without an erase,
// so stale pixels (here a marker colour) never stay.
TEST_F(ExplorerPaneTest, TheToolbarBandIsPaintedWithThePaneBackground) {
    const HWND toolbar = m_pane->BrowserToolbar();
    ASSERT_TRUE(toolbar);
    RECT client{};
    ::GetClientRect(toolbar, &client);
    ASSERT_GT(client.right, 40);
    // Points past the last button and between the buttons' tops and the edge.
    const POINT points[] = {{client.right - 3, client.bottom / 2}, {client.right - 3, 1}, {client.right / 2, 0}};
    const COLORREF marker = RGB(255, 0, 0);
    for (const UINT redraw : {RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, RDW_INVALIDATE | RDW_UPDATENOW}) {
        HDC dc = ::GetDC(toolbar);
        const HBRUSH brush = ::CreateSolidBrush(marker);
        ::FillRect(dc, &client, brush);
        ::DeleteObject(brush);
        ASSERT_EQ(marker, ::GetPixel(dc, points[0].x, points[0].y));
        ::RedrawWindow(toolbar, nullptr, nullptr, redraw);
        PumpFrameMessages();
        for (const POINT& point : points)
            EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(dc, point.x, point.y))
                << "redraw " << redraw << " at " << point.x << "," << point.y;
        // ...and the buttons are still drawn over it.
        RECT button{};
        ::SendMessageA(toolbar, TB_GETITEMRECT, 0, (LPARAM)&button);
        bool drawn = false;
        for (int y = button.top; y < button.bottom && !drawn; ++y)
            for (int x = button.left; x < button.right && !drawn; ++x)
                drawn = ::GetPixel(dc, x, y) != ::GetSysColor(COLOR_BTNFACE);
        EXPECT_TRUE(drawn) << "redraw " << redraw;
        ::ReleaseDC(toolbar, dc);
    }
}
