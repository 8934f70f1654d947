// The command bar: menus from the keyboard and the mouse, and the maximized
// document's controls with the band widening for them.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "MdiTestFrame.h"
#include "TabbedMdiCommandBar.h"

namespace {

enum : UINT { kNew = 101, kOpen = 102, kUndo = 201, kCut = 202, kToolbar = 301 };

HMENU BuildMenu() {
    HMENU bar = ::CreateMenu();
    const struct { const char* title; UINT first, second; const char *a, *b; } menus[] = {
        {"&File", kNew, kOpen, "&New", "&Open"},
        {"&Edit", kUndo, kCut, "&Undo", "Cu&t"},
        {"&View", kToolbar, 0, "&Toolbar", nullptr},
    };
    for (const auto& m : menus) {
        HMENU popup = ::CreatePopupMenu();
        ::AppendMenuA(popup, MF_STRING, m.first, m.a);
        if (m.b) ::AppendMenuA(popup, MF_STRING, m.second, m.b);
        ::AppendMenuA(bar, MF_POPUP | MF_STRING, (UINT_PTR)popup, m.title);
    }
    return bar;
}

void CALLBACK CloseStuckMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

class CommandBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.topReserve = 30;
        ASSERT_TRUE(frame.CreateFrame());
        rebar = ::CreateWindowExA(0, REBARCLASSNAMEA, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | CCS_NODIVIDER,
                                  0, 0, 600, 30, frame, nullptr, nullptr, nullptr);
        ASSERT_TRUE(bar.CreateBar(rebar, frame));
        menu = BuildMenu();
        ASSERT_TRUE(bar.AttachMenu(menu));
        ASSERT_TRUE(bar.AddToRebar());
        ASSERT_TRUE(bar.SetMdiClient(frame.Client()));
        // Each popup that opens takes the next list of keys.
        frame.onInitMenuPopup = [this] {
            if (popupKeys.empty()) return;
            for (WPARAM key : popupKeys.front()) ::PostMessageA(frame, WM_KEYDOWN, key, 0);
            popupKeys.pop_front();
        };
        guard = ::SetTimer(nullptr, 0, 5000, CloseStuckMenu);
    }
    void TearDown() override {
        ::KillTimer(nullptr, guard);
        if (menu) ::DestroyMenu(menu);
    }

    // Posts the messages to the frame and runs them as the frame's loop would.
    void Run(const std::vector<MSG>& messages) {
        for (const MSG& m : messages) ::PostMessageA(frame, m.message, m.wParam, m.lParam);
        PumpMessages(1, 0, [this](MSG& msg) { return bar.PreTranslateMessage(&msg); });
    }
    std::vector<UINT> Commands() const {
        std::vector<UINT> ids;
        for (const MSG& m : frame.frameMessages)
            if (m.message == WM_COMMAND) ids.push_back(LOWORD(m.wParam));
        return ids;
    }
    int Popups() const {
        int n = 0;
        for (const MSG& m : frame.frameMessages) n += m.message == WM_INITMENUPOPUP;
        return n;
    }
    REBARBANDINFOA Band() const {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE | RBBIM_CHILD;
        ::SendMessageA(rebar, RB_GETBANDINFOA, 0, (LPARAM)&band);
        return band;
    }

    CTestMdiFrame frame;
    CTabbedMdiCommandBar bar;
    HWND rebar = nullptr;
    HMENU menu = nullptr;
    std::deque<std::vector<WPARAM>> popupKeys;
    UINT_PTR guard = 0;
};

MSG Key(UINT msg, WPARAM key, LPARAM l = 0) { return MSG{nullptr, msg, key, l, 0, {}}; }
const MSG kAltDown = Key(WM_SYSKEYDOWN, VK_MENU, 0x20000000);
const MSG kAltUp = Key(WM_SYSKEYUP, VK_MENU, (LPARAM)0xC0000000);

TEST_F(CommandBarTest, KeyboardOpensMenusAndChoosesCommands) {
    const struct { const char* name; std::vector<MSG> keys; UINT command; } cases[] = {
        {"Alt Right Down", {kAltDown, kAltUp, Key(WM_KEYDOWN, VK_RIGHT), Key(WM_KEYDOWN, VK_DOWN)}, kUndo},
        {"Alt Left Return", {kAltDown, kAltUp, Key(WM_KEYDOWN, VK_LEFT), Key(WM_KEYDOWN, VK_RETURN)}, kToolbar},
        {"F10 Right Right Down", {Key(WM_SYSKEYDOWN, VK_F10), Key(WM_KEYDOWN, VK_RIGHT), Key(WM_KEYDOWN, VK_RIGHT),
                                  Key(WM_KEYDOWN, VK_DOWN)}, kToolbar},
        {"Alt+E", {Key(WM_SYSCHAR, 'e', 0x20000000)}, kUndo},
    };
    for (const auto& c : cases) {
        frame.frameMessages.clear();
        popupKeys = {{VK_RETURN}};
        Run(c.keys);
        EXPECT_EQ(Commands(), std::vector<UINT>{c.command}) << c.name;
        // The frame's update of the popup comes before the choice.
        ASSERT_FALSE(frame.frameMessages.empty()) << c.name;
        EXPECT_EQ(frame.frameMessages.front().message, (UINT)WM_INITMENUPOPUP) << c.name;
        EXPECT_FALSE(bar.InKeyboardMode()) << c.name;
    }
}

