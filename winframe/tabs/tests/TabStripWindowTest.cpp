// The strips as real windows under Wine, driven with messages: items and
// selection, clicks and buttons, scrolling, dragging, tool tips and fonts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "DotNetTabCtrl.h"
#include "FlyingTabCtrl.h"
#include "GdiHandles.h"
#include "TabTestParent.h"

namespace {

constexpr int kStripId = 7;
const POINT kNoPoint{-1, -1};

template <typename Strip>
class StripFixture : public ::testing::Test {
protected:
    CTestParent parent;
    Strip strip;
    HFONT font = nullptr;

    void SetUp() override { ASSERT_TRUE(parent.Create()); }
    void TearDown() override {
        if (strip.m_hWnd) strip.DestroyWindow();
        if (font) ::DeleteObject(font);
    }

    void CreateStrip(DWORD stripStyle, int width = 400, int height = 24) {
        RECT rc{0, 0, width, height};
        ASSERT_TRUE(strip.Create(parent, &rc, nullptr, 0x56000000 | stripStyle, 0, (HMENU)(INT_PTR)kStripId));
        font = CreateIconTitleFont();
        strip.SendMessage(WM_SETFONT, (WPARAM)font, TRUE);
    }
    void AddTabs(std::initializer_list<const char*> names) {
        for (const char* name : names) strip.InsertItem(-1, name);
        parent.Clear();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < strip.GetItemCount(); ++i) texts.push_back(strip.GetItem(i)->text);
        return texts;
    }
    POINT TabCentre(int index) const {
        RECT r{};
        EXPECT_TRUE(strip.GetItemRect(index, &r)) << index;
        return Centre(r);
    }
    LRESULT Send(UINT msg, POINT pt) { return strip.SendMessage(msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, PointParam(pt)); }
};

using DocumentStrip = StripFixture<CDotNetTabCtrl>;
using FlyingStrip = StripFixture<CFlyingTabCtrl>;

constexpr DWORD kDocumentStyle = CDotNetTabCtrl::kInitialStripStyle;

}  // namespace

// --- Items and selection ---------------------------------------------------

TEST_F(DocumentStrip, InsertingIntoAnEmptyStripSelectsTheFirstTab) {
    CreateStrip(kDocumentStyle);
    EXPECT_EQ(0, strip.InsertItem(-1, "a.txt", -1, 0x11, false));
    EXPECT_EQ(0, strip.GetCurSel());
    EXPECT_EQ((std::vector<UINT>{TSN_ITEMINSERTED, (UINT)TCN_SELCHANGING, (UINT)TCN_SELCHANGE}), parent.Codes());
    EXPECT_EQ(0, parent.log[0].first);
    EXPECT_EQ(-1, parent.log[1].first);
    EXPECT_EQ(0, parent.log[1].second);

    EXPECT_EQ(1, strip.InsertItem(-1, "b.txt"));
    EXPECT_EQ(2, strip.InsertItem(99, "c.txt"));
    EXPECT_EQ(0, strip.GetCurSel()) << "later inserts select only when asked";
    EXPECT_EQ(0, strip.InsertItem(0, "first.txt", -1, 0, false));
    EXPECT_EQ("a.txt", strip.GetItem(strip.GetCurSel())->text) << "the selected tab stays selected";
    EXPECT_EQ(4, strip.InsertItem(-1, "d.txt", -1, 0, true));
    EXPECT_EQ(4, strip.GetCurSel());
    EXPECT_EQ((std::vector<std::string>{"first.txt", "a.txt", "b.txt", "c.txt", "d.txt"}), Texts());
    EXPECT_EQ(0x11, strip.GetItemData(1));
    EXPECT_EQ(0, strip.GetItemData(-1)) << "no item, no data";
}

