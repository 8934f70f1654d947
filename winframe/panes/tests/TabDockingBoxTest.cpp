// Tab docking boxes made by real drops in a real dock site frame: tabs and
// selection, the placeholder of a drag, collapsing, closing, placements,
// pinning and whole boxes dropped on boxes.
#include "PaneTestSupport.h"
#include "TabDockingBox.h"

namespace {

// Real mouse input, one event per tick of a thread timer, so that it goes on
// inside the modal loops (they dispatch WM_TIMER).
struct GestureScript {
    std::vector<INPUT> events;
    size_t next = 0;
    bool done = false;
};
GestureScript* g_script = nullptr;

INPUT MouseAt(POINT p, DWORD buttons = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(p.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = ::MulDiv(p.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
    return in;
}

void CALLBACK NextGestureEvent(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!g_script) return;
    if (g_script->next < g_script->events.size()) {
        ::SendInput(1, &g_script->events[g_script->next++], sizeof(INPUT));
    } else {
        ::KillTimer(nullptr, timer);
        g_script->done = true;
    }
}

class TabDockingBoxTest : public PaneFixture {
protected:
    void TearDown() override {
        BYTE keys[256] = {};
        ::SetKeyboardState(keys);
        PaneFixture::TearDown();
    }
    POINT ScreenAt(HWND window, int x, int y) const {
        RECT w = WindowOf(window);
        return {w.left + x, w.top + y};
    }
    LPARAM ClientParam(HWND pane, POINT screen) const {
        ::ScreenToClient(pane, &screen);
        return MAKELPARAM((WORD)screen.x, (WORD)screen.y);
    }
    void PostMove(HWND pane, POINT screen) { ::PostMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, ClientParam(pane, screen)); }
    void PostUp(HWND pane, POINT screen) { ::PostMessageA(pane, WM_LBUTTONUP, 0, ClientParam(pane, screen)); }
    // A caption drag of `pane` from `grab`, over the given points, released at the last.
    void Drag(CTestDockPane& pane, POINT grab, std::initializer_list<POINT> moves) {
        for (POINT p : moves) PostMove(pane.m_hWnd, p);
        PostUp(pane.m_hWnd, *(moves.end() - 1));
        ::SendMessageA(pane.m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM((WORD)grab.x, (WORD)grab.y));
        PumpMessages();
    }
    // Where a docked pane's caption can be grabbed (bottom slots: down the
    // left side, buttons at its top end).
    POINT CaptionOf(CTestDockPane& pane) const { return ScreenAt(pane.m_hWnd, 8, 90); }
    // Two panes docked at the bottom and dropped together: a, then b on a's caption.
    CTabDockingBox* DockedBox(CTestDockPane& a, CTestDockPane& b) {
        EXPECT_TRUE(DockAt(a, kSideBottom, 0, 150));
        EXPECT_TRUE(DockAt(b, kSideLeft, 0, 200));
        Drag(b, ScreenAt(b.m_hWnd, 50, 8), {CaptionOf(a)});
        return CTabDockingBox::FromWindow(a.Container());
    }
    struct TwoInABox {
        CTestDockPane& a;
        CTestDockPane& b;
        CTabDockingBox* box;
    };
    // Panes "first" and "second" in a box at the bottom.
    TwoInABox BoxOfTwo() {
        CTestDockPane& a = NewDockPane("first");
        CTestDockPane& b = NewDockPane("second");
        return {a, b, DockedBox(a, b)};
    }
    static void SetControl(bool down) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    POINT StripPoint(CTabDockingBox& box, int x) const {
        RECT strip = WindowOf(box.Tabs().m_hWnd);
        return {strip.left + x, (strip.top + strip.bottom) / 2};
    }
    RECT TabOnScreen(CTabDockingBox& box, int index) const {
        RECT r{};
        box.Tabs().GetItemRect(index, &r);
        ::MapWindowPoints(box.Tabs().m_hWnd, nullptr, (POINT*)&r, 2);
        return r;
    }
    // A code-1 test at a screen point; `next` is the message the wait then meets.
    LRESULT HitAt(CTabDockingBox& box, CTestDockPane& dragged, POINT at, POINT next, DockMessage& r) {
        PostMove(dragged.m_hWnd, next);
        r = DockMessage(dragged.m_hWnd, nullptr, kDockHitTest);
        r.drag.rect = {at.x, at.y, at.x + 10, at.y + 10};
        LRESULT reply = ::SendMessageA(box.m_hWnd, DockingBoxMessage(), 0, (LPARAM)&r);
        // The move stays queued for the drag loop; nobody here wants it.
        MSG msg;
        ::PeekMessageA(&msg, dragged.m_hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
        return reply;
    }
    CCaptureWatchdog watchdog;
};

TEST_F(TabDockingBoxTest, ADropOnACaptionMakesABoxWhoseTabsSwitchThePanes) {
    CTestDockPane& a = NewDockPane("Find 1");
    CTestDockPane& b = NewDockPane("Find 2");
    HICON icon = ::LoadIconA(nullptr, IDI_WARNING);
    ::SendMessageA(b.m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)icon);
    ASSERT_TRUE(DockAt(a, kSideBottom, 0, 150));
    HWND slot = a.Container();
    ASSERT_TRUE(DockAt(b, kSideLeft, 0, 200));
    Drag(b, ScreenAt(b.m_hWnd, 50, 8), {CaptionOf(a)});
    EXPECT_FALSE(watchdog.Fired());

    CTabDockingBox* box = CTabDockingBox::FromWindow(a.Container());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(b.Container(), box->m_hWnd);
    EXPECT_EQ(::GetParent(box->m_hWnd), slot) << "the box took a's place";
    ASSERT_EQ(box->PaneCount(), 2);
    EXPECT_EQ(box->PaneAt(0), a.m_hWnd);
    EXPECT_EQ(box->PaneAt(1), b.m_hWnd);
    EXPECT_EQ(box->ActivePane(), b.m_hWnd) << "the dropped pane's new tab is selected";
    EXPECT_TRUE(::IsWindowVisible(b.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(a.m_hWnd));
    EXPECT_EQ(box->GetWindowText(), "Find 2");
    EXPECT_EQ((HICON)box->SendMessage(WM_GETICON, ICON_SMALL), icon);
    EXPECT_EQ(::GetWindowLongPtrA(a.m_hWnd, GWL_STYLE) & (WS_CAPTION | WS_POPUP), 0);

    // The active pane fills the box above its strip.
    RECT client = ClientOf(box->m_hWnd), strip = RectIn(box->Tabs().m_hWnd, box->m_hWnd);
    RECT inBox = RectIn(b.m_hWnd, box->m_hWnd);
    EXPECT_EQ(strip.bottom - strip.top, box->Tabs().GetHeight());
    EXPECT_EQ(inBox.bottom, strip.top);
    EXPECT_EQ(inBox.right - inBox.left, client.right);

    // Clicking a's tab.
    RECT tab = TabOnScreen(*box, 0);
    POINT click{(tab.left + tab.right) / 2 - WindowOf(box->Tabs().m_hWnd).left, 5};
    box->Tabs().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
    box->Tabs().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(click.x, click.y));
    PumpMessages();
    EXPECT_EQ(box->ActivePane(), a.m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(a.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(b.m_hWnd));
    EXPECT_EQ(box->GetWindowText(), "Find 1");
}

TEST_F(TabDockingBoxTest, ARealDragOntoACaptionMakesABox) {
    CTestDockPane& a = NewDockPane("first");
    CTestDockPane& b = NewDockPane("second");
    ASSERT_TRUE(DockAt(a, kSideBottom, 0, 150));
    ASSERT_TRUE(DockAt(b, kSideLeft, 0, 200));
    Seams().dragDetect = &::DragDetect;
    ::SetForegroundWindow(Frame());
    const POINT grab = ScreenAt(b.m_hWnd, 50, 8), drop = CaptionOf(a);
    // The press and a first move past the drag distance go in before the
    // press is handled, so that DragDetect sees both.
    INPUT press[] = {MouseAt(grab), MouseAt(grab, MOUSEEVENTF_LEFTDOWN), MouseAt({grab.x + 12, grab.y + 12})};
    ::SendInput(3, press, sizeof(INPUT));
    GestureScript script;
    for (int i = 1; i <= 5; ++i)
        script.events.push_back(MouseAt({grab.x + (drop.x - grab.x) * i / 5, grab.y + (drop.y - grab.y) * i / 5}));
    script.events.push_back(MouseAt(drop));
    script.events.push_back(MouseAt(drop, MOUSEEVENTF_LEFTUP));
    g_script = &script;
    ::SetTimer(nullptr, 0, 25, NextGestureEvent);
    for (int i = 0; i < 80 && !(script.done && !::GetCapture()); ++i) PumpMessagesFor(25);
    g_script = nullptr;
    PumpMessages();
    ParkCursor();
    EXPECT_TRUE(script.done);
    EXPECT_FALSE(watchdog.Fired());
    CTabDockingBox* box = CTabDockingBox::FromWindow(a.Container());
    ASSERT_NE(box, nullptr) << "dropped on a's caption";
    EXPECT_EQ(b.Container(), box->m_hWnd);
    EXPECT_EQ(box->PaneCount(), 2);
}

TEST_F(TabDockingBoxTest, APlaceholderTabFollowsTheDragAndGoesWhenItLeaves) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    CTestDockPane& c = NewDockPane("third");
    ::SetWindowPos(c.m_hWnd, nullptr, 600, 50, 200, 150, SWP_NOZORDER | SWP_SHOWWINDOW);
    const RECT t0 = TabOnScreen(*box, 0), t1 = TabOnScreen(*box, 1);
    const POINT away = ScreenAt(Frame(), WindowOf(Frame()).right - WindowOf(Frame()).left + 50, 20);
    const struct {
        const char* where;
        POINT at;
        int index;
    } cases[] = {
        {"before the first tab", {t0.left - 2, (t0.top + t0.bottom) / 2}, 0},
        {"over the first tab", {(t0.left + t0.right) / 2, (t0.top + t0.bottom) / 2}, 0},
        {"over the second tab", {(t1.left + t1.right) / 2, (t1.top + t1.bottom) / 2}, 1},
        {"past the last tab", {t1.right + 30, (t1.top + t1.bottom) / 2}, 2},
    };
    for (const auto& k : cases) {
        DockMessage r;
        // Staying over the box keeps the placeholder.
        ASSERT_EQ(HitAt(*box, c, k.at, k.at, r), 1) << k.where;
        EXPECT_EQ(r.target, box->m_hWnd) << k.where;
        EXPECT_EQ(r.drag.rect.left, k.index) << k.where;
        EXPECT_EQ(r.drag.rect.bottom, k.index) << k.where;
        ASSERT_EQ(box->PaneCount(), 3) << k.where;
        EXPECT_EQ(box->PaneAt(k.index), nullptr) << k.where << ": the placeholder";
        EXPECT_EQ(box->Tabs().GetCurSel(), k.index) << k.where;
        EXPECT_EQ(box->ActivePane(), b.m_hWnd) << k.where << ": the shown pane stays";
        // Moving away removes it and puts the selection back.
        ASSERT_EQ(HitAt(*box, c, k.at, away, r), 1) << k.where;
        EXPECT_EQ(box->PaneCount(), 2) << k.where;
        EXPECT_EQ(box->Tabs().GetCurSel(), 1) << k.where;
    }
    // CTRL held removes it too.
    SetControl(true);
    DockMessage r;
    POINT over{(t0.left + t0.right) / 2, (t0.top + t0.bottom) / 2};
    ASSERT_EQ(HitAt(*box, c, over, over, r), 1);
    EXPECT_EQ(box->PaneCount(), 2);
    SetControl(false);
    // Outside the box: no.
    EXPECT_EQ(HitAt(*box, c, away, away, r), 0);
    EXPECT_EQ(box->PaneCount(), 2);

    // The drop that follows lands where the placeholder stood.
    Drag(c, ScreenAt(c.m_hWnd, 50, 8), {over});
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(box->PaneCount(), 3);
    EXPECT_EQ(box->PaneAt(0), c.m_hWnd);
    EXPECT_EQ(box->PaneAt(1), a.m_hWnd);
    EXPECT_EQ(box->ActivePane(), c.m_hWnd);
}

TEST_F(TabDockingBoxTest, ATabDraggedOutDocksAloneAndTheOtherTakesTheBoxsPlace) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd, slot = ::GetParent(boxWindow);
    const RECT boxRect = RectIn(boxWindow, Frame());
    // The strip reports a tab dragged out; the selected pane (b) starts its caption drag.
    NMHDR out{box->Tabs().m_hWnd, 0, TSN_DRAGOUT};
    ::SendMessageA(boxWindow, WM_NOTIFY, 0, (LPARAM)&out);
    POINT left{WindowOf(Frame()).left + 8, WindowOf(Frame()).top + 200};
    PostMove(b.m_hWnd, left);
    PostUp(b.m_hWnd, left);
    PumpMessages();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(::IsWindow(boxWindow)) << "the box collapsed";
    EXPECT_EQ(a.Container(), slot) << "a is alone in the box's slot";
    EXPECT_EQ(RectIn(a.m_hWnd, Frame()), boxRect);
    EXPECT_TRUE(::IsWindowVisible(a.m_hWnd));
    ASSERT_FALSE(b.IsFloating());
    EXPECT_NE(b.Container(), slot);
    EXPECT_EQ(RectIn(b.m_hWnd, Frame()).left, 0) << "docked on the left";
}

