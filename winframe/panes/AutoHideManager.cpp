// The auto-hide manager's side towards the frame: metrics, placing and
// drawing the bars, pinning, placements, hovering, and showing, hiding and
// removing the panes of the bars.
#include "AutoHideManager.h"

#include <algorithm>

#include "AutoHideLayout.h"
#include "DockingMetrics.h"
#include "GdiHandles.h"

namespace {

bool NoButtonDown(WPARAM keys) { return (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0; }

}  // namespace

bool RequestPinToAutoHide(HWND frame, DockMessage& record) {
    record.code = kDockPin;
    return SendDockMessage(frame, record) != 0;
}

CAutoHideManager::CAutoHideManager() = default;

CAutoHideManager::~CAutoHideManager() = default;

WindowClassInfo CAutoHideManager::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = "CAutoHideManager";
    info.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    info.background = (HBRUSH)(COLOR_WINDOW + 1);
    info.cursor = IDC_ARROW;
    return info;
}

bool CAutoHideManager::Create(HWND frame) {
    m_frame = frame;
    for (DWORD side = 0; side < 4; ++side) m_bars[side].side = side;
    UpdateMetrics();
    const RECT none{0, 0, 0, 0};
    return CMsgWindow::Create(frame, &none, "", kStyle, WS_EX_TOOLWINDOW) != nullptr;
}

void CAutoHideManager::UpdateMetrics() {
    const CDockingMetrics& m = CDockingMetrics::Get();
    int tallest = ::GetSystemMetrics(SM_CXSMICON);
    CClientDc dc(m_frame);
    if (dc) {
        for (HFONT font : {m.VerticalGuiFont(), m.GuiFont()}) {
            CSelectObject select(dc, font);
            TEXTMETRICA tm{};
            if (::GetTextMetricsA(dc, &tm)) tallest = std::max(tallest, (int)tm.tmHeight);
        }
    }
    m_thickness = tallest + 8;
}

RECT CAutoHideManager::Place(const RECT& available) {
    RECT r = available;
    CClientDc dc(m_frame);
    const int t = m_thickness;
    const int left = m_bars[kSideLeft].Empty() ? 0 : t, right = m_bars[kSideRight].Empty() ? 0 : t;
    m_bars[kSideTop].Place(dc, r, t, left, right);
    m_bars[kSideBottom].Place(dc, r, t, left, right);
    m_bars[kSideLeft].Place(dc, r, t, 0, 0);
    m_bars[kSideRight].Place(dc, r, t, 0, 0);
    m_area = r;
    if (m_shown) Reposition();
    return r;
}

void CAutoHideManager::DrawBars(HDC dc) {
    const CAutoHideBar &left = m_bars[kSideLeft], &right = m_bars[kSideRight];
    {
        CBrushHandle face(::CreateSolidBrush(CDockingMetrics::Get().FaceColour()));
        CSelectObject brush(dc, face);
        for (DWORD side : {kSideLeft, kSideRight, kSideTop, kSideBottom}) {
            const CAutoHideBar& bar = m_bars[side];
            if (bar.Empty()) continue;
            RECT r = bar.rect;
            // The corners next to the side bars take the face colour too.
            if (!IsVerticalBar(side)) {
                if (!left.Empty()) r.left -= left.rect.right - left.rect.left;
                if (!right.Empty()) r.right += right.rect.right - right.rect.left;
            }
            ::PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
        }
    }
    for (const CAutoHideBar& bar : m_bars) bar.Draw(dc, false);
}

SIZE CAutoHideManager::OccupiedThickness() const {
    SIZE s{};
    s.cx = m_thickness * (!m_bars[kSideLeft].Empty() + !m_bars[kSideRight].Empty());
    s.cy = m_thickness * (!m_bars[kSideTop].Empty() + !m_bars[kSideBottom].Empty());
    return s;
}