TEST_F(DocumentStrip, DeletingKeepsTheSelectionOnAValidTab) {
    CreateStrip(kDocumentStyle);
    struct Case {
        const char* name;
        int tabs, selected, removed;
        bool adjust;
        int expectedSel;
        std::vector<UINT> codes;
    } cases[] = {
        {"selected middle: the next one", 3, 1, 1, true, 1,
         {TSN_ITEMDELETING, (UINT)TCN_SELCHANGING, (UINT)TCN_SELCHANGE}},
        {"selected last: the one before", 3, 2, 2, true, 1,
         {TSN_ITEMDELETING, (UINT)TCN_SELCHANGING, (UINT)TCN_SELCHANGE}},
        {"before the selection: same tab, quietly", 3, 2, 0, true, 1, {TSN_ITEMDELETING}},
        {"before the selection without adjust", 3, 2, 0, false, 1, {TSN_ITEMDELETING}},
        {"selected last without adjust: none", 3, 2, 2, false, -1, {TSN_ITEMDELETING}},
        {"the only tab", 1, 0, 0, true, -1, {TSN_ITEMDELETING}},
        {"after the selection", 3, 0, 2, true, 0, {TSN_ITEMDELETING}},
    };
    const char* names[] = {"t0", "t1", "t2"};
    for (const Case& c : cases) {
        strip.DeleteAllItems();
        for (int i = 0; i < c.tabs; ++i) strip.InsertItem(-1, names[i]);
        strip.SetCurSel(c.selected, false);
        const std::string survivor = c.removed == c.selected ? "" : names[c.selected];
        parent.Clear();
        EXPECT_TRUE(strip.DeleteItem(c.removed, c.adjust)) << c.name;
        EXPECT_EQ(c.expectedSel, strip.GetCurSel()) << c.name;
        EXPECT_EQ(c.codes, parent.Codes()) << c.name;
        if (!survivor.empty()) {
            EXPECT_EQ(survivor, strip.GetItem(strip.GetCurSel())->text) << c.name;
        }
    }
}

TEST_F(DocumentStrip, VetoesKeepTabsAndSelection) {
    CreateStrip(kDocumentStyle);
    AddTabs({"a", "b", "c"});
    strip.SetCurSel(2, false);

    parent.replies[TSN_ITEMDELETING] = 1;
    EXPECT_FALSE(strip.DeleteItem(1));
    EXPECT_EQ(3, strip.GetItemCount());
    strip.DeleteAllItems();
    EXPECT_EQ(3, strip.GetItemCount()) << "vetoed tabs stay, and the call ends";
    parent.replies.erase(TSN_ITEMDELETING);
    strip.SetCurSel(2, false);

    parent.replies[(UINT)TCN_SELCHANGING] = 1;
    EXPECT_EQ(-1, strip.SetCurSel(0));
    EXPECT_EQ(2, strip.GetCurSel());
    EXPECT_TRUE(strip.DeleteItem(2)) << "the re-selection is vetoed, the delete is not";
    EXPECT_EQ(1, strip.GetCurSel()) << "still inside the row";
    parent.replies.clear();

    EXPECT_EQ(1, strip.SetCurSel(-5, false));
    EXPECT_EQ(-1, strip.GetCurSel()) << "negative stores -1";
    EXPECT_FALSE(strip.DeleteItem(7));
    EXPECT_EQ(nullptr, strip.GetItem(2));
}

TEST_F(DocumentStrip, ArrowKeysStepTheSelectionAndStopAtTheEnds) {
    CreateStrip(kDocumentStyle);
    AddTabs({"a", "b", "c"});
    EXPECT_TRUE(strip.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS);
    struct { WPARAM key; int from, to; bool notified; } cases[] = {
        {VK_LEFT, 0, 0, false}, {VK_RIGHT, 0, 1, true}, {VK_RIGHT, 2, 2, false}, {VK_LEFT, 2, 1, true}};
    for (auto& c : cases) {
        strip.SetCurSel(c.from, false);
        parent.Clear();
        strip.SendMessage(WM_KEYDOWN, c.key);
        EXPECT_EQ(c.to, strip.GetCurSel()) << c.key << " from " << c.from;
        EXPECT_EQ(c.notified, parent.Find(TCN_SELCHANGE) != nullptr) << c.key << " from " << c.from;
    }
}