// Once the pane's own drag loop holds the capture, a move to a point and
// the release there are posted to it.
struct PostedDrop {
    HWND pane = nullptr;
    POINT at{};
    bool posted = false;
};
PostedDrop* g_drop = nullptr;

void CALLBACK PostDropWhenDragging(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!g_drop || ::GetCapture() != g_drop->pane) return;
    POINT client = g_drop->at;
    ::ScreenToClient(g_drop->pane, &client);
    ::PostMessageA(g_drop->pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    ::PostMessageA(g_drop->pane, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    g_drop->posted = true;
    ::KillTimer(nullptr, timer);
}

TEST_F(TabDockingBoxTest, ATabPulledOffTheStripStartsThePanesOwnDrag) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd, strip = box->Tabs().m_hWnd;
    auto* tabs = dynamic_cast<CFlyingTabCtrl*>(CMsgWindow::FromHandle(strip));
    ASSERT_NE(tabs, nullptr);
    tabs->SetDragDetect([](HWND, POINT) -> BOOL { return TRUE; });
    RECT tab{};
    ASSERT_TRUE(tabs->GetItemRect(1, &tab));
    const POINT press{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    // Off every tab, up into the pane: the strip's reorder loop lets go.
    ::PostMessageA(strip, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press.x, (WORD)(short)-30));
    PostedDrop drop{b.m_hWnd, {WindowOf(Frame()).left + 8, WindowOf(Frame()).top + 200}};
    g_drop = &drop;
    ::SetTimer(nullptr, 0, 20, PostDropWhenDragging);
    ::SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    for (int i = 0; i < 40 && (!drop.posted || ::GetCapture()); ++i) PumpMessagesFor(25);
    g_drop = nullptr;
    PumpMessages();
    EXPECT_TRUE(drop.posted) << "the pane's drag began";
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(::IsWindow(boxWindow)) << "the box collapsed into the other pane";
    ASSERT_FALSE(b.IsFloating());
    EXPECT_EQ(RectIn(b.m_hWnd, Frame()).left, 0) << "docked on the left";
    EXPECT_TRUE(::IsWindowVisible(a.m_hWnd));
}

