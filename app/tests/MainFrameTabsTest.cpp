// The real main frame with real documents under Wine: one tab per document
// in the tab strip, closing through the tabs, a maximized document's
// controls in the command bar, and the menus opened from the command bar.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "TempFolder.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

// The frame answers each popup that opens with the next list of keys
// (Escape when none is left) and notes which popup it was.
class CDrivenFrame : public CMainFrame {
public:
    std::vector<HMENU> popups;
    std::deque<std::vector<WPARAM>> popupKeys;

    bool ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM w, LPARAM l, LRESULT& result, DWORD mapId) override {
        if (msg == WM_INITMENUPOPUP && !HIWORD(l)) {
            popups.push_back((HMENU)w);
            std::vector<WPARAM> keys{VK_ESCAPE};
            if (!popupKeys.empty()) {
                keys = popupKeys.front();
                popupKeys.pop_front();
            }
            for (WPARAM key : keys) ::PostMessageA(hWnd, WM_KEYDOWN, key, 0);
        }
        return CMainFrame::ProcessWindowMessage(hWnd, msg, w, l, result, mapId);
    }
};

LPARAM PointParam(POINT pt) { return MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y); }
POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void CALLBACK CloseStuckMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

class MainFrameTabsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_appSettings->EditorMask = 0;
        ASSERT_TRUE(frame.CreateMainWindow());
        g_mainFrame = &frame;
        Run();  // the posted start-up shows the frame
        guard = ::SetTimer(nullptr, 0, 5000, CloseStuckMenu);
    }
    void TearDown() override {
        ::KillTimer(nullptr, guard);
        m_questions.answer = IDNO;
        frame.CloseAllDocuments(true);
        frame.DestroyWindow();
        Run();
        g_mainFrame = nullptr;
    }

    // Runs the queue as the editor's message loop does, the frame's filter first.
    void Run() {
        PumpMessages(3, 1, [this](MSG& msg) { return frame.IsWindow() && frame.PreTranslateMessage(&msg); });
    }
    HWND Open(const char* name) {
        files.Write(name, "text");
        CDocumentFrame* document = frame.OpenDocument(files.File(name).c_str(), kEncodingDefault, false);
        EXPECT_TRUE(document) << name;
        Run();
        return document ? document->m_hWnd : nullptr;
    }
    CDotNetTabCtrl& Strip() { return frame.TabOwner().Strip(); }
    std::vector<std::string> TabTexts() {
        std::vector<std::string> texts;
        for (int i = 0; i < Strip().GetItemCount(); ++i) texts.push_back(Strip().GetItem(i)->text);
        return texts;
    }
    HWND TabWindow(int i) { return (HWND)Strip().GetItem(i)->data; }
    RECT TabRect(int i) {
        RECT rc{};
        Strip().GetItemRect(i, &rc);
        return rc;
    }
    void Click(HWND window, POINT pt, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
        ::SendMessageA(window, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, PointParam(pt));
        ::SendMessageA(window, up, 0, PointParam(pt));
        Run();
    }
    void Modify(HWND document) {
        CDocumentFrame::FromWindow(document)->GetEditor()->Send(SCI_ADDTEXT, 1, (sptr_t) "x");
        Run();
    }
    REBARBANDINFOA MenuBand() {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        ::SendMessageA(frame.Rebar(), RB_GETBANDINFOA, FindRebarBand(frame.Rebar(), frame.CommandBar()),
                       (LPARAM)&band);
        return band;
    }

    TempFolder files;
    // The save question, answered and counted.
    MessageBoxRecorder m_questions{SetMessageBoxHook, IDNO};
    CDrivenFrame frame;
    UINT_PTR guard = 0;
};

TEST_F(MainFrameTabsTest, EachDocumentGetsATabInOrderAndClickingOneActivatesIt) {
    HWND a = Open("a.txt"), b = Open("b.txt"), c = Open("c.txt");
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(frame.DocumentWindows(), (std::vector<HWND>{a, b, c}));
    EXPECT_EQ(Strip().GetCurSel(), 2);

    Click(Strip(), Centre(TabRect(0)));
    EXPECT_EQ(frame.GetActiveMdiChild(), a);
    Click(Strip(), Centre(TabRect(1)));
    EXPECT_EQ(frame.GetActiveMdiChild(), b);

    // The documents follow the tabs once the user moves one.
    ASSERT_TRUE(Strip().MoveItem(2, 0));
    EXPECT_EQ(frame.DocumentWindows(), (std::vector<HWND>{c, a, b}));
    frame.SendMessage(WM_COMMAND, ID_WINDOW_NEXT);
    EXPECT_EQ(frame.GetActiveMdiChild(), c) << "next tab after the last one wraps to the first";
}

TEST_F(MainFrameTabsTest, AModifiedDocumentsTabShowsItsState) {
    HWND a = Open("a.txt");
    Open("b.txt");
    Modify(a);
    EXPECT_EQ(Strip().GetItem(0)->image, 1);
    EXPECT_EQ(Strip().GetItem(1)->image, 0);
    ASSERT_TRUE(CDocumentFrame::FromWindow(a)->Save());
    Run();
    EXPECT_EQ(Strip().GetItem(0)->image, 0);
}