TEST_F(DocumentStrip, MovesAndSwapsCarryTheSelectedTab) {
    CreateStrip(kDocumentStyle);
    AddTabs({"a", "b", "c", "d"});
    strip.SetCurSel(0, false);
    EXPECT_TRUE(strip.MoveItem(0, 2, true, true));
    EXPECT_EQ((std::vector<std::string>{"b", "c", "a", "d"}), Texts());
    EXPECT_EQ(2, strip.GetCurSel());
    ASSERT_NE(nullptr, parent.Find(TSN_ITEMMOVED));
    EXPECT_EQ(0, parent.Find(TSN_ITEMMOVED)->first);
    EXPECT_EQ(2, parent.Find(TSN_ITEMMOVED)->second);

    EXPECT_TRUE(strip.MoveItem(3, 0, true, false));
    EXPECT_EQ("a", strip.GetItem(strip.GetCurSel())->text) << "another tab's move keeps the selection";

    parent.Clear();
    ASSERT_EQ((std::vector<std::string>{"d", "b", "c", "a"}), Texts());
    EXPECT_TRUE(strip.SwapItems(0, 3, true, true));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d"}), Texts());
    EXPECT_EQ(0, strip.GetCurSel());
    EXPECT_EQ((std::vector<UINT>{(UINT)TCN_SELCHANGING, (UINT)TCN_SELCHANGE, TSN_ITEMSWAPPED}), parent.Codes());
    EXPECT_FALSE(strip.MoveItem(0, 4));
    EXPECT_FALSE(strip.SwapItems(-1, 1));
}

TEST_F(DocumentStrip, FindItemMatchesByDataAndFillsTheTemplate) {
    CreateStrip(kDocumentStyle);
    strip.InsertItem(-1, "a", -1, 100);
    strip.InsertItem(-1, "b", -1, 200);
    strip.InsertItem(-1, "c", -1, 200);
    CTabStripItem pattern;
    pattern.data = 200;
    EXPECT_EQ(1, strip.FindItem(&pattern, TSIF_DATA));
    EXPECT_EQ("b", pattern.text);
    EXPECT_EQ(2, strip.FindItem(&pattern, TSIF_DATA, 1));
    EXPECT_EQ(-1, strip.FindItem(&pattern, TSIF_DATA, 2));
    pattern.text = "a";
    EXPECT_EQ(0, strip.FindItem(&pattern, TSIF_TEXT, -7));
}

// --- Geometry ----------------------------------------------------------------

TEST_F(DocumentStrip, TabsAreMeasuredWithTheFontAndHitTested) {
    CreateStrip(TSS_TABSATTOP);
    AddTabs({"alpha.cpp", "b", "gamma"});
    strip.SetCurSel(1, false);
    const CClientDc dc(strip);
    struct { int index; HFONT font; } tabs[] = {{0, strip.GetFont()}, {1, strip.GetSelectedFont()}, {2, strip.GetFont()}};
    int left = 5;
    for (auto& t : tabs) {
        HGDIOBJ old = ::SelectObject(dc, t.font);
        SIZE size{};
        const std::string& text = strip.GetItem(t.index)->text;
        ::GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
        ::SelectObject(dc, old);
        RECT r{};
        ASSERT_TRUE(strip.GetItemRect(t.index, &r));
        EXPECT_EQ(left, r.left) << t.index;
        EXPECT_EQ(3 + 4 + size.cx + 4 + 3, r.right - r.left) << t.index;
        left = r.right;
        UINT flags = 0;
        EXPECT_EQ(t.index, strip.HitTest(Centre(r), &flags));
        EXPECT_EQ(TSHT_ONITEM, flags);
    }
    UINT flags = 0;
    EXPECT_EQ(-1, strip.HitTest(POINT{left + 10, 10}, &flags));
    EXPECT_EQ(TSHT_NOWHERE, flags);
    RECT bad{1, 1, 1, 1};
    EXPECT_FALSE(strip.GetItemRect(3, &bad));
    EXPECT_TRUE(::IsRectEmpty(&bad));
}

