// Window layouts and screen modes on a real main frame: "default.ui" made
// at the first start and restored at the next, the layouts submenu over the
// "ui" folder, a user layout saved and restored, and the two screen modes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "AppSettings.h"
#include "DockPane.h"
#include "DocumentFrame.h"
#include "EditorView.h"
#include "EncodingFileDialog.h"
#include "FontSchemes.h"
#include "HexView.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "MainFrameLayout.h"
#include "resource.h"

inline bool operator==(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

std::string ProgramFile(const std::string& name) { return g_environment->folder->File(name); }
std::string UiFolder() { return ProgramFile("ui"); }

std::string ReadFile(const std::string& path) {
    std::string text;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) text.append(buffer, read);
    ::CloseHandle(file);
    return text;
}

// The file with the window handles of its pane records (pane and target,
// the first 8 bytes) blanked: they differ from run to run.
std::string WithoutHandles(const std::string& text) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (line.rfind("Wnd-0x", 0) == 0 && line.find('=') != std::string::npos) {
            size_t value = line.find('=') + 1;
            line.replace(value, std::min<size_t>(24, line.size() - value), 24, '.');
        }
        out += line + "\n";
        at = end + 1;
    }
    return out;
}

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

std::string g_chosenPath;
BOOL ChoosePath(OPENFILENAMEA* dialog) {
    lstrcpynA(dialog->lpstrFile, g_chosenPath.c_str(), dialog->nMaxFile);
    return TRUE;
}

// The frame with the items of the popup menus it tracks noted (id, text,
// checked), each menu closed at once.
class CMenuRecordingFrame : public CMainFrame {
public:
    struct Item {
        UINT id;
        std::string text;
        bool checked;
    };
    std::vector<std::vector<Item>> trackedMenus;
    bool ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM w, LPARAM l, LRESULT& result, DWORD mapId) override {
        if (msg == WM_ENTERIDLE && w == MSGF_MENU) ::EndMenu();
        if (msg == WM_INITMENUPOPUP && !HIWORD(l) && (HMENU)w != ::GetSubMenu(Menu(), LOWORD(l))) {
            std::vector<Item> items;
            for (int i = 0; i < ::GetMenuItemCount((HMENU)w); ++i) {
                char text[128] = {};
                ::GetMenuStringA((HMENU)w, i, text, sizeof text, MF_BYPOSITION);
                UINT state = ::GetMenuState((HMENU)w, i, MF_BYPOSITION);
                items.push_back({::GetMenuItemID((HMENU)w, i), text, (state & MF_CHECKED) != 0});
            }
            trackedMenus.push_back(items);
        }
        return CMainFrame::ProcessWindowMessage(hWnd, msg, w, l, result, mapId);
    }
};

class MainFrameLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::DeleteFileA(ProgramFile("default.ui").c_str());
        ::CreateDirectoryA(UiFolder().c_str(), nullptr);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    }
    void TearDown() override {
        if (frame && frame->m_hWnd) frame->DestroyWindow();
        PumpFrameMessages();
        frame.reset();
        g_mainFrame = nullptr;
        SetFileDialogRunner([](OPENFILENAMEA*) -> BOOL { return FALSE; });
        WIN32_FIND_DATAA found{};
        HANDLE search = ::FindFirstFileA((UiFolder() + "\\*.ui").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do ::DeleteFileA((UiFolder() + "\\" + found.cFileName).c_str());
            while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::DeleteFileA(ProgramFile("default.ui").c_str());
        ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &workArea, 0);
    }
    void Start() {
        frame = std::make_unique<CMenuRecordingFrame>();
        ASSERT_TRUE(frame->CreateMainWindow());
        g_mainFrame = frame.get();
        PumpFrameMessages();  // the posted start-up restores the layout
    }
    void Close() {
        frame->SendMessage(WM_CLOSE);
        PumpFrameMessages();
        EXPECT_FALSE(::IsWindow(frame->m_hWnd));
        frame.reset();
        g_mainFrame = nullptr;
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); PumpFrameMessages(); }
    HMENU LayoutsMenu() const {
        return ::GetSubMenu(::GetSubMenu(frame->Menu(), MENU_POS_WINDOW), MENU_POS_WINDOW_LAYOUTS);
    }
    RECT NormalRect() const {
        WINDOWPLACEMENT w{sizeof w};
        ::GetWindowPlacement(frame->m_hWnd, &w);
        return w.rcNormalPosition;
    }

    RECT workArea{};
    RecordedMessageBoxes boxes;
    std::unique_ptr<CMenuRecordingFrame> frame;
};

