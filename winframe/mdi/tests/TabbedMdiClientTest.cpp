// The tabbed MDI client and its tab owner in a real MDI frame.
#include <gtest/gtest.h>

#include <string>

#include "GdiHandles.h"
#include "MdiTestFrame.h"

namespace {

bool Visible(HWND w) { return (::GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0; }
bool Same(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != 0; }

class TabbedMdiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateFrame()); }

    CDotNetTabCtrl& Strip() { return frame.Owner().Strip(); }
    int StripFontAscent() {
        const CClientDc dc(Strip());
        const CSelectObject selected(dc, Strip().GetFont());
        TEXTMETRICA tm{};
        ::GetTextMetricsA(dc, &tm);
        return tm.tmAscent;
    }
    std::string TabText(int i) { return Strip().GetItem(i)->text; }
    RECT TabRect(int i) {
        RECT rc{};
        Strip().GetItemRect(i, &rc);
        return rc;
    }
    void Click(UINT down, POINT pt) {
        Strip().SendMessage(down, MK_LBUTTON, PointParam(pt));
        Strip().SendMessage(WM_LBUTTONUP, 0, PointParam(pt));
    }

    CTestMdiFrame frame;
};

TEST(MdiTabHeight, FollowsTheFontHeight) {
    const struct { int font, height; } cases[] = {{11, 24}, {13, 26}, {10, 23}, {8, 21}};
    for (const auto& c : cases) EXPECT_EQ(MdiTabHeightForFont(c.font), c.height) << c.font;
}