TEST_F(TabDockingBoxTest, ATwoPaneBoxCollapsesIntoTheOtherPaneDockedOrFloating) {
    // Docked: the slot gets the remaining pane.
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd, slot = ::GetParent(boxWindow);
    ::SendMessageA(b.m_hWnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(boxWindow));
    EXPECT_EQ(a.Container(), slot);
    EXPECT_TRUE(::IsWindowVisible(a.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(b.m_hWnd));

    // Floating: the remaining pane takes the box's window rectangle.
    CTestDockPane& c = NewDockPane("third");
    CTestDockPane& d = NewDockPane("fourth");
    ::SetWindowPos(c.m_hWnd, nullptr, 560, 60, 220, 160, SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetWindowPos(d.m_hWnd, nullptr, 100, 400, 200, 150, SWP_NOZORDER | SWP_SHOWWINDOW);
    PumpMessages();
    POINT caption = ScreenAt(c.m_hWnd, 40, ::GetSystemMetrics(SM_CYFRAME) + 4);
    Drag(d, ScreenAt(d.m_hWnd, 40, ::GetSystemMetrics(SM_CYFRAME) + 4), {caption});
    CTabDockingBox* floating = CTabDockingBox::FromWindow(c.Container());
    ASSERT_NE(floating, nullptr);
    EXPECT_TRUE(floating->IsFloating());
    const RECT where = WindowOf(floating->m_hWnd);
    EXPECT_EQ(where, (RECT{560, 60, 780, 220})) << "the box took c's rectangle";
    boxWindow = floating->m_hWnd;
    ::SendMessageA(c.m_hWnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(boxWindow));
    EXPECT_TRUE(d.IsFloating());
    EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
    EXPECT_EQ(WindowOf(d.m_hWnd), where);
}

TEST_F(TabDockingBoxTest, AStaleCollapseKeepsBothPanes) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd;
    // Out and back in before the posted collapse runs.
    ASSERT_TRUE(b.Undock());
    DockMessage back(b.m_hWnd, boxWindow, kDockDock);
    back.drag.rect = {1, 1, 1, 1};
    ASSERT_NE(SendDockMessage(boxWindow, back), 0);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(boxWindow));
    EXPECT_EQ(box->PaneCount(), 2);
    EXPECT_TRUE(::IsWindow(a.m_hWnd));
    EXPECT_EQ(a.Container(), boxWindow);
    EXPECT_EQ(b.Container(), boxWindow);
}

