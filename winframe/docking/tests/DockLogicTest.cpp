// The docking arithmetic without windows: the record's file form, the float
// clamp, the metrics rules and the slot sequence.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "BarTracker.h"
#include "DockMessage.h"
#include "DockingMetrics.h"
#include "PaneSequence.h"
#include "PinIcons.h"

namespace {

uint32_t At(const PlacementBytes& b, size_t offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= (uint32_t)b[offset + i] << (8 * i);
    return v;
}

TEST(DockMessageFileForm, FieldsSitAtTheirOffsets) {
    DockMessage r((HWND)(UINT_PTR)0x1234, (HWND)(UINT_PTR)0x5678, kDockQueryPlacement);
    r.place = {kPlaceBeforeCentre | kPlaceAlone, 7, 0.25f, 120, 80, 2};
    PlacementBytes b = SerialisePlacement(r);
    EXPECT_EQ(At(b, 0), 0x1234u);
    EXPECT_EQ(At(b, 4), 0x5678u);
    EXPECT_EQ(At(b, 8), (uint32_t)kDockQueryPlacement);
    EXPECT_EQ(At(b, 12), (uint32_t)(kPlaceBeforeCentre | kPlaceAlone));
    EXPECT_EQ(At(b, 16), 7u);
    float ratio = 0.25f;
    uint32_t bits;
    std::memcpy(&bits, &ratio, 4);
    EXPECT_EQ(At(b, 20), bits);
    EXPECT_EQ(At(b, 24), 120u);
    EXPECT_EQ(At(b, 28), 80u);
    EXPECT_EQ(At(b, 32), 2u);
}

TEST(DockMessageFileForm, FloatingFormPutsTheRectangleAt16To31) {
    DockMessage r;
    r.floating.flags = kPlaceFloating;
    r.floating.rect = {-10, 20, 300, 400};
    PlacementBytes b = SerialisePlacement(r);
    EXPECT_EQ((int32_t)At(b, 16), -10);
    EXPECT_EQ((int32_t)At(b, 20), 20);
    EXPECT_EQ((int32_t)At(b, 24), 300);
    EXPECT_EQ((int32_t)At(b, 28), 400);
}

TEST(DockMessageFileForm, RoundTripKeepsEveryField) {
    DockMessage r((HWND)(UINT_PTR)0x7FFF0010, (HWND)(UINT_PTR)0x20, kDockAtPlacement);
    r.place = {kSideLeft | kPlaceActive, -3, 0.1f, 100, 100, 5};
    DockMessage back = DeserialisePlacement(SerialisePlacement(r));
    EXPECT_EQ(back.pane, r.pane);
    EXPECT_EQ(back.target, r.target);
    EXPECT_EQ(back.code, r.code);
    EXPECT_EQ(back.place.flags, r.place.flags);
    EXPECT_EQ(back.place.position, r.place.position);
    EXPECT_EQ(back.place.ratio, r.place.ratio);
    EXPECT_EQ(back.place.size, r.place.size);
    EXPECT_EQ(back.place.length, r.place.length);
    EXPECT_EQ(back.place.index, r.place.index);
}

TEST(DockMessageId, NamedAfterTheProcess) {
    UINT id = DockingBoxMessage();
    ASSERT_NE(id, 0u);
    std::string name = "DockingBoxMessage-" + std::to_string(::GetCurrentProcessId());
    EXPECT_EQ(::RegisterWindowMessageA(name.c_str()), id);
}

TEST(ClampFloatRect, Table) {
    struct Case {
        int w, h, width, height, wantWidth, wantHeight;
    } cases[] = {
        {900, 600, 500, 300, 300, 200},
        {900, 600, 250, 150, 250, 150},
        {900, 600, 50, 10, 112, 27},
        {150, 600, 100, 100, 112, 100},
    };
    for (const Case& c : cases) {
        RECT r{10, 20, 10 + c.width, 20 + c.height};
        ClampFloatRect(r, c.w, c.h, 112, 27);
        EXPECT_EQ(r.left, 10);
        EXPECT_EQ(r.top, 20);
        EXPECT_EQ(r.right - r.left, c.wantWidth) << c.w << " " << c.width;
        EXPECT_EQ(r.bottom - r.top, c.wantHeight) << c.h << " " << c.height;
    }
}

TEST(DockingMetrics, BarTextColourPerChannel) {
    struct Case {
        int text, grey, want;
    } cases[] = {{0, 128, 84}, {200, 100, 134}, {0, 166, 110}, {255, 0, 85}};
    for (const Case& c : cases) {
        EXPECT_EQ(BarTextColour(RGB(c.text, 0, 0), RGB(c.grey, 0, 0)), RGB(c.want, 0, 0)) << c.text;
        EXPECT_EQ(BarTextColour(RGB(0, 0, c.text), RGB(0, 0, c.grey)), RGB(0, 0, c.want)) << c.text;
    }
}

TEST(DockingMetrics, DragModeRefresh) {
    struct Case {
        DWORD mode;
        bool queried, full;
        DWORD want;
    } cases[] = {
        {kDragKeepMode | kDragFullWindow, true, false, kDragKeepMode | kDragFullWindow},
        {kDragKeepMode | kDragOutline, true, true, kDragKeepMode | kDragOutline},
        {0, true, true, kDragFullWindow},
        {kDragFullWindow, true, false, kDragOutline},
        {kDragOutline, false, true, kDragOutline},
    };
    for (const Case& c : cases) EXPECT_EQ(RefreshedDragMode(c.mode, c.queried, c.full), c.want) << c.mode;
}

// Swaps the platform calls of the metrics for the test.
class MetricsSystemFixture : public ::testing::Test {
protected:
    static inline HFONT s_stock = nullptr;
    static inline BOOL s_full = FALSE;
    void SetUp() override {
        m_saved = CDockingMetrics::System();
        s_stock = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        CDockingMetrics::System() = {[](BOOL* on) { *on = s_full; return TRUE; }, [] { return s_stock; }};
    }
    void TearDown() override {
        CDockingMetrics::System() = m_saved;
        CDockingMetrics::Get().SetDragMode(kDragOutline);
        CDockingMetrics::Get().Refresh();
    }
    DockingMetricsSystem m_saved{};
};

TEST_F(MetricsSystemFixture, DownwardFontIsRemadeOnlyWhenTheStockFontChanges) {
    CDockingMetrics& m = CDockingMetrics::Get();
    m.Refresh();
    HFONT first = m.VerticalGuiFont();
    ASSERT_NE(first, nullptr);
    m.Refresh();
    EXPECT_EQ(m.VerticalGuiFont(), first);
    LOGFONTA lf{};
    ASSERT_TRUE(::GetObjectA(m.VerticalGuiFont(), sizeof lf, &lf));
    EXPECT_EQ(lf.lfEscapement, 2700);
    EXPECT_EQ(lf.lfOutPrecision, OUT_TT_ONLY_PRECIS);

    s_stock = (HFONT)::GetStockObject(ANSI_VAR_FONT);
    m.Refresh();
    EXPECT_EQ(m.GuiFont(), s_stock);
    EXPECT_NE(m.VerticalGuiFont(), nullptr);
    EXPECT_EQ(::GetObjectType(first), 0u) << "the old copy is deleted";
}

TEST_F(MetricsSystemFixture, DragModeFollowsTheSystemUnlessKept) {
    CDockingMetrics& m = CDockingMetrics::Get();
    s_full = TRUE;
    m.SetDragMode(0);
    m.Refresh();
    EXPECT_EQ(m.DragMode(), kDragFullWindow);
    m.SetDragMode(kDragKeepMode | kDragOutline);
    m.Refresh();
    EXPECT_EQ(m.DragMode(), kDragKeepMode | kDragOutline);
    EXPECT_EQ(m.SizeNsCursor(), ::LoadCursorA(nullptr, IDC_SIZENS));
    EXPECT_EQ(m.SizeWeCursor(), ::LoadCursorA(nullptr, IDC_SIZEWE));
}

TEST(PinIcons, ImagesMakeElevenPixelIcons) {
    for (int i = 0; i < 2; ++i) {
        auto image = PinIconImage(i);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data(), sizeof header);
        EXPECT_EQ(header.biWidth, 11);
        EXPECT_EQ(header.biHeight, 22);
        EXPECT_EQ(header.biBitCount, 4);
        HICON icon = CPinIcons::Get().Icon(i);
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon, &info));
        BITMAP mask{};
        ::GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, 11);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
    EXPECT_NE(PinIconImage(0), PinIconImage(1));
}

