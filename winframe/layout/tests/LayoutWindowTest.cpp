// The layout tree over real windows: a frame with a rebar and the real
// auto-hide bars, six real panes, layout files written by hand and by the
// store, restored and saved again.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "AutoHideManager.h"
#include "LayoutStateManager.h"
#include "PaneLayout.h"
#include "PaneTestSupport.h"
#include "TabDockingBox.h"
#include "TempFolder.h"
#include "WindowLayoutItems.h"

namespace {

PaneLayoutRecord Record(DWORD flags, LONG position, LONG index, LONG size, UINT visible = 1, UINT docked = 1) {
    PaneLayoutRecord r;
    r.placement.code = kDockQueryPlacement;
    r.placement.place = {flags, position, 0.0f, size, 300, index};
    r.floatRect = {100, 100, 400, 500};
    r.docked = docked;
    r.visible = visible;
    return r;
}

class LayoutWindowTest : public PaneFixture {
protected:
    void SetUp() override {
        PaneFixture::SetUp();
        m_bars = nullptr;
        MakeFrame(kDragKeepMode | kDragOutline, 900, 700, std::make_unique<CAutoHideManager>());
        m_rebar = ::CreateWindowExA(0, REBARCLASSNAMEA, nullptr, WS_CHILD | RBS_VARHEIGHT | CCS_NODIVIDER, 0, 0, 0,
                                    0, Frame(), nullptr, nullptr, nullptr);
        for (UINT id : {0u, 1u}) {
            REBARBANDINFOA band{};
            band.cbSize = sizeof band;
            band.fMask = RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE;
            band.wID = id;
            band.cx = 100 + 50 * id;
            band.fStyle = RBBS_BREAK;
            ::SendMessageA(m_rebar, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band);
        }
        const char* titles[] = {"explorer", "template", "symbol", "command", "find 1", "find 2"};
        for (const char* title : titles) panes.push_back(&NewDockPane(title));
        auto* root = new CMainWindowLayoutItem(Frame(), SW_SHOWDEFAULT);
        auto* rebar = new CRebarLayoutItem(m_rebar);
        auto* group = new CPaneLayoutGroup(Frame());
        for (CTestDockPane* pane : panes) group->AddPane(pane);
        root->AddChild(rebar);
        root->AddChild(group);
        rebar->Release();
        group->Release();
        manager = std::make_unique<CLayoutStateManager>(CLayoutItemPtr::Adopt(root));
    }
    void TearDown() override {
        manager.reset();
        PaneFixture::TearDown();
    }
    void WritePane(int id, const PaneLayoutRecord& r) {
        PaneRecordBytes bytes = SerialisePaneRecord(r);
        Write("Wnd-0xfffffffe", LayoutChildKey(id).c_str(), FormatLayoutHex(bytes.data(), bytes.size()));
    }
    void Write(const char* section, const char* key, const std::string& value) {
        ::WritePrivateProfileStringA(section, key, value.c_str(), Path().c_str());
    }
    void WriteHeader(const char* placement) {
        Write("General", "SM_CXSCREEN", "00 04 00 00 ");
        Write("General", "SM_CYSCREEN", "00 03 00 00 ");
        Write("MainWindow", "placement", placement);
    }
    std::string Path() const { return folder.File("default.ui"); }
    void Restore() {
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, Path().c_str());
        manager->RestoreOrCreate(Path());
        PumpMessages(2, 10);
    }
    // Pane 0 on the left, panes 3 and 4 in one box at the bottom.
    bool DockLeftPaneAndBottomBox() {
        if (!DockAt(*panes[0], kSideLeft, 0, 200) || !DockAt(*panes[3], kSideBottom, 0, 150)) return false;
        DockMessage onto(panes[4]->m_hWnd, panes[3]->m_hWnd, kDockAtPlacement);
        onto.place = {kSideBottom, 0, 0.0f, 150, 100, 1};
        return panes[4]->DockAtPlacement(onto);
    }
    CTabDockingBox* BoxOf(CTestDockPane& pane) const { return CTabDockingBox::FromWindow(pane.Container()); }
    RECT NormalRect() const {
        WINDOWPLACEMENT w{sizeof w};
        ::GetWindowPlacement(Frame(), &w);
        return w.rcNormalPosition;
    }
    UINT BandId(int index) const {
        REBARBANDINFOA band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_ID;
        ::SendMessageA(m_rebar, RB_GETBANDINFOA, index, (LPARAM)&band);
        return band.wID;
    }

