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

bool TrackButtonPress(HWND pane, POINT& release) {
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
            if (msg.wParam == VK_ESCAPE) step = Step::Cancel;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            step = Step::Cancel;
            break;
        case WM_SYSKEYDOWN:
            step = Step::Cancel;
            ::DispatchMessageA(&msg);
            break;
        case WM_MOUSEMOVE:
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            release = ClientPoint(msg);
            step = Step::Release;
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (::GetCapture() == pane) ::ReleaseCapture();
    return step == Step::Release;
}

bool TrackDockDrag(HWND pane, POINT start, const std::function<void(POINT)>& move) {
    ::SetCapture(pane);
    if (::GetCapture() != pane) return false;
    POINT last = start;
    Step step = Step::Go;
    while (step == Step::Go && ::GetCapture() == pane) {
        MSG msg;
        if (!GetLoopMessage(msg)) {
            step = Step::Cancel;
            break;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_CONTROL)
                move(last);
            else if (msg.wParam == VK_ESCAPE)
                step = Step::Cancel;
            break;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL) {
                move(last);
            } else {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            step = Step::Cancel;
            break;
        case WM_SYSKEYDOWN:
            step = Step::Cancel;
            ::DispatchMessageA(&msg);
            break;
        case WM_MOUSEMOVE:
            last = ClientPoint(msg);
            move(last);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            step = Step::Release;
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (::GetCapture() == pane) ::ReleaseCapture();
    return step == Step::Release;
}

void SendToDescendants(HWND window, UINT msg, WPARAM w, LPARAM l) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, msg, w, l);
        SendToDescendants(child, msg, w, l);
    }
}
