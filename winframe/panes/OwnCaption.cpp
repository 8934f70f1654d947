#include "OwnCaption.h"

#include <string>

#include "GdiHandles.h"
#include "PaneLoops.h"

namespace {

POINT WindowRelative(HWND window, POINT screen) {
    RECT w{};
    ::GetWindowRect(window, &w);
    return {screen.x - w.left, screen.y - w.top};
}

}  // namespace

bool HasCaptionStyle(HWND window) {
    return (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

void FitCaption(CPaneCaption& caption, HWND window, RECT& proposed) {
    RECT origin = proposed;
    ::OffsetRect(&origin, -proposed.left, -proposed.top);
    RECT client = caption.Layout(origin, HasCaptionStyle(window));
    ::OffsetRect(&client, proposed.left, proposed.top);
    proposed = client;
}

int CaptionHitAt(const CPaneCaption& caption, HWND window, LPARAM screen) {
    return caption.HitTest(WindowRelative(window, {(short)LOWORD(screen), (short)HIWORD(screen)}));
}

void PaintCaption(const CPaneCaption& caption, HWND window) {
    if (!HasCaptionStyle(window)) return;
    const CWindowDc dc(window);
    if (!dc) return;
    int length = ::GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    text.resize(::GetWindowTextA(window, text.data(), length + 1));
    caption.Paint(dc, text);
}

bool PressCaptionButton(CPaneCaption& caption, HWND window, int hit) {
    CCaptionButton* button = caption.ButtonOf(hit);
    if (!button) return false;
    caption.SetPressed(window, *button, true);
    POINT release{};
    bool released = TrackButtonPress(window, release);
    caption.SetPressed(window, *button, false);
    if (!released) return false;
    ::ClientToScreen(window, &release);
    return caption.HitTest(WindowRelative(window, release)) == hit;
}

LRESULT DefWithoutSystemCaption(CMsgWindow& window, UINT msg, WPARAM w, LPARAM l) {
    LONG_PTR style = ::GetWindowLongPtrA(window.m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(window.m_hWnd, GWL_STYLE, style & ~(LONG_PTR)WS_CAPTION);
    LRESULT result = window.DefWindowProc(msg, w, l);
    ::SetWindowLongPtrA(window.m_hWnd, GWL_STYLE, style);
    RecomputeFrame(window.m_hWnd);
    return result;
}

void RecomputeFrame(HWND window) {
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
