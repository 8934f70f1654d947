#include "WindowLayoutItems.h"

#include <commctrl.h>

namespace {

const char kPlacementKey[] = "placement";

// Answers what would lay the window out or paint it while the placement is
// applied: the children are placed already.
LRESULT CALLBACK QuietWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_PAINT:
    case WM_NCACTIVATE: return 0;
    default: return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

bool IsSaneShowCommand(UINT show) { return show >= SW_SHOWNORMAL && show <= SW_MAX; }

// The stored rectangle unless it is too small to use or lies off the work area.
bool IsSaneNormalRect(const RECT& r) {
    if (r.right - r.left < ::GetSystemMetrics(SM_CXMIN) || r.bottom - r.top < ::GetSystemMetrics(SM_CYMIN))
        return false;
    RECT area = LayoutWorkArea(), common{};
    return ::IntersectRect(&common, &area, &r) != 0;
}

}  // namespace

RECT LayoutWorkArea() {
    RECT area{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
    return area;
}

bool CMainWindowLayoutItem::Store(CLayoutStore& store) {
    WINDOWPLACEMENT current{};
    current.length = sizeof current;
    if (::GetWindowPlacement(m_window, &current)) {
        PlacementRecordBytes bytes = SerialiseWindowPlacement(PlacementForStore(current));
        store.WriteBinary(kPlacementKey, bytes.data(), bytes.size());
    }
    return CLayoutContainer::Store(store);
}

bool CMainWindowLayoutItem::Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) {
    PlacementRecordBytes bytes{};
    if (!store.ReadExact(kPlacementKey, bytes.data(), bytes.size())) return RestoreDefault();
    WINDOWPLACEMENT placement = DeserialiseWindowPlacement(bytes);
    ScalePlacement(placement, x, y);
    if (!IsSaneNormalRect(placement.rcNormalPosition)) {
        WINDOWPLACEMENT current{};
        current.length = sizeof current;
        ::GetWindowPlacement(m_window, &current);
        placement.rcNormalPosition = current.rcNormalPosition;
    }
    UINT show = (m_show & kShowOverride) ? (m_show & ~kShowOverride) : placement.showCmd;
    if (!IsSaneShowCommand(show)) show = SW_SHOWNORMAL;
    placement.showCmd = 0;
    bool result;
    if (show == SW_SHOWMAXIMIZED) {
        RECT area = LayoutWorkArea();
        ::SetWindowPos(m_window, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                       SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_DEFERERASE);
        result = CLayoutContainer::Restore(store, x, y);
        ApplyMaximized(placement);
    } else {
        ::SetWindowPlacement(m_window, &placement);
        result = CLayoutContainer::Restore(store, x, y);
        ::ShowWindow(m_window, (int)show);
    }
    ::SetForegroundWindow(m_window);
    return result;
}

void CMainWindowLayoutItem::ApplyMaximized(const WINDOWPLACEMENT& placement) {
    LONG_PTR own = ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, (LONG_PTR)&QuietWindowProc);
    ::SetWindowPlacement(m_window, &placement);
    if (own) ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, own);
    ::ShowWindow(m_window, SW_SHOWMAXIMIZED);
    ::SetWindowPos(m_window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER |
                       SWP_NOSENDCHANGING);
}

bool CMainWindowLayoutItem::RestoreDefault() {
    CLayoutContainer::RestoreDefault();
    ::ShowWindow(m_window, (int)(m_show & ~kShowOverride));
    return true;
}

bool CRebarLayoutItem::Store(CLayoutStore& store) {
    int count = (int)::SendMessageA(m_rebar, RB_GETBANDCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        // The native size: with the 32-bit one on x64 Wine leaves out the ideal size and child height.
        REBARBANDINFOA band{};
        band.cbSize = sizeof band;
        band.fMask = kBandRecordMask;
        if (!::SendMessageA(m_rebar, RB_GETBANDINFOA, i, (LPARAM)&band)) continue;
        BandRecordBytes bytes = SerialiseBand(band);
        store.WriteBinary(LayoutBandKey(i).c_str(), bytes.data(), bytes.size());
    }
    return true;
}

bool CRebarLayoutItem::Restore(CLayoutStore& store, LayoutRatio, LayoutRatio) {
    int count = (int)::SendMessageA(m_rebar, RB_GETBANDCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        BandRecordBytes bytes{};
        if (!store.ReadExact(LayoutBandKey(i).c_str(), bytes.data(), bytes.size())) continue;
        REBARBANDINFOA band = DeserialiseBand(bytes);
        int from = (int)::SendMessageA(m_rebar, RB_IDTOINDEX, band.wID, 0);
        // Another band's style and size must not land on band i.
        if (from < 0) continue;
        if (from != i) ::SendMessageA(m_rebar, RB_MOVEBAND, from, i);
        ::SendMessageA(m_rebar, RB_SETBANDINFOA, i, (LPARAM)&band);
    }
    return true;
}