TEST_F(DocumentStrip, AnImageTheListLacksTakesNoWidth) {
    CreateStrip(TSS_TABSATTOP | TSS_SCROLLMODE);
    HIMAGELIST list = strip.GetOwnImageList();
    ASSERT_NE(nullptr, list);
    HBITMAP bitmap = ::CreateBitmap(13, 13, 1, 32, nullptr);
    ASSERT_EQ(0, ::ImageList_Add(list, bitmap, nullptr));
    ::DeleteObject(bitmap);
    strip.InsertItem(-1, "x", 0);
    strip.InsertItem(-1, "x", 5);
    strip.InsertItem(-1, "x", -1);
    strip.InsertItem(-1, "selected", -1, 0, true);  // the others share the normal font
    auto width = [&](int i) {
        RECT r{};
        strip.GetItemRect(i, &r);
        return r.right - r.left;
    };
    EXPECT_EQ(width(2), width(1)) << "missing image: no gap";
    EXPECT_EQ(width(2) + 13, width(0));
}

TEST_F(DocumentStrip, LayoutWaitsWhileRedrawIsOff) {
    CreateStrip(kDocumentStyle);
    LOGFONTA lf{};
    ASSERT_NE(0, ::GetObjectA(strip.GetSelectedFont(), sizeof(lf), &lf));
    EXPECT_EQ(FW_BOLD, lf.lfWeight) << "bold selected tab";
    strip.SendMessage(WM_SETREDRAW, FALSE);
    strip.InsertItem(-1, "a");
    strip.InsertItem(-1, "b");
    RECT r{};
    strip.GetItemRect(1, &r);
    EXPECT_TRUE(::IsRectEmpty(&r)) << "not laid out yet";
    strip.SendMessage(WM_SETREDRAW, TRUE);
    strip.GetItemRect(1, &r);
    EXPECT_FALSE(::IsRectEmpty(&r));
}

// --- Mouse: clicks, buttons and scrolling --------------------------------------

TEST_F(DocumentStrip, ClicksSelectUnlessTheParentTakesThem) {
    CreateStrip(kDocumentStyle);
    AddTabs({"a", "b", "c"});
    const POINT onB = TabCentre(1);
    Send(WM_LBUTTONDOWN, onB);
    EXPECT_EQ(1, strip.GetCurSel());
    EXPECT_EQ(strip.m_hWnd, ::GetCapture());
    ASSERT_FALSE(parent.log.empty());
    EXPECT_EQ((UINT)NM_CLICK, parent.log[0].code);
    EXPECT_EQ(1, parent.log[0].first);
    EXPECT_EQ(onB.x, parent.log[0].pt.x);
    Send(WM_LBUTTONUP, onB);
    EXPECT_EQ(nullptr, ::GetCapture());

    parent.Clear();
    parent.replies[(UINT)NM_CLICK] = 1;
    Send(WM_LBUTTONDOWN, TabCentre(2));
    EXPECT_EQ(1, strip.GetCurSel()) << "a nonzero NM_CLICK reply takes the click";
    EXPECT_EQ(nullptr, ::GetCapture());
    parent.replies.clear();

    struct { UINT msg; UINT code; int tab; } clicks[] = {
        {WM_RBUTTONDOWN, (UINT)NM_RCLICK, 2}, {WM_LBUTTONDBLCLK, (UINT)NM_DBLCLK, 0},
        {WM_RBUTTONDBLCLK, (UINT)NM_RDBLCLK, 1}, {WM_MBUTTONDOWN, TSN_MCLICK, 2}, {WM_MBUTTONDBLCLK, TSN_MDBLCLK, 0}};
    for (auto& c : clicks) {
        parent.Clear();
        Send(c.msg, TabCentre(c.tab));
        ASSERT_FALSE(parent.log.empty()) << c.code;
        EXPECT_EQ(c.code, parent.log[0].code);
        EXPECT_EQ(c.tab, parent.log[0].first);
    }
    EXPECT_EQ(2, strip.GetCurSel()) << "a right click selects";

    parent.Clear();
    const POINT empty{strip.GetTabArea().right - 5, 10};
    ASSERT_EQ(-1, strip.HitTest(empty));
    Send(WM_LBUTTONDBLCLK, empty);
    ASSERT_EQ(1u, parent.log.size());
    EXPECT_EQ(-1, parent.log[0].first) << "a double click on empty strip names no tab";

    parent.Clear();
    parent.replies[(UINT)NM_RCLICK] = 1;
    Send(WM_RBUTTONDOWN, TabCentre(0));
    EXPECT_EQ(2, strip.GetCurSel()) << "a nonzero NM_RCLICK reply keeps the selection";
    strip.SendMessage(WM_RBUTTONUP, 0, PointParam(TabCentre(0)));
    EXPECT_EQ(1u, parent.contextMenus.size()) << "the release reaches the parent as WM_CONTEXTMENU";
}