TEST_F(TabDockingBoxTest, PlacementsInsideABoxNameTheOtherPaneOrTheBox) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    DockMessage r;
    ASSERT_TRUE(a.QueryPlacement(r));
    EXPECT_EQ(r.target, b.m_hWnd) << "two panes: the other one";
    EXPECT_EQ(r.place.index, 0);
    EXPECT_EQ(r.place.flags & (kPlaceActive | 3), (DWORD)kSideBottom);
    ASSERT_TRUE(b.QueryPlacement(r));
    EXPECT_EQ(r.place.index, 1);
    EXPECT_NE(r.place.flags & kPlaceActive, 0u) << "b is shown";

    CTestDockPane& c = NewDockPane("third");
    DockMessage add(c.m_hWnd, box->m_hWnd, kDockDock);
    add.drag.rect = {9, 0, 0, 0};
    ASSERT_NE(SendDockMessage(box->m_hWnd, add), 0);
    ASSERT_TRUE(a.QueryPlacement(r));
    EXPECT_EQ(r.target, box->m_hWnd) << "three panes: the box";
    EXPECT_EQ(r.place.index, 0);
    EXPECT_EQ(box->PaneAt(2), c.m_hWnd) << "an index past the count appends";

    // A closed pane goes back to its tab.
    ::SendMessageA(a.m_hWnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(box->PaneCount(), 2);
    ASSERT_TRUE(a.Show());
    PumpMessages();
    EXPECT_EQ(box->PaneAt(0), a.m_hWnd);
}

