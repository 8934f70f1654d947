// The dock site frame with real windows: docking to each side, hit tests,
// removing slots, placements, resizing, the frame minimum and bar drags
// driven by posted mouse messages.
#include <gtest/gtest.h>

#include <windows.h>

#include "DockSeams.h"
#include "DockTestSupport.h"
#include "DockingMetrics.h"
#include "PackageWindowFrame.h"

namespace {

using DockSiteFrameTest = DockFixture;

std::string ClassOf(HWND w) {
    char name[128] = {};
    ::GetClassNameA(w, name, sizeof name);
    return name;
}

TEST_F(DockSiteFrameTest, MdiClientFillsTheFreshFrame) {
    EXPECT_EQ(MdiRect(), Client());
    EXPECT_EQ(m_frame->InnerArea().Rect(), Client());
    EXPECT_EQ(m_frame->OuterArea().Slots().Count(), 1u);
    EXPECT_EQ(m_frame->InnerArea().Slots().Count(), 1u);
}

TEST_F(DockSiteFrameTest, DockAtPlacementOnEachSide) {
    const int W = Client().right, H = Client().bottom;
    struct Case {
        DWORD side;
        RECT slot, mdi;
        int vertical;
    } cases[] = {
        {kSideLeft, {0, 0, 100, H}, {105, 0, W, H}, 0},
        {kSideRight, {W - 100, 0, W, H}, {0, 0, W - 105, H}, 0},
        {kSideTop, {0, 0, W, 100}, {0, 105, W, H}, 1},
        {kSideBottom, {0, H - 100, W, H}, {0, 0, W, H - 105}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side);
        MakeFrame();
        CTestPane& pane = NewPane();
        ASSERT_NE(Dock(pane, c.side, 0), 0);
        HWND slot = ::GetParent(pane.m_hWnd);
        EXPECT_EQ(ClassOf(slot), "CPackageWindowFrame::CPackageWindow");
        EXPECT_EQ((DWORD)::GetWindowLongA(slot, GWL_STYLE), 0x56000000u);
        EXPECT_EQ(RectIn(slot, Frame()), c.slot);
        EXPECT_EQ(RectIn(pane.m_hWnd, Frame()), c.slot);
        EXPECT_EQ(MdiRect(), c.mdi);
        LONG style = ::GetWindowLongA(pane.m_hWnd, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_FALSE(style & WS_POPUP);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << "the caption bits stay";
        EXPECT_TRUE(::IsWindowVisible(pane.m_hWnd));
        ASSERT_FALSE(pane.notices.empty());
        EXPECT_EQ(pane.notices.back().wParam, ((WPARAM)c.vertical << 16) + 1);
        EXPECT_EQ(pane.notices.back().container, slot);
    }
}

// A drag record of 200 x 150 dropped at a client point, sent as code 1.
struct HitResult {
    LRESULT reply;
    DockMessage record;
    RECT ghost;  // client coordinates
};

HitResult HitAt(HWND frame, HWND pane, POINT client) {
    POINT screen = client;
    ::ClientToScreen(frame, &screen);
    HitResult out{0, DockMessage(pane, nullptr, kDockHitTest), {}};
    out.record.drag.rect = {screen.x, screen.y, screen.x + 200, screen.y + 150};
    out.record.drag.dropFlags = 0x12345;  // cleared by the frame
    out.reply = ::SendMessageA(frame, WM_DOCKMESSAGE, 0, (LPARAM)&out.record);
    out.ghost = out.record.drag.rect;
    ::MapWindowPoints(nullptr, frame, (POINT*)&out.ghost, 2);
    return out;
}

TEST_F(DockSiteFrameTest, HitTestOnAFreshFrame) {
    const int W = Client().right, H = Client().bottom;
    struct Case {
        const char* what;
        POINT drop;
        SIZE minimum;
        bool accepted;
        DWORD flags;
        RECT ghost;
    } cases[] = {
        {"near the inner area's start", {5, H / 2}, {60, 40}, true, kDropInnerArea, {0, 0, 200, H}},
        {"over the MDI client", {W / 2, H / 2}, {60, 40}, false, 0, {}},
        {"just outside the left edge", {-10, H / 2}, {60, 40}, true, kDropInnerArea, {0, 0, 200, H}},
        {"far outside", {-30, H / 2}, {60, 40}, false, 0, {}},
        {"near the right edge", {W - 10, H / 2}, {60, 40}, true, kDropInnerArea | kDropAfterCentre,
         {W - 200, 0, W, H}},
        {"near the bottom edge", {W / 2, H - 10}, {60, 40}, true, kDropAfterCentre, {0, H - 150, W, H}},
        {"near the top edge", {W / 2, 5}, {60, 40}, true, 0, {0, 0, W, 150}},
        {"a pane wider than the frame", {5, H / 2}, {W + 1, 40}, false, 0, {}},
        {"a pane whose minimum leaves the centre no room", {5, H / 2}, {W - 50, 40}, false, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTestPane& pane = NewPane(c.minimum);
        HitResult hit = HitAt(Frame(), pane.m_hWnd, c.drop);
        EXPECT_EQ(hit.reply != 0, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(hit.record.target, Frame());
            EXPECT_EQ(hit.record.drag.dropFlags, c.flags);
            EXPECT_EQ(hit.ghost, c.ghost);
        } else {
            EXPECT_EQ(hit.record.target, nullptr);
        }
    }
}

TEST_F(DockSiteFrameTest, HitTestBesideAnExistingSlot) {
    const int H = Client().bottom;
    CTestPane& docked = NewPane();
    ASSERT_NE(Dock(docked, kSideLeft, 0), 0);
    HWND slot = ::GetParent(docked.m_hWnd);
    CTestPane& dragged = NewPane();

    HitResult inside = HitAt(Frame(), dragged.m_hWnd, {50, H / 2});
    EXPECT_EQ(inside.reply, 1);
    EXPECT_EQ(inside.record.target, slot) << "deeper inside: the slot window answers";
    EXPECT_EQ(inside.ghost, (RECT{0, H / 2, 100, H / 2 + 150}));
    EXPECT_EQ(inside.record.drag.dropFlags, kDropInnerArea);

    HitResult edge = HitAt(Frame(), dragged.m_hWnd, {102, H / 2});
    EXPECT_EQ(edge.reply, 1);
    EXPECT_EQ(edge.record.target, Frame()) << "near the centre's leading edge: a new slot";
    EXPECT_EQ(edge.ghost, (RECT{105, 0, 305, H}));

    HitResult own = HitAt(Frame(), docked.m_hWnd, {50, H / 2});
    EXPECT_EQ(own.reply, 0) << "the only pane of a slot window cannot drop back into it";
    EXPECT_EQ(own.record.target, nullptr);
}

TEST_F(DockSiteFrameTest, DockAtTheDropThenRemoveRestoresTheMdiClient) {
    const int W = Client().right, H = Client().bottom;
    const RECT before = MdiRect();
    CTestPane& pane = NewPane();
    HitResult hit = HitAt(Frame(), pane.m_hWnd, {5, H / 2});
    ASSERT_EQ(hit.reply, 1);
    hit.record.code = kDockDock;
    ASSERT_NE(SendDockMessage(hit.record.target, hit.record), 0);
    HWND slot = ::GetParent(pane.m_hWnd);
    EXPECT_EQ(RectIn(slot, Frame()), (RECT{0, 0, 200, H})) << "the dragged width";
    EXPECT_EQ(MdiRect(), (RECT{205, 0, W, H})) << "the MDI client gives width + 5";

    ASSERT_EQ(SendCode(slot, kDockRemove, pane.m_hWnd, slot), 1);
    EXPECT_EQ(MdiRect(), before);
    LONG style = ::GetWindowLongA(pane.m_hWnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_FALSE(::IsWindowVisible(pane.m_hWnd));
    EXPECT_EQ(pane.notices.back().wParam, 0u);
    EXPECT_EQ(pane.notices.back().container, slot);
    EXPECT_TRUE(::IsWindow(slot));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(slot)) << "an emptied slot window closes itself";
    EXPECT_EQ(m_frame->InnerArea().Slots().Count(), 1u);
}

TEST_F(DockSiteFrameTest, AloneBitMakesANewSlotOtherwiseThePaneJoins) {
    const int H = Client().bottom;
    CTestPane& a = NewPane();
    CTestPane& b = NewPane();
    CTestPane& c = NewPane();
    ASSERT_NE(Dock(a, kSideLeft, 0), 0);
    ASSERT_NE(Dock(b, kSideLeft | kPlaceAlone, 0), 0);
    EXPECT_NE(::GetParent(a.m_hWnd), ::GetParent(b.m_hWnd));
    EXPECT_EQ(RectIn(::GetParent(b.m_hWnd), Frame()), (RECT{0, 0, 100, H})) << "the new slot is outermost";
    EXPECT_EQ(RectIn(::GetParent(a.m_hWnd), Frame()), (RECT{105, 0, 205, H}));
    ASSERT_NE(Dock(c, kSideLeft, 0), 0);
    EXPECT_EQ(::GetParent(c.m_hWnd), ::GetParent(b.m_hWnd));
    EXPECT_EQ(m_frame->InnerArea().Slots().Count(), 3u);
}

TEST_F(DockSiteFrameTest, ANewSlotPastTheSlotsThereAreStopsAtTheCentre) {
    // A pane that left the second slot comes back second, not first.
    const int H = Client().bottom;
    CTestPane& a = NewPane();
    CTestPane& b = NewPane();
    CTestPane& r = NewPane();
    ASSERT_NE(Dock(a, kSideLeft | kPlaceAlone, 0), 0);
    ASSERT_NE(Dock(b, kSideLeft | kPlaceAlone, 1), 0);
    EXPECT_EQ(RectIn(::GetParent(a.m_hWnd), Frame()), (RECT{0, 0, 100, H}));
    EXPECT_EQ(RectIn(::GetParent(b.m_hWnd), Frame()), (RECT{105, 0, 205, H}));
    ASSERT_NE(Dock(r, kSideRight | kPlaceAlone, 5), 0);
    EXPECT_EQ(RectIn(::GetParent(r.m_hWnd), Frame()).right, Client().right) << "counted from the right edge";
}

TEST_F(DockSiteFrameTest, AFirstPaneFillsItsSlotWhateverItsStoredLength) {
    // An auto-hidden pane stores length 1; given back, it still docks.
    const int H = Client().bottom;
    CTestPane& a = NewPane();
    ASSERT_NE(Dock(a, kSideLeft | kPlaceAlone, 0, 100, 1), 0);
    EXPECT_EQ(RectIn(a.m_hWnd, Frame()), (RECT{0, 0, 100, H}));
}

TEST_F(DockSiteFrameTest, TheMainFramePlacementsGiveOneBottomAndOneLeftSlot) {
    struct Place {
        DWORD side;
        int position;
        float ratio;
    } places[] = {{kSideBottom, 3, 0.0f}, {kSideBottom, 4, 0.1f}, {kSideBottom, 5, 0.1f},
                  {kSideLeft, 0, 0.0f},   {kSideLeft, 1, 0.0f},   {kSideLeft, 2, 0.0f}};
    std::vector<HWND> parents;
    for (const Place& p : places) {
        CTestPane& pane = NewPane();
        EXPECT_NE(Dock(pane, p.side, p.position, 100, 100, p.ratio), 0);
        parents.push_back(::GetParent(pane.m_hWnd));
    }
    EXPECT_EQ(m_frame->OuterArea().Slots().Count(), 2u);
    EXPECT_EQ(m_frame->InnerArea().Slots().Count(), 2u);
    EXPECT_EQ(parents[0], parents[1]);
    EXPECT_EQ(parents[0], parents[2]);
    EXPECT_EQ(parents[3], parents[4]);
    EXPECT_EQ(parents[3], parents[5]);
}

TEST_F(DockSiteFrameTest, ShrinkingTakesFromTheCentreFirstThenRunsPastTheEdge) {
    const int W = Client().right, H = Client().bottom;
    CTestPane& pane = NewPane();
    ASSERT_NE(Dock(pane, kSideLeft, 0), 0);
    HWND slot = ::GetParent(pane.m_hWnd);

    SetClientSize(W - 50, H);
    EXPECT_EQ(RectIn(slot, Frame()), (RECT{0, 0, 100, H}));
    EXPECT_EQ(MdiRect(), (RECT{105, 0, W - 50, H}));

    SetClientSize(200, H);
    RECT s = RectIn(slot, Frame()), m = MdiRect();
    EXPECT_EQ(m.right, 200);
    EXPECT_GE(m.right - m.left, 100) << "never below the MDI client's minimum";
    EXPECT_LT(s.right, 100) << "then the slots give proportionally";
    EXPECT_GE(s.right - s.left, 60);
    EXPECT_EQ(s.right + 5, m.left);

    SetClientSize(150, H);
    EXPECT_EQ(RectIn(slot, Frame()), (RECT{0, 0, 60, H}));
    EXPECT_EQ(MdiRect(), (RECT{65, 0, 165, H})) << "the area runs past the client";
}

TEST_F(DockSiteFrameTest, LayoutSurvivesAFrameResize) {
    const int W = Client().right, H = Client().bottom;
    CTestPane& left = NewPane();
    CTestPane& bottom = NewPane();
    ASSERT_NE(Dock(left, kSideLeft, 0), 0);
    ASSERT_NE(Dock(bottom, kSideBottom, 0), 0);
    RECT l = RectIn(left.m_hWnd, Frame()), b = RectIn(bottom.m_hWnd, Frame()), m = MdiRect();
    EXPECT_EQ(l, (RECT{0, 0, 100, H - 105}));
    EXPECT_EQ(b, (RECT{0, H - 100, W, H}));
    SetClientSize(W + 100, H + 80);
    EXPECT_EQ(RectIn(bottom.m_hWnd, Frame()), (RECT{0, H - 20, W + 100, H + 80}));
    EXPECT_EQ(RectIn(left.m_hWnd, Frame()), (RECT{0, 0, 100, H - 25}));
    SetClientSize(W, H);
    EXPECT_EQ(RectIn(left.m_hWnd, Frame()), l);
    EXPECT_EQ(RectIn(bottom.m_hWnd, Frame()), b);
    EXPECT_EQ(MdiRect(), m);
}

TEST_F(DockSiteFrameTest, PlacementQueryAndRestore) {
    const int H = Client().bottom;
    CTestPane& left = NewPane();
    CTestPane& bottom = NewPane();
    ASSERT_NE(Dock(left, kSideLeft, 0), 0);
    ASSERT_NE(Dock(bottom, kSideBottom, 0), 0);
    HWND slot = ::GetParent(left.m_hWnd);

    DockMessage q(left.m_hWnd, slot, kDockQueryPlacement);
    ASSERT_EQ(SendDockMessage(Frame(), q), 1);
    EXPECT_EQ(q.place.flags, kSideLeft | kPlaceAlone);
    EXPECT_EQ(q.place.position, 0);
    EXPECT_EQ(q.place.size, 100);
    EXPECT_EQ(q.place.ratio, 0.0f);
    EXPECT_EQ(q.place.length, H - 105);

    DockMessage qb(bottom.m_hWnd, ::GetParent(bottom.m_hWnd), kDockQueryPlacement);
    ASSERT_EQ(SendDockMessage(Frame(), qb), 1);
    EXPECT_EQ(qb.place.flags, kSideBottom | kPlaceAlone);
    EXPECT_EQ(qb.place.flags & kPlaceAutoHidden, 0u);

    RECT was = RectIn(left.m_hWnd, Frame());
    ASSERT_EQ(SendCode(slot, kDockRemove, left.m_hWnd, slot), 1);
    PumpMessages();
    q.code = kDockAtPlacement;
    q.target = Frame();
    ASSERT_NE(SendDockMessage(Frame(), q), 0);
    EXPECT_EQ(RectIn(left.m_hWnd, Frame()), was);
}

TEST_F(DockSiteFrameTest, AFailedDockLeavesNoEmptySlot) {
    const RECT before = MdiRect();
    CTestPane& pane = NewPane({Client().right, 40});  // wider than the centre can give
    EXPECT_EQ(Dock(pane, kSideLeft, 0, Client().right), 0);
    PumpMessages();
    EXPECT_EQ(m_frame->InnerArea().Slots().Count(), 1u);
    EXPECT_EQ(MdiRect(), before);
    EXPECT_EQ(::GetParent(pane.m_hWnd), Frame()) << "still floating, owned by the frame";
}

TEST_F(DockSiteFrameTest, ASlotWindowThatCannotBeMadeLeavesTheAreas) {
    Seams().createPackageFrame = [](HWND, Axis) { return SlotPtr(); };
    const RECT before = MdiRect();
    CTestPane& pane = NewPane();
    EXPECT_EQ(Dock(pane, kSideLeft, 0), 0);
    HitResult hit = HitAt(Frame(), pane.m_hWnd, {5, Client().bottom / 2});
    ASSERT_EQ(hit.reply, 1);
    hit.record.code = kDockDock;
    EXPECT_EQ(SendDockMessage(Frame(), hit.record), 0);
    EXPECT_EQ(m_frame->InnerArea().Slots().Count(), 1u);
    EXPECT_EQ(MdiRect(), before);
}

TEST_F(DockSiteFrameTest, FrameMinimumIsTheAreasMinimumPlusItsMargins) {
    CTestPane& pane = NewPane({60, 40});
    ASSERT_NE(Dock(pane, kSideLeft, 0), 0);
    RECT window{};
    ::GetWindowRect(Frame(), &window);
    RECT client = Client();
    MINMAXINFO mmi{};
    ::SendMessageA(Frame(), WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    // Along x: pane 60 + bar + MDI client 100; across: the larger of 40 and 80.
    EXPECT_EQ(mmi.ptMinTrackSize.x, 165 + (window.right - window.left) - client.right);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 80 + (window.bottom - window.top) - client.bottom);
}

TEST_F(DockSiteFrameTest, CodesTheFrameDoesNotKnowAnswerZero) {
    CTestPane& pane = NewPane();
    ASSERT_NE(Dock(pane, kSideLeft, 0), 0);
    HWND receivers[] = {Frame(), ::GetParent(pane.m_hWnd)};
    UINT codes[] = {0, 6, 9, 14, 0x7FFFFFFF};
    for (HWND r : receivers)
        for (UINT code : codes) EXPECT_EQ(SendCode(r, code, pane.m_hWnd, r), 0) << code;
    EXPECT_FALSE(SpeaksDockProtocol(Frame()));
    EXPECT_FALSE(SpeaksDockProtocol(::GetParent(pane.m_hWnd)));
    EXPECT_TRUE(SpeaksDockProtocol(pane.m_hWnd));
}

TEST_F(DockSiteFrameTest, ClampAndAutoHideQueriesWithoutBars) {
    const RECT c = Client();
    DockMessage r(nullptr, nullptr, kDockClampFloat);
    r.drag.rect = {10, 10, 10 + c.right, 10 + c.bottom};
    EXPECT_NE(SendDockMessage(Frame(), r), 0);
    EXPECT_EQ(r.drag.rect.right - r.drag.rect.left, std::max((int)c.right / 3, ::GetSystemMetrics(SM_CXMIN)));
    EXPECT_EQ(r.drag.rect.bottom - r.drag.rect.top, std::max((int)c.bottom / 3, ::GetSystemMetrics(SM_CYMIN)));
    EXPECT_EQ(SendCode(Frame(), kDockIsAutoHide, nullptr, nullptr), 0);
    EXPECT_EQ(SendCode(Frame(), kDockPin, nullptr, nullptr), 0);
}

// --- splitter bars ---

// Records the ghost bars drawn.
std::vector<RECT> g_ghosts;

class SplitterDragTest : public DockFixture {
protected:
    void Prepare(DWORD dragMode) {
        MakeFrame(dragMode);
        Seams().drawGhostBar = [](const RECT& r) { g_ghosts.push_back(r); };
        g_ghosts.clear();
        left = &NewPane();
        ASSERT_NE(Dock(*left, kSideLeft, 0), 0);
        slot = ::GetParent(left->m_hWnd);
        W = Client().right;
        H = Client().bottom;
    }
    void Move(int x) { ::PostMessageA(Frame(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, H / 2)); }
    void Up(int x) { ::PostMessageA(Frame(), WM_LBUTTONUP, 0, MAKELPARAM(x, H / 2)); }
    void Press(int x = 102) { ::SendMessageA(Frame(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, H / 2)); }
    int SlotWidth() const { return RectIn(slot, Frame()).right; }
    // Drags the bar from 102 to 202 in the mode and answers the slot's width
    // as the pane saw it between the two moves.
    int DragSeeingMidway(DWORD dragMode) {
        Prepare(dragMode);
        int seen = -1;
        DragProbingMidway([&] { seen = SlotWidth(); });
        return seen;
    }
    // Drags the bar from 102 to 202, running the probe between the two moves.
    void DragProbingMidway(std::function<void()> probe) {
        CCaptureWatchdog watchdog;
        left->probe = std::move(probe);
        Move(152);
        ::PostMessageA(left->m_hWnd, WM_APP, 0, 0);
        Move(202);
        Up(202);
        Press();
        EXPECT_FALSE(watchdog.Fired());
    }

    CTestPane* left = nullptr;
    HWND slot = nullptr;
    int W = 0, H = 0;
};

TEST_F(SplitterDragTest, LiveModeReplacesAtEveryMove) {
    EXPECT_EQ(DragSeeingMidway(kDragKeepMode | kDragFullWindow), 150);
    EXPECT_EQ(SlotWidth(), 200);
    EXPECT_EQ(MdiRect(), (RECT{205, 0, W, H}));
    EXPECT_TRUE(g_ghosts.empty());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SplitterDragTest, OutlineModeChangesNothingUntilTheRelease) {
    EXPECT_EQ(DragSeeingMidway(kDragKeepMode | kDragOutline), 100);
    EXPECT_EQ(SlotWidth(), 200);
    ASSERT_EQ(g_ghosts.size() % 2, 0u) << "every ghost drawn is erased";
    RECT last = g_ghosts.back();
    ::MapWindowPoints(nullptr, Frame(), (POINT*)&last, 2);
    EXPECT_EQ(last, (RECT{200, 0, 205, H}));
}

// The platform ghost bar, called after recording so the outline window shows.
void (*g_platformGhostBar)(const RECT&) = nullptr;

TEST_F(SplitterDragTest, TheOutlineWindowShowsTheGhostBarAndGoesAtTheRelease) {
    Prepare(kDragKeepMode | kDragOutline);
    ResetSeams();
    g_platformGhostBar = Seams().drawGhostBar;
    Seams().drawGhostBar = [](const RECT& r) {
        g_ghosts.push_back(r);
        g_platformGhostBar(r);
    };
    OutlineSeen seen;
    RECT ghost{};
    DragProbingMidway([&] {
        seen = SeeOutline(Frame(), Frame());
        ghost = g_ghosts.back();
    });
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.topmost);
    EXPECT_TRUE(seen.aboveFrame);
    EXPECT_TRUE(seen.keptCapture) << "the bar's loop keeps the mouse";
    EXPECT_TRUE(seen.passesPointer) << "the solid bar is not under the pointer";
    EXPECT_EQ(seen.rect, ghost);
    ::MapWindowPoints(nullptr, Frame(), (POINT*)&ghost, 2);
    EXPECT_EQ(ghost, (RECT{150, 0, 155, H}));
    EXPECT_EQ(FindOutline(), nullptr) << "gone after the release";
    EXPECT_EQ(SlotWidth(), 200);
}

TEST_F(SplitterDragTest, EscapeInOutlineModeLeavesTheLayout) {
    Prepare(kDragKeepMode | kDragOutline);
    CCaptureWatchdog watchdog;
    Move(202);
    ::PostMessageA(Frame(), WM_KEYDOWN, VK_ESCAPE, 0);
    Press();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(SlotWidth(), 100);
    EXPECT_EQ(g_ghosts.size() % 2, 0u);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SplitterDragTest, BarStopsAtTheNeighboursMinimums) {
    Prepare(kDragKeepMode | kDragFullWindow);
    CCaptureWatchdog watchdog;
    Move(5);
    Up(5);
    Press();
    EXPECT_EQ(SlotWidth(), 60) << "the pane's minimum";
    Move(W);
    Up(W);
    Press(62);
    EXPECT_EQ(MdiRect(), (RECT{W - 100, 0, W, H})) << "the MDI client's minimum";
    EXPECT_FALSE(watchdog.Fired());
}

TEST_F(SplitterDragTest, AQuitMetInTheLoopGoesBackToTheQueue) {
    Prepare(kDragKeepMode | kDragFullWindow);
    CCaptureWatchdog watchdog;
    ::PostQuitMessage(7);
    Press();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(SlotWidth(), 100);
}

TEST_F(SplitterDragTest, ALostCaptureEndsTheLoop) {
    Prepare(kDragKeepMode | kDragOutline);
    CCaptureWatchdog watchdog(300);
    Move(202);
    Press();  // no release: only the watchdog ends it
    EXPECT_TRUE(watchdog.Fired());
    EXPECT_EQ(SlotWidth(), 100);
}

TEST_F(SplitterDragTest, CursorOverTheBars) {
    Prepare(kDragKeepMode | kDragFullWindow);
    CTestPane& bottom = NewPane();
    ASSERT_NE(Dock(bottom, kSideBottom, 0), 0);
    const CDockingMetrics& m = CDockingMetrics::Get();
    struct Case {
        POINT at;
        bool handled;
        HCURSOR cursor;
    } cases[] = {
        {{102, H / 3}, true, m.SizeWeCursor()},     // inner area: a vertical bar
        {{W / 2, H - 103}, true, m.SizeNsCursor()}, // outer area: a horizontal bar
        {{W / 2, H / 3}, false, nullptr},
    };
    for (const Case& c : cases) {
        POINT screen = c.at;
        ::ClientToScreen(Frame(), &screen);
        SetMessagePos(Frame(), screen);
        LRESULT r = ::SendMessageA(Frame(), WM_SETCURSOR, (WPARAM)Frame(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        if (c.handled) {
            EXPECT_EQ(r, TRUE) << c.at.x << "," << c.at.y;
            EXPECT_EQ(::GetCursor(), c.cursor);
        } else {
            EXPECT_NE(::GetCursor(), m.SizeWeCursor());
            EXPECT_NE(::GetCursor(), m.SizeNsCursor());
        }
    }
    ParkCursor();
}

}  // namespace

namespace {

// Auto-hide bars that hold one pane on the left, 30 pixels thick once occupied.
class CFakeBars : public IAutoHideBars {
public:
    HWND frame = nullptr;
    HWND pinned = nullptr;
    bool Create(HWND f) override {
        frame = f;
        return true;
    }
    HWND Window() const override { return (HWND)(UINT_PTR)0x4242; }
    void UpdateMetrics() override {}
    RECT Place(const RECT& available) override {
        RECT r = available;
        if (pinned) r.left += 30;
        return r;
    }
    void DrawBars(HDC) override {}
    SIZE OccupiedThickness() const override { return {pinned ? 30 : 0, 0}; }
    LRESULT QueryPlacement(DockMessage& record) override {
        if (!pinned || record.pane != pinned) return 0;
        record.place = {kSideLeft | kPlaceAlone | kPlaceAutoHidden, 2, 0.0f, 150, 1, 0};
        return 1;
    }
    LRESULT Pin(DockMessage& record, bool& barWasEmpty) override {
        barWasEmpty = pinned == nullptr;
        pinned = record.pane;
        return 1;
    }
};

TEST_F(DockSiteFrameTest, AutoHideBarsTakeTheirShare) {
    auto bars = std::make_unique<CFakeBars>();
    CFakeBars* fake = bars.get();
    MakeFrame(kDragKeepMode | kDragFullWindow, 900, 700, std::move(bars));
    EXPECT_EQ(fake->frame, Frame());
    const int W = Client().right, H = Client().bottom;
    CTestPane& pane = NewPane();

    EXPECT_EQ(SendCode(Frame(), kDockIsAutoHide, pane.m_hWnd, fake->Window()), 1);
    EXPECT_EQ(SendCode(Frame(), kDockIsAutoHide, pane.m_hWnd, Frame()), 0);
    MINMAXINFO before{};
    ::SendMessageA(Frame(), WM_GETMINMAXINFO, 0, (LPARAM)&before);

    DockMessage pin(pane.m_hWnd, nullptr, kDockPin);
    pin.pin = {kSideLeft, 150, 0, 0, nullptr};
    ASSERT_EQ(SendDockMessage(Frame(), pin), 1);
    EXPECT_EQ(MdiRect(), (RECT{30, 0, W, H})) << "a bar that became occupied lays the frame out again";

    DockMessage q(pane.m_hWnd, fake->Window(), kDockQueryPlacement);
    ASSERT_EQ(SendDockMessage(Frame(), q), 1);
    EXPECT_EQ(q.place.flags, kSideLeft | kPlaceAlone | kPlaceAutoHidden);
    EXPECT_EQ(q.place.position, 2);

    MINMAXINFO after{};
    ::SendMessageA(Frame(), WM_GETMINMAXINFO, 0, (LPARAM)&after);
    EXPECT_EQ(after.ptMinTrackSize.x, before.ptMinTrackSize.x + 30) << "the occupied bar counted once";
    EXPECT_EQ(after.ptMinTrackSize.y, before.ptMinTrackSize.y);
}

TEST_F(SplitterDragTest, HorizontalBarOfTheOuterArea) {
    Prepare(kDragKeepMode | kDragFullWindow);
    CTestPane& bottom = NewPane();
    ASSERT_NE(Dock(bottom, kSideBottom, 0), 0);
    HWND bottomSlot = ::GetParent(bottom.m_hWnd);
    CCaptureWatchdog watchdog;
    ::PostMessageA(Frame(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(W / 2, H - 153));
    ::PostMessageA(Frame(), WM_LBUTTONUP, 0, MAKELPARAM(W / 2, H - 153));
    ::SendMessageA(Frame(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(W / 2, H - 103));
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(RectIn(bottomSlot, Frame()), (RECT{0, H - 150, W, H}));
    EXPECT_EQ(MdiRect(), (RECT{105, 0, W, H - 155}));
    EXPECT_EQ(RectIn(slot, Frame()), (RECT{0, 0, 100, H - 155})) << "the inner area follows";
}

}  // namespace