TEST_F(DocumentStrip, CloseButtonFiresWhenReleasedOverItself) {
    CreateStrip(kDocumentStyle);
    AddTabs({"a", "b", "c"});
    strip.SetCurSel(1, false);
    const RECT close = strip.GetCloseButtonRect();
    ASSERT_FALSE(::IsRectEmpty(&close));
    UINT flags = 0;
    strip.HitTest(Centre(close), &flags);
    EXPECT_EQ(TSHT_CLOSE, flags);

    strip.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(close)));
    strip.PostMessage(WM_LBUTTONUP, 0, PointParam(Centre(close)));
    PumpMessages();
    const Notice* closed = parent.Find(TSN_CLOSECLICK);
    ASSERT_NE(nullptr, closed);
    EXPECT_EQ(1, closed->first);
    EXPECT_EQ(Centre(close).x, closed->pt.x);

    parent.Clear();
    const POINT away = TabCentre(0);
    strip.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(close)));
    strip.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(away));
    strip.PostMessage(WM_LBUTTONUP, 0, PointParam(away));
    PumpMessages();
    EXPECT_EQ(nullptr, parent.Find(TSN_CLOSECLICK)) << "released elsewhere";
    EXPECT_EQ(nullptr, ::GetCapture());

    strip.GetItem(1)->closable = 0;
    strip.UpdateLayout();
    EXPECT_TRUE(::IsRectEmpty(&strip.GetCloseButtonRect())) << "an unclosable tab shows no close button";
}

class ScrollingStrip : public DocumentStrip {
protected:
    void SetUp() override {
        DocumentStrip::SetUp();
        CreateStrip(kDocumentStyle, 200);
        for (int i = 0; i < 20; ++i) strip.InsertItem(-1, ("tab" + std::to_string(i) + ".txt").c_str());
        parent.Clear();
    }
    bool CanLeft() const { return strip.GetStateWord() & TabStripState::kCanScrollLeft; }
    bool CanRight() const { return strip.GetStateWord() & TabStripState::kCanScrollRight; }
    void Press(const RECT& button) {
        Send(WM_LBUTTONDOWN, Centre(button));
    }
    void Release(const RECT& button) { Send(WM_LBUTTONUP, Centre(button)); }
};

TEST_F(ScrollingStrip, ScrollButtonsStepFortyAndRepeatOnTheTimer) {
    ASSERT_FALSE(CanLeft());
    ASSERT_TRUE(CanRight());
    const RECT right = strip.GetScrollRightRect(), left = strip.GetScrollLeftRect();

    strip.SetScrollRepeat(0);
    Press(right);
    EXPECT_EQ(-40, strip.GetScrollOffset());
    ::Sleep(60);
    PumpMessages();
    EXPECT_EQ(-40, strip.GetScrollOffset()) << "speed 0 scrolls once";
    Release(right);
    EXPECT_TRUE(CanLeft());

    strip.SetScrollRepeat(2);
    Press(right);
    EXPECT_EQ(-80, strip.GetScrollOffset());
    for (int i = 0; i < 3; ++i) strip.SendMessage(WM_TIMER, kTimerScrollRight);
    EXPECT_EQ(-200, strip.GetScrollOffset());
    Release(right);
    strip.SendMessage(WM_TIMER, kTimerScrollRight);
    EXPECT_EQ(-200, strip.GetScrollOffset()) << "the repeat ends with the press";

    Press(left);
    EXPECT_EQ(-160, strip.GetScrollOffset());
    Send(WM_MOUSEMOVE, TabCentre(0));  // slid off the button
    strip.SendMessage(WM_TIMER, kTimerScrollLeft);
    EXPECT_EQ(-160, strip.GetScrollOffset()) << "repeats only while under the mouse";
    Release(left);

    // Far right: the offset stops where the last tab ends one margin in.
    for (int i = 0; i < 40 && CanRight(); ++i) {
        Press(right);
        Release(right);
    }
    EXPECT_FALSE(CanRight());
    RECT last{};
    strip.GetItemRect(19, &last);
    EXPECT_EQ(strip.GetTabArea().right - 5, last.right);
}

