// The strip's geometry and the small pure rules, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MiddleEllipsis.h"
#include "TabLayout.h"
#include "TabStripDefs.h"
#include "TabStripItem.h"
#include "TabStripState.h"

using namespace tabs;

namespace {

std::vector<int> Widths(const StripLayout& layout) {
    std::vector<int> widths;
    for (const RECT& r : layout.tabs) widths.push_back(r.right - r.left);
    return widths;
}

// Tabs hanging from the top use the whole client width as tab area.
LayoutInput Squeezed(int areaWidth, std::vector<int> widths, int selected) {
    LayoutInput in;
    in.client = {0, 0, areaWidth, 24};
    in.style = TSS_TABSATTOP;
    in.widths = std::move(widths);
    in.selected = selected;
    return in;
}

LayoutInput Scrolling(int tabCount, int tabWidth, int offset) {
    LayoutInput in;
    in.client = {0, 0, 300, 24};
    in.style = TSS_TABSATTOP | TSS_SCROLLMODE;
    in.widths.assign(tabCount, tabWidth);
    in.scrollOffset = offset;
    return in;
}

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

TEST(TabLayout, SqueezeSharesTheRoomLeftBesideTheSelectedTab) {
    struct Case {
        const char* name;
        int area;
        std::vector<int> natural;
        int selected;
        std::vector<int> expected;
    } cases[] = {
        {"scaled by ratio, rounded", 200, {80, 60, 100}, 0, {80, 41, 69}},
        {"below the minimum: even shares", 200, {100, 30, 200}, 0, {100, 45, 45}},
        {"no room for minimums: equal", 100, {80, 60, 100}, 0, {30, 30, 30}},
        {"one tab too wide", 100, {120}, 0, {90}},
        {"no selection keeps natural widths", 200, {80, 60, 100}, -1, {80, 60, 100}},
        {"enough room keeps natural widths", 400, {80, 60, 100}, 1, {80, 60, 100}},
    };
    for (const Case& c : cases) {
        StripLayout layout = LayOut(Squeezed(c.area, c.natural, c.selected));
        EXPECT_EQ(c.expected, Widths(layout)) << c.name;
        ASSERT_FALSE(layout.tabs.empty());
        EXPECT_EQ(5, layout.tabs.front().left) << c.name << ": starts one margin in";
        for (size_t i = 1; i < layout.tabs.size(); ++i)
            EXPECT_EQ(layout.tabs[i - 1].right, layout.tabs[i].left) << c.name << ": tabs abut";
        EXPECT_EQ(0, layout.tabs.front().top);
        EXPECT_EQ(24, layout.tabs.front().bottom);
    }
}

TEST(TabLayout, NaturalWidthAddsInsetsImageAndLabel) {
    StripMetrics m;
    EXPECT_EQ(3 + 13 + 4 + 50 + 4 + 3, NaturalWidth(m, 13, 50, true));
    EXPECT_EQ(3 + 13 + 3, NaturalWidth(m, 13, 0, false));
    EXPECT_EQ(3 + 4 + 50 + 4 + 3, NaturalWidth(m, 0, 50, true));
}

TEST(TabLayout, ScrollOffsetStaysInRangeAndSetsTheDirections) {
    // Tab area right edge: 300 - 3 (inset) - 2 x 15 (buttons) = 267.
    struct Case {
        const char* name;
        int tabs, offset;
        int expectedOffset;
        bool left, right;
    } cases[] = {
        {"positive offset is clamped", 10, 50, 0, false, true},
        {"at the start", 10, 0, 0, false, true},
        {"in the middle", 10, -100, -100, true, true},
        {"tabs ending early move back", 10, -400, 267 - 5 - 505, true, false},
        {"everything fits", 3, -40, 0, false, false},
    };
    for (const Case& c : cases) {
        StripLayout layout = LayOut(Scrolling(c.tabs, 50, c.offset));
        EXPECT_EQ(267, layout.tabArea.right) << c.name;
        EXPECT_EQ(c.expectedOffset, layout.scrollOffset) << c.name;
        EXPECT_LE(layout.scrollOffset, 0) << c.name;
        EXPECT_EQ(c.left, layout.canScrollLeft) << c.name;
        EXPECT_EQ(c.right, layout.canScrollRight) << c.name;
    }
    StripLayout end = LayOut(Scrolling(10, 50, -400));
    EXPECT_EQ(267 - 5, end.Shifted(9).right) << "the last tab ends one margin before the area";
}

TEST(TabLayout, EnsureVisibleScrollsTwentyPastTheEdge) {
    struct Case {
        const char* name;
        int offset, index;
        bool partial;
        int expected;
    } cases[] = {
        {"right of the area", 0, 9, false, 0 + 267 - 505 - 20},
        {"partly right, partial not allowed", 0, 5, false, 267 - 305 - 20},
        {"partly right, partial allowed", 0, 5, true, 0},
        {"left of the area", -200, 0, false, -200 + 0 - (5 - 200) + 20},
        {"partly left, partial allowed", -200, 3, true, -200},
        {"partly left, partial not allowed", -200, 3, false, -200 + 0 - (155 - 200) + 20},
        {"already visible", -100, 4, false, -100},
    };
    for (const Case& c : cases) {
        StripLayout layout = LayOut(Scrolling(10, 50, c.offset));
        int offset = layout.scrollOffset;
        EXPECT_TRUE(EnsureVisibleOffset(layout, c.index, c.partial, &offset)) << c.name;
        EXPECT_EQ(c.expected, offset) << c.name;
    }
    StripLayout fits = LayOut(Scrolling(3, 50, 0));
    int offset = 0;
    EXPECT_TRUE(EnsureVisibleOffset(fits, 2, false, &offset));
    EXPECT_EQ(0, offset) << "nothing to scroll";
    EXPECT_FALSE(EnsureVisibleOffset(fits, 3, false, &offset));
    EXPECT_FALSE(EnsureVisibleOffset(fits, -1, false, &offset));
}

TEST(TabLayout, ButtonsAreFifteenSquareAtTheRightEnd) {
    struct Case {
        const char* name;
        int width;
        DWORD style;
        int selected;
        bool closable;
        RECT close, right, left;
        int areaLeft, areaRight;
    } cases[] = {
        {"close, top", 300, TSS_TABSATTOP | TSS_CLOSEBUTTON, 0, true, {282, 6, 297, 21}, {}, {}, 0, 282},
        {"close, bottom", 300, TSS_CLOSEBUTTON, 0, true, {281, 4, 296, 19}, {}, {}, 2, 281},
        {"close and scroll, top", 300, TSS_TABSATTOP | TSS_CLOSEBUTTON | TSS_SCROLLMODE, 0, true,
         {282, 6, 297, 21}, {267, 6, 282, 21}, {252, 6, 267, 21}, 0, 252},
        {"scroll, bottom", 300, TSS_SCROLLMODE, 0, true, {}, {281, 4, 296, 19}, {266, 4, 281, 19}, 2, 266},
        {"no selection: no close", 300, TSS_TABSATTOP | TSS_CLOSEBUTTON, -1, true, {}, {}, {}, 0, 300},
        {"not closable: no close", 300, TSS_CLOSEBUTTON, 0, false, {}, {}, {}, 2, 298},
        {"area under 15, top", 14, TSS_TABSATTOP | TSS_CLOSEBUTTON | TSS_SCROLLMODE, 0, true, {}, {}, {}, 0, 14},
        {"area under 15, bottom", 18, TSS_CLOSEBUTTON | TSS_SCROLLMODE, 0, true, {}, {}, {}, 2, 16},
    };
    for (const Case& c : cases) {
        LayoutInput in;
        in.client = {0, 0, c.width, 24};
        in.style = c.style;
        in.selected = c.selected;
        in.selectedClosable = c.closable;
        in.widths = {40};
        StripLayout layout = LayOut(in);
        EXPECT_TRUE(::EqualRect(&c.close, &layout.closeButton)) << c.name << ": close";
        EXPECT_TRUE(::EqualRect(&c.right, &layout.scrollRight)) << c.name << ": scroll right";
        EXPECT_TRUE(::EqualRect(&c.left, &layout.scrollLeft)) << c.name << ": scroll left";
        EXPECT_EQ(c.areaLeft, layout.tabArea.left) << c.name;
        EXPECT_EQ(c.areaRight, layout.tabArea.right) << c.name;
    }
}

TEST(TabLayout, HitTestReportsTabsInTheAreaAndButtonsOutsideIt) {
    LayoutInput in = Scrolling(10, 50, -100);
    in.style |= TSS_CLOSEBUTTON;
    in.selected = 0;
    in.selectedClosable = true;
    StripLayout layout = LayOut(in);
    struct Case {
        POINT pt;
        int index;
        UINT flags;
    } cases[] = {
        {{10, 12}, 2, TSHT_ONITEM},           // tab 2 shifted to [5, 55)
        {{layout.tabArea.right - 1, 12}, 6, TSHT_ONITEM},
        {CentreOf(layout.closeButton), -1, TSHT_CLOSE},
        {CentreOf(layout.scrollRight), -1, TSHT_SCROLLRIGHT},
        {CentreOf(layout.scrollLeft), -1, TSHT_SCROLLLEFT},
        {{layout.closeButton.left + 2, 1}, -1, TSHT_NOWHERE},  // above the button
        {{10, 30}, -1, TSHT_NOWHERE},
    };
    for (const Case& c : cases) {
        UINT flags = 0;
        EXPECT_EQ(c.index, HitTest(layout, c.pt, &flags)) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.flags, flags) << c.pt.x << "," << c.pt.y;
    }
    LayoutInput empty = Squeezed(200, {}, -1);
    UINT flags = 0;
    EXPECT_EQ(-1, HitTest(LayOut(empty), POINT{20, 10}, &flags));
    EXPECT_EQ(TSHT_NOWHERE, flags) << "tab area without tabs";
}

