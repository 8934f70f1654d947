#include "PaneLoops.h"

namespace {

enum class Step { Go, Cancel, Release };

// False when the loop must end: a quit (posted again) or an error.
bool GetLoopMessage(MSG& msg) {
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) ::PostQuitMessage((int)msg.wParam);
    return got > 0;
}

POINT ClientPoint(const MSG& msg) { return {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)}; }

}  // namespace

namespace {

// The loop both trackers share. Escape, another button or a system key
// cancel; a button release ends it. `special` sees key downs, key ups and
// mouse moves first and returns true when it took them.
bool RunCaptureLoop(HWND pane, POINT& release, const std::function<bool(const MSG&)>& special) {
    ::SetCapture(pane);
    if (::GetCapture() != pane) return false;
    Step step = Step::Go;
    while (step == Step::Go && ::GetCapture() == pane) {
        MSG msg;
        if (!GetLoopMessage(msg)) {
            step = Step::Cancel;
            break;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (!special(msg) && msg.wParam == VK_ESCAPE) step = Step::Cancel;
            break;
        case WM_MOUSEMOVE:
            special(msg);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            step = Step::Cancel;
            break;
        case WM_SYSKEYDOWN:
            step = Step::Cancel;
            ::DispatchMessageA(&msg);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            release = ClientPoint(msg);
            step = Step::Release;
            break;
        case WM_KEYUP:
            if (special(msg)) break;
            [[fallthrough]];
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (::GetCapture() == pane) ::ReleaseCapture();
    return step == Step::Release;
}

}  // namespace

bool TrackButtonPress(HWND pane, POINT& release) {
    return RunCaptureLoop(pane, release, [](const MSG&) { return false; });
}

bool TrackDockDrag(HWND pane, POINT start, const std::function<void(POINT)>& move) {
    POINT last = start, release{};
    return RunCaptureLoop(pane, release, [&](const MSG& msg) {
        if (msg.message == WM_MOUSEMOVE) {
            last = ClientPoint(msg);
        } else if (msg.wParam != VK_CONTROL) {
            return false;  // other keys keep their usual meaning
        }
        move(last);
        return true;
    });
}

void SendToDescendants(HWND window, UINT msg, WPARAM w, LPARAM l) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, msg, w, l);
        SendToDescendants(child, msg, w, l);
    }
}
