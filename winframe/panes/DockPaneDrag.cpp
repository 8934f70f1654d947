// Dragging a pane by its caption: a ghost frame follows the mouse in a
// capture loop, showing where the pane would dock or float; the drop then
// docks or floats it.
#include "DockPane.h"
#include "DockSeams.h"
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

}  // namespace

void CDockPaneBase::DragPane(POINT press) {
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (!Seams().dragDetect(m_hWnd, press)) return;
    RECT window{};
    GetWindowRect(&window);
    if (::IsRectEmpty(&m_floatRect)) {
        DockMessage clamp(m_hWnd, nullptr, kDockClampFloat);
        clamp.drag.rect = window;
        SendDockMessage(m_hostFrame, clamp);
        m_floatRect = clamp.drag.rect;
    }
    DockMessage record(m_hWnd, nullptr, 0);
    int fw = Width(m_floatRect), fh = Height(m_floatRect);
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
        MoveStep(record, at, press, start);
        last = at;
        ::ClientToScreen(m_hWnd, &last);
    });
    PaneSeam().drawGhostFrame(record.drag.rect);

    if (commit && (record.target || last.x != press.x || last.y != press.y)) Drop(record);
}

void CDockPaneBase::MoveStep(DockMessage& record, POINT client, POINT press, const RECT& start) {
    PaneSeam().drawGhostFrame(record.drag.rect);
    POINT at = client;
    ::ClientToScreen(m_hWnd, &at);
    RECT& r = record.drag.rect;
    r = {at.x, at.y, at.x + Width(m_floatRect), at.y + Height(m_floatRect)};
    record.code = kDockClampFloat;
    SendDockMessage(m_hostFrame, record);
    bool accepted = false;
    if (::GetKeyState(VK_CONTROL) >= 0) accepted = FindDropTarget(record, at);
    if (!accepted) {
        record.target = nullptr;
        r = start;
        ::OffsetRect(&r, at.x - press.x, at.y - press.y);
    }
    PaneSeam().drawGhostFrame(r);
}

bool CDockPaneBase::FindDropTarget(DockMessage& record, POINT screen) {
    // The first window up from the point that speaks the protocol; windows
    // of other processes are never asked, as a hung one would stall the drag.
    HWND desktop = ::GetDesktopWindow();
    for (HWND h = ::WindowFromPoint(screen); h && h != m_hWnd && h != desktop && SameProcess(h);
         h = ::GetAncestor(h, GA_PARENT)) {
        if (!SpeaksDockProtocol(h)) continue;
        DockMessage probe = record;
        probe.code = kDockHitTest;
        probe.target = nullptr;
        if (::SendMessageA(h, m_boxMessage, 0, (LPARAM)&probe)) {
            record = probe;
            return true;
        }
        break;
    }
    record.code = kDockHitTest;
    record.target = nullptr;
    return SendDockMessage(m_hostFrame, record) != 0 && record.target;
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
