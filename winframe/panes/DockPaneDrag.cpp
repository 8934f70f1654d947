// Dropping a pane dragged by its caption (the drag itself is shared with the
// tab docking box): it docks at the target or floats where it was let go.
#include "DockPane.h"

void CDockPaneBase::DragPane(POINT press) {
    DockMessage record(m_hWnd, nullptr, 0);
    if (TrackCaptionDrag(press, record)) Drop(record);
}

void CDockPaneBase::Drop(DockMessage& record) {
    const RECT r = record.drag.rect;
    bool wasDocked = !IsFloating();
    // A container that keeps the pane leaves it where it was.
    if (wasDocked && !Undock()) return;
    if (record.target) {
        if (Dock(record)) return;
        // Never left hidden and lost: shown where it landed, put back, or floated.
        if (m_container) {
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
            return;
        }
        if (!wasDocked) return;
        DockMessage back = m_placement;
        back.pane = m_hWnd;
        if (RestoreDockPlacement(back) && (m_container || ::IsWindowVisible(m_hWnd))) return;
    }
    SetWindowPos(nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
}