// A sequence whose items are their own minimums.
using Seq = CPaneSequence<int>;

Seq MakeSeq(int from, int to, std::vector<std::pair<int, int>> slots) {  // {offset, minimum}
    Seq s(Axis::X, [](const int& minimum) { return minimum; });
    s.SetExtent(from, to);
    for (auto [offset, minimum] : slots) s.InsertAt(s.Count(), offset, 0, minimum);
    // InsertAt keeps neighbours apart; put the offsets exactly as given.
    for (size_t i = 0; i < slots.size(); ++i) s[i].offset = slots[i].first;
    return s;
}

std::vector<int> Offsets(const Seq& s) {
    std::vector<int> out;
    for (size_t i = 0; i < s.Count(); ++i) out.push_back(s[i].offset);
    return out;
}

TEST(PaneSequence, ScaleOffsets) {
    struct Case {
        int newTo;
        std::vector<int> want;
    } cases[] = {
        {600, {-5, 203, 402}},   // MulDiv rounds
        {300, {-5, 100, 200}},   // unchanged
        {100, {-5, 50, 105}},    // below the minimum sum: the minimums hold, lo over hi
    };
    for (const Case& c : cases) {
        Seq s = MakeSeq(-5, 300, {{-5, 50}, {100, 50}, {200, 50}});
        s.SetExtent(-5, c.newTo);
        EXPECT_EQ(Offsets(s), c.want) << c.newTo;
    }
}