TEST_F(TabDockingBoxTest, ClosingABoxHidesItAndShowBringsItBack) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd;
    const RECT before = RectIn(boxWindow, Frame());
    const RECT mdi = MdiRect();
    ::SendMessageA(boxWindow, WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(boxWindow));
    EXPECT_FALSE(::IsWindowVisible(boxWindow));
    EXPECT_EQ(box->PaneCount(), 2) << "the panes stay in the box";
    EXPECT_GT(MdiRect().bottom, mdi.bottom) << "its slot is gone";
    // A pane's show command brings its box back at the same place.
    ASSERT_TRUE(a.Show());
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(boxWindow));
    EXPECT_EQ(RectIn(boxWindow, Frame()), before);
    EXPECT_EQ(box->ActivePane(), a.m_hWnd);
}

TEST_F(TabDockingBoxTest, ThePinButtonSendsEveryPaneInOneRecord) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd;
    const RECT& pin = box->Caption().pin.rect;
    POINT at = ScreenAt(boxWindow, (pin.left + pin.right) / 2, (pin.top + pin.bottom) / 2);
    PostUp(boxWindow, at);
    ::SendMessageA(boxWindow, WM_NCLBUTTONDOWN, kHitPin, MAKELPARAM(at.x, at.y));
    PumpMessages();
    ASSERT_EQ(m_bars->pins.size(), 1u);
    const DockMessage& r = m_bars->pins[0];
    EXPECT_EQ(r.pin.count, 2);
    EXPECT_EQ(r.pane, b.m_hWnd) << "the active pane";
    EXPECT_EQ(r.pin.flags & 3, (DWORD)kSideBottom);
    EXPECT_EQ(r.pin.showNow, 1u);
    ASSERT_EQ(m_bars->bars[kSideBottom].size(), 1u);
    auto* group = dynamic_cast<CGroupAutoHideEntry*>(m_bars->bars[kSideBottom].front().get());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Entries()[0].pane, a.m_hWnd) << "tab order";
    EXPECT_EQ(group->Entries()[1].pane, b.m_hWnd);
    EXPECT_FALSE(::IsWindow(boxWindow)) << "the box closed";
}

