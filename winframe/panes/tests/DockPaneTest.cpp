// A pane docked into a real dock site frame: its caption, its notices, the
// button and drag loops driven by posted messages, hiding and showing.
#include "PaneTestSupport.h"

namespace {

class DockPaneTest : public PaneFixture {
protected:
    // A pane docked on the left, 200 wide.
    CTestDockPane& DockedPane(const char* title = "pane") {
        CTestDockPane& pane = NewDockPane(title);
        EXPECT_TRUE(DockAt(pane, kSideLeft));
        return pane;
    }
    // A window-relative point as a screen point.
    POINT ScreenAt(HWND pane, int x, int y) const {
        RECT w = WindowOf(pane);
        return {w.left + x, w.top + y};
    }
    LPARAM ScreenParam(POINT p) const { return MAKELPARAM((WORD)p.x, (WORD)p.y); }
    LPARAM ClientParam(HWND pane, POINT screen) const {
        ::ScreenToClient(pane, &screen);
        return MAKELPARAM((WORD)screen.x, (WORD)screen.y);
    }
    void PostMove(HWND pane, POINT screen) { ::PostMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, ClientParam(pane, screen)); }
    void PostUp(HWND pane, POINT screen) { ::PostMessageA(pane, WM_LBUTTONUP, 0, ClientParam(pane, screen)); }
    // Runs the caption press, whose loop takes the messages posted before.
    void Press(HWND pane, int hit, POINT screen) {
        ::SendMessageA(pane, WM_NCLBUTTONDOWN, hit, ScreenParam(screen));
        PumpMessages();
    }
    POINT CloseButton(CTestDockPane& pane) const {
        const RECT& b = pane.Caption().close.rect;
        return ScreenAt(pane.m_hWnd, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    POINT PinButton(CTestDockPane& pane) const {
        const RECT& b = pane.Caption().pin.rect;
        return ScreenAt(pane.m_hWnd, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    static void SetControl(bool down) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
};

TEST_F(DockPaneTest, DockedHitTestIsWindowRelative) {
    CTestDockPane& pane = DockedPane();
    ASSERT_EQ(WindowOf(pane).right - WindowOf(pane).left, 200);
    int h = pane.Caption().Height();
    struct Case {
        int x, y;
        LRESULT hit;
    } cases[] = {{190, 10, kHitClose}, {170, 10, kHitPin}, {50, 10, HTCAPTION}, {50, h + 20, HTCLIENT}};
    for (const Case& c : cases)
        EXPECT_EQ(::SendMessageA(pane.m_hWnd, WM_NCHITTEST, 0, ScreenParam(ScreenAt(pane.m_hWnd, c.x, c.y))), c.hit)
            << c.x << "," << c.y;

    LONG_PTR style = ::GetWindowLongPtrA(pane.m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(pane.m_hWnd, GWL_STYLE, style & ~(LONG_PTR)WS_CAPTION);
    ::SetWindowPos(pane.m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(::SendMessageA(pane.m_hWnd, WM_NCHITTEST, 0, ScreenParam(ScreenAt(pane.m_hWnd, 190, 10))), HTCLIENT);
    EXPECT_EQ(WindowOf(pane), [&] {
        RECT c = ClientOf(pane.m_hWnd);
        ::MapWindowPoints(pane.m_hWnd, nullptr, (POINT*)&c, 2);
        return c;
    }()) << "without WS_CAPTION the whole window is client";
}

TEST_F(DockPaneTest, ContainerNoticesSetTheCaptionDirection) {
    CTestDockPane& top = NewDockPane();
    ASSERT_TRUE(DockAt(top, kSideTop, 0, 120));
    HWND slot = ::GetParent(top.m_hWnd);
    EXPECT_EQ(top.Container(), slot);
    EXPECT_FALSE(top.Caption().Horizontal()) << "slots along x ask for a vertical caption";
    RECT window = WindowOf(top), client = ClientOf(top.m_hWnd);
    EXPECT_EQ(client.right, window.right - window.left - top.Caption().Height());
    EXPECT_EQ(client.bottom, window.bottom - window.top);
    POINT origin{0, 0};
    ::ClientToScreen(top.m_hWnd, &origin);
    EXPECT_EQ(origin.x - window.left, top.Caption().Height()) << "the strip is on the left";

    EXPECT_EQ(::SendMessageA(top.m_hWnd, WM_DOCKNOTICE, 0, (LPARAM)slot), 1);
    EXPECT_TRUE(top.IsFloating());
    EXPECT_TRUE(top.Caption().Horizontal());
}

TEST_F(DockPaneTest, CloseHidesAndShowDocksBackInTheSamePlace) {
    CTestDockPane& other = NewDockPane();
    ASSERT_TRUE(DockAt(other, kSideLeft, 0, 150));
    CTestDockPane& pane = NewDockPane();
    ASSERT_TRUE(DockAt(pane, kSideLeft, 1, 200));
    RECT before = RectIn(pane.m_hWnd, Frame());
    HWND window = pane.m_hWnd;

    CCaptureWatchdog watchdog;
    PostUp(pane.m_hWnd, CloseButton(pane));
    Press(pane.m_hWnd, kHitClose, CloseButton(pane));
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(::IsWindow(window)) << "closing never destroys a pane";
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_TRUE(pane.IsFloating());
    EXPECT_EQ(pane.StoredPlacement().place.flags & 3, (DWORD)kSideLeft);
    EXPECT_EQ(pane.StoredPlacement().place.position, 1);

    ASSERT_TRUE(pane.Show());
    PumpMessages();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(RectIn(pane.m_hWnd, Frame()), before);
}

TEST_F(DockPaneTest, APressThatDoesNotEndOnTheButtonDoesNothing) {
    CTestDockPane& pane = DockedPane();
    POINT close = CloseButton(pane);
    POINT away = ScreenAt(pane.m_hWnd, 50, 10);
    struct Case {
        const char* name;
        std::function<void()> post;
    } cases[] = {
        {"released outside", [&] { PostUp(pane.m_hWnd, away); }},
        {"escape", [&] { ::PostMessageA(pane.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"second button", [&] { ::PostMessageA(pane.m_hWnd, WM_RBUTTONDOWN, 0, ClientParam(pane.m_hWnd, close)); }},
    };
    for (const Case& c : cases) {
        CCaptureWatchdog watchdog;
        c.post();
        PostUp(pane.m_hWnd, close);  // left over when cancelled; must not count
        Press(pane.m_hWnd, kHitClose, close);
        EXPECT_FALSE(watchdog.Fired()) << c.name;
        EXPECT_TRUE(::IsWindowVisible(pane.m_hWnd)) << c.name;
        EXPECT_FALSE(pane.IsFloating()) << c.name;
        EXPECT_EQ(pane.Caption().close.state & kButtonPressed, 0u) << c.name;
    }
}

TEST_F(DockPaneTest, PinButtonPinsAndTheEntryGivesThePaneBack) {
    CTestDockPane& pane = DockedPane();
    RECT mdiBefore = MdiRect();
    CCaptureWatchdog watchdog;
    PostUp(pane.m_hWnd, PinButton(pane));
    Press(pane.m_hWnd, kHitPin, PinButton(pane));
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(m_bars->pins.size(), 1u);
    const DockMessage& pin = m_bars->pins[0];
    EXPECT_EQ(pin.code, (UINT)kDockPin);
    EXPECT_EQ(pin.pane, pane.m_hWnd);
    EXPECT_EQ(pin.pin.flags & 3, (DWORD)kSideLeft);
    EXPECT_EQ(pin.pin.count, 0);
    ASSERT_EQ(m_bars->bars[kSideLeft].size(), 1u);
    EXPECT_EQ(::GetParent(pane.m_hWnd), m_bars->manager);
    EXPECT_TRUE(pane.IsAutoHidden());
    EXPECT_TRUE(pane.IsPaneVisible());
    EXPECT_EQ(mdiBefore.left, 205);
    EXPECT_EQ(MdiRect().left, CStandInBars::kThickness) << "the slot is gone and the bar took its strip";

    DockMessage back(pane.m_hWnd, Frame(), kDockAtPlacement);
    back.place.flags = kSideLeft | kPlaceAlone;
    std::unique_ptr<CAutoHideBarEntry> entry = std::move(m_bars->bars[kSideLeft].front());
    m_bars->bars[kSideLeft].clear();
    EXPECT_TRUE(entry->GiveBack(back));
    PumpMessages();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_FALSE(pane.IsAutoHidden());
    EXPECT_NE(::GetParent(pane.m_hWnd), m_bars->manager);
    EXPECT_EQ(::GetParent(::GetParent(pane.m_hWnd)), Frame()) << "in a slot window of the frame";
}

TEST_F(DockPaneTest, HotButtonsFollowTheMouseAndTheirTimer) {
    CTestDockPane& pane = DockedPane();
    ::SendMessageA(pane.m_hWnd, WM_NCMOUSEMOVE, kHitClose, 0);
    EXPECT_EQ(pane.Caption().close.state, kButtonHot);
    ::SendMessageA(pane.m_hWnd, WM_NCMOUSEMOVE, kHitPin, 0);
    EXPECT_EQ(pane.Caption().close.state, 0u);
    EXPECT_EQ(pane.Caption().pin.state, kButtonHot);
    // The cursor is parked away: the next tick clears it.
    DWORD until = ::GetTickCount() + 2000;
    while (pane.Caption().pin.state && ::GetTickCount() < until) {
        PumpMessages();
        ::Sleep(20);
    }
    EXPECT_EQ(pane.Caption().pin.state, 0u);
}

TEST_F(DockPaneTest, AQuitMetInEitherLoopGoesBackToTheQueue) {
    CTestDockPane& pane = DockedPane();
    RECT before = RectIn(pane.m_hWnd, Frame());
    for (int hit : {kHitClose, (int)HTCAPTION}) {
        CCaptureWatchdog watchdog;
        ::PostQuitMessage(7);
        POINT at = hit == kHitClose ? CloseButton(pane) : ScreenAt(pane.m_hWnd, 50, 10);
        ::SendMessageA(pane.m_hWnd, WM_NCLBUTTONDOWN, hit, ScreenParam(at));
        MSG msg{};
        ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << hit;
        EXPECT_EQ(msg.wParam, 7u);
        EXPECT_FALSE(watchdog.Fired());
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(RectIn(pane.m_hWnd, Frame()), before);
    }
}

// ---- dragging ----

class PaneDragTest : public DockPaneTest {
protected:
    void SetUp() override {
        DockPaneTest::SetUp();
        pane = &DockedPane();
        grab = ScreenAt(pane->m_hWnd, 50, pane->Caption().Height() - 3);
        before = RectIn(pane->m_hWnd, Frame());
        RECT frame = WindowOf(Frame());
        empty = {frame.right + 60, frame.top + 100};
        POINT b{Client().right / 2, Client().bottom - 8};
        ::ClientToScreen(Frame(), &b);
        bottomEdge = b;
    }
    void Drag(std::initializer_list<POINT> moves, bool release = true) {
        for (POINT p : moves) PostMove(pane->m_hWnd, p);
        if (release) PostUp(pane->m_hWnd, moves.size() ? *(moves.end() - 1) : grab);
        Press(pane->m_hWnd, HTCAPTION, grab);
    }
    // The ghost shown after each step: drawn ones sit at the even indexes.
    RECT GhostAfterStep(size_t step) const { return g_ghostFrames.at(2 * step); }

    CTestDockPane* pane = nullptr;
    POINT grab{}, empty{}, bottomEdge{};
    RECT before{};
    CCaptureWatchdog watchdog;
};

TEST_F(PaneDragTest, ReleasedWhereItStartedChangesNothing) {
    Drag({grab});
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(pane->IsFloating());
    EXPECT_EQ(RectIn(pane->m_hWnd, Frame()), before);
    EXPECT_EQ(g_ghostFrames.size() % 2, 0u) << "every ghost drawn is erased";
}

TEST_F(PaneDragTest, DroppedInEmptySpaceFloatsKeepingTheGrabPoint) {
    RECT window = WindowOf(pane->m_hWnd);
    Drag({empty});
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(pane->IsFloating());
    EXPECT_TRUE(::IsWindowVisible(pane->m_hWnd));
    EXPECT_EQ(::GetWindowLongPtrA(pane->m_hWnd, GWL_STYLE) & WS_CHILD, 0);
    RECT floating = WindowOf(pane->m_hWnd);
    const RECT& f = pane->FloatRect();
    EXPECT_EQ(floating.right - floating.left, 200) << "the float size: the window's width, within a third";
    EXPECT_EQ(floating.bottom - floating.top, Client().bottom / 3) << "cut to a third of the frame";
    EXPECT_EQ(empty.x - floating.left, grab.x - window.left);
    EXPECT_EQ(empty.y - floating.top, ::MulDiv(f.bottom - f.top, grab.y - window.top, window.bottom - window.top));
}

TEST_F(PaneDragTest, AFloatedPaneIsOwnedByTheFrameAndFollowsIt) {
    Drag({empty});
    ASSERT_TRUE(pane->IsFloating());
    EXPECT_EQ(::GetWindow(pane->m_hWnd, GW_OWNER), Frame());
    ::ShowWindow(Frame(), SW_SHOWNORMAL);
    // What a click on the frame's title bar does: the frame comes to the top.
    ::SetWindowPos(Frame(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(Frame());
    PumpMessages();
    EXPECT_TRUE(LiesAbove(pane->m_hWnd, Frame())) << "stays above the frame once the frame is activated";
    ::ShowWindow(Frame(), SW_MINIMIZE);
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(pane->m_hWnd)) << "hidden while the frame is minimised";
    ::ShowWindow(Frame(), SW_RESTORE);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(pane->m_hWnd)) << "shown again with the frame";
    EXPECT_TRUE(LiesAbove(pane->m_hWnd, Frame()));
}

TEST_F(PaneDragTest, DraggedToTheBottomEdgeDocksThere) {
    HWND oldSlot = pane->Container();
    Drag({bottomEdge});
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_FALSE(pane->IsFloating());
    EXPECT_NE(pane->Container(), oldSlot);
    RECT now = RectIn(pane->m_hWnd, Frame());
    EXPECT_EQ(now.bottom, Client().bottom);
    EXPECT_EQ(now.left, 0);
    EXPECT_EQ(now.right, Client().right) << "a bottom slot spans the frame";
    EXPECT_FALSE(pane->Caption().Horizontal()) << "top/bottom slots stand panes side by side";
}

TEST_F(PaneDragTest, ControlHeldOverADockSiteGivesNoTarget) {
    SetControl(true);
    Drag({bottomEdge});
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(pane->IsFloating()) << "floats where it was dropped";
}

TEST_F(PaneDragTest, ToggledControlFlipsTheGhostAndEscapeCancels) {
    pane->probe = [] { SetControl(!(::GetKeyState(VK_CONTROL) < 0)); };
    PostMove(pane->m_hWnd, bottomEdge);
    ::PostMessageA(pane->m_hWnd, WM_APP, 0, 0);
    ::PostMessageA(pane->m_hWnd, WM_KEYDOWN, VK_CONTROL, 0);
    ::PostMessageA(pane->m_hWnd, WM_APP, 0, 0);
    ::PostMessageA(pane->m_hWnd, WM_KEYUP, VK_CONTROL, 0);
    ::PostMessageA(pane->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    Press(pane->m_hWnd, HTCAPTION, grab);
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(g_ghostFrames.size(), 8u);
    RECT docked = GhostAfterStep(1), floating = GhostAfterStep(2);
    EXPECT_EQ(docked.right - docked.left, Client().right) << "the docking ghost spans the bottom";
    EXPECT_EQ(floating.right - floating.left, pane->FloatRect().right - pane->FloatRect().left);
    EXPECT_EQ(floating.left - GhostAfterStep(0).left, bottomEdge.x - grab.x) << "moved by the travel";
    EXPECT_EQ(GhostAfterStep(3), docked);
    EXPECT_FALSE(pane->IsFloating()) << "escape: unchanged";
    EXPECT_EQ(RectIn(pane->m_hWnd, Frame()), before);
}

// The platform ghost, called after recording so the user's outline window shows.
void (*g_platformGhostFrame)(const RECT&) = nullptr;

TEST_F(PaneDragTest, TheOutlineWindowShowsEachGhostAboveTheFrameAndGoesAtTheEnd) {
    ResetPaneSeams();
    g_platformGhostFrame = PaneSeam().drawGhostFrame;
    PaneSeam().drawGhostFrame = [](const RECT& r) {
        g_ghostFrames.push_back(r);
        g_platformGhostFrame(r);
    };
    struct Moment {
        OutlineSeen seen;
        RECT ghost;
        HWND active;
    };
    std::vector<Moment> moments;
    pane->probe = [&] { moments.push_back({SeeOutline(Frame(), pane->m_hWnd), g_ghostFrames.back(), ::GetActiveWindow()}); };
    // Cancelled first, so the pane is still docked for the drop that floats it.
    for (bool drop : {false, true}) {
        SCOPED_TRACE(drop ? "dropped" : "cancelled");
        moments.clear();
        g_ghostFrames.clear();
        PostMove(pane->m_hWnd, bottomEdge);
        ::PostMessageA(pane->m_hWnd, WM_APP, 0, 0);
        PostMove(pane->m_hWnd, empty);
        ::PostMessageA(pane->m_hWnd, WM_APP, 0, 0);
        if (drop) {
            PostUp(pane->m_hWnd, empty);
        } else {
            ::PostMessageA(pane->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        HWND active = ::GetActiveWindow();
        Press(pane->m_hWnd, HTCAPTION, grab);
        EXPECT_FALSE(watchdog.Fired());
        ASSERT_EQ(moments.size(), 2u);
        EXPECT_EQ(moments[0].ghost.right - moments[0].ghost.left, Client().right) << "the docking ghost";
        EXPECT_EQ(moments[1].ghost.right - moments[1].ghost.left, pane->FloatRect().right - pane->FloatRect().left);
        for (const Moment& m : moments) {
            EXPECT_TRUE(m.seen.shown);
            EXPECT_TRUE(m.seen.topmost);
            EXPECT_TRUE(m.seen.aboveFrame);
            EXPECT_TRUE(m.seen.keptCapture) << "the drag keeps the mouse";
            EXPECT_TRUE(m.seen.passesPointer) << "the drop target under the pointer is still found";
            EXPECT_EQ(m.seen.rect, m.ghost) << "the outline frames the ghost";
            EXPECT_EQ(m.active, active) << "the outline never takes the activation";
        }
        EXPECT_EQ(FindOutline(), nullptr) << "gone after the drag";
        EXPECT_EQ(pane->IsFloating(), drop);
    }
}

TEST_F(PaneDragTest, CodeOneAtAPaneAcceptsOnlyOnItsCaption) {
    CTestDockPane& other = NewDockPane();
    ASSERT_TRUE(DockAt(other, kSideBottom, 0, 150));
    DockMessage r(pane->m_hWnd, nullptr, kDockHitTest);
    // Bottom slots stand panes side by side: the caption runs down the left.
    POINT inside = ScreenAt(other.m_hWnd, other.Caption().Height() + 20, 60);
    r.drag.rect = {inside.x, inside.y, inside.x + 10, inside.y + 10};
    EXPECT_EQ(::SendMessageA(other.m_hWnd, DockingBoxMessage(), 0, (LPARAM)&r), 0);
    POINT caption = ScreenAt(other.m_hWnd, 8, 60);
    r.drag.rect = {caption.x, caption.y, caption.x + 10, caption.y + 10};
    EXPECT_EQ(::SendMessageA(other.m_hWnd, DockingBoxMessage(), 0, (LPARAM)&r), 1);
    EXPECT_EQ(r.target, other.m_hWnd);
    RECT client = ClientOf(other.m_hWnd);
    ::MapWindowPoints(other.m_hWnd, nullptr, (POINT*)&client, 2);
    EXPECT_EQ(r.drag.rect, client);
}

TEST_F(PaneDragTest, AFailedDropOnAnotherPanePutsThePaneBack) {
    // No tab docking box can be made, so dropping on a caption fails after the undock.
    PaneSeam().makeTabBox = [](HWND) -> HWND { return nullptr; };
    CTestDockPane& other = NewDockPane();
    ASSERT_TRUE(DockAt(other, kSideBottom, 0, 150));
    before = RectIn(pane->m_hWnd, Frame());
    Drag({ScreenAt(other.m_hWnd, 8, 60)});
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(pane->IsFloating()) << "never hidden and lost";
    EXPECT_TRUE(::IsWindowVisible(pane->m_hWnd));
    EXPECT_EQ(RectIn(pane->m_hWnd, Frame()), before);
}

TEST_F(PaneDragTest, AFailedDropThatCannotGoBackFloats) {
    CTestDockPane& other = NewDockPane();
    ASSERT_TRUE(DockAt(other, kSideBottom, 0, 150));
    Seams().createPackageFrame = [](HWND, Axis) -> std::unique_ptr<ISlotObject> { return nullptr; };
    PaneSeam().makeTabBox = [](HWND) -> HWND { return nullptr; };
    Drag({ScreenAt(other.m_hWnd, 8, 60)});
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(pane->IsFloating());
    EXPECT_TRUE(::IsWindowVisible(pane->m_hWnd)) << "floats at the drop rather than vanish";
}

TEST_F(PaneDragTest, TheWholeGesture) {
    // Docked on the left; dragged to the bottom edge.
    Drag({bottomEdge});
    ASSERT_FALSE(pane->IsFloating());
    RECT bottom = RectIn(pane->m_hWnd, Frame());
    ASSERT_EQ(bottom.bottom, Client().bottom);

    // Dragged out into empty space: a popup tool window.
    grab = ScreenAt(pane->m_hWnd, 8, 60);
    Drag({empty});
    ASSERT_TRUE(pane->IsFloating());
    EXPECT_NE(::GetWindowLongPtrA(pane->m_hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(::GetWindowLongPtrA(pane->m_hWnd, GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(::GetWindow(pane->m_hWnd, GW_OWNER), Frame());

    // A caption double click docks it back where it came from.
    ::SendMessageA(pane->m_hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpMessages();
    ASSERT_FALSE(pane->IsFloating());
    EXPECT_EQ(RectIn(pane->m_hWnd, Frame()), bottom);

    // Closed with its close button, then shown again in the same place.
    PostUp(pane->m_hWnd, CloseButton(*pane));
    Press(pane->m_hWnd, kHitClose, CloseButton(*pane));
    ASSERT_FALSE(::IsWindowVisible(pane->m_hWnd));
    ASSERT_TRUE(pane->Show());
    PumpMessages();
    EXPECT_EQ(RectIn(pane->m_hWnd, Frame()), bottom);

    // Pinned with its pin button: an auto-hide entry on the bottom bar.
    PostUp(pane->m_hWnd, PinButton(*pane));
    Press(pane->m_hWnd, kHitPin, PinButton(*pane));
    ASSERT_EQ(m_bars->bars[kSideBottom].size(), 1u);
    EXPECT_TRUE(pane->IsAutoHidden());
    EXPECT_FALSE(watchdog.Fired());
}

// Stands in for a tab docking box: speaks the protocol and records what it is sent.
class CSpyBox : public CMsgWindow {
public:
    struct Received {
        UINT code;
        HWND pane;
    };
    std::vector<Received> received;
    static inline CSpyBox* s_next = nullptr;

    static HWND Make(HWND host) {
        RECT r{0, 0, 10, 10};
        return s_next ? s_next->Create(host, &r, "box", WS_POPUP) : nullptr;
    }
    TW_BEGIN_MSG_MAP(CSpyBox)
        TW_MESSAGE_HANDLER(WM_DOCKMESSAGE, OnDock)
        TW_REGISTERED_MESSAGE_HANDLER(m_boxMessage, OnDock)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwSpyTabBox"}; }

private:
    LRESULT OnDock(UINT, WPARAM, LPARAM l, bool&) {
        auto* r = (DockMessage*)l;
        if (r->code == kDockProtocolQuery) return 1;
        received.push_back({r->code, r->pane});
        return 1;
    }
    UINT m_boxMessage = DockingBoxMessage();
};

TEST_F(PaneDragTest, DroppedOnADockedPanesCaptionBothGoIntoABoxInItsPlace) {
    CTestDockPane& other = NewDockPane();
    ASSERT_TRUE(DockAt(other, kSideBottom, 0, 150));
    HWND slot = other.Container();
    CSpyBox box;
    CSpyBox::s_next = &box;
    PaneSeam().makeTabBox = CSpyBox::Make;
    Drag({ScreenAt(other.m_hWnd, 8, 60)});
    CSpyBox::s_next = nullptr;
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_NE(box.m_hWnd, nullptr);
    EXPECT_EQ(::GetParent(box.m_hWnd), slot) << "the box took the pane's place";
    ASSERT_EQ(box.received.size(), 2u);
    EXPECT_EQ(box.received[0].code, (UINT)kDockDock);
    EXPECT_EQ(box.received[0].pane, other.m_hWnd) << "the pane under the drop goes first";
    EXPECT_EQ(box.received[1].pane, pane->m_hWnd);
    ::DestroyWindow(box.m_hWnd);
}

TEST_F(DockPaneTest, TextSetWhileDockedKeepsTheOwnCaption) {
    CTestDockPane& pane = DockedPane("old");
    ::SetWindowTextA(pane.m_hWnd, "new title");
    EXPECT_EQ(pane.GetWindowText(), "new title");
    EXPECT_EQ(::GetWindowLongPtrA(pane.m_hWnd, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(RectIn(pane.m_hWnd, Frame()).right, 200);
}

// ---- floating ----

TEST_F(DockPaneTest, CaptionDoubleClickFloatsAndDocksBack) {
    CTestDockPane& pane = DockedPane();
    RECT docked = RectIn(pane.m_hWnd, Frame());
    RECT floatAt{320, 240, 520, 400};
    ::SendMessageA(pane.m_hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(pane.IsFloating()) << "no float rectangle yet: stays docked";

    pane.Hide();
    ::SetWindowPos(pane.m_hWnd, nullptr, floatAt.left, floatAt.top, 200, 160, SWP_NOZORDER | SWP_SHOWWINDOW);
    ASSERT_TRUE(pane.Show());  // docks back at the stored place
    PumpMessages();
    ASSERT_FALSE(pane.IsFloating());
    ::SendMessageA(pane.m_hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpMessages();
    ASSERT_TRUE(pane.IsFloating());
    EXPECT_EQ(WindowOf(pane.m_hWnd), floatAt);
    EXPECT_TRUE(::IsWindowVisible(pane.m_hWnd));

    ::SendMessageA(pane.m_hWnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpMessages();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_EQ(RectIn(pane.m_hWnd, Frame()), docked);
}

TEST_F(DockPaneTest, FloatRectangleFollowsAVisibleFloatingPaneOnly) {
    CTestDockPane& pane = NewDockPane();
    ::SetWindowPos(pane.m_hWnd, nullptr, 100, 100, 150, 120, SWP_NOZORDER);
    EXPECT_TRUE(::IsRectEmpty(&pane.FloatRect())) << "hidden";
    ::SetWindowPos(pane.m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_EQ(pane.FloatRect(), (RECT{100, 100, 250, 220}));
    ::SetWindowPos(pane.m_hWnd, nullptr, 140, 130, 180, 120, SWP_NOZORDER);
    EXPECT_EQ(pane.FloatRect(), (RECT{140, 130, 320, 250}));
    ASSERT_TRUE(DockAt(pane, kSideLeft));
    EXPECT_EQ(pane.FloatRect(), (RECT{140, 130, 320, 250})) << "docked moves are not floating moves";
}

TEST_F(DockPaneTest, PlacementOfAFloatingPane) {
    CTestDockPane& pane = NewDockPane();
    ::SetWindowPos(pane.m_hWnd, nullptr, 100, 100, 150, 120, SWP_NOZORDER | SWP_SHOWWINDOW);
    DockMessage q(nullptr, nullptr, kDockQueryPlacement);
    ASSERT_EQ(SendDockMessage(pane.m_hWnd, q), 1);
    EXPECT_EQ(q.floating.flags, kPlaceFloating);
    EXPECT_EQ(q.floating.rect, (RECT{100, 100, 250, 220}));
    EXPECT_EQ(q.target, pane.m_hWnd);

    ASSERT_TRUE(DockAt(pane, kSideRight, 0, 180));
    ASSERT_TRUE(pane.Hide());
    ASSERT_NE(pane.StoredPlacement().target, nullptr);
    DockMessage hidden(nullptr, nullptr, kDockQueryPlacement);
    ASSERT_EQ(SendDockMessage(pane.m_hWnd, hidden), 1);
    EXPECT_EQ(hidden.place.flags, pane.StoredPlacement().place.flags);
    EXPECT_EQ(hidden.place.flags & 3, (DWORD)kSideRight);
    EXPECT_EQ(hidden.place.size, 180);
}

TEST_F(DockPaneTest, ThePaneSpeaksTheProtocol) {
    CTestDockPane& pane = NewDockPane();
    EXPECT_TRUE(SpeaksDockProtocol(pane.m_hWnd));
    EXPECT_EQ(SendCode(pane.m_hWnd, kDockShow, pane.m_hWnd), 0) << "code 10 while floating";
    EXPECT_EQ(SendCode(pane.m_hWnd, 6, pane.m_hWnd), 0);
}

}  // namespace
