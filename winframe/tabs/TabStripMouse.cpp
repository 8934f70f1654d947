// Mouse handling of the strip: buttons, hover and hot tracking, clicks,
// scroll repeat and the mouse-move drag of tabs.
#include "TabStripImpl.h"

#include <windowsx.h>

namespace {

POINT PointOf(LPARAM l) { return POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

constexpr int kDragScrollZone = 20;
constexpr UINT kDragScrollPeriod = 100;

}  // namespace

LRESULT CTabStripImpl::OnMouseRelay(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    m_toolTips.Relay(m_hWnd, msg, w, l);
    handled = false;
    return 0;
}

RECT CTabStripImpl::ElementRect(int element) const {
    switch (element) {
    case kElemClose: return m_layout.closeButton;
    case kElemScrollRight: return m_layout.scrollRight;
    case kElemScrollLeft: return m_layout.scrollLeft;
    case kElemTab: return m_layout.tabArea;
    default: return RECT{};
    }
}

void CTabStripImpl::KillScrollTimers() {
    if (!m_hWnd) return;
    ::KillTimer(m_hWnd, kTimerScrollLeft);
    ::KillTimer(m_hWnd, kTimerScrollRight);
}

LRESULT CTabStripImpl::OnLButtonDown(UINT, WPARAM, LPARAM l, bool&) {
    const POINT pt = PointOf(l);
    if (::PtInRect(&m_layout.closeButton, pt)) {
        m_state.SetPressed(kElemClose);
        m_state.SetUnder(kElemClose);
        Invalidate(&m_layout.closeButton);
    } else if (::PtInRect(&m_layout.scrollRight, pt) || ::PtInRect(&m_layout.scrollLeft, pt)) {
        const bool left = ::PtInRect(&m_layout.scrollLeft, pt) != FALSE;
        const int element = left ? kElemScrollLeft : kElemScrollRight;
        m_state.SetPressed(element);
        m_state.SetUnder(element);
        if (m_state.Has(left ? TabStripState::kCanScrollLeft : TabStripState::kCanScrollRight)) {
            ScrollOneStep(left);
            // Speed 0 scrolls once: a 0 ms timer would tick a second step at once.
            if (m_state.RepeatSpeed() != 0)
                ::SetTimer(m_hWnd, left ? kTimerScrollLeft : kTimerScrollRight, m_state.RepeatPeriod(), nullptr);
        }
        Invalidate(left ? &m_layout.scrollLeft : &m_layout.scrollRight);
    } else {
        const int item = HitTest(pt);
        if (NotifyItem(NM_CLICK, item, pt) != 0 || item < 0) return 0;
        SetCurSel(item, true);
        m_state.SetPressed(kElemTab);
        m_dragItem = item;
        m_downPoint = pt;
    }
    ::SetCapture(m_hWnd);
    return 0;
}

void CTabStripImpl::TrackElements(POINT pt) {
    const int before = m_state.Under();
    for (int element : {kElemClose, kElemScrollRight, kElemScrollLeft}) {
        RECT r = ElementRect(element);
        const bool inside = ::PtInRect(&r, pt) != FALSE;
        if (before == element && !inside) {
            if (m_state.Under() == element) m_state.SetUnder(kElemNone);
            if (m_state.Hover() == element) m_state.SetHover(kElemNone);
            Invalidate(&r);
        } else if (before != element && inside) {
            m_state.SetUnder(element);
            if (m_state.Pressed() == element) Invalidate(&r);
        } else if (inside && m_state.Pressed() == kElemNone && m_state.Hover() != element) {
            m_state.SetHover(element);
            Invalidate(&r);
        }
    }
    const bool hotTrack = (StripStyle() & TSS_HOTTRACK) != 0;
    const bool inArea = ::PtInRect(&m_layout.tabArea, pt) != FALSE;
    RECT old{};
    if (before == kElemTab && !inArea) {
        if (m_state.Under() == kElemTab) m_state.SetUnder(kElemNone);
        if (hotTrack && GetItemRect(m_hot, &old)) Invalidate(&old);
        if (hotTrack) m_hot = -1;
        if (m_state.Hover() == kElemTab) m_state.SetHover(kElemNone);
    } else if (before != kElemTab && inArea) {
        m_state.SetUnder(kElemTab);
    } else if (inArea && hotTrack) {
        const int hot = HitTest(pt);
        if (hot != m_hot) {
            if (GetItemRect(m_hot, &old)) Invalidate(&old);
            m_hot = hot;
            m_state.SetHover(hot >= 0 ? kElemTab : kElemNone);
            if (GetItemRect(m_hot, &old)) Invalidate(&old);
        }
    }
}

LRESULT CTabStripImpl::OnMouseMove(UINT, WPARAM, LPARAM l, bool&) {
    const POINT pt = PointOf(l);
    if (!m_state.Has(TabStripState::kLeaveTracked)) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
        m_state.Set(TabStripState::kLeaveTracked, true);
        UpdateLayout();
        Invalidate();
    }
    if (m_state.Has(TabStripState::kDragging)) {
        DragMove(pt);
    } else if (m_state.Pressed() == kElemTab && m_dragItem >= 0 && pt.x != m_downPoint.x) {
        // Only strips with the drag style reorder on mouse moves.
        if (StripStyle() & TSS_DRAGREORDER) BeginDrag(pt);
    } else {
        TrackElements(pt);
    }
    return 0;
}