TEST_F(TabbedMdiTest, StripShowsWithTheFirstDocumentAndHidesWithTheLast) {
    const RECT area = frame.ClientArea();
    EXPECT_FALSE(Visible(frame.Owner()));
    EXPECT_TRUE(Same(area, frame.ClientRect()));

    CTestDocument& first = frame.Open("first.txt");
    const int h = frame.Owner().GetTabHeight();
    EXPECT_EQ(h, MdiTabHeightForFont(StripFontAscent()));
    ASSERT_EQ(Strip().GetItemCount(), 1);
    EXPECT_EQ(TabText(0), "first.txt");
    EXPECT_TRUE(Visible(frame.Owner()));
    EXPECT_EQ(frame.ClientRect().top, area.top + h);
    EXPECT_EQ(frame.ClientRect().bottom, area.bottom);
    const RECT owner = frame.OwnerRect();
    EXPECT_EQ(owner.top, area.top);
    EXPECT_EQ(Height(owner), h);

    CTestDocument& second = frame.Open("");
    EXPECT_EQ(TabText(1), "Untitled");
    EXPECT_EQ(Strip().GetCurSel(), 1);

    // The frame's own layout still leaves the strip its room.
    ::SetWindowPos(frame, nullptr, 0, 0, 700, 450, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_EQ(frame.ClientRect().top, frame.ClientArea().top + h);
    EXPECT_EQ(frame.OwnerRect().right, frame.ClientArea().right);

    ::SendMessageA(frame.Client(), WM_MDIDESTROY, (WPARAM)second.m_hWnd, 0);
    EXPECT_EQ(Strip().GetItemCount(), 1);
    EXPECT_TRUE(Visible(frame.Owner()));
    ::SendMessageA(frame.Client(), WM_MDIDESTROY, (WPARAM)first.m_hWnd, 0);
    EXPECT_EQ(Strip().GetItemCount(), 0);
    EXPECT_FALSE(Visible(frame.Owner()));
    EXPECT_TRUE(Same(frame.ClientArea(), frame.ClientRect()));
}

TEST_F(TabbedMdiTest, NewTabHeightKeepsTheClientBesideTheStrip) {
    frame.Open("a");
    const RECT area = frame.ClientArea();
    LOGFONTA lf{};
    ::GetObjectA(Strip().GetFont(), sizeof(lf), &lf);
    lf.lfHeight = -22;
    HFONT big = ::CreateFontIndirectA(&lf);
    Strip().SendMessage(WM_SETFONT, (WPARAM)big, FALSE);  // the strip keeps a copy
    ::DeleteObject(big);
    frame.Owner().UpdateTabHeight();
    const int h = frame.Owner().GetTabHeight();
    EXPECT_EQ(h, MdiTabHeightForFont(StripFontAscent()));
    EXPECT_GT(h, 26);
    EXPECT_EQ(Height(frame.OwnerRect()), h);
    EXPECT_EQ(frame.ClientRect().top, area.top + h);
    EXPECT_EQ(frame.ClientRect().bottom, area.bottom);
}

TEST(TabbedMdiBottom, OwnerSitsUnderTheClient) {
    CTestMdiFrame frame;
    ASSERT_TRUE(frame.CreateFrame(CMdiTabOwner::kTabsAtBottom));
    const RECT area = frame.ClientArea();
    CTestDocument& doc = frame.Open("a");
    const int h = frame.Owner().GetTabHeight();
    EXPECT_EQ(frame.ClientRect().top, area.top);
    EXPECT_EQ(frame.ClientRect().bottom, area.bottom - h);
    EXPECT_EQ(frame.OwnerRect().top, area.bottom - h);
    EXPECT_EQ(frame.OwnerRect().bottom, area.bottom);

    ::SendMessageA(frame.Client(), WM_MDIDESTROY, (WPARAM)doc.m_hWnd, 0);
    EXPECT_TRUE(Same(area, frame.ClientRect()));
}

TEST_F(TabbedMdiTest, DocumentMessagesChangeOnlyTheAddressedTab) {
    CTestDocument& a = frame.Open("a");
    CTestDocument& b = frame.Open("b");
    HWND stranger = ::CreateWindowA("STATIC", "x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    struct Case {
        UINT msg;
        LPARAM value;
        bool (*changed)(const CTabStripItem&);
    };
    static const char kName[] = "renamed.txt";
    static const char kTip[] = "C:\\dir\\renamed.txt";
    const Case cases[] = {
        {WM_MDI_TABTEXT, (LPARAM)kName, [](const CTabStripItem& t) { return t.text == kName; }},
        {WM_MDI_TABTOOLTIP, (LPARAM)kTip, [](const CTabStripItem& t) { return t.tooltip == kTip; }},
        {WM_MDI_DOCFRAME, 0x1234, [](const CTabStripItem& t) { return t.userValue == 0x1234; }},
        {WM_MDI_TABSTATE, 1, [](const CTabStripItem& t) { return t.image == 1; }},
    };
    for (const Case& c : cases) {
        for (WPARAM target : {(WPARAM)0, (WPARAM)stranger}) ::SendMessageA(frame.Client(), c.msg, target, c.value);
        EXPECT_FALSE(c.changed(*Strip().GetItem(0))) << c.msg;
        EXPECT_FALSE(c.changed(*Strip().GetItem(1))) << c.msg;
        ::SendMessageA(frame.Client(), c.msg, (WPARAM)b.m_hWnd, c.value);
        EXPECT_FALSE(c.changed(*Strip().GetItem(0))) << c.msg;
        EXPECT_TRUE(c.changed(*Strip().GetItem(1))) << c.msg;
    }
    EXPECT_EQ(Strip().GetItemCount(), 2);

    // Without a text the window's own title is the tab's.
    ::SetWindowTextA(a, "retitled");
    ::SendMessageA(frame.Client(), WM_MDI_TABTEXT, (WPARAM)a.m_hWnd, 0);
    EXPECT_EQ(TabText(0), "retitled");
    ::DestroyWindow(stranger);
}

TEST_F(TabbedMdiTest, DoubleClickAndCloseButtonPostCloseToTheirDocument) {
    CTestDocument& a = frame.Open("a");
    CTestDocument& b = frame.Open("b");
    Strip().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(Centre(TabRect(0))));
    // Right of the last tab, left of the buttons: no tab.
    RECT last = TabRect(1);
    Strip().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(POINT{last.right + 3, Centre(last).y}));
    PumpMessages();
    EXPECT_EQ(a.sysCommands, std::vector<WPARAM>{SC_CLOSE});
    EXPECT_TRUE(b.sysCommands.empty());

    a.sysCommands.clear();
    const RECT close = Strip().GetCloseButtonRect();
    ASSERT_FALSE(::IsRectEmpty(&close));
    Click(WM_LBUTTONDOWN, Centre(close));
    PumpMessages();
    EXPECT_EQ(b.sysCommands, std::vector<WPARAM>{SC_CLOSE});
    EXPECT_TRUE(a.sysCommands.empty());
}

TEST_F(TabbedMdiTest, ClosingThroughTheTabClosesTheDocument) {
    frame.Open("a");
    CTestDocument& b = frame.Open("b");
    b.closeOnSysCommand = true;
    Strip().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(Centre(TabRect(1))));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(b.m_hWnd));
    EXPECT_EQ(b.closeMessages, 1);  // the document's own close path ran
    ASSERT_EQ(Strip().GetItemCount(), 1);
    EXPECT_EQ(TabText(0), "a");
}

