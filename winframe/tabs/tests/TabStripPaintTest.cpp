// Painting checked on the pixels of a 32-bit DIB the strip prints into,
// and the NM_CUSTOMDRAW sequence the parent sees.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DotNetTabCtrl.h"
#include "FlyingTabCtrl.h"
#include "GdiHandles.h"
#include "TabTestParent.h"

namespace {

constexpr COLORREF kSentinel = RGB(1, 2, 3);
constexpr COLORREF kInk = RGB(250, 0, 250);        // inactive text and button glyphs
constexpr COLORREF kBackground = RGB(20, 40, 60);  // the parent's background brush

// A top-down 32-bit DIB section with its own DC.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, (void**)&m_bits, nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    void Render(HWND strip) {
        RECT all{0, 0, m_width, m_height};
        HBRUSH brush = ::CreateSolidBrush(kSentinel);
        ::FillRect(m_dc, &all, brush);
        ::DeleteObject(brush);
        ::SendMessageA(strip, WM_PRINTCLIENT, (WPARAM)m_dc, PRF_CLIENT);
        ::GdiFlush();
    }
    COLORREF At(int x, int y) const {
        const DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const RECT& r, COLORREF colour) const {
        int n = 0;
        for (int y = std::max(0L, r.top); y < std::min((LONG)m_height, r.bottom); ++y)
            for (int x = std::max(0L, r.left); x < std::min((LONG)m_width, r.right); ++x) n += At(x, y) == colour;
        return n;
    }
    // The top-left-most pixel of a colour inside r, or (-1, -1).
    POINT First(const RECT& r, COLORREF colour) const {
        POINT best{-1, -1};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) == colour && (best.x < 0 || x < best.x)) best = {x, y};
        return best;
    }
    bool SaveBmp(const char* path) const {
        FILE* f = std::fopen(path, "wb");
        if (!f) return false;
        const DWORD bytes = m_width * m_height * 4;
        BITMAPFILEHEADER fh{0x4D42, (DWORD)(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + bytes), 0, 0,
                            sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
        BITMAPINFOHEADER ih{sizeof(ih), m_width, -m_height, 1, 32, BI_RGB};
        std::fwrite(&fh, sizeof(fh), 1, f);
        std::fwrite(&ih, sizeof(ih), 1, f);
        std::fwrite(m_bits, bytes, 1, f);
        std::fclose(f);
        return true;
    }

private:
    int m_width, m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

struct Stage {
    DWORD stage;
    int item;
    UINT state;
    bool operator==(const Stage& o) const { return stage == o.stage && item == o.item && state == o.state; }
};

std::ostream& operator<<(std::ostream& os, const Stage& s) {
    return os << "{" << std::hex << s.stage << std::dec << "," << s.item << "," << s.state << "}";
}

template <typename Strip>
class PaintFixture : public ::testing::Test {
protected:
    CTestParent parent;
    Strip strip;
    HFONT font = nullptr;
    HBRUSH background = ::CreateSolidBrush(kBackground);
    std::vector<Stage> stages;
    LRESULT prepaintReply = 0;
    LRESULT itemReply = 0;
    UINT markItem = (UINT)-1;     // the parent marks this tab in its item prepaint reply
    bool ownBackground = false;   // swap in a background brush of our own
    COLORREF selectedTab = CLR_INVALID;

    void SetUp() override {
        ASSERT_TRUE(parent.Create());
        parent.onCustomDraw = [this](NMTABSTRIPCUSTOMDRAW& cd) -> LRESULT {
            const bool item = (cd.nmcd.dwDrawStage & CDDS_ITEM) != 0;
            stages.push_back({cd.nmcd.dwDrawStage, item ? (int)cd.nmcd.dwItemSpec : -1, item ? cd.nmcd.uItemState : 0});
            if (cd.nmcd.dwDrawStage == CDDS_PREPAINT) {
                cd.clrTextInactive = kInk;
                if (ownBackground) cd.hBrushBackground = background;
                if (selectedTab != CLR_INVALID) cd.clrSelectedTab = selectedTab;
                return prepaintReply;
            }
            if (cd.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                if (cd.nmcd.dwItemSpec == markItem) cd.nmcd.uItemState |= TSIS_MARKED;
                return itemReply;
            }
            return 0;
        };
    }
    void TearDown() override {
        if (strip.m_hWnd) strip.DestroyWindow();
        if (font) ::DeleteObject(font);
        ::DeleteObject(background);
    }
    void CreateStrip(DWORD stripStyle, int width, std::initializer_list<const char*> names, int height = 24) {
        RECT rc{0, 0, width, height};
        ASSERT_TRUE(strip.Create(parent, &rc, nullptr, 0x56000000 | stripStyle, 0, (HMENU)7));
        font = CreateIconTitleFont();
        strip.SendMessage(WM_SETFONT, (WPARAM)font, FALSE);
        for (const char* name : names) strip.InsertItem(-1, name);
    }
    RECT Tab(int index) const {
        RECT r{};
        EXPECT_TRUE(strip.GetItemRect(index, &r));
        return r;
    }
    RECT Client() const {
        RECT r;
        strip.GetClientRect(&r);
        return r;
    }
};

using DocumentPaint = PaintFixture<CDotNetTabCtrl>;
using FlyingPaint = PaintFixture<CFlyingTabCtrl>;

constexpr DWORD kTopDocument = TSS_TABSATTOP | TSS_SCROLLMODE | TSS_CLOSEBUTTON;

}  // namespace