TEST_F(TabDockingBoxTest, ABoxDroppedOnABoxMovesItsTabsAcross) {
    CTestDockPane& a = NewDockPane("a");
    CTestDockPane& b = NewDockPane("b");
    CTabDockingBox* first = DockedBox(a, b);
    ASSERT_NE(first, nullptr);
    CTestDockPane& c = NewDockPane("c");
    CTestDockPane& d = NewDockPane("d");
    ASSERT_TRUE(DockAt(c, kSideTop, 0, 150));
    ASSERT_TRUE(DockAt(d, kSideRight, 0, 200));
    Drag(d, ScreenAt(d.m_hWnd, 50, 8), {ScreenAt(c.m_hWnd, 8, 90)});
    CTabDockingBox* second = CTabDockingBox::FromWindow(c.Container());
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    // First box shows a; dropped as a whole after the last tab of the second.
    DockMessage show(a.m_hWnd, first->m_hWnd, kDockShow);
    SendDockMessage(first->m_hWnd, show);
    HWND firstWindow = first->m_hWnd;
    ASSERT_TRUE(first->Undock());
    DockMessage r(firstWindow, second->m_hWnd, kDockDock);
    r.drag.rect = {2, 2, 2, 2};
    ASSERT_TRUE(first->Dock(r));
    PumpMessages();
    ASSERT_EQ(second->PaneCount(), 4);
    EXPECT_EQ(second->PaneAt(2), a.m_hWnd);
    EXPECT_EQ(second->PaneAt(3), b.m_hWnd) << "last tab first keeps the order";
    EXPECT_EQ(second->ActivePane(), a.m_hWnd) << "the formerly active pane";
    EXPECT_FALSE(::IsWindow(firstWindow)) << "the empty box closed";
}

TEST_F(TabDockingBoxTest, ABoxDraggedByItsCaptionFloatsWithItsPanesAndDocksBack) {
    auto [a, b, box] = BoxOfTwo();
    ASSERT_NE(box, nullptr);
    HWND boxWindow = box->m_hWnd;
    const RECT docked = RectIn(boxWindow, Frame());
    ASSERT_FALSE(box->Caption().Horizontal()) << "bottom slots stand windows side by side";
    const POINT grab = ScreenAt(boxWindow, 8, 90);
    ASSERT_EQ(::SendMessageA(boxWindow, WM_NCHITTEST, 0, MAKELPARAM(grab.x, grab.y)), HTCAPTION);
    RECT frame = WindowOf(Frame());
    const POINT empty{frame.right + 60, frame.top + 100};
    PostMove(boxWindow, empty);
    PostUp(boxWindow, empty);
    ::SendMessageA(boxWindow, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grab.x, grab.y));
    PumpMessages();
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(::IsWindow(boxWindow));
    EXPECT_TRUE(box->IsFloating());
    EXPECT_TRUE(::IsWindowVisible(boxWindow));
    EXPECT_NE(::GetWindowLongPtrA(boxWindow, GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(box->PaneCount(), 2) << "the panes travel with the box";
    EXPECT_EQ(a.Container(), boxWindow);
    const RECT floating = WindowOf(boxWindow);
    EXPECT_TRUE(::PtInRect(&floating, empty)) << "floats where it was let go";
    EXPECT_GT(MdiRect().bottom, docked.top) << "its slot is gone";
    // A double click on its caption docks it back where it was.
    ::SendMessageA(boxWindow, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpMessages();
    EXPECT_FALSE(box->IsFloating());
    EXPECT_EQ(RectIn(boxWindow, Frame()), docked);
}

}  // namespace
