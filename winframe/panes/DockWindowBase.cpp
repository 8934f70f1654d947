// What a pane and a tab docking box do alike: going back to a stored
// placement, floating, and the caption drag with its ghost frame.
#include "DockWindowBase.h"

#include "DockSeams.h"
#include "DragOutline.h"
#include "OwnCaption.h"
#include "PaneLoops.h"
#include "PaneSeams.h"

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool SameProcess(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process == ::GetCurrentProcessId();
}

// The first window up from the point that speaks the protocol is asked;
// windows of other processes never are, as a hung one would stall the drag.
bool FindDropTarget(HWND self, HWND hostFrame, DockMessage& record, POINT screen) {
    HWND desktop = ::GetDesktopWindow();
    for (HWND h = ::WindowFromPoint(screen); h && h != self && h != desktop && SameProcess(h);
         h = ::GetAncestor(h, GA_PARENT)) {
        if (!SpeaksDockProtocol(h)) continue;
        DockMessage probe = record;
        probe.code = kDockHitTest;
        probe.target = nullptr;
        if (::SendMessageA(h, DockingBoxMessage(), 0, (LPARAM)&probe)) {
            record = probe;
            return true;
        }
        break;
    }
    record.code = kDockHitTest;
    record.target = nullptr;
    return SendDockMessage(hostFrame, record) != 0 && record.target;
}

}  // namespace

bool CDockWindowBase::RestoreDockPlacement(DockMessage& record) {
    record.code = kDockAtPlacement;
    if (record.target && ::IsWindow(record.target) && SpeaksDockProtocol(record.target))
        return SendDockMessage(record.target, record) != 0;
    if (record.floating.flags & kPlaceFloating) {
        const RECT& r = record.floating.rect;
        return ::SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              SWP_SHOWWINDOW) != FALSE;
    }
    record.target = m_hostFrame;
    return SendDockMessage(m_hostFrame, record) != 0;
}

bool CDockWindowBase::DockAtPlacement(DockMessage& record) {
    if (!IsFloating()) Undock();
    record.pane = m_hWnd;
    return RestoreDockPlacement(record);
}

