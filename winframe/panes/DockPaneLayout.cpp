// A pane's layout record: read from where the pane is, and applied back.
#include "DockPane.h"

namespace {

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

}  // namespace

bool CDockPaneBase::GetLayoutState(PaneLayoutRecord& record) {
    record.docked = m_container != nullptr;
    bool ok = true;
    if (record.docked) {
        record.floatRect = m_floatRect;
        ok = QueryPlacement(record.placement);
    } else {
        record.floatRect = IsPaneVisible() ? WindowRect(m_hWnd) : m_floatRect;
    }
    record.visible = IsPaneOrBoxVisible();
    if (!record.docked || !record.visible) record.placement = m_placement;
    record.placement.pane = m_hWnd;
    return ok;
}

bool CDockPaneBase::SetLayoutState(PaneLayoutRecord& record) {
    record.placement.pane = m_hWnd;
    m_placement = record.placement;
    const RECT& r = record.floatRect;
    if (record.visible && record.docked) {
        DockMessage place = record.placement;
        bool docked = DockAtPlacement(place);
        m_floatRect = r;
        return docked;
    }
    if (m_container) Undock();
    if (record.visible) {
        ::SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE);
    } else {
        m_floatRect = r;
        ::SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    return true;
}