    static constexpr const char* kNormalPlacement =
        "2c 00 00 00 00 00 00 00 01 00 00 00 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff "
        "64 00 00 00 32 00 00 00 e4 02 00 00 52 02 00 00 ";
    TempFolder folder;
    HWND m_rebar = nullptr;
    std::vector<CTestDockPane*> panes;
    std::unique_ptr<CLayoutStateManager> manager;
};

TEST_F(LayoutWindowTest, AFixtureRestoresWindowBandsBoxesAndHiddenState) {
    WriteHeader(kNormalPlacement);
    // Band 0 is the band with id 1 now; a stored id that no band has is skipped.
    REBARBANDINFOA band{};
    band.cbSize = sizeof band;
    band.wID = 1;
    band.cx = 333;
    BandRecordBytes first = SerialiseBand(band);
    band.wID = 9;
    BandRecordBytes unknown = SerialiseBand(band);
    Write("Wnd-0xffffffff", "band0", FormatLayoutHex(first.data(), first.size()));
    Write("Wnd-0xffffffff", "band1", FormatLayoutHex(unknown.data(), unknown.size()));
    // A left box of three, the last active; a hidden bottom box of two; a hidden floating pane.
    WritePane(-1, Record(kSideLeft, 0, 0, 200));
    WritePane(-2, Record(kSideLeft, 0, 1, 200));
    WritePane(-3, Record(kSideLeft | kPlaceActive, 0, 2, 200));
    WritePane(-4, Record(kSideBottom, 3, 0, 150, 0));
    WritePane(-5, Record(kSideBottom, 3, 1, 150, 0));
    WritePane(-6, Record(kPlaceFloating, 100, 0, 400, 0, 0));
    Restore();

    RECT area = LayoutWorkArea();
    int w = area.right - area.left, h = area.bottom - area.top;
    RECT want{::MulDiv(100, w, 1024), ::MulDiv(50, h, 768), ::MulDiv(740, w, 1024), ::MulDiv(594, h, 768)};
    EXPECT_EQ(NormalRect(), want);
    EXPECT_TRUE(::IsWindowVisible(Frame()));
    EXPECT_EQ(BandId(0), 1u);
    EXPECT_EQ(BandId(1), 0u);

    CTabDockingBox* left = BoxOf(*panes[0]);
    ASSERT_NE(left, nullptr);
    ASSERT_EQ(left->PaneCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(left->PaneAt(i), panes[i]->m_hWnd) << i;
    EXPECT_EQ(left->ActivePane(), panes[2]->m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(left->m_hWnd));

    CTabDockingBox* bottom = BoxOf(*panes[3]);
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(BoxOf(*panes[4]), bottom);
    EXPECT_FALSE(::IsWindowVisible(bottom->m_hWnd));

    EXPECT_TRUE(panes[5]->IsFloating());
    EXPECT_FALSE(::IsWindowVisible(panes[5]->m_hWnd));
}

TEST_F(LayoutWindowTest, PinnedPanesComeBackAsOneGroupWithTheActivePaneShownFirst) {
    WriteHeader(kNormalPlacement);
    WritePane(-1, Record(kSideRight | kPlaceAlone | kPlaceAutoHidden, 0, 0, 180));
    WritePane(-2, Record(kSideRight | kPlaceAlone | kPlaceAutoHidden | kPlaceActive, 0, 1, 180));
    Restore();
    for (int i : {0, 1}) EXPECT_TRUE(panes[i]->IsAutoHidden()) << i;
    DockMessage one, two;
    ASSERT_TRUE(panes[0]->QueryPlacement(one));
    ASSERT_TRUE(panes[1]->QueryPlacement(two));
    EXPECT_EQ(one.place.flags & 3, (DWORD)kSideRight);
    EXPECT_EQ(one.place.position, two.place.position);  // one entry of the bar
    EXPECT_NE(two.place.flags & kPlaceActive, 0u);
}

TEST_F(LayoutWindowTest, SaveAndRestoreGiveTheSameFile) {
    ASSERT_TRUE(DockLeftPaneAndBottomBox());
    ASSERT_TRUE(panes[1]->PinToAutoHide(kSideRight, 160, false));
    // A floating box of two.
    ::SetWindowPos(panes[2]->m_hWnd, nullptr, 200, 200, 300, 250, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    DockMessage box(panes[5]->m_hWnd, panes[2]->m_hWnd, kDockAtPlacement);
    box.place = {0, 0, 0.0f, 0, 0, 1};
    ASSERT_TRUE(panes[5]->DockAtPlacement(box));
    ShowWindow(Frame(), SW_SHOW);
    PumpMessages(2, 10);
    // The bottom box closed by the user.
    ::SendMessageA(panes[3]->Container(), WM_CLOSE, 0, 0);
    PumpMessages(2, 10);
    ASSERT_TRUE(manager->SaveToFile(Path()));
    std::string first = folder.Read("default.ui");
    Restore();
    ASSERT_TRUE(manager->SaveToFile(Path()));
    Restore();
    ASSERT_TRUE(manager->SaveToFile(Path()));
    EXPECT_EQ(folder.Read("default.ui"), first);

    ASSERT_NE(BoxOf(*panes[3]), nullptr);
    EXPECT_EQ(BoxOf(*panes[3]), BoxOf(*panes[4]));
    EXPECT_FALSE(::IsWindowVisible(BoxOf(*panes[3])->m_hWnd));
    ASSERT_NE(BoxOf(*panes[2]), nullptr);
    EXPECT_EQ(BoxOf(*panes[2]), BoxOf(*panes[5]));  // the floating box stays one box
    HWND floating = BoxOf(*panes[2])->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(floating));
    EXPECT_EQ(::GetWindow(floating, GW_OWNER), Frame());
    EXPECT_TRUE(panes[1]->IsAutoHidden());
}

TEST_F(LayoutWindowTest, PanesStandingAsStoredKeepTheirBoxAndMovedOnesComeBack) {
    ASSERT_TRUE(DockLeftPaneAndBottomBox());
    ShowWindow(Frame(), SW_SHOW);
    PumpMessages(2, 10);
    ASSERT_TRUE(manager->SaveToFile(Path()));
    const HWND box = panes[3]->Container();
    ASSERT_NE(BoxOf(*panes[3]), nullptr);
    Restore();
    EXPECT_EQ(panes[3]->Container(), box) << "the box was not taken apart and made anew";
    EXPECT_EQ(panes[4]->Container(), box);

    // The file of another run: every pane handle in it another, in the
    // opposite order, so that a box is named by another of its panes.
    for (int id = -1; id >= -6; --id) {
        char text[CLayoutFile::kReadChars] = "";
        const std::string key = LayoutChildKey(id);
        ::GetPrivateProfileStringA("Wnd-0xfffffffe", key.c_str(), "", text, sizeof text, Path().c_str());
        PaneRecordBytes bytes{};
        const std::vector<uint8_t> parsed = ParseLayoutHex(text);
        ASSERT_EQ(parsed.size(), bytes.size()) << key;
        std::copy(parsed.begin(), parsed.end(), bytes.begin());
        PaneLayoutRecord r = DeserialisePaneRecord(bytes);
        for (HWND* handle : {&r.placement.pane, &r.placement.target})
            if (*handle) *handle = (HWND)ULongToHandle(0x7FFF0000u - HandleToULong(*handle));
        WritePane(id, r);
    }
    Restore();
    EXPECT_EQ(panes[3]->Container(), box);
    EXPECT_EQ(panes[4]->Container(), box);

    // Moved since the file was written: the panes go back where it says.
    ASSERT_TRUE(panes[4]->PinToAutoHide(kSideRight, 160, false));
    PumpMessages(2, 10);
    ASSERT_TRUE(panes[4]->IsAutoHidden());
    Restore();
    EXPECT_FALSE(panes[4]->IsAutoHidden());
    ASSERT_NE(BoxOf(*panes[3]), nullptr);
    EXPECT_EQ(BoxOf(*panes[3]), BoxOf(*panes[4]));
    EXPECT_FALSE(panes[0]->IsFloating());
}

TEST_F(LayoutWindowTest, AFloatingBoxRestoredAtStartLiesAboveTheFrame) {
    ShowWindow(Frame(), SW_SHOW);
    ::SetWindowPos(panes[2]->m_hWnd, nullptr, 200, 200, 300, 250, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    DockMessage box(panes[5]->m_hWnd, panes[2]->m_hWnd, kDockAtPlacement);
    box.place = {0, 0, 0.0f, 0, 0, 1};
    ASSERT_TRUE(panes[5]->DockAtPlacement(box));
    PumpMessages(2, 10);
    ASSERT_TRUE(manager->SaveToFile(Path()));
    // As at a start: the frame is shown by the restore, after the box.
    ::ShowWindow(Frame(), SW_HIDE);
    ::ShowWindow(BoxOf(*panes[2])->m_hWnd, SW_HIDE);
    Restore();
    ASSERT_NE(BoxOf(*panes[2]), nullptr);
    HWND floating = BoxOf(*panes[2])->m_hWnd;
    // The frame's first moments on screen, as the program's own loop runs
    // them: Wine brings the frame forward late, so the box has a while to
    // come back above it.
    PumpMessagesFor(300);
    for (int i = 0; i < 20 && !LiesAbove(floating, Frame()); ++i) PumpMessagesFor(50);
    ASSERT_TRUE(::IsWindowVisible(Frame()));
    EXPECT_TRUE(::IsWindowVisible(floating));
    EXPECT_TRUE(LiesAbove(floating, Frame()));
    RECT r = WindowOf(floating), frame = WindowOf(Frame());
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_TRUE(::PtInRect(&frame, centre)) << "the box lies over the frame";
    EXPECT_EQ(::GetAncestor(::WindowFromPoint(centre), GA_ROOT), floating) << "the box is what shows there";
}

TEST_F(LayoutWindowTest, DamagedFilesStillShowTheWindowAndKeepPanes) {
    ASSERT_TRUE(DockAt(*panes[0], kSideLeft, 0, 200));
    struct Case {
        const char* name;
        const char* width;
        std::string placement;
    } cases[] = {
        {"43-byte placement", "00 04 00 00 ", std::string(kNormalPlacement).substr(0, 43 * 3)},
        {"zero width", "00 00 00 00 ", kNormalPlacement},
        {"zz in the placement", "00 04 00 00 ", std::string("2c 00 zz ") + kNormalPlacement},
        {"off the screen", "00 04 00 00 ",
         "2c 00 00 00 00 00 00 00 01 00 00 00 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff "
         "00 00 01 00 00 00 01 00 10 00 01 00 10 00 01 00 "},
    };
    for (const Case& c : cases) {
        ::ShowWindow(Frame(), SW_HIDE);
        ::DeleteFileA(Path().c_str());
        Write("General", "SM_CXSCREEN", c.width);
        Write("MainWindow", "placement", c.placement);
        // No pane keys: every pane stays where it was.
        Restore();
        EXPECT_TRUE(::IsWindowVisible(Frame())) << c.name;
        RECT r = NormalRect(), area = LayoutWorkArea(), common{};
        EXPECT_TRUE(::IntersectRect(&common, &r, &area)) << c.name;
        EXPECT_GT(r.right - r.left, 100) << c.name;
        EXPECT_FALSE(panes[0]->IsFloating()) << c.name;
        EXPECT_TRUE(panes[0]->IsPaneVisible()) << c.name;
    }
}

TEST_F(LayoutWindowTest, WithoutAFileTheDefaultIsShownAndSaved) {
    ::ShowWindow(Frame(), SW_HIDE);
    Restore();
    EXPECT_TRUE(::IsWindowVisible(Frame()));
    EXPECT_NE(folder.Read("default.ui").find("[MainWindow]"), std::string::npos);
    EXPECT_NE(folder.Read("default.ui").find("Wnd-0xfffffffa="), std::string::npos);
}

TEST_F(LayoutWindowTest, MaximizedComesBackMaximized) {
    ShowWindow(Frame(), SW_SHOWMAXIMIZED);
    ASSERT_TRUE(DockAt(*panes[0], kSideLeft, 0, 200));
    PumpMessages(2, 10);
    ASSERT_TRUE(manager->SaveToFile(Path()));
    ShowWindow(Frame(), SW_SHOWNORMAL);
    Restore();
    EXPECT_TRUE(::IsZoomed(Frame()));
    // The pane was laid out against the maximized client.
    RECT pane = RectIn(panes[0]->Container() ? panes[0]->Container() : panes[0]->m_hWnd, Frame());
    EXPECT_EQ(pane.bottom - pane.top > 0, true);
    EXPECT_LE(pane.bottom, Client().bottom);
}

}  // namespace