bool CDockWindowBase::Float() {
    if (::IsRectEmpty(&m_floatRect)) return false;
    return UndockAndPlace(m_floatRect, SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

bool CDockWindowBase::UndockAndPlace(const RECT& r, UINT flags, HWND insertAfter) {
    if (IsFloating()) return false;
    if (!Undock()) return true;
    return ::SetWindowPos(m_hWnd, insertAfter, r.left, r.top, r.right - r.left, r.bottom - r.top, flags) != FALSE;
}

void CDockWindowBase::UndockHidden() {
    UINT flags = SWP_HIDEWINDOW | SWP_NOACTIVATE;
    // A window that never floated has no rectangle to go to.
    if (::IsRectEmpty(&m_floatRect)) flags |= SWP_NOMOVE | SWP_NOSIZE;
    UndockAndPlace(m_floatRect, flags);
}

bool CDockWindowBase::TrackCaptionDrag(POINT press, DockMessage& record) {
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (!Seams().dragDetect(m_hWnd, press)) return false;
    RECT window{};
    GetWindowRect(&window);
    if (::IsRectEmpty(&m_floatRect)) {
        DockMessage clamp(m_hWnd, nullptr, kDockClampFloat);
        clamp.drag.rect = window;
        SendDockMessage(m_hostFrame, clamp);
        m_floatRect = clamp.drag.rect;
    }
    record = DockMessage(m_hWnd, nullptr, 0);
    const int fw = Width(m_floatRect), fh = Height(m_floatRect);
    RECT& r = record.drag.rect;
    r.left = press.x - ::MulDiv(fw, press.x - window.left, Width(window) ? Width(window) : 1);
    r.top = press.y - ::MulDiv(fh, press.y - window.top, Height(window) ? Height(window) : 1);
    r.right = r.left + fw;
    r.bottom = r.top + fh;
    const RECT start = r;
    POINT last = press;
    POINT client = press;
    ::ScreenToClient(m_hWnd, &client);

    PaneSeam().drawGhostFrame(record.drag.rect);
    bool commit = TrackDockDrag(m_hWnd, client, [&](POINT at) {
        // Erase, move to the cursor at the float size, clamp, then ask who takes it.
        PaneSeam().drawGhostFrame(record.drag.rect);
        ::ClientToScreen(m_hWnd, &at);
        last = at;
        r = {at.x, at.y, at.x + fw, at.y + fh};
        record.code = kDockClampFloat;
        SendDockMessage(m_hostFrame, record);
        bool accepted = false;
        if (::GetKeyState(VK_CONTROL) >= 0) accepted = FindDropTarget(m_hWnd, m_hostFrame, record, at);
        if (!accepted) {
            record.target = nullptr;
            r = start;
            ::OffsetRect(&r, at.x - press.x, at.y - press.y);
        }
        PaneSeam().drawGhostFrame(r);
    });
    PaneSeam().drawGhostFrame(record.drag.rect);
    EndDragOutlines();
    return commit && (record.target || last.x != press.x || last.y != press.y);
}

// ---- the shared messages ----

LRESULT CDockWindowBase::OnSetTextOrIcon(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    return DefWithoutSystemCaption(*this, msg, w, l);
}

LRESULT CDockWindowBase::OnPosChanging(UINT, WPARAM, LPARAM, bool& handled) {
    if (IsFloating()) handled = false;
    return 0;
}

LRESULT CDockWindowBase::OnPosChanged(UINT, WPARAM, LPARAM l, bool& handled) {
    const auto* pos = (const WINDOWPOS*)l;
    bool movedOrSized = (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
    if (IsFloating() && ::IsWindowVisible(m_hWnd) && ((pos->flags & SWP_SHOWWINDOW) || movedOrSized))
        GetWindowRect(&m_floatRect);
    // Shown floating (a layout restored, a pane let go): on top, so that it
    // never starts out under the frame that owns it.
    if (IsFloating() && (pos->flags & SWP_SHOWWINDOW))
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    handled = false;
    return 0;
}

LRESULT CDockWindowBase::OnNcCalcSize(UINT, WPARAM, LPARAM l, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    FitCaption(m_caption, m_hWnd, *(RECT*)l);
    return 0;
}

LRESULT CDockWindowBase::OnNcHitTest(UINT, WPARAM, LPARAM l, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    return CaptionHitAt(m_caption, m_hWnd, l);
}

LRESULT CDockWindowBase::OnNcPaint(UINT, WPARAM, LPARAM, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    PaintCaption(m_caption, m_hWnd);
    return 0;
}

LRESULT CDockWindowBase::OnNcMouseMove(UINT, WPARAM w, LPARAM, bool& handled) {
    if (IsFloating()) {
        handled = false;
        return 0;
    }
    m_caption.TrackHot(m_hWnd, (int)w);
    return 0;
}

LRESULT CDockWindowBase::OnNcActivate(UINT, WPARAM, LPARAM, bool& handled) {
    if (IsFloating() || !::IsWindowEnabled(m_hWnd)) handled = false;
    return TRUE;
}

LRESULT CDockWindowBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool& handled) {
    DefWindowProc();
    auto* mmi = (MINMAXINFO*)l;
    int h = m_caption.Height();
    if (mmi->ptMinTrackSize.x < h) mmi->ptMinTrackSize.x = h;
    if (mmi->ptMinTrackSize.y < h) mmi->ptMinTrackSize.y = h;
    // A pane class may raise the minimum further.
    handled = false;
    return 0;
}

LRESULT CDockWindowBase::OnDockNotice(UINT, WPARAM w, LPARAM l, bool&) {
    bool horizontal = true;
    if (w == 0) {
        m_container = nullptr;
        // A container lets its window go with no parent and so no owner: an
        // unowned popup falls behind the frame at the frame's first click and
        // stays on screen while the frame is minimised. Owned by the frame it
        // stays above it and hides and shows with it.
        if (m_hostFrame && !(::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_CHILD) && ::GetParent(m_hWnd) == nullptr)
            ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, (LONG_PTR)m_hostFrame);
    } else {
        m_container = (HWND)l;
        horizontal = HIWORD(w) != 1;
    }
    m_caption.SetHorizontal(horizontal);
    return 1;
}

LRESULT CDockWindowBase::OnTimer(UINT, WPARAM w, LPARAM, bool& handled) {
    if (!m_caption.OnTimer(m_hWnd, w)) handled = false;
    return 0;
}
