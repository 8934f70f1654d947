// A pane's layout record: read from where the pane is, and applied back.
#include "DockPane.h"
#include "TabDockingBox.h"

namespace {

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

}  // namespace

HWND CDockPaneBase::StableTarget(HWND target, CTabDockingBox* box) {
    // Boxes and slot windows are made anew at every restore, so a record that
    // named them would change at every save. The target is only a grouping
    // key: a box is named by its first pane handle, a slot by the pane.
    if (!target || target != m_container || IsAutoHidden()) return target;
    if (!box) return m_hWnd;
    HWND first = nullptr;
    for (int i = 0; i < box->PaneCount(); ++i) {
        HWND pane = box->PaneAt(i);
        if (pane && (!first || HandleToULong(pane) < HandleToULong(first))) first = pane;
    }
    return first ? first : target;
}

bool CDockPaneBase::GetLayoutState(PaneLayoutRecord& record) {
    record.docked = m_container != nullptr;
    bool ok = true;
    if (record.docked) {
        record.floatRect = m_floatRect;
        ok = QueryPlacement(record.placement);
    } else {
        record.floatRect = IsPaneVisible() ? WindowRect(m_hWnd) : m_floatRect;
    }
    // The active pane of a hidden box keeps its own visible style: the box says.
    CTabDockingBox* box = m_container ? CTabDockingBox::FromWindow(m_container) : nullptr;
    record.visible = box ? (::GetWindowLongPtrA(m_container, GWL_STYLE) & WS_VISIBLE) != 0 : IsPaneOrBoxVisible();
    // A pane in a hidden box comes back with the box: the box's answer holds
    // the place it returns to and the pane's tab.
    if (!record.docked || (!record.visible && !box)) record.placement = m_placement;
    record.placement.pane = m_hWnd;
    record.placement.target = StableTarget(record.placement.target, box);
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