TEST_F(DocumentPaint, CustomDrawRepliesChooseWhatIsDrawnAndNotified) {
    CreateStrip(kTopDocument, 400, {"one.txt", "two.txt", "three.txt"});
    strip.SetCurSel(1, false);
    const Stage pre{CDDS_PREPAINT, -1, 0}, post{CDDS_POSTPAINT, -1, 0};
    const Stage i0{CDDS_ITEMPREPAINT, 0, 0}, i1{CDDS_ITEMPREPAINT, 1, CDIS_SELECTED}, i2{CDDS_ITEMPREPAINT, 2, 0};
    const Stage p0{CDDS_ITEMPOSTPAINT, 0, 0}, p1{CDDS_ITEMPOSTPAINT, 1, CDIS_SELECTED}, p2{CDDS_ITEMPOSTPAINT, 2, 0};
    struct Case {
        const char* name;
        LRESULT prepaint, item;
        std::vector<Stage> expected;
        bool background, tabs, buttons;
    } cases[] = {
        {"default", 0, 0, {pre}, true, true, true},
        {"item notifications, selected last", CDRF_NOTIFYITEMDRAW, 0, {pre, i0, i2, i1}, true, true, true},
        {"skip default", CDRF_SKIPDEFAULT, 0, {pre}, false, false, false},
        {"only tabs", CDRF_SKIPDEFAULT | CDRF_NOTIFYITEMDRAW, 0, {pre, i0, i2, i1}, false, true, false},
        {"items skipped", CDRF_NOTIFYITEMDRAW, CDRF_SKIPDEFAULT, {pre, i0, i2, i1}, true, false, true},
        {"item postpaint", CDRF_NOTIFYITEMDRAW, CDRF_NOTIFYPOSTPAINT, {pre, i0, p0, i2, p2, i1, p1}, true, true, true},
        {"final postpaint", CDRF_NOTIFYPOSTPAINT, 0, {pre, post}, true, true, true},
    };
    const RECT client = Client();
    Canvas canvas(client.right, client.bottom);
    const RECT last = Tab(2), close = strip.GetCloseButtonRect();
    const POINT emptyArea{last.right + 10, 12}, separator{last.right - 1, 12};
    const POINT cross{close.left + 7, close.top + 7};
    ASSERT_LT(emptyArea.x, strip.GetTabArea().right);
    for (const Case& c : cases) {
        prepaintReply = c.prepaint;
        itemReply = c.item;
        stages.clear();
        canvas.Render(strip);
        EXPECT_EQ(c.expected, stages) << c.name;
        EXPECT_EQ(c.background, canvas.At(emptyArea.x, emptyArea.y) == ::GetSysColor(COLOR_BTNFACE)) << c.name;
        EXPECT_EQ(c.tabs, canvas.At(separator.x, separator.y) == ::GetSysColor(COLOR_BTNSHADOW)) << c.name;
        EXPECT_EQ(c.buttons, canvas.At(cross.x, cross.y) == kInk) << c.name;
    }
}

TEST_F(DocumentPaint, HotTabsAreReportedWithTheHotState) {
    CreateStrip(kTopDocument | TSS_HOTTRACK, 400, {"one.txt", "two.txt"});
    prepaintReply = CDRF_NOTIFYITEMDRAW;
    Canvas canvas(Client().right, Client().bottom);
    struct { int hot; std::vector<Stage> expected; } cases[] = {
        {0, {{CDDS_PREPAINT, -1, 0}, {CDDS_ITEMPREPAINT, 1, 0}, {CDDS_ITEMPREPAINT, 0, CDIS_SELECTED | CDIS_HOT}}},
        {1, {{CDDS_PREPAINT, -1, 0}, {CDDS_ITEMPREPAINT, 1, CDIS_HOT}, {CDDS_ITEMPREPAINT, 0, CDIS_SELECTED}}},
    };
    for (auto& c : cases) {
        const POINT at = Centre(Tab(c.hot));
        strip.SendMessage(WM_MOUSEMOVE, 0, PointParam(at));
        strip.SendMessage(WM_MOUSEMOVE, 0, PointParam(POINT{at.x + 1, at.y}));
        ASSERT_EQ(c.hot, strip.GetHotItem());
        stages.clear();
        canvas.Render(strip);
        EXPECT_EQ(c.expected, stages) << c.hot;
    }
}