TEST(TabStripState, StartsWithRedrawOnStepFortyAndFastRepeat) {
    TabStripState state;
    EXPECT_EQ(0xA808u, state.Word());
    EXPECT_TRUE(state.Has(TabStripState::kRedraw));
    EXPECT_EQ(40, state.ScrollStep());
    EXPECT_EQ(2, state.RepeatSpeed());
    EXPECT_EQ(25u, state.RepeatPeriod());
    state.SetPressed(kElemScrollLeft);
    state.SetUnder(kElemTab);
    state.SetHover(kElemClose);
    EXPECT_EQ(0x0431A808u, state.Word());
    state.SetRepeatSpeed(0);
    EXPECT_EQ(0u, state.RepeatPeriod());
    EXPECT_EQ(40, state.ScrollStep()) << "fields stay apart";
}

TEST(TabMetrics, HeightsOffsetsAndDepthColours) {
    struct { int ascent, height; } heights[] = {{11, 24}, {13, 26}, {10, 22}};
    for (auto& h : heights) EXPECT_EQ(h.height, FlyingStripHeight(h.ascent)) << h.ascent;
    struct { int lfHeight, offset; } offsets[] = {{-11, 0}, {-12, 0}, {-13, 1}, {-16, 2}, {-8, -1}};
    for (auto& o : offsets) EXPECT_EQ(o.offset, TextOffset(o.lfHeight)) << o.lfHeight;
    struct { int bpp; bool windowBrush; int text; } depths[] = {
        {4, true, COLOR_BTNTEXT}, {8, true, COLOR_BTNTEXT}, {16, false, COLOR_GRAYTEXT}, {32, false, COLOR_GRAYTEXT}};
    for (auto& d : depths) {
        DepthColours colours = ColoursForDepth(d.bpp);
        EXPECT_EQ(d.windowBrush, colours.windowBrush) << d.bpp;
        EXPECT_EQ(d.text, colours.inactiveText) << d.bpp;
    }
}

