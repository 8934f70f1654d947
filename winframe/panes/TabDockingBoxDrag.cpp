// The tab docking box under a drag: the placeholder tab that shows where a
// dragged pane would land, dragging the whole box by its caption, and its
// caption buttons (close, and pinning every pane to an auto-hide bar).
#include "TabDockingBox.h"

#include <windowsx.h>

#include <vector>

#include "OwnCaption.h"

namespace {

void PumpPaints() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
}

}  // namespace

bool CTabDockingBox::OverBox(POINT& screen) const {
    bool over = false;
    for (HWND h = ::WindowFromPoint(screen); h; h = ::GetAncestor(h, GA_PARENT)) {
        if (h == m_hWnd) {
            over = true;
            break;
        }
    }
    if (!over) return false;
    RECT strip{};
    ::GetClientRect(m_tabs.m_hWnd, &strip);
    ::MapWindowPoints(m_tabs.m_hWnd, nullptr, (POINT*)&strip, 2);
    if (::PtInRect(&strip, screen)) return true;
    if (::SendMessageA(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM((WORD)screen.x, (WORD)screen.y)) == HTCAPTION) {
        // On the caption counts as on the strip.
        screen.y = (strip.top + strip.bottom) / 2;
        if (!IsFloating() && !m_caption.Horizontal()) screen.x = (strip.left + strip.right) / 2;
    }
    return true;
}

LRESULT CTabDockingBox::HitTest(DockMessage& record) {
    const HWND dragged = record.pane;
    POINT screen{record.drag.rect.left, record.drag.rect.top};
    if (!OverBox(screen)) return 0;
    POINT at = screen;
    ::ScreenToClient(m_tabs.m_hWnd, &at);
    const bool vertical = (::GetWindowLongPtrA(m_tabs.m_hWnd, GWL_STYLE) & TSS_VERTICAL) != 0;
    const int c = vertical ? at.y : at.x;
    int under = m_tabs.HitTest(at);
    const int selected = m_tabs.GetCurSel();
    const HWND selectedPane = PaneAt(selected);
    if (selected >= 0 && selectedPane == dragged) {
        // The dragged pane's own tab stands in for the placeholder.
        m_placeholder = selected;
    } else if (selected < 0 || selectedPane) {
        int index = under;
        if (index < 0) {
            RECT first{};
            bool before = m_tabs.GetItemRect(0, &first) && c < (vertical ? first.top : first.left);
            index = before ? 0 : PaneCount();
        }
        m_selectionBefore = selected;
        int image = -1;
        if (HICON icon = (HICON)::SendMessageA(dragged, WM_GETICON, ICON_SMALL, 0); icon && m_images)
            image = ::ImageList_ReplaceIcon(m_images.get(), -1, icon);
        char text[256] = {};
        ::GetWindowTextA(dragged, text, sizeof(text));
        m_placeholder = m_tabs.InsertItem(index, text, image, 0);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_NOTIFY, WM_NOTIFY, PM_REMOVE)) ::DispatchMessageA(&msg);
        m_trackedTab = m_placeholder;
        m_lastCoordinate = c;
        under = m_tabs.HitTest(at);
    }
    // Towards a neighbour, or onto a new one: a wide placeholder must not
    // jump back and forth over a narrow tab.
    if (under >= 0 && under != m_placeholder &&
        (under != m_trackedTab || (c - m_lastCoordinate) * (under - m_placeholder) > 0)) {
        m_tabs.MoveItem(m_placeholder, under, true, false);
        m_placeholder = under;
        m_trackedTab = m_tabs.HitTest(at);
    }
    m_lastCoordinate = c;
    record.target = m_hWnd;
    record.drag.rect = {m_placeholder, m_placeholder, m_placeholder, m_placeholder};

    if (!WaitKeepsPlaceholder(dragged) && m_placeholder >= 0 && m_placeholder < PaneCount() &&
        !PaneAt(m_placeholder)) {
        m_tabs.DeleteItem(m_placeholder, false, true);
        m_tabs.SetCurSel(m_selectionBefore, true);
    }
    PumpPaints();
    return 1;
}

bool CTabDockingBox::WaitKeepsPlaceholder(HWND dragged) {
    // Runs inside the dragged pane's loop until its next message is due,
    // leaving that message (and every key) for the loop.
    MSG msg{};
    for (;;) {
        PumpPaints();
        while (::PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) ::DispatchMessageA(&msg);
        if (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return false;
        if (::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE)) return false;
        if (::PeekMessageA(&msg, dragged, 0, 0, PM_NOREMOVE)) {
            if (msg.hwnd == dragged) break;
            // For one of the pane's children.
            if (::PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE)) ::DispatchMessageA(&msg);
            continue;
        }
        if (::GetCapture() != dragged) return false;
        ::WaitMessage();
    }
    if (msg.message != WM_MOUSEMOVE || ::GetKeyState(VK_CONTROL) < 0) return false;
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ::ClientToScreen(dragged, &p);
    return OverBox(p);
}

// ---- the box dragged, pressed and pinned ----

void CTabDockingBox::DragBox(POINT press) {
    DockMessage record;
    if (!TrackCaptionDrag(press, record)) return;
    const RECT r = record.drag.rect;
    if (!IsFloating()) Undock();
    if (record.target && Dock(record)) return;
    // No target, or one that refused: the box floats where it was let go.
    SetWindowPos(nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
}

bool CTabDockingBox::Pin() {
    DockMessage placement;
    if (!QueryOwnPlacement(placement) || !Undock()) return false;
    if (!IsFloating()) Undock();
    std::vector<HWND> panes;
    for (int i = 0; i < PaneCount(); ++i)
        if (HWND pane = PaneAt(i)) panes.push_back(pane);
    if (panes.empty()) return false;
    DockMessage record(m_active ? m_active : panes.front(), m_container, kDockPin);
    record.pin = {placement.place.flags, placement.place.size, 1, (LONG)panes.size(), panes.data()};
    for (size_t i = panes.size(); i-- > 0;) RemovePane(panes[i]);
    LRESULT made = SendDockMessage(m_hostFrame, record);
    if (!made) {
        // No bar took them: back into the box, and the box back in its place.
        for (HWND pane : panes) AddPane(pane, -1);
        DockMessage back = m_placement;
        DockAtPlacement(back);
        return false;
    }
    PostMessage(WM_CLOSE);
    return true;
}

LRESULT CTabDockingBox::OnNcButtonDown(UINT, WPARAM w, LPARAM l, bool& handled) {
    const POINT press{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    if (w == HTCAPTION) {
        DragBox(press);
        return 0;
    }
    if (IsFloating() || (w != kHitPin && w != kHitClose)) {
        handled = false;
        return 0;
    }
    if (PressCaptionButton(m_caption, m_hWnd, (int)w)) {
        if (w == kHitPin)
            Pin();
        else
            PostMessage(WM_CLOSE, 0);
    }
    return 1;
}