TEST_F(CommandBarTest, KeysOfAnotherTopLevelWindowAreLeftToIt) {
    // A modeless dialog of the same thread keeps its Alt+mnemonics and Alt.
    HWND dialog = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, frame, nullptr, nullptr,
                                    nullptr);
    for (MSG msg : {Key(WM_SYSCHAR, 'e', 0x20000000), kAltDown, kAltUp}) {
        msg.hwnd = dialog;
        EXPECT_FALSE(bar.PreTranslateMessage(&msg)) << msg.message;
    }
    EXPECT_FALSE(bar.InKeyboardMode());
    EXPECT_EQ(Popups(), 0);
    ::DestroyWindow(dialog);
}

TEST_F(CommandBarTest, AHiddenBarLeavesTheArrowKeysAlone) {
    bar.ShowWindow(SW_HIDE);
    Run({kAltDown, kAltUp});
    EXPECT_FALSE(bar.InKeyboardMode());
    MSG right = Key(WM_KEYDOWN, VK_RIGHT);
    right.hwnd = frame;
    EXPECT_FALSE(bar.PreTranslateMessage(&right));
}

TEST_F(CommandBarTest, EscapeLeavesTheKeyboardMode) {
    Run({kAltDown, kAltUp});
    EXPECT_TRUE(bar.InKeyboardMode());
    EXPECT_EQ(bar.GetHotItem(), 0);
    Run({Key(WM_KEYDOWN, VK_ESCAPE)});
    EXPECT_FALSE(bar.InKeyboardMode());
    EXPECT_EQ(Popups(), 0);
}

TEST_F(CommandBarTest, RightInAPopupMovesToTheNextMenu) {
    popupKeys = {{VK_RIGHT}, {VK_DOWN, VK_RETURN}};
    Run({Key(WM_SYSCHAR, 'f', 0x20000000)});
    EXPECT_EQ(Popups(), 2);
    EXPECT_EQ(Commands(), std::vector<UINT>{kCut});
}

TEST_F(CommandBarTest, MouseOverAnotherButtonMovesToItsMenu) {
    const RECT rc = bar.ItemRect(1);
    POINT edit = Centre(rc);
    ::ClientToScreen(bar, &edit);
    POINT saved{};
    ::GetCursorPos(&saved);
    bool moved = false;
    frame.onInitMenuPopup = [&] {
        if (!moved) {
            moved = true;
            ::SetCursorPos(edit.x, edit.y);
            ::PostMessageA(frame, WM_MOUSEMOVE, 0, 0);
        } else {
            ::PostMessageA(frame, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(frame, WM_KEYDOWN, VK_RETURN, 0);
        }
    };
    Run({Key(WM_SYSCHAR, 'f', 0x20000000)});
    ::SetCursorPos(saved.x, saved.y);
    EXPECT_EQ(Popups(), 2);
    EXPECT_EQ(Commands(), std::vector<UINT>{kUndo});
}

TEST_F(CommandBarTest, ClickingAButtonOpensItsMenu) {
    const RECT rc = bar.ItemRect(1);
    popupKeys = {{VK_DOWN, VK_RETURN}};
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(rc)));
    Run({});
    EXPECT_EQ(Commands(), std::vector<UINT>{kUndo});
}

TEST_F(CommandBarTest, MaximizedDocumentShowsItsControlsAndWidensTheBand) {
    CTestDocument& a = frame.Open("a");
    CTestDocument& b = frame.Open("b");
    HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ::SendMessageA(a, WM_SETICON, ICON_SMALL, (LPARAM)icon);
    const REBARBANDINFOA before = Band();
    ASSERT_EQ(before.hwndChild, bar.m_hWnd);
    const UINT delta = bar.LeftReservedWidth() + bar.RightReservedWidth();

    ::SendMessageA(frame.Client(), WM_MDIACTIVATE, (WPARAM)a.m_hWnd, 0);
    ::SendMessageA(frame.Client(), WM_MDIMAXIMIZE, (WPARAM)a.m_hWnd, 0);
    EXPECT_EQ(bar.MaximizedChild(), a.m_hWnd);
    EXPECT_EQ(bar.ChildIcon(), icon);
    EXPECT_EQ(Band().cxMinChild, before.cxMinChild + delta);
    EXPECT_EQ(Band().cxIdeal, before.cxIdeal + delta);
    EXPECT_GE(bar.ItemRect(0).left, bar.ControlRect(0).right) << "the menus start right of the document's icon";

    ::SendMessageA(frame.Client(), WM_MDI_RESTORED, (WPARAM)b.m_hWnd, 0);
    EXPECT_EQ(bar.MaximizedChild(), a.m_hWnd);
    EXPECT_EQ(Band().cxIdeal, before.cxIdeal + delta);

    // The close control closes that document.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(bar.ControlRect(3))));
    PumpMessages();
    EXPECT_EQ(a.sysCommands, std::vector<WPARAM>{SC_CLOSE});

    ::SendMessageA(frame.Client(), WM_MDIRESTORE, (WPARAM)a.m_hWnd, 0);
    EXPECT_EQ(bar.MaximizedChild(), nullptr);
    EXPECT_EQ(bar.ChildIcon(), nullptr);
    EXPECT_EQ(Band().cxMinChild, before.cxMinChild);
    EXPECT_EQ(Band().cxIdeal, before.cxIdeal);

    // With a left, nothing is maximized in its place when b goes.
    ::SendMessageA(frame.Client(), WM_MDIDESTROY, (WPARAM)a.m_hWnd, 0);
    ::SendMessageA(frame.Client(), WM_MDIMAXIMIZE, (WPARAM)b.m_hWnd, 0);
    EXPECT_EQ(bar.MaximizedChild(), b.m_hWnd);
    ::SendMessageA(frame.Client(), WM_MDIDESTROY, (WPARAM)b.m_hWnd, 0);
    EXPECT_EQ(bar.MaximizedChild(), nullptr);
    EXPECT_EQ(Band().cxIdeal, before.cxIdeal);
}

}  // namespace