TEST(PaneSequence, FirstSlotFollowsTheExtentStart) {
    Seq s = MakeSeq(-5, 300, {{-5, 50}, {100, 50}});
    s.SetExtent(95, 400);
    EXPECT_EQ(Offsets(s), (std::vector<int>{95, 200}));
}

TEST(PaneSequence, SetExtentAroundCentre) {
    struct Case {
        int newTo;
        std::vector<int> want;
    } cases[] = {
        {700, {-5, 100, 500}},  // growing: all to the centre, later slots move
        {500, {-5, 100, 300}},  // shrinking within the centre's room
        {400, {-5, 99, 204}},   // centre down to minimum + 5, the rest spread
    };
    for (const Case& c : cases) {
        Seq s = MakeSeq(-5, 600, {{-5, 50}, {100, 100}, {400, 50}});
        s.SetExtentAroundCentre(-5, c.newTo, 1);
        EXPECT_EQ(Offsets(s), c.want) << c.newTo;
        if (c.newTo == 400) {
            EXPECT_EQ(s.SlotEnd(1) - s[1].offset, 105);
        }
    }
}

TEST(PaneSequence, FindSlot) {
    Seq s = MakeSeq(-5, 300, {{-5, 50}, {100, 50}, {200, 50}});
    struct Case {
        int pos;
        size_t want;
    } cases[] = {{-20, 0}, {-5, 0}, {99, 0}, {100, 1}, {199, 1}, {200, 2}, {999, 2}};
    for (const Case& c : cases) EXPECT_EQ(s.FindSlot(c.pos), c.want) << c.pos;
}

TEST(PaneSequence, InsertSlot) {
    struct Case {
        int to, p, length;
        std::vector<int> want;  // offsets after
        size_t index;
    } cases[] = {
        {500, 300, 100, {-5, 300}, 1},   // beyond the first third: after
        {500, 50, 100, {-5, 150}, 0},    // within it: before, first takes the extent's start
        {500, 200, 100, {-5, 200}, 1},   // past the third, short of the half
        {500, 163, 100, {-5, 263}, 0},   // exactly at the third: before
        {200, 150, 500, {-5, 100}, 1},   // cut to the room the centre's minimum leaves
    };
    for (const Case& c : cases) {
        Seq s = MakeSeq(-5, c.to, {{-5, 100}});
        size_t at = s.InsertSlot(c.p, c.length, 50);
        EXPECT_EQ(at, c.index) << c.p;
        EXPECT_EQ(Offsets(s), c.want) << c.p;
    }
}