TEST_F(TabbedMdiTest, ClickingATabActivatesItsDocument) {
    CTestDocument& a = frame.Open("a");
    CTestDocument& b = frame.Open("b");
    CTestDocument& c = frame.Open("c");
    ::ShowWindow(a, SW_MINIMIZE);
    ::SendMessageA(frame.Client(), WM_MDIACTIVATE, (WPARAM)c.m_hWnd, 0);
    ::SendMessageA(frame.Client(), WM_MDIMAXIMIZE, (WPARAM)c.m_hWnd, 0);
    ASSERT_TRUE(::IsZoomed(c));

    Click(WM_LBUTTONDOWN, Centre(TabRect(1)));
    EXPECT_EQ(frame.Active(), b.m_hWnd);
    EXPECT_TRUE(Visible(frame.Client()));  // redrawing is on again

    ::SendMessageA(frame.Client(), WM_MDIRESTORE, (WPARAM)b.m_hWnd, 0);
    ASSERT_FALSE(::IsZoomed(b));
    ASSERT_TRUE(::IsIconic(a));
    Click(WM_LBUTTONDOWN, Centre(TabRect(0)));
    EXPECT_EQ(frame.Active(), a.m_hWnd);
    EXPECT_FALSE(::IsIconic(a));
    EXPECT_EQ(Strip().GetCurSel(), 0);
}

TEST(TabbedMdiFocus, ClickingTheSelectedTabFocusesItsDocument) {
    CTestMdiFrame frame;
    ASSERT_TRUE(frame.CreateFrame(0, true));
    CTestDocument& a = frame.Open("a");
    ::SetFocus(frame.Owner().Strip());
    ASSERT_NE(::GetFocus(), a.m_hWnd);
    RECT rc{};
    frame.Owner().Strip().GetItemRect(0, &rc);
    frame.Owner().Strip().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(rc)));
    frame.Owner().Strip().SendMessage(WM_LBUTTONUP, 0, PointParam(Centre(rc)));
    EXPECT_EQ(::GetFocus(), a.m_hWnd);
}

TEST_F(TabbedMdiTest, ContextMenuGoesToTheDocumentUnderThePoint) {
    CTestDocument& a = frame.Open("a");
    CTestDocument& b = frame.Open("b");
    POINT pt = Centre(TabRect(0));
    ::MapWindowPoints(Strip(), nullptr, &pt, 1);
    frame.Owner().SendMessage(WM_CONTEXTMENU, (WPARAM)Strip().m_hWnd, PointParam(pt));
    ASSERT_EQ(a.tabMenus.size(), 1u);
    EXPECT_EQ(a.tabMenus[0], PointParam(pt));
    EXPECT_TRUE(b.tabMenus.empty());

    // From the keyboard: the selected tab's bottom-left corner.
    const RECT sel = TabRect(1);
    POINT corner{sel.left, sel.bottom};
    ::MapWindowPoints(Strip(), nullptr, &corner, 1);
    frame.Owner().SendMessage(WM_CONTEXTMENU, (WPARAM)Strip().m_hWnd, MAKELPARAM(0xFFFF, 0xFFFF));
    ASSERT_EQ(b.tabMenus.size(), 1u);
    EXPECT_EQ(b.tabMenus[0], PointParam(corner));
    EXPECT_EQ(a.tabMenus.size(), 1u);
}

TEST_F(TabbedMdiTest, DoubleClickOnTheEmptyClientReachesTheFrame) {
    ::SendMessageA(frame.Client(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 30));
    ASSERT_EQ(frame.frameMessages.size(), 1u);
    EXPECT_EQ(frame.frameMessages[0].message, (UINT)WM_LBUTTONDBLCLK);
    EXPECT_EQ(frame.frameMessages[0].lParam, MAKELPARAM(20, 30));
    EXPECT_TRUE(::GetClassLongPtrA(frame.Client(), GCL_STYLE) & CS_DBLCLKS);
}

LRESULT CALLBACK LaterHook(HWND hWnd, UINT msg, WPARAM w, LPARAM l) {
    return ::CallWindowProcA((WNDPROC)::GetPropA(hWnd, "TwTestPrev"), hWnd, msg, w, l);
}

TEST_F(TabbedMdiTest, GoingAwayLeavesALaterHookInPlace) {
    // The recording hook of the test frame sits over the tabbed client already.
    const LONG_PTR before = ::GetWindowLongPtrA(frame.Client(), GWLP_WNDPROC);
    ::SetPropA(frame.Client(), "TwTestPrev", (HANDLE)::SetWindowLongPtrA(frame.Client(), GWLP_WNDPROC, (LONG_PTR)LaterHook));
    frame.DropTabbedClient();
    EXPECT_EQ(::GetWindowLongPtrA(frame.Client(), GWLP_WNDPROC), (LONG_PTR)LaterHook);
    ::SetWindowLongPtrA(frame.Client(), GWLP_WNDPROC, before);
    ::RemovePropA(frame.Client(), "TwTestPrev");
}

}  // namespace
