// The slot windows with real windows: hit tests, the first-third rule,
// entering and leaving panes, placement round trips, replacing, minimums,
// resizing and their own bars.
#include <gtest/gtest.h>

#include <windows.h>

#include "DockTestSupport.h"
#include "DockingMetrics.h"

namespace {

// A slot window at the bottom (panes side by side along x) holding pane A.
class SlotWindowTest : public DockFixture {
protected:
    void SetUp() override {
        DockFixture::SetUp();
        a = &NewPane();
        ASSERT_NE(Dock(*a, kSideBottom, 0), 0);
        slot = ::GetParent(a->m_hWnd);
        W = ClientOf(slot).right;
        SH = ClientOf(slot).bottom;
    }
    // Code 2 at the slot window with a drop rectangle starting at client x.
    LRESULT DropAt(CTestPane& pane, int x, int length = 200) {
        DockMessage r(pane.m_hWnd, slot, kDockDock);
        r.drag.rect = {x, 0, x + length, SH};
        ::MapWindowPoints(slot, nullptr, (POINT*)&r.drag.rect, 2);
        return SendDockMessage(slot, r);
    }
    LRESULT HitAt(CTestPane& pane, POINT client, DockMessage& r) {
        r = DockMessage(pane.m_hWnd, slot, kDockHitTest);
        ::ClientToScreen(slot, &client);
        r.drag.rect = {client.x, client.y, client.x + 200, client.y + 150};
        return SendDockMessage(slot, r);
    }
    RECT In(const CTestPane& pane) const { return RectIn(pane.m_hWnd, slot); }

