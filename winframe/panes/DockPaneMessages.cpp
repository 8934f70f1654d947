// The pane's window messages: its own caption while docked (size, hit
// test, painting, buttons), closing, double clicks, notices from containers.
#include "DockPane.h"
#include "DockingMetrics.h"
#include "GdiHandles.h"
#include "PaneLoops.h"

namespace {

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

}  // namespace

bool CDockPaneBase::HasCaptionStyle() const {
    return (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

LRESULT CDockPaneBase::OnClose(UINT, WPARAM, LPARAM, bool&) {
    Hide();
    return 0;
}

LRESULT CDockPaneBase::OnNcDoubleClick(UINT, WPARAM w, LPARAM, bool&) {
    if (w == HTCAPTION) {
        if (!IsFloating()) {
            Float();
        } else if (m_placement.target) {
            DockMessage record = m_placement;
            DockAtPlacement(record);
        }
    }
    return 0;
}

LRESULT CDockPaneBase::OnSetTextOrIcon(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    // The default procedure would paint a system caption over the pane's own.
    LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~(LONG_PTR)WS_CAPTION);
    LRESULT result = DefWindowProc(msg, w, l);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return result;
}

LRESULT CDockPaneBase::OnPosChanging(UINT, WPARAM, LPARAM, bool& handled) {
    if (IsFloating()) handled = false;
    return 0;
}

LRESULT CDockPaneBase::OnNcCalcSize(UINT, WPARAM, LPARAM l, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    RECT& proposed = *(RECT*)l;
    RECT window = proposed;
    ::OffsetRect(&window, -proposed.left, -proposed.top);
    RECT client = m_caption.Layout(window, HasCaptionStyle());
    ::OffsetRect(&client, proposed.left, proposed.top);
    proposed = client;
    return 0;
}

LRESULT CDockPaneBase::OnNcHitTest(UINT, WPARAM, LPARAM l, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    RECT w = WindowRectOf(m_hWnd);
    POINT p{(short)LOWORD(l) - w.left, (short)HIWORD(l) - w.top};
    return m_caption.HitTest(p);
}

LRESULT CDockPaneBase::OnNcPaint(UINT, WPARAM, LPARAM, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    if (HasCaptionStyle()) {
        if (const CWindowDc dc(m_hWnd); dc) m_caption.Paint(dc, GetWindowText());
    }
    return 0;
}

LRESULT CDockPaneBase::OnNcMouseMove(UINT, WPARAM w, LPARAM, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    m_caption.TrackHot(m_hWnd, (int)w);
    return 0;
}

LRESULT CDockPaneBase::OnNcButtonPress(UINT, WPARAM w, LPARAM, bool& handled) {
    CCaptionButton* button = IsFloating() ? nullptr : m_caption.ButtonOf((int)w);
    if (!button) {
        handled = false;
        return 0;
    }
    m_caption.SetPressed(m_hWnd, *button, true);
    POINT release{};
    bool released = TrackButtonPress(m_hWnd, release);
    m_caption.SetPressed(m_hWnd, *button, false);
    if (released) {
        ::ClientToScreen(m_hWnd, &release);
        RECT win = WindowRectOf(m_hWnd);
        POINT p{release.x - win.left, release.y - win.top};
        if (m_caption.HitTest(p) == (int)w) {
            if (button == &m_caption.pin)
                TogglePin();
            else
                PostMessage(WM_CLOSE);
        }
    }
    return 1;
}

LRESULT CDockPaneBase::OnNcActivate(UINT, WPARAM, LPARAM, bool& handled) {
    if (IsFloating() || !::IsWindowEnabled(m_hWnd)) handled = false;
    return TRUE;
}

LRESULT CDockPaneBase::OnSettingChange(UINT msg, WPARAM w, LPARAM l, bool&) {
    if (IsFloating()) {
        CDockingMetrics::Get().Refresh();
        SendToDescendants(m_hWnd, msg, w, l);
    }
    m_caption.MeasureHeight();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return 0;
}

LRESULT CDockPaneBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool& handled) {
    DefWindowProc();
    auto* mmi = (MINMAXINFO*)l;
    int h = m_caption.Height();
    if (mmi->ptMinTrackSize.x < h) mmi->ptMinTrackSize.x = h;
    if (mmi->ptMinTrackSize.y < h) mmi->ptMinTrackSize.y = h;
    // A pane class may raise the minimum further.
    handled = false;
    return 0;
}

LRESULT CDockPaneBase::OnPosChanged(UINT, WPARAM, LPARAM l, bool& handled) {
    const auto* pos = (const WINDOWPOS*)l;
    bool movedOrSized = (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
    if (IsFloating() && ::IsWindowVisible(m_hWnd) && ((pos->flags & SWP_SHOWWINDOW) || movedOrSized))
        m_floatRect = WindowRectOf(m_hWnd);
    handled = false;
    return 0;
}

LRESULT CDockPaneBase::OnNcDragStart(UINT, WPARAM w, LPARAM l, bool& handled) {
    if (w != HTCAPTION) {
        handled = false;
        return 0;
    }
    DragPane({(short)LOWORD(l), (short)HIWORD(l)});
    return 0;
}

LRESULT CDockPaneBase::OnDockNotice(UINT, WPARAM w, LPARAM l, bool&) {
    bool horizontal = true;
    if (w == 0) {
        m_container = nullptr;
    } else {
        m_container = (HWND)l;
        horizontal = HIWORD(w) != 1;
    }
    m_caption.SetHorizontal(horizontal);
    return 1;
}

LRESULT CDockPaneBase::OnTimer(UINT, WPARAM w, LPARAM, bool& handled) {
    if (!m_caption.OnTimer(m_hWnd, w)) handled = false;
    return 0;
}