TEST_F(MainFrameLayoutTest, TheFirstStartWritesDefaultUiAndTheNextRestoresIt) {
    Start();
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
    std::string made = ReadFile(ProgramFile("default.ui"));
    EXPECT_NE(made.find("[MainWindow]"), std::string::npos);
    EXPECT_NE(made.find("band1="), std::string::npos);
    EXPECT_NE(made.find("Wnd-0xfffffffa="), std::string::npos);  // the second find-results pane
    EXPECT_FALSE(::SendMessageA(frame->Toolbar(), TB_ISBUTTONENABLED, ID_FILE_PRINT, 0));

    frame->SetWindowPos(nullptr, 120, 90, 700, 520, SWP_NOZORDER);
    RECT placed = NormalRect();
    Close();
    std::string closed = ReadFile(ProgramFile("default.ui"));
    ASSERT_NE(closed, made);

    Start();
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
    EXPECT_EQ(NormalRect(), placed);
    Close();
    // A round trip changes nothing but the handles of this run's windows.
    EXPECT_EQ(WithoutHandles(ReadFile(ProgramFile("default.ui"))), WithoutHandles(closed));
}

TEST_F(MainFrameLayoutTest, ADamagedDefaultUiStillShowsTheFrame) {
    ::WritePrivateProfileStringA("MainWindow", "placement", "2c 00 00", ProgramFile("default.ui").c_str());
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, ProgramFile("default.ui").c_str());
    Start();
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
    RECT r = WindowRect(frame->m_hWnd);
    EXPECT_GT(r.right - r.left, 200);
    EXPECT_GT(r.bottom - r.top, 150);
}

TEST_F(MainFrameLayoutTest, TheLayoutsMenuListsAtMost21FilesAfterASeparator) {
    Start();
    EXPECT_EQ(::GetMenuItemCount(LayoutsMenu()), 2);  // no files, no separator
    frame.reset();
    for (int i = 0; i < 25; ++i) {
        char name[16];
        wsprintfA(name, "\\l%02d.ui", i);
        ::WritePrivateProfileStringA("General", "x", "1", (UiFolder() + name).c_str());
    }
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
    Start();
    HMENU menu = LayoutsMenu();
    ASSERT_EQ(::GetMenuItemCount(menu), 2 + 1 + 21);
    EXPECT_EQ(::GetMenuItemID(menu, 0), (UINT)ID_LAYOUT_LOAD);
    EXPECT_EQ(::GetMenuItemID(menu, 1), (UINT)ID_LAYOUT_SAVE);
    EXPECT_TRUE(::GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(menu, 3), (UINT)ID_LAYOUT_FIRST);
    EXPECT_EQ(::GetMenuItemID(menu, 23), (UINT)ID_LAYOUT_LAST);
    char text[64] = {};
    ::GetMenuStringA(menu, 3, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "l00.ui");
}

TEST_F(MainFrameLayoutTest, AUserLayoutSavedUnderUiIsListedAndRestores) {
    Start();
    frame->SetWindowPos(nullptr, 150, 100, 640, 480, SWP_NOZORDER);
    RECT saved = NormalRect();
    g_chosenPath = UiFolder() + "\\mine.ui";
    SetFileDialogRunner(ChoosePath);
    Command(ID_LAYOUT_SAVE);
    HMENU menu = LayoutsMenu();
    ASSERT_EQ(::GetMenuItemCount(menu), 4);
    char text[64] = {};
    ::GetMenuStringA(menu, 3, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "mine.ui");

    frame->SetWindowPos(nullptr, 10, 10, 500, 400, SWP_NOZORDER);
    Command(ID_LAYOUT_FIRST);
    EXPECT_EQ(NormalRect(), saved);
    frame->SetWindowPos(nullptr, 10, 10, 500, 400, SWP_NOZORDER);
    Command(ID_LAYOUT_LOAD);
    EXPECT_EQ(NormalRect(), saved);
}

TEST_F(MainFrameLayoutTest, FullScreenCoversTheScreenWithTheDocumentAreaAndComesBack) {
    Start();
    frame->SetWindowPos(nullptr, 100, 80, 700, 500, SWP_NOZORDER);
    RECT before = WindowRect(frame->m_hWnd);
    Command(ID_VIEW_FULL_SCREEN);
    RECT area = WindowRect(frame->MdiClientWindow());
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(area, screen);
    EXPECT_TRUE(frame->IsDocumentFullScreen());
    Command(ID_VIEW_FULL_SCREEN);
    EXPECT_EQ(WindowRect(frame->m_hWnd), before);
    EXPECT_FALSE(frame->IsDocumentFullScreen());
}

TEST_F(MainFrameLayoutTest, HidingTheTitleBarMovesCaptionAndFrameOffTheScreen) {
    Start();
    frame->SetWindowPos(nullptr, 100, 80, 700, 500, SWP_NOZORDER);
    RECT before = WindowRect(frame->m_hWnd);
    Command(ID_VIEW_HIDE_TITLE);
    int fx = ::GetSystemMetrics(SM_CXFRAME), fy = ::GetSystemMetrics(SM_CYFRAME);
    int ey = ::GetSystemMetrics(SM_CYEDGE), cy = ::GetSystemMetrics(SM_CYCAPTION);
    int sx = ::GetSystemMetrics(SM_CXSCREEN), sy = ::GetSystemMetrics(SM_CYSCREEN);
    RECT want{-(fx + 1), -(ey + cy + 2), -(fx + 1) + sx + 2 * fx + 2, -(ey + cy + 2) + sy + ey + cy + fy + 3};
    EXPECT_EQ(WindowRect(frame->m_hWnd), want);
    EXPECT_TRUE(frame->IsTitleBarHidden());
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT screen{0, 0, sx, sy};
    EXPECT_EQ(area, screen);
    Command(ID_VIEW_HIDE_TITLE);
    EXPECT_EQ(WindowRect(frame->m_hWnd), before);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(area, workArea);

    frame->ShowWindow(SW_SHOWMAXIMIZED);
    Command(ID_VIEW_HIDE_TITLE);
    Command(ID_VIEW_HIDE_TITLE);
    EXPECT_TRUE(::IsZoomed(frame->m_hWnd));  // maximized again
}