LRESULT CTabStripImpl::OnLButtonUp(UINT, WPARAM, LPARAM l, bool&) {
    if (::GetCapture() != m_hWnd) return 0;
    // Read and end everything before the capture goes: losing it clears the press.
    const bool closeClicked = m_state.Pressed() == kElemClose && m_state.Under() == kElemClose;
    if (m_state.Has(TabStripState::kDragging)) EndDrag(true);
    CancelPress();
    ::ReleaseCapture();
    if (closeClicked) NotifyItem(TSN_CLOSECLICK, m_selected, PointOf(l));
    UpdateLayout();
    Invalidate();
    return 0;
}

void CTabStripImpl::CancelPress() {
    KillScrollTimers();
    m_state.SetPressed(kElemNone);
    m_dragItem = -1;
}

LRESULT CTabStripImpl::OnCaptureChanged(UINT, WPARAM, LPARAM l, bool&) {
    if ((HWND)l == m_hWnd) return 0;
    if (m_state.Has(TabStripState::kDragging)) CancelDrag();
    if (m_state.Pressed() != kElemNone) Invalidate();
    CancelPress();
    return 0;
}

LRESULT CTabStripImpl::OnRButtonDown(UINT, WPARAM, LPARAM l, bool&) {
    const POINT pt = PointOf(l);
    const int item = HitTest(pt);
    if (NotifyItem(NM_RCLICK, item, pt) == 0 && item >= 0) SetCurSel(item, true);
    return 0;
}

LRESULT CTabStripImpl::OnClickNotify(UINT msg, WPARAM, LPARAM l, bool&) {
    const POINT pt = PointOf(l);
    UINT code = NM_DBLCLK;
    if (msg == WM_RBUTTONDBLCLK) code = NM_RDBLCLK;
    else if (msg == WM_MBUTTONDOWN) code = TSN_MCLICK;
    else if (msg == WM_MBUTTONDBLCLK) code = TSN_MDBLCLK;
    NotifyItem(code, HitTest(pt), pt);
    return 0;
}

LRESULT CTabStripImpl::OnMouseLeave(UINT, WPARAM, LPARAM, bool&) {
    m_state.Set(TabStripState::kLeaveTracked, false);
    m_state.SetHover(kElemNone);
    m_state.SetUnder(kElemNone);
    m_hot = -1;
    UpdateLayout();
    Invalidate();
    return 0;
}

