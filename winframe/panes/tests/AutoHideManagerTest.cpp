// The auto-hide bars of a real dock site frame: pinning, hovering a tab to
// slide the pane out, the check that slides it back, the edge resize, the
// pin button that gives it back, and removing panes of the shown group.
#include "AutoHideLayout.h"
#include "AutoHideManager.h"
#include "GdiHandles.h"
#include "PaneTestSupport.h"
#include "TabDockingBox.h"

namespace {

int g_positionChanges = 0;
HWND g_watched = nullptr;

LRESULT CALLBACK CountPositions(int code, WPARAM w, LPARAM l) {
    const auto* msg = (const CWPSTRUCT*)l;
    if (code == HC_ACTION && msg->hwnd == g_watched && msg->message == WM_WINDOWPOSCHANGED) ++g_positionChanges;
    return ::CallNextHookEx(nullptr, code, w, l);
}

class AutoHideManagerTest : public PaneFixture {
protected:
    void SetUp() override {
        PaneFixture::SetUp();
        m_bars = nullptr;
        UseManager(kDragKeepMode | kDragOutline);
    }
    void UseManager(DWORD dragMode) {
        auto bars = std::make_unique<CAutoHideManager>();
        manager = bars.get();
        MakeFrame(dragMode, 900, 700, std::move(bars));
        ::SetForegroundWindow(Frame());
        ::SetActiveWindow(Frame());
    }
    // A docked pane pinned by its own pin button path.
    CTestDockPane& Pinned(const char* title, DWORD side, int size = 150) {
        CTestDockPane& pane = NewDockPane(title);
        EXPECT_TRUE(DockAt(pane, side, 0, size));
        EXPECT_TRUE(pane.TogglePin());
        PumpMessages();
        return pane;
    }
    // A client point on the bar's first tab (tabs start at the bar's start).
    POINT OnTab(DWORD side, int along = 10) const {
        const RECT& r = manager->Bar(side).rect;
        if (IsVerticalBar(side)) return {(r.left + r.right) / 2, r.top + along};
        return {r.left + along, (r.top + r.bottom) / 2};
    }
    void Hover(POINT client) {
        POINT screen = client;
        ::ClientToScreen(Frame(), &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::SendMessageA(Frame(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
        ::SendMessageA(Frame(), WM_MOUSEHOVER, 0, MAKELPARAM(client.x, client.y));
        PumpMessages();
    }
    void Tick() {
        ::SendMessageA(manager->m_hWnd, WM_TIMER, kAutoHideTimer, 0);
        PumpMessages();
    }
    POINT PinButtonOnScreen() const {
        const RECT& b = manager->Caption().pin.rect;
        RECT w = WindowOf(manager->m_hWnd);
        return {w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2};
    }
    void PressPin() {
        POINT at = PinButtonOnScreen();
        POINT client = at;
        ::ScreenToClient(manager->m_hWnd, &client);
        ::PostMessageA(manager->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        ::SendMessageA(manager->m_hWnd, WM_NCLBUTTONDOWN, kHitPin, MAKELPARAM(at.x, at.y));
        PumpMessages();
    }

    CAutoHideManager* manager = nullptr;
    CCaptureWatchdog watchdog;
};

TEST_F(AutoHideManagerTest, AHoveredTabSlidesItsPaneOutUntilMouseAndFocusLeave) {
    const RECT mdi = MdiRect();
    CTestDockPane& pane = Pinned("Output", kSideBottom);
    ASSERT_EQ(manager->Bar(kSideBottom).entries.size(), 1u);
    EXPECT_EQ(MdiRect().bottom, Client().bottom - manager->Thickness()) << "the bar took its strip";
    EXPECT_EQ(manager->Bar(kSideBottom).rect.bottom, Client().bottom);
    EXPECT_TRUE(pane.IsAutoHidden());

    Hover(OnTab(kSideBottom));
    ASSERT_EQ(manager->ShownPane(), pane.m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(manager->m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(pane.m_hWnd));
    const RECT out = RectIn(manager->m_hWnd, Frame());
    EXPECT_EQ(out, AutoHideWindowRect(manager->Area(), kSideBottom, 150));
    EXPECT_EQ(out.bottom - out.top, 150 + kAutoHideEdge);
    EXPECT_EQ(out.bottom, manager->Bar(kSideBottom).rect.top) << "against its bar";
    EXPECT_EQ(manager->GetWindowText(), "Output");
    RECT paneRect = RectIn(pane.m_hWnd, manager->m_hWnd), client = ClientOf(manager->m_hWnd);
    EXPECT_EQ(paneRect.right - paneRect.left, client.right) << "the pane fills the window";

    // The cursor inside keeps it out.
    RECT w = WindowOf(manager->m_hWnd);
    ::SetCursorPos((w.left + w.right) / 2, (w.top + w.bottom) / 2);
    Tick();
    EXPECT_EQ(manager->ShownPane(), pane.m_hWnd);
    // So does the focus inside, with the cursor away.
    ParkCursor();
    ::SetFocus(pane.m_hWnd);
    Tick();
    EXPECT_EQ(manager->ShownPane(), pane.m_hWnd);
    // Both gone: it slides back.
    ::SetFocus(Frame());
    Tick();
    EXPECT_EQ(manager->ShownPane(), nullptr);
    EXPECT_FALSE(::IsWindowVisible(manager->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pane.m_hWnd));

    // The pin button gives it back to a slot on its side; the bar's strip goes.
    Hover(OnTab(kSideBottom));
    ASSERT_EQ(manager->ShownPane(), pane.m_hWnd);
    PressPin();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(manager->Bar(kSideBottom).Empty());
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_FALSE(pane.IsAutoHidden());
    EXPECT_TRUE(::IsWindowVisible(pane.m_hWnd));
    EXPECT_EQ(RectIn(pane.m_hWnd, Frame()).bottom, Client().bottom) << "docked at the bottom again";
    EXPECT_EQ(MdiRect().bottom, mdi.bottom - 155) << "the pane's slot, no bar";
}

TEST_F(AutoHideManagerTest, TheEdgeResizesAndTheNextSlideKeepsTheSize) {
    CTestDockPane& pane = Pinned("Output", kSideLeft, 200);
    Hover(OnTab(kSideLeft));
    ASSERT_EQ(manager->ShownPane(), pane.m_hWnd);
    RECT w = WindowOf(manager->m_hWnd);
    ASSERT_EQ(w.right - w.left, 205);
    POINT edge{w.right - 2, (w.top + w.bottom) / 2};
    ASSERT_EQ(::SendMessageA(manager->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTLEFT);
    // The frame holds the capture of the edge drag.
    POINT to{edge.x + 60, edge.y};
    ::ScreenToClient(Frame(), &to);
    ::PostMessageA(Frame(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    ::PostMessageA(Frame(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    ::SendMessageA(manager->m_hWnd, WM_NCLBUTTONDOWN, HTLEFT, MAKELPARAM(edge.x, edge.y));
    PumpMessages();
    EXPECT_FALSE(watchdog.Fired());
    w = WindowOf(manager->m_hWnd);
    EXPECT_EQ(w.right - w.left, 265);
    ASSERT_TRUE(manager->HidePane(false));
    Hover(OnTab(kSideLeft));
    w = WindowOf(manager->m_hWnd);
    EXPECT_EQ(w.right - w.left, 265) << "slid out at the size the user gave it";
    DockMessage r;
    ASSERT_TRUE(pane.QueryPlacement(r));
    EXPECT_EQ(r.place.size, 260);
    EXPECT_EQ(r.place.flags, (DWORD)(kSideLeft | kPlaceAlone | kPlaceAutoHidden));
}

TEST_F(AutoHideManagerTest, OnlyFullWindowDraggingSlides) {
    for (bool full : {false, true}) {
        m_dockPanes.clear();
        UseManager(kDragKeepMode | (full ? kDragFullWindow : kDragOutline));
        CTestDockPane& pane = Pinned("Output", kSideTop);
        g_watched = manager->m_hWnd;
        g_positionChanges = 0;
        HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, CountPositions, nullptr, ::GetCurrentThreadId());
        Hover(OnTab(kSideTop));
        ::UnhookWindowsHookEx(hook);
        ASSERT_EQ(manager->ShownPane(), pane.m_hWnd) << full;
        if (full)
            EXPECT_GE(g_positionChanges, kSlideSteps + 1) << "collapsed, then ten steps";
        else
            EXPECT_LE(g_positionChanges, 3) << "placed and shown at once";
        RECT out = RectIn(manager->m_hWnd, Frame());
        EXPECT_EQ(out.bottom - out.top, 155) << full;
    }
}

TEST_F(AutoHideManagerTest, APinnedBoxIsOneGroupAndLosingAPaneOfTheShownGroupIsSafe) {
    CTestDockPane& a = NewDockPane("first");
    CTestDockPane& b = NewDockPane("second");
    ASSERT_TRUE(DockAt(a, kSideBottom, 0, 150));
    DockMessage together(b.m_hWnd, a.m_hWnd, kDockAtPlacement);
    together.place.index = 1;
    ASSERT_TRUE(b.RestoreDockPlacement(together));
    PumpMessages();
    CTabDockingBox* box = CTabDockingBox::FromWindow(a.Container());
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd;
    // The box's pin button: one group, shown at once.
    const RECT& pin = box->Caption().pin.rect;
    RECT bw = WindowOf(boxWindow);
    POINT at{bw.left + (pin.left + pin.right) / 2, bw.top + (pin.top + pin.bottom) / 2};
    POINT client = at;
    ::ScreenToClient(boxWindow, &client);
    ::PostMessageA(boxWindow, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    ::SendMessageA(boxWindow, WM_NCLBUTTONDOWN, kHitPin, MAKELPARAM(at.x, at.y));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(boxWindow));
    ASSERT_EQ(manager->Bar(kSideBottom).entries.size(), 1u);
    ASSERT_NE(dynamic_cast<CGroupAutoHideEntry*>(manager->Bar(kSideBottom).entries[0].get()), nullptr);
    ASSERT_EQ(manager->ShownPane(), b.m_hWnd) << "the box's active pane";

    // Closing the other pane of the shown group rebuilds the entry.
    ::SendMessageA(a.m_hWnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(manager->ShownPane(), nullptr) << "the shown pane went in first";
    ASSERT_EQ(manager->Bar(kSideBottom).entries.size(), 1u);
    EXPECT_NE(dynamic_cast<CSingleAutoHideEntry*>(manager->Bar(kSideBottom).entries[0].get()), nullptr);
    Tick();
    manager->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    EXPECT_FALSE(a.IsAutoHidden());
    EXPECT_TRUE(b.IsAutoHidden());
    EXPECT_EQ(SendCode(manager->m_hWnd, kDockRemove, a.m_hWnd), 0) << "no bar holds it now";
}

TEST_F(AutoHideManagerTest, UnpinningAGroupDocksItsPanesBackIntoOneBox) {
    CTestDockPane& a = NewDockPane("first");
    CTestDockPane& b = NewDockPane("second");
    std::vector<HWND> panes{a.m_hWnd, b.m_hWnd};
    DockMessage pin(a.m_hWnd, nullptr, 0);
    pin.pin = {kSideRight, 180, 0, 2, panes.data()};
    ASSERT_TRUE(RequestPinToAutoHide(Frame(), pin));
    PumpMessages();
    ASSERT_EQ(manager->Bar(kSideRight).entries.size(), 1u);
    EXPECT_EQ(manager->ShownPane(), nullptr) << "not shown at once";
    EXPECT_EQ(MdiRect().right, Client().right - manager->Thickness());
    ASSERT_TRUE(manager->RemovePane(a.m_hWnd, true));
    PumpMessages();
    EXPECT_TRUE(manager->Bar(kSideRight).Empty());
    CTabDockingBox* box = CTabDockingBox::FromWindow(a.Container());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(b.Container(), box->m_hWnd);
    EXPECT_EQ(box->PaneAt(0), a.m_hWnd);
    EXPECT_EQ(box->PaneAt(1), b.m_hWnd);
    EXPECT_EQ(RectIn(box->m_hWnd, Frame()).right, Client().right) << "on the right side";
    EXPECT_EQ(RectIn(box->m_hWnd, Frame()).right - RectIn(box->m_hWnd, Frame()).left, 180);
}

TEST_F(AutoHideManagerTest, TheBarsPaintTheirTabsAndTheCornersBetweenThem) {
    Pinned("Output", kSideBottom);
    Pinned("Files", kSideLeft);
    const CAutoHideBar &bottom = manager->Bar(kSideBottom), &left = manager->Bar(kSideLeft);
    const int t = manager->Thickness();
    EXPECT_EQ(left.rect.right - left.rect.left, t);
    EXPECT_EQ(bottom.rect.left, left.rect.right) << "the bottom bar starts after the left one";
    EXPECT_EQ(left.rect.bottom, bottom.rect.top);

    const RECT client = Client();
    const CClientDc screen(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::PatBlt(dc, 0, 0, client.right, client.bottom, WHITENESS);
    manager->DrawBars(dc);
    const COLORREF face = CDockingMetrics::Get().FaceColour();
    EXPECT_EQ(::GetPixel(dc, 2, client.bottom - 2), face) << "the corner square";
    EXPECT_EQ(::GetPixel(dc, bottom.rect.right - 2, bottom.rect.top + 1), face) << "past the last tab";
    // The first tab's rectangle starts 3 pixels in, 2 pixels off the docking area.
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(::GetPixel(dc, bottom.rect.left + 3, bottom.rect.top + 8), shadow);
    EXPECT_EQ(::GetPixel(dc, bottom.rect.left + 10, bottom.rect.top + 2), shadow);
    EXPECT_EQ(::GetPixel(dc, left.rect.right - 3, left.rect.top + 10), shadow);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

}  // namespace
