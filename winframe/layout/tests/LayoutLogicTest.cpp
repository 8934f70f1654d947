// The layout store's pure forms: hex codec, names, ratios, the placement,
// band and pane records in their file forms, and the restore order.
#include <gtest/gtest.h>

#include "LayoutCodec.h"
#include "LayoutItem.h"
#include "PaneLayout.h"

namespace {

TEST(LayoutCodec, HexFormatsLowercaseWithTrailingSpaces) {
    auto value = LayoutInt32(1280);
    EXPECT_EQ(FormatLayoutHex(value.data(), value.size()), "00 05 00 00 ");
    const uint8_t bytes[] = {0xab, 0x0f};
    EXPECT_EQ(FormatLayoutHex(bytes, 2), "ab 0f ");
}

TEST(LayoutCodec, HexParseTable) {
    struct Case {
        const char* text;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"00 05 00 00 ", {0, 5, 0, 0}},
        {"00 05 00 00", {0, 5, 0, 0}},       // Wine's writer drops the trailing space
        {"  ff\t1 a0  ", {0xff, 1, 0xa0}},
        {"01 zz 02", {1}},                    // stops at a token that is not hex
        {"01 1ff 02", {1}},                   // above one byte: stops, not cut
        {"01 -1 02", {1}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseLayoutHex(c.text), c.bytes) << c.text;
}

TEST(LayoutCodec, KeyNames) {
    EXPECT_EQ(LayoutChildKey(-1), "Wnd-0xffffffff");
    EXPECT_EQ(LayoutChildKey(-2), "Wnd-0xfffffffe");
    EXPECT_EQ(LayoutChildKey(-6), "Wnd-0xfffffffa");
    EXPECT_EQ(LayoutChildKey(26), "Wnd-0x1a");
    EXPECT_EQ(LayoutBandKey(0), "band0");
    EXPECT_EQ(LayoutBandKey(12), "band12");
}

TEST(LayoutCodec, WorkAreaRatioTable) {
    std::vector<uint8_t> w1024 = {0, 4, 0, 0}, w1280 = {0, 5, 0, 0}, zero = {0, 0, 0, 0};
    std::vector<uint8_t> negative = {0xff, 0xff, 0xff, 0xff}, five = {0, 4, 0, 0, 0};
    struct Case {
        const std::vector<uint8_t>* stored;
        int current, wantCurrent, wantStored;
    } cases[] = {
        {&w1024, 1280, 1280, 1024},
        {nullptr, 1280, 1, 1},
        {&five, 1280, 1, 1},
        {&w1280, 1280, 1, 1},
        {&zero, 1280, 1, 1},  // a stored 0 would make every coordinate -1
        {&negative, 1280, 1, 1},
    };
    for (const Case& c : cases) {
        LayoutRatio r = WorkAreaRatio(c.stored, c.current);
        EXPECT_EQ(r.current, c.wantCurrent);
        EXPECT_EQ(r.stored, c.wantStored);
    }
    LayoutRatio x{1280, 1024};
    EXPECT_EQ(x.Scale(200), 250);
}

TEST(LayoutCodec, PlacementForStoreTable) {
    struct Case {
        UINT flags, show, wantFlags, wantShow;
    } cases[] = {
        {0, SW_SHOWNORMAL, 0, SW_SHOWNORMAL},
        {0, SW_SHOWMINIMIZED, 0, SW_SHOWNORMAL},                                    // minimized from normal
        {WPF_RESTORETOMAXIMIZED, SW_SHOWMINIMIZED, WPF_RESTORETOMAXIMIZED, SW_SHOWMAXIMIZED},  // from maximized
        {WPF_RESTORETOMAXIMIZED, SW_SHOWNORMAL, 0, SW_SHOWNORMAL},  // Wine keeps the flag after a restore
        {0, SW_SHOWMAXIMIZED, 0, SW_SHOWMAXIMIZED},
        {WPF_SETMINPOSITION | WPF_ASYNCWINDOWPLACEMENT, SW_SHOWNORMAL, 0, SW_SHOWNORMAL},
    };
    for (const Case& c : cases) {
        WINDOWPLACEMENT w{};
        w.flags = c.flags;
        w.showCmd = c.show;
        WINDOWPLACEMENT stored = PlacementForStore(w);
        EXPECT_EQ(stored.flags, c.wantFlags) << c.flags << " " << c.show;
        EXPECT_EQ(stored.showCmd, c.wantShow) << c.flags << " " << c.show;
    }
}

TEST(LayoutCodec, PlacementRecordMatchesTheFileForm) {
    const char* fixture =
        "2c 00 00 00 00 00 00 00 01 00 00 00 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff "
        "64 00 00 00 32 00 00 00 e4 02 00 00 52 02 00 00 ";
    std::vector<uint8_t> bytes = ParseLayoutHex(fixture);
    ASSERT_EQ(bytes.size(), kPlacementRecordBytes);
    PlacementRecordBytes record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    WINDOWPLACEMENT w = DeserialiseWindowPlacement(record);
    EXPECT_EQ(w.length, sizeof(WINDOWPLACEMENT));
    EXPECT_EQ(w.showCmd, 1u);
    EXPECT_EQ(w.ptMinPosition.x, -1);
    EXPECT_EQ(w.ptMaxPosition.y, -1);
    EXPECT_EQ(w.rcNormalPosition.left, 100);
    EXPECT_EQ(w.rcNormalPosition.bottom, 594);
    EXPECT_EQ(SerialiseWindowPlacement(w), record);

    ScalePlacement(w, {1280, 1024}, {1024, 768});
    RECT want{125, 67, 925, 792};
    EXPECT_TRUE(::EqualRect(&w.rcNormalPosition, &want));
}

TEST(LayoutCodec, BandRecordIsThe32BitForm) {
    REBARBANDINFOA band{};
    band.cbSize = sizeof band;
    band.fStyle = RBBS_BREAK | RBBS_GRIPPERALWAYS;
    band.clrFore = 0x112233;
    band.clrBack = 0x445566;
    band.lpText = const_cast<char*>("not stored");
    band.hwndChild = (HWND)(INT_PTR)0x1234;
    band.cxMinChild = 10;
    band.cyMinChild = 22;
    band.cx = 300;
    band.wID = 7;
    band.cyChild = 24;
    band.cyMaxChild = 40;
    band.cyIntegral = 1;
    band.cxIdeal = 250;
    band.lParam = 99;
    band.cxHeader = 9;
    BandRecordBytes bytes = SerialiseBand(band);
    auto field = [&](int i) {
        return (uint32_t)bytes[i * 4] | bytes[i * 4 + 1] << 8 | bytes[i * 4 + 2] << 16 | (uint32_t)bytes[i * 4 + 3] << 24;
    };
    EXPECT_EQ(field(0), 80u);
    EXPECT_EQ(field(1), 0x363u);
    EXPECT_EQ(field(5), 0u);  // text
    EXPECT_EQ(field(8), 0u);  // child window
    EXPECT_EQ(field(11), 300u);
    EXPECT_EQ(field(13), 7u);
    EXPECT_EQ(field(17), 250u);
    EXPECT_EQ(field(18), 0u);  // lParam
    EXPECT_EQ(field(19), 9u);

    REBARBANDINFOA back = DeserialiseBand(bytes);
    EXPECT_EQ(back.cbSize, sizeof(REBARBANDINFOA));
    EXPECT_EQ(back.fMask, kBandRecordMask);
    EXPECT_EQ(back.fStyle, band.fStyle);
    EXPECT_EQ(back.clrBack, band.clrBack);
    EXPECT_EQ(back.cyMinChild, 22u);
    EXPECT_EQ(back.cyChild, 24u);
    EXPECT_EQ(back.cxIdeal, 250u);
    EXPECT_EQ(back.wID, 7u);
    EXPECT_EQ(back.hwndChild, nullptr);
    EXPECT_EQ(SerialiseBand(back), bytes);
}

TEST(PaneRecord, FixtureRecordRoundTrips) {
    const char* fixture =
        "52 00 01 00 a0 00 01 00 04 00 00 00 13 00 00 00 00 00 00 00 00 00 00 00 c8 00 00 00 2c 01 00 00 "
        "02 00 00 00 64 00 00 00 64 00 00 00 90 01 00 00 f4 01 00 00 01 00 00 00 01 00 00 00";
    std::vector<uint8_t> bytes = ParseLayoutHex(fixture);
    ASSERT_EQ(bytes.size(), kPaneRecordBytes);
    PaneRecordBytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    PaneLayoutRecord r = DeserialisePaneRecord(raw);
    EXPECT_EQ(HandleToULong(r.placement.pane), 0x10052u);
    EXPECT_EQ(HandleToULong(r.placement.target), 0x100a0u);
    EXPECT_EQ(r.placement.code, 4u);
    EXPECT_EQ(r.placement.place.flags, 0x13u);
    EXPECT_EQ(r.placement.place.ratio, 0.0f);
    EXPECT_EQ(r.placement.place.size, 200);
    EXPECT_EQ(r.placement.place.length, 300);
    EXPECT_EQ(r.placement.place.index, 2);
    RECT want{100, 100, 400, 500};
    EXPECT_TRUE(::EqualRect(&r.floatRect, &want));
    EXPECT_EQ(r.docked, 1u);
    EXPECT_EQ(r.visible, 1u);
    EXPECT_EQ(SerialisePaneRecord(r), raw);
}

PaneLayoutRecord Docked(DWORD flags, LONG position, float ratio, LONG index, UINT_PTR target = 0x100) {
    PaneLayoutRecord r;
    r.placement.target = (HWND)target;
    r.placement.place = {flags, position, ratio, 200, 300, index};
    r.docked = 1;
    r.visible = 1;
    return r;
}

TEST(PaneRecord, SortKeyTable) {
    struct Case {
        PaneLayoutRecord record;
        uint32_t key;
    } cases[] = {
        {Docked(0x03, 0, 0, 0), 0},
        {Docked(0x13, 0, 0, 1), 1},
        {Docked(0x03, 0, 0, 2), 2},
        {Docked(0x00, 3, 0, 0), 0xC1800000u},
        {Docked(0x10, 3, 0, 1), 0xC1800001u},
        {Docked(0x25, 0, 0, 0), 0x80000000u},
        {Docked(0x02, 1, 0.5f, 0), 0x40000000u | 1u << 23 | 8191u << 9},
        {Docked(0x03, 0, -1.0f, 0), 0},            // a negative ratio counts as 0
        {Docked(0x03, 0x85, 0, 0x205), 0x05u << 23 | 5u},  // cut to 7 and 9 bits
        {Docked(kPlaceFloating, 0, 0, 0, 0x1234), 0xE0001234u},
    };
    for (const Case& c : cases) EXPECT_EQ(PaneSortKey(c.record), c.key) << std::hex << c.key;
}

std::vector<int> Ids(const std::vector<QueuedPaneRecord>& queue) {
    std::vector<int> ids;
    for (const auto& e : queue) ids.push_back(e.id);
    return ids;
}

QueuedPaneRecord Queued(PaneLayoutRecord r, int id, UINT_PTR pane = 0) {
    r.placement.pane = (HWND)pane;
    return {r, PaneSortKey(r), id};
}

TEST(PaneRecord, RestoreOrderIsLeftTopRightBottomThenFloating) {
    std::vector<QueuedPaneRecord> queue = {
        Queued(Docked(kPlaceFloating, 0, 0, 0, 0x500), -1),
        Queued(Docked(kSideBottom, 0, 0, 0), -2),
        Queued(Docked(kSideRight, 0, 0, 0), -3),
        Queued(Docked(kSideTop, 0, 0, 0), -4),
        Queued(Docked(kSideLeft, 0, 0, 1), -5),
        Queued(Docked(kSideLeft, 0, 0, 0), -6),
    };
    EXPECT_EQ(Ids(OrderPaneRecords(queue)), (std::vector<int>{-6, -5, -4, -3, -2, -1}));
}

TEST(PaneRecord, BoxGroupingByKeyWithoutTheTabIndex) {
    auto a = Queued(Docked(kSideLeft, 0, 0, 0), -1), b = Queued(Docked(kSideLeft, 0, 0, 2), -2);
    auto c = Queued(Docked(kSideLeft, 1, 0, 0), -3);
    EXPECT_EQ(PaneBoxGroup(a), PaneBoxGroup(b));
    EXPECT_NE(PaneBoxGroup(a), PaneBoxGroup(c));
}

TEST(PaneRecord, FloatingTwoPaneBoxIsOneGroup) {
    // Each pane of a two-pane box names the other as its target.
    auto a = Queued(Docked(kPlaceFloating, 0, 0, 0, 0x300), -1, 0x200);
    auto b = Queued(Docked(kPlaceFloating, 0, 0, 1, 0x200), -2, 0x300);
    // Another box whose handle differs only in the low bits stays apart.
    auto c = Queued(Docked(kPlaceFloating, 0, 0, 0, 0x201), -3, 0x400);
    std::vector<QueuedPaneRecord> ordered = OrderPaneRecords({b, c, a});
    ASSERT_EQ(ordered.size(), 3u);
    EXPECT_EQ(ordered[0].id, -1);  // the pair together, in tab order
    EXPECT_EQ(ordered[1].id, -2);
    EXPECT_EQ(PaneBoxGroup(ordered[0]), PaneBoxGroup(ordered[1]));
    EXPECT_NE(PaneBoxGroup(ordered[1]), PaneBoxGroup(ordered[2]));
}

class CountedItem : public CLayoutItem {
public:
    explicit CountedItem(int* deleted) : m_deleted(deleted) {}
    ~CountedItem() override { ++*m_deleted; }
    bool Store(CLayoutStore&) override { return true; }
    bool Restore(CLayoutStore&, LayoutRatio, LayoutRatio) override { return true; }
    bool RestoreDefault() override { return true; }

private:
    int* m_deleted;
};

class TestContainer : public CLayoutContainer {};

TEST(LayoutItems, ChildIdsCountDownAndTheLastReleaseDeletes) {
    int deleted = 0;
    auto* container = new TestContainer;
    CLayoutItemPtr root = CLayoutItemPtr::Adopt(container);
    auto* first = new CountedItem(&deleted);
    auto* second = new CountedItem(&deleted);
    EXPECT_EQ(container->AddChild(first), -1);
    EXPECT_EQ(container->AddChild(second), -2);
    EXPECT_EQ(first->RefCount(), 2);
    first->Release();
    second->Release();
    EXPECT_EQ(deleted, 0);
    std::vector<int> ids;
    for (const auto& [id, child] : container->Children()) ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<int>{-2, -1}));  // ascending
    {
        CLayoutItemPtr extra(first);
        EXPECT_EQ(first->RefCount(), 2);
    }
    EXPECT_EQ(deleted, 0);
    root = CLayoutItemPtr();
    EXPECT_EQ(deleted, 2);
}

}  // namespace