TEST(MiddleEllipsis, KeepsBothEndsAndWholeCharacters) {
    auto tenPerByte = [](const std::string& s) { return (int)s.size() * 10; };
    EXPECT_EQ("short.txt", MiddleEllipsis("short.txt", 90, tenPerByte));
    EXPECT_EQ("ab...j.", MiddleEllipsis("abcdefghij.", 70, tenPerByte)) << "head keeps the odd character";
    EXPECT_EQ("...", MiddleEllipsis("abcdefghij", 5, tenPerByte)) << "nothing fits";

    // Two GBK characters of two bytes each, then an ASCII extension.
    const std::string gbk = "\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4.txt";
    for (int width = 30; width < 120; width += 10) {
        std::string cut = MiddleEllipsis(gbk, width, tenPerByte, 936);
        EXPECT_LE(tenPerByte(cut), width) << width;
        EXPECT_GT(::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, cut.c_str(), (int)cut.size(), nullptr, 0), 0)
            << "no split character at width " << width;
        size_t dots = cut.find("...");
        ASSERT_NE(std::string::npos, dots) << width;
        EXPECT_EQ(0u, gbk.find(cut.substr(0, dots))) << "head kept at width " << width;
        std::string tail = cut.substr(dots + 3);
        EXPECT_EQ(gbk.size() - tail.size(), gbk.rfind(tail)) << "tail kept at width " << width;
    }
}

TEST(TabStripItem, MatchesOnlyTheFlaggedFields) {
    CTabStripItem item;
    item.text = "main.cpp";
    item.tooltip = "C:\\src\\main.cpp";
    item.image = 2;
    item.data = 0x1234;
    CTabStripItem pattern;
    pattern.data = 0x1234;
    EXPECT_TRUE(item.Matches(pattern, TSIF_DATA));
    EXPECT_FALSE(item.Matches(pattern, TSIF_DATA | TSIF_TEXT));
    pattern.text = "MAIN.CPP";
    EXPECT_FALSE(item.Matches(pattern, TSIF_TEXT)) << "case-sensitive";
    pattern.text = "main.cpp";
    EXPECT_TRUE(item.Matches(pattern, TSIF_DATA | TSIF_TEXT | TSIF_CLOSABLE | TSIF_MARKED));
    item.CopyFoundInto(pattern, TSIF_TEXT);
    EXPECT_EQ(2, pattern.image);
    EXPECT_EQ(item.tooltip, pattern.tooltip);
}