TEST_F(ScrollingStrip, SelectingBringsTheTabIntoView) {
    struct { int index; } cases[] = {{19}, {0}, {10}};
    for (auto& c : cases) {
        strip.SetCurSel(c.index, false);
        RECT r{};
        strip.GetItemRect(c.index, &r);
        EXPECT_GE(r.left, strip.GetTabArea().left) << c.index;
        EXPECT_LE(r.right, strip.GetTabArea().right) << c.index;
    }
    strip.SetWindowPos(nullptr, 0, 0, 10, 24, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(::IsRectEmpty(&strip.GetScrollRightRect())) << "no buttons in a strip under 15 px";
    EXPECT_TRUE(::IsRectEmpty(&strip.GetCloseButtonRect()));
}

// --- Dragging tabs -----------------------------------------------------------------

TEST_F(DocumentStrip, DraggingPastTheMiddleReordersAndEndsWithEndDrag) {
    CreateStrip(kDocumentStyle);
    AddTabs({"first.txt", "second.txt", "third.txt"});
    const POINT start = TabCentre(0);
    Send(WM_LBUTTONDOWN, start);
    Send(WM_MOUSEMOVE, POINT{start.x + 1, start.y});
    ASSERT_NE(nullptr, parent.Find(TSN_BEGINDRAG));
    EXPECT_EQ(0, parent.Find(TSN_BEGINDRAG)->first);
    EXPECT_EQ(start.x, parent.Find(TSN_BEGINDRAG)->pt.x) << "the button-down point";

    RECT second{};
    strip.GetItemRect(1, &second);
    Send(WM_MOUSEMOVE, POINT{(second.left + second.right) / 2 - 2, start.y});
    EXPECT_EQ("first.txt", strip.GetItem(0)->text) << "not past the middle yet";
    Send(WM_MOUSEMOVE, POINT{(second.left + second.right) / 2 + 2, start.y});
    EXPECT_EQ((std::vector<std::string>{"second.txt", "first.txt", "third.txt"}), Texts());
    EXPECT_EQ(1, strip.GetCurSel()) << "the selection follows the tab";

    HMODULE ole = ::GetModuleHandleA("ole32.dll");
    ASSERT_NE(nullptr, ole) << "bound during the drag";
    EXPECT_EQ(::LoadCursorA(ole, MAKEINTRESOURCEA(2)), ::GetCursor()) << "inside the strip";
    Send(WM_MOUSEMOVE, POINT{start.x, -30});
    EXPECT_EQ(::LoadCursorA(ole, MAKEINTRESOURCEA(1)), ::GetCursor()) << "outside the strip";

    parent.Clear();
    Send(WM_LBUTTONUP, POINT{start.x, -30});
    ASSERT_NE(nullptr, parent.Find(TSN_ENDDRAG));
    EXPECT_EQ(0, parent.Find(TSN_ENDDRAG)->first);
    EXPECT_EQ(1, parent.Find(TSN_ENDDRAG)->second);
    EXPECT_EQ(nullptr, parent.Find(TSN_CANCELDRAG)) << "losing the capture after the end cancels nothing";
    EXPECT_FALSE(strip.GetStateWord() & TabStripState::kDragging);
}

TEST_F(DocumentStrip, DragsAreCancelledByEscapeCaptureLossOrTheParent) {
    CreateStrip(kDocumentStyle);
    AddTabs({"a", "b", "c"});
    enum How { kEscape, kCaptureLost };
    for (How how : {kEscape, kCaptureLost}) {
        parent.Clear();
        const POINT start = TabCentre(0);
        Send(WM_LBUTTONDOWN, start);
        Send(WM_MOUSEMOVE, POINT{start.x + 1, start.y});
        Send(WM_MOUSEMOVE, TabCentre(2));
        Send(WM_MOUSEMOVE, POINT{TabCentre(2).x + 3, start.y});
        ASSERT_EQ("a", strip.GetItem(strip.GetCurSel())->text);
        ASSERT_NE(0, strip.GetCurSel());
        if (how == kEscape) strip.SendMessage(WM_KEYDOWN, VK_ESCAPE);
        else ::ReleaseCapture();
        EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), Texts()) << how;
        EXPECT_EQ(0, strip.GetCurSel()) << how;
        ASSERT_NE(nullptr, parent.Find(TSN_CANCELDRAG)) << how;
        EXPECT_EQ(0, parent.Find(TSN_CANCELDRAG)->first);
        Send(WM_LBUTTONUP, start);
        EXPECT_EQ(nullptr, parent.Find(TSN_ENDDRAG)) << how;
    }

    parent.Clear();
    parent.replies[TSN_BEGINDRAG] = 1;
    Send(WM_LBUTTONDOWN, TabCentre(0));
    Send(WM_MOUSEMOVE, POINT{TabCentre(0).x + 1, 10});
    Send(WM_MOUSEMOVE, TabCentre(2));
    Send(WM_LBUTTONUP, TabCentre(2));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), Texts()) << "a vetoed drag moves nothing";
    EXPECT_EQ(nullptr, parent.Find(TSN_ENDDRAG));
}

