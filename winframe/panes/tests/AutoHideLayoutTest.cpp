// The auto-hide bars' geometry as tables: water-filled tab lengths, where
// the bars go, what lies under a point, and the slid-out window.
#include <gtest/gtest.h>

#include <sstream>

#include "AutoHideBar.h"
#include "AutoHideLayout.h"

namespace {

std::string Show(const RECT& r) {
    std::ostringstream os;
    os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
    return os.str();
}
bool Same(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

TEST(AutoHideLayout, WaterFillingCapsTheLongTabs) {
    const struct {
        std::vector<int> preferred;
        int length;
        int cap;
    } cases[] = {
        {{20, 60, 80}, 99, 32},   // 20 keeps its length, 60 and 80 share the rest
        {{10, 10}, 15, 0},        // a cap below 5 is 0
        {{20, 60, 80}, 175, -1},  // everything fits, gaps included
        {{20, 60, 80}, 174, 79},
        {{50}, 30, 25},
        {{}, 10, -1},
    };
    for (const auto& c : cases) {
        std::ostringstream name;
        for (int p : c.preferred) name << p << " ";
        name << "in " << c.length;
        EXPECT_EQ(AutoHideTabCap(c.preferred, c.length), c.cap) << name.str();
    }
}

TEST(AutoHideLayout, EachBarCutsItsStripAndIsIndented) {
    const RECT all{0, 40, 800, 600};
    const struct {
        DWORD side;
        RECT bar;
        RECT rest;
    } cases[] = {
        {kSideLeft, {0, 40 + 3, 24, 600 - 7}, {24, 40, 800, 600}},
        {kSideRight, {776, 43, 800, 593}, {0, 40, 776, 600}},
        {kSideTop, {3, 40, 793, 64}, {0, 64, 800, 600}},
        {kSideBottom, {3, 576, 793, 600}, {0, 40, 800, 576}},
    };
    for (const auto& c : cases) {
        RECT r = all;
        RECT bar = PlaceAutoHideBar(r, c.side, 24, 3, 7);
        EXPECT_TRUE(Same(bar, c.bar)) << c.side << " bar " << Show(bar);
        EXPECT_TRUE(Same(r, c.rest)) << c.side << " rest " << Show(r);
    }
    // An empty bar takes nothing.
    CAutoHideBar empty;
    empty.side = kSideTop;
    RECT r = all;
    EXPECT_TRUE(empty.Place(nullptr, r, 24, 0, 0));
    EXPECT_TRUE(Same(r, all));
    EXPECT_TRUE(::IsRectEmpty(&empty.rect));
}

TEST(AutoHideLayout, TabsAlongABarWithGaps) {
    const std::vector<int> lengths{20, 30};
    const struct {
        int along;
        int tab;
        int within;
    } cases[] = {
        {0, 0, 0}, {19, 0, 19}, {20, -1, 0}, {24, -1, 0}, {25, 1, 0}, {54, 1, 29}, {55, -1, 0}, {-1, -1, 0},
    };
    for (const auto& c : cases) {
        int within = 0;
        EXPECT_EQ(AutoHideTabAt(lengths, c.along, &within), c.tab) << c.along;
        if (c.tab >= 0) EXPECT_EQ(within, c.within) << c.along;
    }
}

// An entry of fixed length that names itself by its pane handle.
class CStubEntry : public CAutoHideBarEntry {
public:
    CStubEntry(int length, HWND pane) : m_pane(pane) { m_length = length; }
    Removal RemovePane(HWND, std::unique_ptr<CAutoHideBarEntry>&) override { return Removal::Dropped; }
    bool GiveBack(DockMessage&) override { return true; }
    void SetLength(int length) override { m_length = length; }
    int Length() const override { return m_length; }
    bool FillPlacement(HWND pane, DockMessage&) const override { return pane == m_pane; }
    const AutoHideEntry& Active() const override { return m_entry; }
    int Measure(const TextWidth&) const override { return m_length; }
    void Draw(HDC, const RECT&, bool) const override {}
    int IndexAt(int, bool) override { return 0; }
    HWND PaneAt(int index) const override { return index == 0 ? m_pane : nullptr; }
    void SetPaneSize(HWND, int) override {}
    using CAutoHideBarEntry::Measure;

private:
    HWND m_pane;
    int m_length;
    AutoHideEntry m_entry;
};

TEST(AutoHideLayout, ABarHitTestWalksItsTabs) {
    CAutoHideBar bar;
    bar.side = kSideLeft;
    bar.rect = {0, 100, 24, 400};
    bar.entries.push_back(std::make_unique<CStubEntry>(40, (HWND)1));
    bar.entries.push_back(std::make_unique<CStubEntry>(60, (HWND)2));
    const struct {
        POINT at;
        HWND pane;
    } cases[] = {
        {{10, 100}, (HWND)1}, {{10, 139}, (HWND)1}, {{10, 142}, nullptr}, {{10, 145}, (HWND)2},
        {{10, 204}, (HWND)2}, {{10, 205}, nullptr}, {{30, 120}, nullptr}, {{10, 99}, nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(bar.HitTest(c.at, false).pane, c.pane) << c.at.x << "," << c.at.y;
}

TEST(AutoHideLayout, TheSlidOutWindowKeepsItsSizeWithinTheRoom) {
    const RECT area{24, 30, 824, 180};  // 800 wide, 150 high
    const struct {
        DWORD side;
        int size;
        RECT window;
    } cases[] = {
        {kSideBottom, 200, {24, 35, 824, 180}},   // t = 205, cut to 150 - 5
        {kSideBottom, 100, {24, 75, 824, 180}},   // t = 105
        {kSideTop, 100, {24, 30, 824, 135}},
        {kSideLeft, 100, {24, 30, 129, 180}},
        {kSideRight, 100, {719, 30, 824, 180}},
    };
    for (const auto& c : cases) {
        RECT w = AutoHideWindowRect(area, c.side, c.size);
        EXPECT_TRUE(Same(w, c.window)) << c.side << " " << c.size << " " << Show(w);
    }
    // A room of 4 or less still leaves 5.
    RECT tiny = AutoHideWindowRect({0, 0, 100, 3}, kSideBottom, 50);
    EXPECT_EQ(tiny.bottom - tiny.top, 5);
}

}  // namespace
