// The window a pinned pane slides out in: its caption and resize edge, the
// edge drag, the caption buttons and the check that slides it back.
#include "AutoHideManager.h"

#include <windowsx.h>

#include "AutoHideLayout.h"
#include "BarTracker.h"
#include "DockingMetrics.h"
#include "GdiHandles.h"
#include "OwnCaption.h"

void CAutoHideManager::FillClient() {
    if (!m_shownPane) return;
    RECT client{};
    GetClientRect(&client);
    ::SetWindowPos(m_shownPane, nullptr, 0, 0, client.right, client.bottom, SWP_NOACTIVATE | SWP_NOZORDER);
}

LRESULT CAutoHideManager::OnDockMessage(UINT, WPARAM, LPARAM l, bool&) {
    auto* record = (DockMessage*)l;
    if (!record || record->code != kDockRemove) return 0;
    return RemovePane(record->pane, false);
}

LRESULT CAutoHideManager::OnNcCalcSize(UINT, WPARAM, LPARAM l, bool&) {
    RECT& proposed = *(RECT*)l;
    RECT window = proposed;
    ::OffsetRect(&window, -proposed.left, -proposed.top);
    // The edge faces the docking area.
    m_edge = window;
    switch (m_side) {
    case kSideBottom: m_edge.bottom = m_edge.top + kAutoHideEdge, window.top = m_edge.bottom; break;
    case kSideRight: m_edge.right = m_edge.left + kAutoHideEdge, window.left = m_edge.right; break;
    case kSideTop: m_edge.top = m_edge.bottom - kAutoHideEdge, window.bottom = m_edge.top; break;
    case kSideLeft: m_edge.left = m_edge.right - kAutoHideEdge, window.right = m_edge.left; break;
    default: m_edge = RECT{}; break;
    }
    RECT client = m_caption.Layout(window, HasCaptionStyle(m_hWnd));
    ::OffsetRect(&client, proposed.left, proposed.top);
    proposed = client;
    return 0;
}

