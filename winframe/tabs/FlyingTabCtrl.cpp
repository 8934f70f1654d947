#include "FlyingTabCtrl.h"

#include <windowsx.h>

int CFlyingTabCtrl::InsertItem(int index, const char* text, int image, LPARAM data) {
    const int at = CTabStripImpl::InsertItem(index, text, image, data, true);
    if (CTabStripItem* item = GetItem(at)) item->tooltip = item->text;
    return at;
}

void CFlyingTabCtrl::UpdateHeight() {
    if (!GetFont()) {
        m_height = 24;
        return;
    }
    CClientDc dc(m_hWnd);
    CSelectObject font(dc, GetFont());
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    m_height = tabs::FlyingStripHeight(tm.tmAscent);
}

// The height follows the font the common handling has just set.
LRESULT CFlyingTabCtrl::OnCreate(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    LRESULT result = CTabStripImpl::OnCreate(msg, w, l, handled);
    UpdateHeight();
    return result;
}

LRESULT CFlyingTabCtrl::OnSetFont(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    LRESULT result = CTabStripImpl::OnSetFont(msg, w, l, handled);
    UpdateHeight();
    return result;
}

LRESULT CFlyingTabCtrl::OnLButtonDblClk(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    OnMouseRelay(msg, w, l, handled);
    handled = true;
    if (HitTest(POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}) >= 0) NotifyHeader(NM_DBLCLK);
    return 0;
}

LRESULT CFlyingTabCtrl::OnLButtonDown(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    OnMouseRelay(msg, w, l, handled);
    handled = true;
    CTabStripImpl::OnLButtonDown(msg, w, l, handled);
    const POINT pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    if (HitTest(pt) < 0) return 0;
    POINT screen = pt;
    ::ClientToScreen(m_hWnd, &screen);
    if (!m_dragDetect(m_hWnd, screen)) return 0;

    POINT last = pt;
    if (!RunReorderLoop(pt, &last)) return 0;
    if (HitTest(last) >= 0) return 0;
    MSG pending;
    while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
        if (pending.message == WM_QUIT) {
            ::PostQuitMessage((int)pending.wParam);
            break;
        }
        ::DispatchMessageA(&pending);
    }
    NotifyHeader(TSN_DRAGOUT);
    return 0;
}

bool CFlyingTabCtrl::RunReorderLoop(POINT start, POINT* last) {
    if (::GetCapture() != m_hWnd) ::SetCapture(m_hWnd);
    if (::GetCapture() != m_hWnd) return true;
    const bool vertical = (StripStyle() & TSS_VERTICAL) != 0;
    m_loopDragged = HitTest(start);
    m_loopLastSwapped = -1;
    m_loopPrevious = vertical ? start.y : start.x;
    bool completed = true;
    MSG msg;
    while (::GetCapture() == m_hWnd) {
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage((int)msg.wParam);
            ::ReleaseCapture();
            return false;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                ::ReleaseCapture();
                completed = false;
            }
            break;  // other keys are dropped
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            ::ReleaseCapture();
            completed = false;
            break;
        case WM_SYSKEYDOWN:
            ::ReleaseCapture();
            completed = false;
            ::DispatchMessageA(&msg);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            *last = POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ::ReleaseCapture();
            break;
        case WM_MOUSEMOVE:
            *last = POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            Reorder(*last);
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    return completed;
}

void CFlyingTabCtrl::Reorder(POINT pt) {
    const int c = (StripStyle() & TSS_VERTICAL) ? pt.y : pt.x;
    const int under = HitTest(pt);
    if (under < 0) {
        ::ReleaseCapture();  // left every tab: the loop completes
        return;
    }
    if (under != m_loopDragged && m_loopDragged >= 0 &&
        (under != m_loopLastSwapped || (c - m_loopPrevious) * (under - m_loopDragged) > 0)) {
        SwapItems(m_loopDragged, under, false, false);
        m_loopDragged = under;
        SetCurSel(under, true);
        m_loopLastSwapped = HitTest(pt);
    }
    m_loopPrevious = c;
}