LRESULT CAutoHideManager::QueryPlacement(DockMessage& record) {
    for (const CAutoHideBar& bar : m_bars) {
        const int i = bar.IndexOf(record.pane);
        if (i < 0) continue;
        record.place.flags = 0;
        bar.entries[i]->FillPlacement(record.pane, record);
        record.place.flags |= (bar.side & 3) | kPlaceAlone | kPlaceAutoHidden;
        record.place.position = i;
        record.target = m_hWnd;
        return 1;
    }
    return 0;
}

LRESULT CAutoHideManager::Pin(DockMessage& record, bool& barWasEmpty) {
    const DWORD side = record.pin.flags & 3;
    CAutoHideBar& bar = m_bars[side];
    barWasEmpty = bar.Empty();
    std::unique_ptr<CAutoHideBarEntry> entry = MakePinnedEntry(record, m_hWnd);
    if (!entry) return 0;
    record.target = m_hWnd;
    CAutoHideBarEntry* made = entry.get();
    bar.entries.push_back(std::move(entry));
    if (record.pin.showNow & 1) ShowPane(made, side, false);
    if (!barWasEmpty) RedrawBar(bar);
    return 1;
}

void CAutoHideManager::RedrawBar(CAutoHideBar& bar) {
    CClientDc dc(m_frame);
    if (!dc) return;
    bar.LayoutTabs(dc);
    bar.Draw(dc, true);
}

AutoHideHit CAutoHideManager::HitTest(POINT client, bool select, DWORD* side) {
    for (CAutoHideBar& bar : m_bars) {
        AutoHideHit hit = bar.HitTest(client, select);
        if (!hit.entry) continue;
        if (side) *side = bar.side;
        return hit;
    }
    return {};
}

// ---- hovering ----

void CAutoHideManager::MouseMove(POINT client, WPARAM keys) {
    if (!NoButtonDown(keys) || !::GetActiveWindow()) return;
    AutoHideHit hit = HitTest(client, false);
    if (!hit.entry || hit.pane == m_shownPane) return;
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, m_frame, 50};
    ::TrackMouseEvent(&track);
    m_hoverPane = hit.pane;
}

void CAutoHideManager::MouseHover(POINT client, WPARAM keys) {
    if (!NoButtonDown(keys) || !m_hoverPane) return;
    DWORD side = 0;
    AutoHideHit hit = HitTest(client, false);
    if (!hit.entry || hit.pane != m_hoverPane || hit.pane == m_shownPane) return;
    hit = HitTest(client, true, &side);
    RedrawBar(m_bars[side]);
    ShowPane(hit.entry, side, true);
}

// ---- showing and hiding ----

void CAutoHideManager::PutAway() {
    ::KillTimer(m_hWnd, kAutoHideTimer);
    if (m_shownPane) ::ShowWindow(m_shownPane, SW_HIDE);
    ShowWindow(SW_HIDE);
    m_shown = nullptr;
    m_shownPane = nullptr;
}

