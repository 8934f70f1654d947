#include "BarTracker.h"

#include "DockSeams.h"
#include "DragOutline.h"

namespace {

void DrawGhost(const BarTrack& t, int offset) {
    RECT r = SplitterBarRect(t.area, t.axis, offset);
    ::MapWindowPoints(t.owner, nullptr, (POINT*)&r, 2);
    Seams().drawGhostBar(r);
}

int PointerAlong(const BarTrack& t, const MSG& msg) {
    POINT p{(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
    if (msg.hwnd && msg.hwnd != t.owner) ::MapWindowPoints(msg.hwnd, t.owner, &p, 1);
    return Along(p, t.axis);
}

}  // namespace

int ClampBarOffset(int pointer, int grab, int lo, int hi) {
    int c = pointer - grab;
    if (c > hi) c = hi;
    if (c < lo) c = lo;
    return c;
}

bool TrackSplitterBar(const BarTrack& t) {
    ::SetCapture(t.owner);
    if (::GetCapture() != t.owner) return false;
    int current = t.offset;
    bool cancelled = false;
    bool released = false;
    if (t.outline) DrawGhost(t, current);
    while (!released && !cancelled && ::GetCapture() == t.owner) {
        MSG msg;
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage((int)msg.wParam);
            cancelled = true;
            break;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) cancelled = true;
            break;  // other keys are swallowed
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            cancelled = true;
            break;
        case WM_SYSKEYDOWN:
            cancelled = true;
            ::DispatchMessageA(&msg);
            break;
        case WM_MOUSEMOVE: {
            int c = ClampBarOffset(PointerAlong(t, msg), t.grab, t.lo, t.hi);
            if (c == current) break;
            if (t.outline) {
                DrawGhost(t, current);
                DrawGhost(t, c);
            } else if (t.apply) {
                t.apply(c);
            }
            current = c;
            break;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            released = true;
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    // A capture taken away by someone else counts as a cancel.
    if (!released) cancelled = true;
    if (::GetCapture() == t.owner) ::ReleaseCapture();
    if (t.outline) {
        DrawGhost(t, current);
        EndDragOutlines();
        if (cancelled || current == t.offset || !t.apply) return false;
        t.apply(current);
        return true;
    }
    return current != t.offset;  // live moves were applied as they came
}
