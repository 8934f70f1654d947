// Pinned panes as auto-hide bar entries, made through the frame's code 12
// into the stand-in bars: re-parenting, groups, placement and removal.
#include "GdiHandles.h"
#include "PaneTestSupport.h"

namespace {

// A pane class with a small class icon.
class CIconPane : public CDockPaneImpl<CIconPane> {
public:
    static constexpr const char* kClassName = "TwTestIconPane";
    TW_BEGIN_MSG_MAP(CIconPane)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CIconPane>)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override {
        WindowClassInfo info = CDockPaneImpl<CIconPane>::GetWindowClassInfo();
        info.iconSmall = ::LoadIconA(nullptr, IDI_INFORMATION);
        return info;
    }
};

class AutoHideEntryTest : public PaneFixture {
protected:
    // Pins docked panes as one record: a single pane, or a group led by `active`.
    LRESULT Pin(std::vector<CTestDockPane*> panes, CTestDockPane& active, DWORD side, int size = 150) {
        std::vector<HWND> windows;
        for (CTestDockPane* p : panes) windows.push_back(p->m_hWnd);
        DockMessage r(active.m_hWnd, nullptr, kDockPin);
        r.pin = {side, size, 0, panes.size() > 1 ? (LONG)panes.size() : 0, windows.data()};
        LRESULT made = SendDockMessage(Frame(), r);
        PumpMessages();
        return made;
    }
    CTestDockPane& Docked(const char* title) {
        CTestDockPane& pane = NewDockPane(title);
        EXPECT_TRUE(DockAt(pane, kSideLeft));
        return pane;
    }
    CAutoHideBarEntry& Front(DWORD side) { return *m_bars->bars[side].front(); }
    static bool LeftAsHiddenPopup(CTestDockPane& pane) {
        LONG_PTR style = ::GetWindowLongPtrA(pane.m_hWnd, GWL_STYLE);
        return pane.IsFloating() && ::GetAncestor(pane.m_hWnd, GA_PARENT) == ::GetDesktopWindow() && !(style & WS_CHILD) && (style & WS_POPUP) &&
               (style & WS_CAPTION) == WS_CAPTION && !::IsWindowVisible(pane.m_hWnd);
    }
};

TEST_F(AutoHideEntryTest, PinningASinglePaneMovesItIntoTheManager) {
    CTestDockPane& pane = NewDockPane("Output");
    RECT mdi = MdiRect();
    ASSERT_EQ(Pin({&pane}, pane, kSideTop), 1);
    ASSERT_EQ(m_bars->bars[kSideTop].size(), 1u);
    EXPECT_EQ(::GetParent(pane.m_hWnd), m_bars->manager);
    EXPECT_EQ(::GetWindowLongPtrA(pane.m_hWnd, GWL_STYLE) & (WS_CAPTION | WS_POPUP), 0);
    EXPECT_EQ(pane.Container(), m_bars->manager);
    EXPECT_FALSE(pane.Caption().Horizontal()) << "the top bar sends v = 1";
    EXPECT_EQ(Front(kSideTop).Active().text, "Output");
    EXPECT_EQ(MdiRect().top, mdi.top + CStandInBars::kThickness) << "an empty bar made the frame lay out again";
}

TEST_F(AutoHideEntryTest, PinningAGroupMakesOneEntryLedByTheRecordsPane) {
    CTestDockPane& a = Docked("Find 1");
    CTestDockPane& b = Docked("Explorer");
    CTestDockPane& c = Docked("Template");
    ASSERT_EQ(Pin({&a, &b, &c}, c, kSideLeft), 1);
    ASSERT_EQ(m_bars->bars[kSideLeft].size(), 1u);
    auto* group = dynamic_cast<CGroupAutoHideEntry*>(&Front(kSideLeft));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ActiveIndex(), 2u);
    EXPECT_EQ(group->LabelIndex(), 1u) << "the longest text, the first of equals";
    for (CTestDockPane* p : {&a, &b, &c}) {
        EXPECT_EQ(::GetParent(p->m_hWnd), m_bars->manager);
        EXPECT_TRUE(p->Caption().Horizontal()) << "the left bar sends v = 0";
    }
    const CClientDc dc(nullptr);
    const CSelectObject selected(dc, CDockingMetrics::Get().GuiFont());
    SIZE label{};
    ::GetTextExtentPoint32A(dc, "Explorer", 8, &label);
    int cx = ::GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(group->Measure(dc), label.cx + cx + 9 + 2 * (cx + 6));
}