TEST_F(MainFrameTabsTest, TheCloseButtonClosesTheSelectedDocumentAskingWhenModified) {
    HWND a = Open("a.txt"), b = Open("b.txt");
    Modify(b);
    m_questions.answer = IDCANCEL;
    Click(Strip(), Centre(Strip().GetCloseButtonRect()));
    EXPECT_EQ(m_questions.boxes.size(), 1u);
    EXPECT_TRUE(::IsWindow(b)) << "cancelled";
    EXPECT_EQ(Strip().GetItemCount(), 2);

    m_questions.answer = IDNO;
    Click(Strip(), Centre(Strip().GetCloseButtonRect()));
    EXPECT_EQ(m_questions.boxes.size(), 2u);
    EXPECT_FALSE(::IsWindow(b));
    EXPECT_EQ(TabTexts(), std::vector<std::string>{"a.txt"});

    // Unmodified: no question; the last tab takes the strip with it.
    Click(Strip(), Centre(Strip().GetCloseButtonRect()));
    EXPECT_EQ(m_questions.boxes.size(), 2u);
    EXPECT_FALSE(::IsWindow(a));
    EXPECT_EQ(Strip().GetItemCount(), 0);
    EXPECT_FALSE(::GetWindowLongA(frame.TabOwner(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(MainFrameTabsTest, TheTabMenuClosesTheDocumentOfTheTabAskingWhenModified) {
    HWND a = Open("a.txt"), b = Open("b.txt"), c = Open("c.txt");
    Modify(a);
    // The tab menu's first item is Close.
    frame.popupKeys = {{VK_DOWN, VK_RETURN}};
    Click(Strip(), Centre(TabRect(0)), WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(frame.popups.size(), 1u) << "the tab menu opened";
    EXPECT_EQ(m_questions.boxes.size(), 1u);
    EXPECT_FALSE(::IsWindow(a));
    EXPECT_TRUE(::IsWindow(b) && ::IsWindow(c));
    EXPECT_EQ(TabTexts(), (std::vector<std::string>{"b.txt", "c.txt"}));
}

TEST_F(MainFrameTabsTest, AMaximizedDocumentKeepsTheTabsAndPutsItsButtonsInTheCommandBar) {
    HWND a = Open("a.txt"), b = Open("b.txt");
    CTabbedMdiCommandBar& bar = frame.CommandBar();
    const REBARBANDINFOA before = MenuBand();
    const UINT widths = bar.LeftReservedWidth() + bar.RightReservedWidth();

    ::SendMessageA(frame.MdiClientWindow(), WM_MDIMAXIMIZE, (WPARAM)b, 0);
    Run();
    EXPECT_EQ(bar.MaximizedChild(), b);
    EXPECT_TRUE(bar.ControlsShown());
    EXPECT_EQ(MenuBand().cxIdeal, before.cxIdeal + widths);
    EXPECT_EQ(::GetMenu(frame), nullptr) << "the frame grows no menu of its own";
    RECT inside{}, view{};
    ::GetClientRect(b, &inside);
    ::GetWindowRect(CDocumentFrame::FromWindow(b)->ViewWindow(), &view);
    EXPECT_EQ(view.right - view.left, inside.right) << "the text fills the maximized document";
    EXPECT_EQ(view.bottom - view.top, inside.bottom);
    EXPECT_TRUE(::GetWindowLongA(frame.TabOwner(), GWL_STYLE) & WS_VISIBLE);

    // Another tab: that document is the maximized one now.
    Click(Strip(), Centre(TabRect(0)));
    EXPECT_EQ(frame.GetActiveMdiChild(), a);
    EXPECT_TRUE(::IsZoomed(a));
    EXPECT_EQ(bar.MaximizedChild(), a);
    EXPECT_EQ(MenuBand().cxIdeal, before.cxIdeal + widths);

    // The bar's restore button.
    Click(bar, Centre(bar.ControlRect(2)));
    EXPECT_FALSE(::IsZoomed(a));
    EXPECT_EQ(bar.MaximizedChild(), nullptr);
    EXPECT_EQ(MenuBand().cxIdeal, before.cxIdeal);
    EXPECT_EQ(Strip().GetItemCount(), 2);
}

TEST_F(MainFrameTabsTest, MenusOpenFromTheCommandBarByMouseAndByKeyboard) {
    HWND a = Open("a.txt");
    HWND view = CDocumentFrame::FromWindow(a)->ViewWindow();
    CTabbedMdiCommandBar& bar = frame.CommandBar();
    auto button = [&](int i) { return Centre(bar.ItemRect(i)); };
    auto key = [&](UINT msg, WPARAM w, LPARAM l) {
        ::PostMessageA(view, msg, w, l);
        Run();
    };
    EXPECT_EQ(bar.ItemCount(), ::GetMenuItemCount(frame.Menu()));

    Click(bar, button(MENU_POS_WINDOW), WM_LBUTTONDOWN, WM_LBUTTONUP);
    ASSERT_EQ(frame.popups.size(), 1u);
    EXPECT_EQ(frame.popups[0], ::GetSubMenu(frame.Menu(), MENU_POS_WINDOW));

    // Alt alone, Right, Down: the second menu.
    key(WM_SYSKEYDOWN, VK_MENU, 0x20000000);
    key(WM_SYSKEYUP, VK_MENU, (LPARAM)0xC0000000);
    key(WM_KEYDOWN, VK_RIGHT, 0);
    key(WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_EQ(frame.popups.size(), 2u);
    EXPECT_EQ(frame.popups[1], ::GetSubMenu(frame.Menu(), MENU_POS_EDIT));

    // Alt+F, then Return on New (opened from the keyboard, the first item is
    // selected): the command reaches the frame, which opens a document.
    frame.popupKeys = {{VK_RETURN}};
    key(WM_SYSCHAR, 'f', 0x20000000);
    ASSERT_EQ(frame.popups.size(), 3u);
    EXPECT_EQ(frame.popups[2], ::GetSubMenu(frame.Menu(), MENU_POS_FILE));
    EXPECT_EQ(Strip().GetItemCount(), 2) << "a new document";
    EXPECT_FALSE(bar.InKeyboardMode());
}

}  // namespace
