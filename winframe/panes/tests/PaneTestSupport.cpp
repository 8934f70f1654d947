#include "PaneTestSupport.h"

std::vector<RECT> g_ghostFrames;

LRESULT CTestDockPane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&) {
    auto* mmi = (MINMAXINFO*)l;
    if (mmi->ptMinTrackSize.x < minimum.cx) mmi->ptMinTrackSize.x = minimum.cx;
    if (mmi->ptMinTrackSize.y < minimum.cy) mmi->ptMinTrackSize.y = minimum.cy;
    return 0;
}

bool CStandInBars::Create(HWND frame) {
    manager = ::CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, frame, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    return manager != nullptr;
}

RECT CStandInBars::Place(const RECT& a) {
    RECT r = a;
    if (!bars[kSideTop].empty()) r.top += kThickness;
    if (!bars[kSideBottom].empty()) r.bottom -= kThickness;
    if (!bars[kSideLeft].empty()) r.left += kThickness;
    if (!bars[kSideRight].empty()) r.right -= kThickness;
    return r;
}

SIZE CStandInBars::OccupiedThickness() const {
    SIZE s{};
    s.cx = kThickness * (!bars[kSideLeft].empty() + !bars[kSideRight].empty());
    s.cy = kThickness * (!bars[kSideTop].empty() + !bars[kSideBottom].empty());
    return s;
}

LRESULT CStandInBars::QueryPlacement(DockMessage& record) {
    for (DWORD side = 0; side < 4; ++side) {
        for (size_t i = 0; i < bars[side].size(); ++i) {
            record.place.flags = 0;
            if (!bars[side][i]->FillPlacement(record.pane, record)) continue;
            record.place.flags |= side | kPlaceAlone | kPlaceAutoHidden;
            record.place.position = (LONG)i;
            record.target = manager;
            return 1;
        }
    }
    return 0;
}

LRESULT CStandInBars::Pin(DockMessage& record, bool& barWasEmpty) {
    pins.push_back(record);
    DWORD side = record.pin.flags & 3;
    barWasEmpty = bars[side].empty();
    auto entry = MakePinnedEntry(record, manager);
    if (!entry) return 0;
    record.target = manager;
    bars[side].push_back(std::move(entry));
    return 1;
}

void PaneFixture::SetUp() {
    ParkCursor();
    auto bars = std::make_unique<CStandInBars>();
    m_bars = bars.get();
    MakeFrame(kDragKeepMode | kDragOutline, 900, 700, std::move(bars));
    g_ghostFrames.clear();
    Seams().dragDetect = [](HWND, POINT) -> BOOL { return TRUE; };
    PaneSeam().drawGhostFrame = [](const RECT& r) { g_ghostFrames.push_back(r); };
}

void PaneFixture::TearDown() {
    DockFixture::TearDown();
    m_dockPanes.clear();
    ResetPaneSeams();
    BYTE keys[256] = {};
    ::SetKeyboardState(keys);
}

CTestDockPane& PaneFixture::NewDockPane(const char* title, DWORD style) {
    m_dockPanes.push_back(std::make_unique<CTestDockPane>());
    RECT r{300, 300, 500, 450};
    EXPECT_NE(m_dockPanes.back()->Create(Frame(), r, title, style), nullptr);
    return *m_dockPanes.back();
}

bool PaneFixture::DockAt(CTestDockPane& pane, DWORD side, int position, int size) {
    DockMessage r(nullptr, nullptr, kDockAtPlacement);
    r.place = {side | kPlaceAlone, position, 0.0f, size, 100, 0};
    bool done = pane.DockAtPlacement(r);
    PumpMessages();
    return done;
}

RECT PaneFixture::WindowOf(HWND window) const {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}