TEST_F(MainFrameLayoutTest, ClosingInAScreenModeRestoresTheWorkAreaBeforeTheLayoutIsWritten) {
    Start();
    frame->SetWindowPos(nullptr, 100, 80, 700, 500, SWP_NOZORDER);
    RECT placed = NormalRect();
    Command(ID_VIEW_HIDE_TITLE);
    Close();
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(area, workArea);
    HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar) EXPECT_TRUE(::IsWindowVisible(taskbar));
    Start();
    EXPECT_EQ(NormalRect(), placed);  // the placement from before the mode
}

}  // namespace

namespace {

class FontSchemeTest : public MainFrameLayoutTest {
protected:
    void TearDown() override {
        MainFrameLayoutTest::TearDown();
        for (int i = 1; i <= CFontSchemes::kCount; ++i) Schemes().SetText(i, "");
        Schemes().SetChosen(1);
    }
    static CFontSchemes Schemes() { return CFontSchemes(*g_appSettings); }
    void DropDown() {
        NMTOOLBARA drop{};
        drop.hdr.hwndFrom = frame->Toolbar();
        drop.hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(frame->Toolbar());
        drop.hdr.code = TBN_DROPDOWN;
        drop.iItem = ID_VIEW_FONT_SCHEME;
        frame->SendMessage(WM_NOTIFY, drop.hdr.idFrom, (LPARAM)&drop);
        PumpFrameMessages();
    }
};

TEST_F(FontSchemeTest, TheDropDownListsSchemesUpToTheFirstEmptyOneAndChecksTheChosen) {
    Schemes().SetText(1, "font:Courier New,size:12");
    Schemes().SetText(2, "font:Fixedsys");
    Schemes().SetText(4, "font:Arial,size:9");
    Schemes().SetChosen(2);
    Start();
    DropDown();
    ASSERT_EQ(frame->trackedMenus.size(), 1u);
    const auto& items = frame->trackedMenus[0];
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].id, (UINT)ID_FONT_SCHEME_FIRST);
    EXPECT_EQ(items[0].text, "&1 Courier New, 12");
    EXPECT_FALSE(items[0].checked);
    EXPECT_EQ(items[1].text, "&2 Fixedsys");
    EXPECT_TRUE(items[1].checked);
    EXPECT_EQ(items[2].id, 0u);  // separator
    EXPECT_EQ(items[3].id, (UINT)ID_OPTIONS_FONTS);
}

TEST_F(FontSchemeTest, ChoosingASchemeRestylesEveryOpenDocument) {
    Schemes().SetText(1, "font:Courier New,size:12");
    Schemes().SetText(2, "font:Courier New,size:14,back:#102030");
    Start();
    CDocumentFrame* documents[] = {frame->CreateDocumentFrame(nullptr, false), frame->CreateDocumentFrame(nullptr, false)};
    PumpFrameMessages();
    for (CDocumentFrame* document : documents) ASSERT_TRUE(document && document->GetEditor());
    Command(ID_FONT_SCHEME_FIRST + 1);
    EXPECT_EQ(Schemes().Chosen(), 2);
    EXPECT_EQ(frame->FontScheme(), 2);
    EXPECT_EQ(frame->StyleFont().back, RGB(0x10, 0x20, 0x30));
    for (CDocumentFrame* document : documents) {
        EXPECT_EQ(document->GetEditor()->Send(SCI_STYLEGETBACK, STYLE_DEFAULT), (sptr_t)RGB(0x10, 0x20, 0x30));
        EXPECT_EQ(document->GetEditor()->Send(SCI_STYLEGETSIZE, STYLE_DEFAULT), 14);
    }
}

TEST_F(FontSchemeTest, HexViewsTakeTheSchemesFontOpenedAndSwitched) {
    Schemes().SetText(1, "font:Courier New,size:12,back:#405060");
    Schemes().SetText(2, "font:Courier New,size:14,back:#102030");
    Start();
    CDocumentFrame* hex = frame->CreateDocumentFrame(nullptr, true);
    PumpFrameMessages();
    ASSERT_TRUE(hex && hex->GetHexView());
    EXPECT_EQ(hex->GetHexView()->Font(), frame->StyleFont().font);
    EXPECT_EQ(hex->GetHexView()->Background(), RGB(0x40, 0x50, 0x60));
    Command(ID_FONT_SCHEME_FIRST + 1);
    EXPECT_EQ(hex->GetHexView()->Font(), frame->StyleFont().font);
    EXPECT_EQ(hex->GetHexView()->Background(), RGB(0x10, 0x20, 0x30));
}

}  // namespace
