#include "PaneParenting.h"

#include "DockMessage.h"

namespace {

// Everything but the caption and popup/child bits.
constexpr LONG_PTR kKeepBits = 0x3F3FFFFF;
constexpr LONG_PTR kPopupCaption = 0x80C00000;

void SetStyle(HWND pane, LONG_PTR add) {
    LONG_PTR style = ::GetWindowLongPtrA(pane, GWL_STYLE);
    ::SetWindowLongPtrA(pane, GWL_STYLE, (style & kKeepBits) | add);
}

}  // namespace

void AdoptPane(HWND pane, HWND container, WPARAM notice) {
    ::ShowWindow(pane, SW_HIDE);
    SetStyle(pane, WS_CHILD);
    ::SetParent(pane, container);
    ::SendMessageA(pane, WM_NCACTIVATE, TRUE, 0);
    ::SendMessageA(pane, WM_DOCKNOTICE, notice, (LPARAM)container);
}

void ReleasePane(HWND pane, HWND container) {
    ::ShowWindow(pane, SW_HIDE);
    SetStyle(pane, kPopupCaption);
    ::SetParent(pane, nullptr);
    ::SendMessageA(pane, WM_DOCKNOTICE, 0, (LPARAM)container);
}