LRESULT CAutoHideManager::OnNcPaint(UINT, WPARAM, LPARAM, bool&) {
    PaintCaption(m_caption, m_hWnd);
    if (::IsRectEmpty(&m_edge)) return 0;
    if (const CWindowDc dc(m_hWnd); dc) {
        RECT edge = m_edge;
        ::FillRect(dc, &edge, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawEdge(dc, &edge, BDR_RAISEDINNER, m_edgeHorizontal ? BF_TOP | BF_BOTTOM : BF_LEFT | BF_RIGHT);
    }
    return 0;
}

LRESULT CAutoHideManager::OnNcHitTest(UINT, WPARAM, LPARAM l, bool&) {
    RECT w{};
    GetWindowRect(&w);
    POINT p{GET_X_LPARAM(l) - w.left, GET_Y_LPARAM(l) - w.top};
    if (::PtInRect(&m_edge, p)) return IsVerticalBar(m_side) ? HTLEFT : HTTOP;
    int hit = m_caption.HitTest(p);
    // The window cannot be moved by its caption.
    return hit == kHitPin || hit == kHitClose ? hit : HTCLIENT;
}

LRESULT CAutoHideManager::OnNcMouseMove(UINT, WPARAM w, LPARAM, bool&) {
    m_caption.TrackHot(m_hWnd, (int)w);
    return 0;
}

LRESULT CAutoHideManager::OnNcButtonDown(UINT, WPARAM w, LPARAM l, bool& handled) {
    if (w == HTLEFT || w == HTTOP) {
        ResizeByEdge({GET_X_LPARAM(l), GET_Y_LPARAM(l)});
        return 0;
    }
    if (w != kHitPin && w != kHitClose) {
        handled = false;
        return 0;
    }
    if (PressCaptionButton(m_caption, m_hWnd, (int)w)) {
        if (w == kHitClose)
            PostMessage(WM_CLOSE);
        else if (m_shownPane)
            RemovePane(m_shownPane, true);
    }
    return 1;
}

void CAutoHideManager::ResizeByEdge(POINT screen) {
    if (!m_shown) return;
    const bool vertical = IsVerticalBar(m_side);
    const RECT w = WindowInFrame();
    POINT p = screen;
    ::ScreenToClient(m_frame, &p);
    // The bar tracker moves a 5-pixel bar by its leading offset; the edge
    // lies after the inner side (bottom, right bars) or before it (top, left).
    const bool edgeLeads = m_side == kSideBottom || m_side == kSideRight;
    const LONG inner = m_side == kSideBottom ? w.top : m_side == kSideRight ? w.left : m_side == kSideTop ? w.bottom : w.right;
    const int lead = edgeLeads ? 0 : kAutoHideEdge;
    BarTrack t;
    t.owner = m_frame;
    t.axis = vertical ? Axis::X : Axis::Y;
    t.area = m_area;
    t.offset = inner - lead;
    t.grab = (vertical ? p.x : p.y) - t.offset;
    const int start = vertical ? m_area.left : m_area.top, end = vertical ? m_area.right : m_area.bottom;
    t.lo = start + 5 - lead;
    t.hi = end - 5 - lead;
    t.outline = (CDockingMetrics::Get().DragMode() & kDragOutline) != 0;
    t.apply = [this, lead](int offset) {
        RECT r = WindowInFrame();
        const LONG side = offset + lead;
        switch (m_side) {
        case kSideBottom: r.top = side; break;
        case kSideRight: r.left = side; break;
        case kSideTop: r.bottom = side; break;
        default: r.right = side; break;
        }
        SetWindowPos(nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE | SWP_NOZORDER);
    };
    TrackSplitterBar(t);
}

LRESULT CAutoHideManager::OnNcActivate(UINT, WPARAM, LPARAM, bool& handled) {
    if (!::IsWindowEnabled(m_hWnd)) handled = false;
    return TRUE;
}

LRESULT CAutoHideManager::OnSetTextOrIcon(UINT msg, WPARAM w, LPARAM l, bool&) {
    return DefWithoutSystemCaption(*this, msg, w, l);
}

LRESULT CAutoHideManager::OnSettingChange(UINT, WPARAM, LPARAM, bool& handled) {
    m_caption.MeasureHeight();
    RecomputeFrame(m_hWnd);
    handled = false;
    return 0;
}

LRESULT CAutoHideManager::OnSize(UINT, WPARAM w, LPARAM, bool& handled) {
    if (w == SIZE_MINIMIZED || !m_shown) {
        handled = false;
        return 0;
    }
    FillClient();
    RECT win{};
    GetWindowRect(&win);
    const int d = IsVerticalBar(m_side) ? win.right - win.left : win.bottom - win.top;
    // The next slide-out keeps the size the user gave it.
    if (!m_sliding && m_caption.Height() < d - kAutoHideEdge) m_shown->SetPaneSize(m_shownPane, d - kAutoHideEdge);
    return 0;
}

LRESULT CAutoHideManager::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&) {
    DefWindowProc();
    ((MINMAXINFO*)l)->ptMinTrackSize = {0, 0};
    return 0;
}

LRESULT CAutoHideManager::OnTimer(UINT, WPARAM w, LPARAM, bool& handled) {
    if (m_caption.OnTimer(m_hWnd, w)) return 0;
    if (w != kAutoHideTimer) {
        handled = false;
        return 0;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT window{};
    GetWindowRect(&window);
    if (::PtInRect(&window, cursor)) return 0;
    POINT client = cursor;
    ::ScreenToClient(m_frame, &client);
    if (m_shownPane && HitTest(client, false).pane == m_shownPane) return 0;
    HWND focus = ::GetFocus();
    if (focus && (focus == m_hWnd || ::IsChild(m_hWnd, focus))) return 0;
    HidePane(true);
    return 0;
}

LRESULT CAutoHideManager::OnClose(UINT, WPARAM, LPARAM, bool&) {
    if (m_shownPane) ::PostMessageA(m_shownPane, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT CAutoHideManager::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    HidePane(false);
    handled = false;
    return 0;
}