TEST(PaneSequence, InsertPullsAndPushesOnlyAsNeeded) {
    Seq s = MakeSeq(-5, 600, {{-5, 50}, {100, 50}, {400, 50}});
    s.InsertAt(2, 200, 250, 50);  // runs into the slot after it
    EXPECT_EQ(Offsets(s), (std::vector<int>{-5, 100, 200, 450}));
    s.InsertAt(1, 20, 60, 50);    // runs into the slot before it: pulled back by the minimum
    EXPECT_EQ(Offsets(s), (std::vector<int>{-5, 50, 110, 200, 450}));
}

TEST(PaneSequence, TakeFromCentre) {
    struct Case {
        size_t index;
        int requested;
        std::vector<int> want;
    } cases[] = {
        {2, 495, {-5, 100, 495}},   // after the centre
        {0, -5, {-5, 100, 205}},    // before: the centre and the slots before it move on
        {1, 100, {-5, 100, 205}},   // just before the centre
    };
    for (const Case& c : cases) {
        Seq s = MakeSeq(-5, 600, {{-5, 50}, {100, 100}});
        EXPECT_EQ(s.TakeFromCentre(c.index, 1, c.requested, 105, 50, 50), c.index);
        EXPECT_EQ(Offsets(s), c.want) << c.index;
    }
}

TEST(PaneSequence, TakeFromCentreRefusesASlotBelowItsMinimum) {
    Seq s = MakeSeq(-5, 150, {{-5, 100}});  // the centre can give 50
    EXPECT_EQ(s.TakeFromCentre(1, 0, 45, 105, 50, 50), Seq::npos);
    EXPECT_EQ(Offsets(s), (std::vector<int>{-5}));
    EXPECT_EQ(s.TakeFromCentre(1, 0, 45, 105, 40, 40), 1u);  // 50 is room for 40 + bar
    EXPECT_EQ(Offsets(s), (std::vector<int>{-5, 100}));
}

TEST(PaneSequence, RemoveGivesTheLengthToTheCentre) {
    Seq before = MakeSeq(-5, 600, {{-5, 50}, {100, 100}, {400, 50}});
    before.RemoveToCentre(0, 1);
    EXPECT_EQ(Offsets(before), (std::vector<int>{-5, 400}));
    Seq after = MakeSeq(-5, 600, {{-5, 50}, {100, 100}, {300, 50}, {400, 50}});
    after.RemoveToCentre(2, 1);
    EXPECT_EQ(Offsets(after), (std::vector<int>{-5, 100, 400}));
}

TEST(PaneSequence, BarRangeAndApply) {
    Seq s = MakeSeq(-5, 300, {{-5, 50}, {100, 50}, {200, 50}});
    EXPECT_EQ(s.BarLo(1), 50);
    EXPECT_EQ(s.BarHi(1), 190);
    EXPECT_EQ(s.BarLo(2), 105);
    EXPECT_EQ(s.BarHi(2), 245);
    s.ApplyBarOffset(2, 120);
    EXPECT_EQ(Offsets(s), (std::vector<int>{-5, 65, 120}));
    s.ApplyBarOffset(1, 180);
    EXPECT_EQ(Offsets(s), (std::vector<int>{-5, 180, 235}));
}

TEST(PaneSequence, BarsAndBarHits) {
    Seq s = MakeSeq(-5, 300, {{-5, 50}, {100, 50}, {200, 50}});
    std::vector<RECT> bars;
    s.ForEachBar(RECT{0, 10, 300, 90}, [&](const RECT& r) { bars.push_back(r); });
    ASSERT_EQ(bars.size(), 2u) << "the first slot has no bar";
    const RECT first{100, 10, 105, 90};
    EXPECT_TRUE(::EqualRect(&bars[0], &first));
    struct Case {
        int pos;
        size_t want;
    } cases[] = {{-3, Seq::npos}, {99, Seq::npos}, {100, 1}, {104, 1}, {105, Seq::npos}, {202, 2}};
    for (const Case& c : cases) EXPECT_EQ(s.BarAt(c.pos), c.want) << c.pos;
}

TEST(BarTracker, ClampKeepsLoOverHi) {
    EXPECT_EQ(ClampBarOffset(300, 2, 50, 190), 190);
    EXPECT_EQ(ClampBarOffset(10, 2, 50, 190), 50);
    EXPECT_EQ(ClampBarOffset(102, 2, 50, 190), 100);
    EXPECT_EQ(ClampBarOffset(0, 0, 50, 40), 50);
}

}  // namespace