LRESULT CTabStripImpl::OnTimer(UINT, WPARAM w, LPARAM, bool& handled) {
    if (w != kTimerScrollLeft && w != kTimerScrollRight) {
        handled = false;
        return 0;
    }
    const bool left = w == kTimerScrollLeft;
    if (!m_state.Has(left ? TabStripState::kCanScrollLeft : TabStripState::kCanScrollRight)) {
        ::KillTimer(m_hWnd, w);
    } else if (m_state.Has(TabStripState::kDragging)) {
        ::KillTimer(m_hWnd, w);
        POINT pt;
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWnd, &pt);
        DragMove(pt);
    } else {
        const int element = left ? kElemScrollLeft : kElemScrollRight;
        if (m_state.Pressed() == element && m_state.Under() == element) {
            ScrollOneStep(left);
            if (m_state.RepeatSpeed() == 0) ::KillTimer(m_hWnd, w);
        }
    }
    return 0;
}

void CTabStripImpl::BeginDrag(POINT) {
    const int item = m_dragItem;
    if (NotifyItem(TSN_BEGINDRAG, item, m_downPoint) != 0) {
        m_dragItem = -1;
        return;
    }
    if (::GetCapture() != m_hWnd) ::SetCapture(m_hWnd);
    ::SetFocus(m_hWnd);
    if (!m_oleLibrary) m_oleLibrary = ::LoadLibraryA("OLE32.dll");
    if (m_oleLibrary) {
        m_cursorInside = ::LoadCursorA(m_oleLibrary, MAKEINTRESOURCEA(2));
        m_cursorOutside = ::LoadCursorA(m_oleLibrary, MAKEINTRESOURCEA(1));
    }
    m_state.Set(TabStripState::kDragging, true);
    m_dragItem = m_dragOrigin = item;
}

void CTabStripImpl::DragMove(POINT pt) {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    HCURSOR cursor = ::PtInRect(&client, pt) ? m_cursorInside : m_cursorOutside;
    if (cursor) ::SetCursor(cursor);

    const int target = HitTest(pt);
    RECT r;
    if (target >= 0 && target != m_dragItem && GetItemRect(target, &r)) {
        const int middle = (r.left + r.right) / 2;
        const bool passed = target > m_dragItem ? pt.x > middle : pt.x < middle;
        if (passed) {
            MoveItem(m_dragItem, target, true, false);
            m_dragItem = target;
        }
    }
    if (StripStyle() & TSS_SCROLLMODE) {
        const RECT& area = m_layout.tabArea;
        if (m_state.Has(TabStripState::kCanScrollLeft) && pt.x < area.left + kDragScrollZone) {
            ScrollOneStep(true);
            ::SetTimer(m_hWnd, kTimerScrollLeft, kDragScrollPeriod, nullptr);
        } else if (m_state.Has(TabStripState::kCanScrollRight) && pt.x > area.right - kDragScrollZone) {
            ScrollOneStep(false);
            ::SetTimer(m_hWnd, kTimerScrollRight, kDragScrollPeriod, nullptr);
        }
    }
}

void CTabStripImpl::EndDrag(bool notify) {
    if (notify) NotifyPair(TSN_ENDDRAG, m_dragOrigin, m_dragItem);
    if (HCURSOR classCursor = (HCURSOR)::GetClassLongPtrA(m_hWnd, GCLP_HCURSOR)) ::SetCursor(classCursor);
    // Shared resource cursors: let go, never destroyed.
    m_cursorInside = m_cursorOutside = nullptr;
    if (m_oleLibrary) {
        ::FreeLibrary(m_oleLibrary);
        m_oleLibrary = nullptr;
    }
    m_state.Set(TabStripState::kDragging, false);
    m_dragItem = m_dragOrigin = -1;
    Invalidate();
}

void CTabStripImpl::CancelDrag() {
    const int origin = m_dragOrigin;
    if (m_dragItem != origin) MoveItem(m_dragItem, origin, true, false);
    EnsureVisible(origin, false, true);
    NotifyItem(TSN_CANCELDRAG, origin);
    EndDrag(false);
}