bool CAutoHideManager::ShowPane(CAutoHideBarEntry* entry, DWORD side, bool slide) {
    PutAway();
    if (!entry) return false;
    const AutoHideEntry& shown = entry->Active();
    m_side = side & 3;
    m_edgeHorizontal = !IsVerticalBar(m_side);
    m_shown = entry;
    m_shownPane = shown.pane;
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (!::SetWindowPos(m_shownPane, nullptr, 0, 0, 0, 0, keep | SWP_SHOWWINDOW) || !Reposition()) {
        PutAway();
        return false;
    }
    SetWindowText(shown.text.c_str());
    if (slide && (CDockingMetrics::Get().DragMode() & kDragFullWindow)) {
        // Ten equal steps may fall short of the size by a few pixels.
        Slide(true);
        Reposition();
    } else
        SetWindowPos(nullptr, 0, 0, 0, 0, keep | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    FillClient();
    return ::SetTimer(m_hWnd, kAutoHideTimer, kAutoHideCheckMs, nullptr) != 0;
}

bool CAutoHideManager::Reposition() {
    if (!m_shown) return false;
    const RECT r = AutoHideWindowRect(m_area, m_side, m_shown->Active().size);
    return SetWindowPos(nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE) != FALSE;
}

bool CAutoHideManager::HidePane(bool animate) {
    if (!m_shown) return true;
    ::KillTimer(m_hWnd, kAutoHideTimer);
    ::ShowWindow(m_shownPane, SW_HIDE);
    m_shown = nullptr;
    m_shownPane = nullptr;
    if (animate && (CDockingMetrics::Get().DragMode() & kDragFullWindow)) Slide(false);
    ShowWindow(SW_HIDE);
    return true;
}

RECT CAutoHideManager::WindowInFrame() const {
    RECT w{};
    GetWindowRect(&w);
    ::MapWindowPoints(nullptr, m_frame, (POINT*)&w, 2);
    return w;
}

bool CAutoHideManager::Slide(bool out) {
    // The sizes the window passes through are not the user's.
    m_sliding = true;
    RECT w = WindowInFrame();
    const bool vertical = IsVerticalBar(m_side);
    const int step = (vertical ? w.right - w.left : w.bottom - w.top) / kSlideSteps;
    // The free side is the inner one; `sign` points away from the bar, and
    // `fixed` is the side against the bar.
    LONG* free = nullptr;
    LONG fixed = 0;
    int sign = 1;
    switch (m_side) {
    case kSideLeft: free = &w.right, fixed = w.left; break;
    case kSideRight: free = &w.left, fixed = w.right, sign = -1; break;
    case kSideTop: free = &w.bottom, fixed = w.top; break;
    default: free = &w.top, fixed = w.bottom, sign = -1; break;
    }
    BOOL placed = TRUE;
    auto place = [&](UINT flags) {
        placed = SetWindowPos(nullptr, w.left, w.top, w.right - w.left, w.bottom - w.top, flags | SWP_NOACTIVATE);
    };
    if (out) {
        ::RedrawWindow(m_frame, &w, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        *free = fixed;
        place(SWP_SHOWWINDOW | SWP_FRAMECHANGED);
        for (int i = 0; i < kSlideSteps; ++i) {
            *free += sign * step;
            place(0);
            ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
            ::Sleep(kSlideMs / kSlideSteps);
        }
    } else {
        for (int i = 0; i < kSlideSteps; ++i) {
            const LONG before = *free;
            *free -= sign * step;
            RECT uncovered = w;
            LONG lo = std::min(before, *free), hi = std::max(before, *free);
            if (vertical)
                uncovered.left = lo, uncovered.right = hi;
            else
                uncovered.top = lo, uncovered.bottom = hi;
            place(0);
            ::RedrawWindow(m_frame, &uncovered, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            ::Sleep(kSlideMs / kSlideSteps);
        }
    }
    m_sliding = false;
    return placed != FALSE;
}

bool CAutoHideManager::RemovePane(HWND pane, bool giveBack) {
    CAutoHideBar* bar = nullptr;
    int index = -1;
    for (CAutoHideBar& b : m_bars) {
        if ((index = b.IndexOf(pane)) >= 0) {
            bar = &b;
            break;
        }
    }
    if (!bar) return false;
    // The entry may be rebuilt or replaced: the shown pane goes in first,
    // whichever of the entry's panes leaves.
    if (pane == m_shownPane || bar->entries[index].get() == m_shown) HidePane(false);
    if (pane == m_hoverPane) m_hoverPane = nullptr;
    DockMessage record(pane, m_frame, 0);
    bar->RemovePane(pane, giveBack ? &record : nullptr);
    if (!bar->Empty()) {
        RedrawBar(*bar);
    } else {
        // The frame gives the bar's thickness back.
        if (m_frameLayout) m_frameLayout();
        ::RedrawWindow(m_frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    }
    return true;
}