TEST_F(DocumentPaint, MarkedAndSelectedTabsAreFilled) {
    CreateStrip(TSS_TABSATTOP, 400, {"one.txt", "two.txt", "three.txt"});
    strip.SetCurSel(1, false);
    prepaintReply = CDRF_NOTIFYITEMDRAW;
    selectedTab = RGB(10, 200, 10);
    Canvas canvas(Client().right, Client().bottom);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    struct { UINT mark; int tab; COLORREF expected; } cases[] = {
        {(UINT)-1, 1, RGB(10, 200, 10)}, {1, 1, highlight}, {0, 0, highlight}, {2, 2, highlight}, {(UINT)-1, 0, 0}};
    for (auto& c : cases) {
        markItem = c.mark;
        canvas.Render(strip);
        const RECT r = Tab(c.tab);
        const COLORREF got = canvas.At(r.left + 2, r.top + 5);
        if (c.expected) EXPECT_EQ(c.expected, got) << "tab " << c.tab << " mark " << (int)c.mark;
        else EXPECT_NE(highlight, got) << "an unmarked tab has no fill";
    }
}

TEST_F(DocumentPaint, SeparatorsEndEveryTabButTheOneBeforeTheSelection) {
    CreateStrip(TSS_TABSATTOP, 500, {"a.txt", "b.txt", "c.txt", "d.txt"});
    strip.SetCurSel(2, false);
    Canvas canvas(Client().right, Client().bottom);
    canvas.Render(strip);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    struct { int tab; bool separator; } cases[] = {{0, true}, {1, false}, {3, true}};
    for (auto& c : cases) {
        const RECT r = Tab(c.tab);
        EXPECT_EQ(c.separator, canvas.At(r.right - 1, (r.top + r.bottom) / 2) == shadow) << c.tab;
        EXPECT_EQ(c.separator, canvas.At(r.right - 1, r.top + 3) == shadow) << c.tab << " top end";
    }
}

TEST_F(DocumentPaint, BandsAndFrameLinesFollowTheEdgeTheTabsStandOn) {
    ownBackground = true;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), text = ::GetSysColor(COLOR_BTNTEXT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    struct Check { int x, y; COLORREF colour; const char* what; };
    struct Case {
        DWORD style;
        std::vector<Check> checks;  // negative coordinates count from the right or bottom
    } cases[] = {
        {TSS_TABSATTOP,
         {{-5, 0, face, "top band"}, {-5, 2, face, "top band"}, {-5, 3, text, "line below the band"},
          {-5, 10, kBackground, "background"}}},
        {0,
         {{-8, -1, face, "bottom band"}, {-8, -2, face, "bottom band"}, {-8, -3, light, "line above the band"},
          {0, 8, shadow, "left edge"}, {-8, 0, shadow, "top edge"}, {-1, 8, light, "right edge"},
          {1, 8, face, "inner left"}, {-2, 8, face, "inner right"}, {-8, 10, kBackground, "background"}}},
        {TSS_SHADOWRIGHTEDGE, {{-1, 8, shadow, "right edge in shadow"}}},
    };
    for (const Case& c : cases) {
        if (strip.m_hWnd) strip.DestroyWindow();
        CreateStrip(c.style, 300, {"a.txt"});
        const RECT client = Client();
        Canvas canvas(client.right, client.bottom);
        canvas.Render(strip);
        for (const Check& k : c.checks) {
            const int x = k.x < 0 ? client.right + k.x : k.x, y = k.y < 0 ? client.bottom + k.y : k.y;
            EXPECT_EQ(k.colour, canvas.At(x, y)) << k.what << " at " << x << "," << y << " style " << c.style;
        }
    }
}