    CTestPane* a = nullptr;
    HWND slot = nullptr;
    int W = 0, SH = 0;
};

TEST_F(SlotWindowTest, HitTest) {
    DockMessage r;
    EXPECT_EQ(HitAt(*a, {W / 2, 20}, r), 0) << "its only pane cannot drop back";
    EXPECT_EQ(r.target, nullptr);

    CTestPane& b = NewPane();
    ASSERT_EQ(HitAt(b, {W / 4, 20}, r), 1);
    RECT ghost = r.drag.rect;
    ::MapWindowPoints(nullptr, slot, (POINT*)&ghost, 2);
    EXPECT_EQ(ghost, (RECT{W / 4, 0, W / 4 + 200, SH})) << "across the axis the whole client";
    EXPECT_EQ(r.target, slot);

    struct Case {
        const char* what;
        SIZE minimum;
        POINT drop;
    } refused[] = {
        {"taller than the client", {60, SH + 1}, {W / 4, 20}},
        {"no room beside the panes", {W - 60, 40}, {W / 4, 20}},
        {"outside the client", {60, 40}, {W / 4, SH + 10}},
    };
    for (const Case& c : refused) {
        CTestPane& p = NewPane(c.minimum);
        EXPECT_EQ(HitAt(p, c.drop, r), 0) << c.what;
        EXPECT_EQ(r.target, nullptr) << c.what;
    }
}

TEST_F(SlotWindowTest, FirstThirdRule) {
    CTestPane& b = NewPane();
    ASSERT_NE(DropAt(b, W / 4), 0);
    EXPECT_LT(In(b).left, In(*a).left) << "in the first third: before";
    EXPECT_EQ(In(b).left, 0);
    EXPECT_EQ(In(b).right + 5, In(*a).left);

    CTestPane& c = NewPane();
    int into = In(*a).left + (In(*a).right - In(*a).left) / 2;
    ASSERT_NE(DropAt(c, into), 0);
    EXPECT_LT(In(*a).left, In(c).left) << "further in: after";
    EXPECT_EQ(In(c).right, W);
}

TEST_F(SlotWindowTest, EnteringPane) {
    CTestPane& b = NewPane();
    ASSERT_NE(DropAt(b, W / 2), 0);
    EXPECT_EQ(::GetParent(b.m_hWnd), slot);
    LONG style = ::GetWindowLongA(b.m_hWnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(::IsWindowVisible(b.m_hWnd));
    ASSERT_EQ(b.notices.size(), 1u);
    EXPECT_EQ(b.notices[0].wParam, (WPARAM)((1 << 16) + 1));
    EXPECT_EQ(b.notices[0].container, slot);
    EXPECT_EQ(In(b), (RECT{W / 2 + 5, 0, W, SH}));
    EXPECT_EQ(In(*a), (RECT{0, 0, W / 2, SH}));
}

class SlotWindowRemoveTest : public SlotWindowTest {
protected:
    void SetUp() override {
        SlotWindowTest::SetUp();
        b = &NewPane();
        c = &NewPane();
        ASSERT_NE(DropAt(*b, W / 2), 0);
        ASSERT_NE(DropAt(*c, 3 * W / 4), 0);
        ASSERT_EQ(In(*c).left, 3 * W / 4 + 5);
    }
    CTestPane* b = nullptr;
    CTestPane* c = nullptr;
};

TEST_F(SlotWindowRemoveTest, RemovingTheFirstPaneKeepsTheOthers) {
    RECT cWas = In(*c);
    ASSERT_EQ(SendCode(slot, kDockRemove, a->m_hWnd, slot), 1);
    EXPECT_EQ(In(*b), (RECT{0, 0, 3 * W / 4, SH})) << "the new first starts at the client start";
    EXPECT_EQ(In(*c), cWas);
    LONG style = ::GetWindowLongA(a->m_hWnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(::IsWindowVisible(a->m_hWnd));
    EXPECT_EQ(a->notices.back().wParam, 0u);
    EXPECT_EQ(a->notices.back().container, slot);
}

TEST_F(SlotWindowRemoveTest, RemovingAMiddlePaneGrowsTheOneBefore) {
    RECT cWas = In(*c);
    ASSERT_EQ(SendCode(slot, kDockRemove, b->m_hWnd, slot), 1);
    EXPECT_EQ(In(*a), (RECT{0, 0, 3 * W / 4, SH}));
    EXPECT_EQ(In(*c), cWas);
}

TEST_F(SlotWindowRemoveTest, RemovingTheLastPaneRemovesTheSlot) {
    const RECT client = Client();
    EXPECT_EQ(SendCode(slot, kDockRemove, nullptr, slot), 0) << "not a pane of this window";
    for (CTestPane* p : {a, b, c}) ASSERT_EQ(SendCode(slot, kDockRemove, p->m_hWnd, slot), 1);
    EXPECT_EQ(MdiRect(), client) << "the frame removed the slot at once";
    EXPECT_EQ(m_frame->OuterArea().Slots().Count(), 1u);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(slot));
}

TEST_F(SlotWindowTest, PlacementRoundTrip) {
    CTestPane& b = NewPane();
    ASSERT_NE(DropAt(b, W / 2), 0);
    DockMessage q(b.m_hWnd, slot, kDockQueryPlacement);
    ASSERT_EQ(SendDockMessage(slot, q), 1);
    EXPECT_FLOAT_EQ(q.place.ratio, (float)(W / 2 + 5) / (float)(W + 5));
    EXPECT_EQ(q.place.length, W - W / 2 - 5);
    EXPECT_EQ(q.place.flags & kPlaceAlone, 0u);
    RECT was = In(b);

    ASSERT_EQ(SendCode(slot, kDockRemove, b.m_hWnd, slot), 1);
    q.code = kDockAtPlacement;
    ASSERT_NE(SendDockMessage(slot, q), 0);
    RECT now = In(b);
    EXPECT_NEAR(now.left, was.left, 1) << "the ratio truncates";
    EXPECT_EQ(now.right, was.right);

    DockMessage alone(a->m_hWnd, slot, kDockQueryPlacement);
    ASSERT_EQ(SendCode(slot, kDockRemove, b.m_hWnd, slot), 1);
    ASSERT_EQ(SendDockMessage(slot, alone), 1);
    EXPECT_EQ(alone.place.flags & kPlaceAlone, kPlaceAlone);
}

TEST_F(SlotWindowTest, RestoredAtHalfStartsHalfway) {
    CTestPane& b = NewPane();
    DockMessage r = Placement(b.m_hWnd, 0, 0, 100, 100, 0.5f);
    r.target = slot;
    ASSERT_NE(SendDockMessage(slot, r), 0);
    int from = -5, to = W;
    int p = from + (int)((float)(to - from) * 0.5f);
    EXPECT_EQ(In(b).left, p + 5) << "its bar lies before it";
}

TEST_F(SlotWindowTest, ReplaceGivesTheBoxThePanesPlace) {
    CTestPane& b = NewPane();
    ASSERT_NE(DropAt(b, W / 2), 0);
    CTestPane& box = NewPane();
    RECT was = In(*a);
    DockMessage r(a->m_hWnd, slot, kDockReplace);
    r.replace.window = box.m_hWnd;
    ASSERT_NE(SendDockMessage(slot, r), 0);
    EXPECT_EQ(In(box), was);
    EXPECT_EQ(::GetParent(box.m_hWnd), slot);
    EXPECT_TRUE(::IsWindowVisible(box.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(a->m_hWnd));
    EXPECT_TRUE(::GetWindowLongA(a->m_hWnd, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(a->notices.back().wParam, 0u);
    r.pane = a->m_hWnd;
    EXPECT_EQ(SendDockMessage(slot, r), 0) << "the pane is no longer there";
}

TEST_F(SlotWindowTest, AReplaceThatHandsThePaneOverKeepsItAHiddenChildOfTheBox) {
    CTestPane& box = NewPane();
    RECT was = In(*a);
    DockMessage r(a->m_hWnd, slot, kDockReplace);
    r.replace.window = box.m_hWnd;
    r.replace.handOver = 1;
    ASSERT_NE(SendDockMessage(slot, r), 0);
    EXPECT_EQ(In(box), was);
    EXPECT_EQ(::GetParent(box.m_hWnd), slot);
    EXPECT_EQ(::GetParent(a->m_hWnd), box.m_hWnd);
    EXPECT_FALSE(::IsWindowVisible(a->m_hWnd));
    EXPECT_EQ(::GetWindowLongA(a->m_hWnd, GWL_STYLE) & (WS_POPUP | WS_CHILD), WS_CHILD) << "never a popup";
    EXPECT_EQ(a->notices.back().wParam, 0u) << "told it left the slot";
}

TEST_F(SlotWindowTest, Minimums) {
    CTestPane& b = NewPane({70, 50});
    ASSERT_NE(DropAt(b, W / 2), 0);
    MINMAXINFO mmi{};
    mmi.ptMaxTrackSize = {5000, 5000};
    ::SendMessageA(slot, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(mmi.ptMinTrackSize.x, 60 + 5 + 70);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 50);
    EXPECT_EQ(mmi.ptMaxTrackSize.x, 0);
    EXPECT_EQ(mmi.ptMaxTrackSize.y, 0);
    EXPECT_EQ(SendCode(slot, kDockMinLength, b.m_hWnd, slot), 70) << "the width: panes lie along x";
}

TEST_F(SlotWindowTest, ResizingSpreadsThePanesKeepingTheirMinimums) {
    CTestPane& b = NewPane();
    ASSERT_NE(DropAt(b, W / 2), 0);
    const int H = Client().bottom;
    SetClientSize(W / 2, H);
    int w2 = ClientOf(slot).right;
    ASSERT_EQ(w2, W / 2);
    EXPECT_NEAR(In(b).left, (W / 2 + 5) * (w2 + 5) / (W + 5) - 5 + 5, 1);
    EXPECT_EQ(In(b).right, w2);
    SetClientSize(100, H);  // below the sum of the minimums
    EXPECT_EQ(In(*a).right - In(*a).left, 60);
    EXPECT_EQ(In(b).right - In(b).left, 60);
}

TEST_F(SlotWindowTest, BarDragAndCursor) {
    CTestPane& b = NewPane();
    ASSERT_NE(DropAt(b, W / 2), 0);
    CDockingMetrics::Get().SetDragMode(kDragKeepMode | kDragFullWindow);
    POINT bar{W / 2 + 2, SH / 2};
    POINT screen = bar;
    ::ClientToScreen(slot, &screen);
    SetMessagePos(slot, screen);
    EXPECT_EQ(::SendMessageA(slot, WM_SETCURSOR, (WPARAM)slot, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(::GetCursor(), CDockingMetrics::Get().SizeWeCursor());
    ParkCursor();

    CCaptureWatchdog watchdog;
    ::PostMessageA(slot, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(W / 2 + 52, SH / 2));
    ::PostMessageA(slot, WM_LBUTTONUP, 0, MAKELPARAM(W / 2 + 52, SH / 2));
    ::SendMessageA(slot, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(In(*a).right, W / 2 + 50);
    EXPECT_EQ(In(b).left, W / 2 + 55);
}

}  // namespace