TEST_F(AutoHideEntryTest, PlacementOfPinnedPanes) {
    CTestDockPane& single = NewDockPane("single");
    ASSERT_EQ(Pin({&single}, single, kSideRight, 140), 1);
    DockMessage q;
    ASSERT_TRUE(single.QueryPlacement(q));
    EXPECT_EQ(q.place.flags, (DWORD)(kSideRight | kPlaceAlone | kPlaceAutoHidden));
    EXPECT_EQ(q.place.position, 0);
    EXPECT_EQ(q.place.size, 140);
    EXPECT_EQ(q.place.length, 1);
    EXPECT_EQ(q.place.index, 0);
    EXPECT_TRUE(single.IsAutoHidden());

    CTestDockPane& a = NewDockPane("a");
    CTestDockPane& b = NewDockPane("b");
    ASSERT_EQ(Pin({&a, &b}, b, kSideRight), 1);
    DockMessage qa, qb;
    ASSERT_TRUE(a.QueryPlacement(qa));
    ASSERT_TRUE(b.QueryPlacement(qb));
    EXPECT_EQ(qa.place.position, 1) << "the second entry of its bar";
    EXPECT_EQ(qa.place.index, 0);
    EXPECT_EQ(qa.place.flags & kPlaceActive, 0u);
    EXPECT_EQ(qb.place.index, 1);
    EXPECT_NE(qb.place.flags & kPlaceActive, 0u);
}

TEST_F(AutoHideEntryTest, RemovingFromSingleAndTwoPaneEntries) {
    CTestDockPane& single = NewDockPane("single");
    ASSERT_EQ(Pin({&single}, single, kSideBottom), 1);
    std::unique_ptr<CAutoHideBarEntry> replacement;
    EXPECT_EQ(Front(kSideBottom).RemovePane(single.m_hWnd, replacement), CAutoHideBarEntry::Removal::Dropped);
    EXPECT_TRUE(LeftAsHiddenPopup(single));

    CTestDockPane& a = NewDockPane("first");
    CTestDockPane& b = NewDockPane("second");
    ASSERT_EQ(Pin({&a, &b}, a, kSideRight), 1);
    EXPECT_EQ(Front(kSideRight).RemovePane(single.m_hWnd, replacement), CAutoHideBarEntry::Removal::NotHere);
    ASSERT_EQ(Front(kSideRight).RemovePane(a.m_hWnd, replacement), CAutoHideBarEntry::Removal::Replaced);
    ASSERT_NE(replacement, nullptr);
    EXPECT_EQ(replacement->Active().pane, b.m_hWnd);
    EXPECT_EQ(replacement->Active().text, "second");
    EXPECT_TRUE(LeftAsHiddenPopup(a));
    EXPECT_EQ(::GetParent(b.m_hWnd), m_bars->manager);
}