// --- The docking-box strip: height, double click and its reorder loop ----------------

namespace {
BOOL AlwaysDrag(HWND, POINT) { return TRUE; }
BOOL NeverDrag(HWND, POINT) { return FALSE; }
}  // namespace

TEST_F(FlyingStrip, HeightFollowsTheFontAscent) {
    CreateStrip(CFlyingTabCtrl::kCreateStyle & 0xFFFF);
    auto expected = [&](HFONT f) {
        const CClientDc dc(strip);
        const CSelectObject selected(dc, f);
        TEXTMETRICA tm{};
        ::GetTextMetricsA(dc, &tm);
        return tabs::FlyingStripHeight(tm.tmAscent);
    };
    EXPECT_EQ(expected(font), strip.GetHeight());
    HFONT big = CreateIconTitleFont(12);
    strip.SendMessage(WM_SETFONT, (WPARAM)big, FALSE);
    EXPECT_EQ(expected(big), strip.GetHeight());
    EXPECT_GT(strip.GetHeight(), expected(font));
    // The strip keeps a copy of its own.
    EXPECT_NE((HFONT)strip.SendMessage(WM_GETFONT), big);
    ::DeleteObject(big);
    LOGFONTA lf{};
    EXPECT_NE(0, ::GetObjectA((HFONT)strip.SendMessage(WM_GETFONT), sizeof(lf), &lf));
}

TEST_F(FlyingStrip, InsertSelectsAndDoubleClicksCountOnlyOverTabs) {
    CreateStrip(CFlyingTabCtrl::kCreateStyle & 0xFFFF);
    strip.InsertItem(-1, "Output");
    strip.InsertItem(-1, "Symbols");
    EXPECT_EQ(1, strip.GetCurSel());
    EXPECT_EQ("Symbols", strip.GetItem(1)->tooltip);
    parent.headerOnly.insert((UINT)NM_DBLCLK);
    parent.Clear();
    Send(WM_LBUTTONDBLCLK, POINT{strip.GetTabArea().right - 3, 10});
    EXPECT_TRUE(parent.log.empty());
    Send(WM_LBUTTONDBLCLK, TabCentre(0));
    EXPECT_EQ((std::vector<UINT>{(UINT)NM_DBLCLK}), parent.Codes());
}

