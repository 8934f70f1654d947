#include "TabbedMdiChild.h"

#include "MdiMessages.h"

namespace {
HWND ClientOf(HWND window) { return ::GetParent(window); }
}  // namespace

LRESULT CTabbedMdiChild::OnSize(UINT, WPARAM w, LPARAM l, bool& handled) {
    handled = false;
    // No one else sizes the view: without this a maximized document would
    // keep its text in the corner it had before.
    if (w != SIZE_MINIMIZED && m_view && ::IsWindow(m_view)) {
        ::SetWindowPos(m_view, nullptr, 0, 0, LOWORD(l), HIWORD(l), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Only changes are reported, however often the size arrives.
    if (w == SIZE_MAXIMIZED) {
        if (m_maximized) return 0;
        m_maximized = true;
        ::SendMessageA(ClientOf(m_window), WM_MDI_MAXIMIZED, (WPARAM)m_window, l);
    } else if (m_maximized) {
        m_maximized = false;
        ::SendMessageA(ClientOf(m_window), WM_MDI_RESTORED, (WPARAM)m_window, l);
    }
    return 0;
}

LRESULT CTabbedMdiChild::OnSetFocus(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    if (m_view && ::IsWindow(m_view)) ::SetFocus(m_view);
    return 0;
}

LRESULT CTabbedMdiChild::OnMdiActivate(UINT, WPARAM, LPARAM l, bool& handled) {
    handled = false;
    if ((HWND)l == m_window) ::SendMessageA(ClientOf(m_window), WM_MDI_ACTIVATED, (WPARAM)m_window, 0);
    return 0;
}

LRESULT CTabbedMdiChild::OnMouseActivate(UINT msg, WPARAM w, LPARAM l, bool&) {
    const LRESULT result = ::DefMDIChildProcA(m_window, msg, w, l);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT) return result;
    HWND client = ClientOf(m_window);
    if ((HWND)::SendMessageA(client, WM_MDIGETACTIVE, 0, 0) != m_window) {
        ::SendMessageA(client, WM_MDIACTIVATE, (WPARAM)m_window, 0);
    }
    return result;
}

LRESULT CTabbedMdiChild::OnDocClose(UINT, WPARAM, LPARAM, bool&) {
    // Straight to the default close: the document's own WM_CLOSE would ask to save.
    return ::DefMDIChildProcA(m_window, WM_CLOSE, 0, 0);
}
