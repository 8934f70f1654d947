#include "DragOutline.h"

#include "DockSeams.h"

namespace {

// The class background paints the pattern; the brush lives as long as the
// process, as the class does.
HBRUSH HalftoneBackground() {
    static HBRUSH brush = CreateHalftoneBrush();
    return brush;
}

constexpr DWORD kOutlineExStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;

}  // namespace

WindowClassInfo CDragOutline::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = kClassName;
    info.style = 0;
    info.background = HalftoneBackground();
    info.cursor = nullptr;  // never under the mouse: the drag's owner sets the cursor
    return info;
}

void CDragOutline::Toggle(const RECT& screen) {
    if (m_drawn && ::EqualRect(&screen, &m_shown)) {
        m_drawn = false;
        return;
    }
    Show(screen);
}

void CDragOutline::Show(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!IsWindow()) {
        if (!Create(nullptr, &r, nullptr, WS_POPUP, kOutlineExStyle)) return;
        // Fully opaque: layered only so the pointer passes through it.
        ::SetLayeredWindowAttributes(m_hWnd, 0, 255, LWA_ALPHA);
    }
    if (!m_drawn || w != m_shown.right - m_shown.left || h != m_shown.bottom - m_shown.top) {
        HRGN shape = ::CreateRectRgn(0, 0, w, h);
        if (m_shape == OutlineShape::Frame && w > 2 * kThickness && h > 2 * kThickness) {
            HRGN inside = ::CreateRectRgn(kThickness, kThickness, w - kThickness, h - kThickness);
            ::CombineRgn(shape, shape, inside, RGN_DIFF);
            ::DeleteObject(inside);
        }
        // The window owns the region from here on.
        if (!::SetWindowRgn(m_hWnd, shape, FALSE)) ::DeleteObject(shape);
    }
    SetWindowPos(HWND_TOPMOST, r.left, r.top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_shown = r;
    m_drawn = true;
}

void CDragOutline::End() {
    if (IsWindow()) DestroyWindow();
    m_hWnd = nullptr;
    m_drawn = false;
}

CDragOutline& DragOutline(OutlineShape shape) {
    static CDragOutline frame(OutlineShape::Frame), bar(OutlineShape::Bar);
    return shape == OutlineShape::Frame ? frame : bar;
}

void EndDragOutlines() {
    DragOutline(OutlineShape::Frame).End();
    DragOutline(OutlineShape::Bar).End();
}
