#include "TabbedMdiClient.h"

#include "MdiMessages.h"

CTabbedMdiClient::~CTabbedMdiClient() {
    if (!IsWindow() || !m_ourProc) return;
    // A hook installed over ours since keeps its place in the chain.
    const WNDPROC current = (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    HWND hWnd = UnsubclassWindow();
    if (current != m_ourProc) ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)current);
}

bool CTabbedMdiClient::SubclassWindow(HWND mdiClient) {
    if (!CMsgWindow::SubclassWindow(mdiClient)) return false;
    m_ourProc = (WNDPROC)::GetWindowLongPtrA(mdiClient, GWLP_WNDPROC);
    // The client's empty area reports double clicks to the frame.
    ::SetClassLongPtrA(mdiClient, GCL_STYLE, ::GetClassLongPtrA(mdiClient, GCL_STYLE) | CS_DBLCLKS);
    m_owner.CreateOwner(GetParent(), mdiClient);
    m_owner.UpdateTabHeight();
    return true;
}

LRESULT CTabbedMdiClient::OnSettingChange(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    if (m_owner.Strip().IsWindow()) m_owner.Strip().SendMessage(msg, w, l);
    m_owner.UpdateTabHeight();
    handled = false;
    return 0;
}

LRESULT CTabbedMdiClient::OnWindowPosChanging(UINT, WPARAM, LPARAM l, bool& handled) {
    handled = false;
    auto* pos = (WINDOWPOS*)l;
    if (!pos || !m_owner.IsWindow()) return 0;
    const int h = (::GetWindowLongA(m_owner, GWL_STYLE) & WS_VISIBLE) ? m_owner.GetTabHeight() : 0;
    const UINT flags = (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) | SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_owner.TabsAtBottom()) {
        m_owner.SetWindowPos(nullptr, pos->x, pos->y + pos->cy - h, pos->cx, h, flags);
        if (!(pos->flags & SWP_NOSIZE)) pos->cy -= h;
    } else {
        m_owner.SetWindowPos(nullptr, pos->x, pos->y, pos->cx, h, flags);
        if (!(pos->flags & SWP_NOMOVE)) pos->y += h;
        if (!(pos->flags & SWP_NOSIZE)) pos->cy -= h;
    }
    return 0;
}

LRESULT CTabbedMdiClient::OnDoubleClick(UINT msg, WPARAM w, LPARAM l, bool&) {
    ::SendMessageA(GetParent(), msg, w, l);
    return 0;
}

LRESULT CTabbedMdiClient::OnMdiDestroy(UINT, WPARAM w, LPARAM, bool&) {
    const LRESULT result = DefWindowProc();
    m_owner.RemoveTab((HWND)w);
    return result;
}

LRESULT CTabbedMdiClient::OnTabMessage(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    HWND document = (HWND)w;
    switch (msg) {
    case WM_MDI_TABTEXT:
        if (document) m_owner.SetTabText(document, (const char*)l);
        return 0;
    case WM_MDI_TABTOOLTIP:
        if (document) m_owner.SetTabToolTip(document, (const char*)l);
        return 0;
    case WM_MDI_ACTIVATED:
        if (document) m_owner.ActivateTab(document);
        return 0;
    case WM_MDI_MAXIMIZED:
    case WM_MDI_RESTORED:
        return 0;  // for the command bar, which watches the client too
    case WM_MDI_DOCFRAME:
        if (document) m_owner.SetTabUserValue(document, l);
        return 0;
    case WM_MDI_TABSTATE:
        if (document) m_owner.SetTabImage(document, (int)l);
        return 0;
    default:
        handled = false;
        return 0;
    }
}