TEST_F(FlyingPaint, NarrowTabsShowTheirImageButNoLabel) {
    HIMAGELIST images = ::ImageList_Create(13, 13, ILC_COLOR32, 1, 1);
    const CClientDc screen(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP red = ::CreateCompatibleBitmap(screen, 13, 13);
    HGDIOBJ old = ::SelectObject(mem, red);
    RECT all{0, 0, 13, 13};
    HBRUSH brush = ::CreateSolidBrush(RGB(255, 0, 0));
    ::FillRect(mem, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ASSERT_EQ(0, ::ImageList_Add(images, red, nullptr));
    ::DeleteObject(red);

    struct { int width; bool label; } cases[] = {{10 + 6 * 30, false}, {900, true}};
    for (auto& c : cases) {
        if (strip.m_hWnd) strip.DestroyWindow();
        CreateStrip(TSS_TABSATTOP, c.width, {});
        strip.SetImageList(images);
        for (int i = 0; i < 6; ++i) strip.InsertItem(-1, "a rather long label.txt", 0);
        strip.SetCurSel(0, false);
        const RECT r = Tab(3);
        Canvas canvas(Client().right, Client().bottom);
        canvas.Render(strip);
        EXPECT_EQ(RGB(255, 0, 0), canvas.At(r.left + 3 + 6, 12)) << c.width << ": image drawn";
        const RECT labelArea{r.left + 3 + 13, 0, r.right - 3, r.bottom};
        EXPECT_EQ(c.label, canvas.Count(labelArea, kInk) > 0) << c.width;
    }
    strip.DestroyWindow();
    ::ImageList_Destroy(images);
}

TEST_F(DocumentPaint, ScrollArrowsShowOnlyPossibleDirectionsAndSinkWhenPressed) {
    CreateStrip(kTopDocument, 220, {});
    for (int i = 0; i < 20; ++i) strip.InsertItem(-1, ("file" + std::to_string(i) + ".txt").c_str());
    strip.SetCurSel(0, false);
    strip.SetScrollRepeat(0);
    Canvas canvas(Client().right, Client().bottom);
    const RECT right = strip.GetScrollRightRect(), left = strip.GetScrollLeftRect();

    canvas.Render(strip);
    EXPECT_GT(canvas.Count(right, kInk), 0);
    EXPECT_EQ(0, canvas.Count(left, kInk)) << "nothing lies to the left";

    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(right)));
    strip.SendMessage(WM_LBUTTONUP, 0, PointParam(Centre(right)));
    canvas.Render(strip);
    EXPECT_GT(canvas.Count(left, kInk), 0);
    const POINT resting = canvas.First(right, kInk);

    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(right)));
    canvas.Render(strip);
    const POINT pressed = canvas.First(right, kInk);
    EXPECT_EQ(resting.x + 1, pressed.x);
    EXPECT_EQ(resting.y + 1, pressed.y);
    strip.SendMessage(WM_LBUTTONUP, 0, PointParam(Centre(right)));

    // The close button: raised while hovered, sunken while pressed.
    const RECT close = strip.GetCloseButtonRect();
    strip.SendMessage(WM_MOUSEMOVE, 0, PointParam(Centre(close)));
    strip.SendMessage(WM_MOUSEMOVE, 0, PointParam(POINT{Centre(close).x + 1, Centre(close).y}));
    canvas.Render(strip);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(close.left, close.top)) << "hovered";
    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Centre(close)));
    canvas.Render(strip);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.At(close.left, close.top)) << "pressed";
    strip.SendMessage(WM_LBUTTONUP, 0, PointParam(Centre(close)));
    strip.SendMessage(WM_MOUSELEAVE);
    canvas.Render(strip);
    EXPECT_NE(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(close.left, close.top)) << "left";

    // A picture to look at: the document strip at the bottom, hot tab and hovered close button.
    if (strip.m_hWnd) strip.DestroyWindow();
    CreateStrip(TSS_SCROLLMODE | TSS_CLOSEBUTTON | TSS_HOTTRACK | TSS_BOLDSELECTED, 420,
                {"main.cpp", "TabStripImpl.h", "a very long file name for the middle ellipsis.txt", "notes.txt"});
    strip.SetCurSel(1, false);
    parent.onCustomDraw = nullptr;  // the strip's own colours
    const POINT hot = Centre(Tab(3));
    strip.SendMessage(WM_MOUSEMOVE, 0, PointParam(hot));
    strip.SendMessage(WM_MOUSEMOVE, 0, PointParam(POINT{hot.x + 1, hot.y}));
    Canvas shot(Client().right, Client().bottom);
    shot.Render(strip);
    EXPECT_TRUE(shot.SaveBmp("tabstrip_document.bmp"));
}

TEST_F(FlyingPaint, SqueezedLabelsForAPicture) {
    parent.onCustomDraw = nullptr;
    CreateStrip(CFlyingTabCtrl::kCreateStyle & 0xFFFF, 300,
                {"Output", "Find Results 1", "a very long pane title that must be shortened", "Symbols"});
    strip.SetCurSel(1, false);
    Canvas shot(Client().right, Client().bottom);
    shot.Render(strip);
    EXPECT_TRUE(shot.SaveBmp("tabstrip_flying.bmp"));
}