TEST_F(FlyingStrip, ReorderLoopSwapsTabsAndReportsDragsOut) {
    CreateStrip(CFlyingTabCtrl::kCreateStyle & 0xFFFF);
    AddTabs({"Output", "Find", "Symbols"});
    strip.SetDragDetect(&AlwaysDrag);
    strip.SetCurSel(0, false);
    parent.Clear();

    // Over another tab: the two change places, quietly.
    strip.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(TabCentre(1)));
    strip.PostMessage(WM_LBUTTONUP, 0, PointParam(TabCentre(1)));
    Send(WM_LBUTTONDOWN, TabCentre(0));
    EXPECT_EQ((std::vector<std::string>{"Find", "Output", "Symbols"}), Texts());
    EXPECT_EQ(1, strip.GetCurSel());
    EXPECT_EQ(nullptr, parent.Find(TSN_ITEMSWAPPED));
    EXPECT_EQ(nullptr, parent.Find(TSN_DRAGOUT)) << "released over a tab";
    EXPECT_EQ(nullptr, ::GetCapture());

    // Out of every tab: the loop ends and the parent hears of it.
    parent.Clear();
    const POINT outside{strip.GetTabArea().right - 2, 10};
    ASSERT_EQ(-1, strip.HitTest(outside));
    strip.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(outside));
    strip.PostMessage(WM_LBUTTONUP, 0, PointParam(outside));
    Send(WM_LBUTTONDOWN, TabCentre(1));
    EXPECT_NE(nullptr, parent.Find(TSN_DRAGOUT));

    // Escape cancels: no drag-out.
    parent.Clear();
    strip.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    strip.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(outside));
    Send(WM_LBUTTONDOWN, TabCentre(1));
    PumpMessages();
    EXPECT_EQ(nullptr, parent.Find(TSN_DRAGOUT));

    // No drag detected: no loop at all.
    parent.Clear();
    strip.SetDragDetect(&NeverDrag);
    Send(WM_LBUTTONDOWN, TabCentre(2));
    Send(WM_LBUTTONUP, TabCentre(2));
    EXPECT_EQ(2, strip.GetCurSel());
    EXPECT_EQ(nullptr, parent.Find(TSN_DRAGOUT));
    EXPECT_EQ((std::vector<std::string>{"Find", "Output", "Symbols"}), Texts());
}

TEST_F(FlyingStrip, MouseMovesDoNotStartTheDocumentDrag) {
    CreateStrip(CFlyingTabCtrl::kCreateStyle & 0xFFFF);
    AddTabs({"Output", "Find"});
    strip.SetDragDetect(&NeverDrag);
    Send(WM_LBUTTONDOWN, TabCentre(0));
    Send(WM_MOUSEMOVE, TabCentre(1));
    Send(WM_LBUTTONUP, TabCentre(1));
    EXPECT_EQ(nullptr, parent.Find(TSN_BEGINDRAG)) << "no drag style, no mouse-move drag";
}

// --- Tool tips ------------------------------------------------------------------------

namespace {
std::string ToolText(HWND tips, HWND strip, UINT_PTR id) {
    char buffer[256] = "unchanged";
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = strip;
    ti.uId = id;
    ti.lpszText = buffer;
    ::SendMessageA(tips, TTM_GETTEXTA, sizeof(buffer), (LPARAM)&ti);
    return ti.lpszText ? ti.lpszText : "";
}
}  // namespace

TEST_F(DocumentStrip, ToolTipsComeFromTheTabsAndTheButtons) {
    CreateStrip(kDocumentStyle);
    AddTabs({"main.cpp", "notes.txt", ""});
    strip.GetItem(0)->tooltip = "C:\\src\\main.cpp";
    HWND tips = strip.GetToolTips();
    ASSERT_NE(nullptr, tips);
    struct { UINT_PTR id; const char* text; } cases[] = {
        {1, "C:\\src\\main.cpp"}, {2, "notes.txt"}, {3, ""},
        {kToolClose, "Close"}, {kToolScrollLeft, "Scroll Left"}, {kToolScrollRight, "Scroll Right"}};
    for (auto& c : cases) EXPECT_EQ(c.text, ToolText(tips, strip, c.id)) << (INT_PTR)c.id;

    auto toolCount = [&] { return (int)::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0); };
    EXPECT_EQ(3 + 3, toolCount());
    auto setStyle = [&](DWORD stripStyle) {
        ::SetWindowLongA(strip, GWL_STYLE, (LONG)(0x56000000 | stripStyle));
    };
    setStyle(kDocumentStyle & ~TSS_CLOSEBUTTON);
    EXPECT_EQ(3 + 2, toolCount());
    setStyle(kDocumentStyle & ~(TSS_CLOSEBUTTON | TSS_SCROLLMODE));
    EXPECT_EQ(3, toolCount());
    EXPECT_EQ(0, strip.GetScrollOffset());
    setStyle(kDocumentStyle);
    EXPECT_EQ(3 + 3, toolCount());
    strip.DeleteItem(0);
    EXPECT_EQ(2 + 3, toolCount());
}