TEST_F(AutoHideEntryTest, RemovingFromALargerGroupKeepsTheActivePane) {
    CTestDockPane& a = NewDockPane("one");
    CTestDockPane& b = NewDockPane("two");
    CTestDockPane& c = NewDockPane("three");
    CTestDockPane& d = NewDockPane("");
    ASSERT_EQ(Pin({&a, &b, &c, &d}, c, kSideLeft), 1);
    auto& group = dynamic_cast<CGroupAutoHideEntry&>(Front(kSideLeft));
    std::unique_ptr<CAutoHideBarEntry> replacement;
    ASSERT_EQ(group.RemovePane(b.m_hWnd, replacement), CAutoHideBarEntry::Removal::Kept);
    ASSERT_EQ(group.Entries().size(), 3u);
    EXPECT_EQ(group.Entries()[0].pane, a.m_hWnd);
    EXPECT_EQ(group.Entries()[1].pane, c.m_hWnd);
    EXPECT_EQ(group.Entries()[2].pane, d.m_hWnd);
    EXPECT_EQ(group.Active().pane, c.m_hWnd) << "a pane removed before the active one";
    EXPECT_EQ(group.LabelIndex(), 1u) << "the last non-empty text";
    EXPECT_TRUE(LeftAsHiddenPopup(b));

    ASSERT_EQ(group.RemovePane(d.m_hWnd, replacement), CAutoHideBarEntry::Removal::Kept);
    ASSERT_EQ(group.RemovePane(a.m_hWnd, replacement), CAutoHideBarEntry::Removal::Replaced) << "two were left";
    EXPECT_EQ(replacement->Active().pane, c.m_hWnd);
}

TEST_F(AutoHideEntryTest, RemovingTheActivePaneActivatesTheOneInItsPlace) {
    std::vector<CTestDockPane*> panes;
    for (const char* t : {"a", "b", "c", "d"}) panes.push_back(&NewDockPane(t));
    ASSERT_EQ(Pin(panes, *panes[3], kSideLeft), 1);
    auto& group = dynamic_cast<CGroupAutoHideEntry&>(Front(kSideLeft));
    std::unique_ptr<CAutoHideBarEntry> replacement;
    ASSERT_EQ(group.RemovePane(panes[3]->m_hWnd, replacement), CAutoHideBarEntry::Removal::Kept);
    EXPECT_EQ(group.Active().pane, panes[2]->m_hWnd) << "the last index moves back by one";
}

TEST_F(AutoHideEntryTest, TheIconComesFromThePaneElseItsClass) {
    CIconPane classIcon;
    RECT r{300, 300, 500, 450};
    ASSERT_NE(classIcon.Create(Frame(), r, "icon", kHiddenStyle), nullptr);
    CTestDockPane& own = NewDockPane("own");
    CTestDockPane& none = NewDockPane("none");
    HICON mine = ::LoadIconA(nullptr, IDI_WARNING);
    ::SendMessageA(own.m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)mine);

    AutoHideEntry e;
    EXPECT_EQ(FillAutoHideEntry(e, own.m_hWnd, 90), 4) << "text length + 1";
    EXPECT_EQ(e.icon, mine);
    EXPECT_EQ(e.text, "own");
    EXPECT_EQ(e.size, 90);
    FillAutoHideEntry(e, classIcon.m_hWnd, 90);
    EXPECT_EQ(e.icon, (HICON)::GetClassLongPtrA(classIcon.m_hWnd, GCLP_HICONSM));
    EXPECT_NE(e.icon, nullptr);
    FillAutoHideEntry(e, none.m_hWnd, 90);
    EXPECT_EQ(e.icon, nullptr);
    ::DestroyWindow(classIcon.m_hWnd);
}

TEST_F(AutoHideEntryTest, GivingASinglePaneBackDocksItInASlot) {
    CTestDockPane& pane = Docked("Output");
    ASSERT_TRUE(pane.PinToAutoHide(kSideBottom, 120, false));
    PumpMessages();
    ASSERT_TRUE(pane.IsAutoHidden());
    DockMessage back(pane.m_hWnd, Frame(), kDockAtPlacement);
    back.place.flags = kSideBottom | kPlaceAlone;
    std::unique_ptr<CAutoHideBarEntry> entry = std::move(m_bars->bars[kSideBottom].front());
    m_bars->bars[kSideBottom].clear();
    m_frame->UpdateLayout();  // as the bars do when one empties
    ASSERT_TRUE(entry->GiveBack(back));
    PumpMessages();
    ASSERT_FALSE(pane.IsFloating());
    EXPECT_TRUE(::IsWindowVisible(pane.m_hWnd));
    RECT now = RectIn(pane.m_hWnd, Frame());
    EXPECT_EQ(now.bottom, Client().bottom);
    EXPECT_EQ(now.bottom - now.top, 120) << "the slid-out size";
}

}  // namespace
