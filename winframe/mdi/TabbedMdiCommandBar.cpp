#include "TabbedMdiCommandBar.h"

#include <algorithm>

#include "MdiMessages.h"

namespace {

HICON SmallIconOf(HWND window) {
    HICON icon = (HICON)::SendMessageA(window, WM_GETICON, ICON_SMALL, 0);
    if (!icon) icon = (HICON)::GetClassLongPtrA(window, GCLP_HICONSM);
    if (!icon) icon = (HICON)::GetClassLongPtrA(window, GCLP_HICON);
    return icon;
}

}  // namespace

CTabbedMdiCommandBar::~CTabbedMdiCommandBar() {
    if (m_client && ::IsWindow(m_client)) ::RemoveWindowSubclass(m_client, ClientHook, (UINT_PTR)this);
}

bool CTabbedMdiCommandBar::SetMdiClient(HWND mdiClient) {
    if (m_client) ::RemoveWindowSubclass(m_client, ClientHook, (UINT_PTR)this);
    m_client = nullptr;
    if (!mdiClient || !::SetWindowSubclass(mdiClient, ClientHook, (UINT_PTR)this, (DWORD_PTR)this)) return false;
    m_client = mdiClient;
    return true;
}

LRESULT CALLBACK CTabbedMdiCommandBar::ClientHook(HWND hWnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) {
    auto* bar = (CTabbedMdiCommandBar*)ref;
    if (bar->m_options & kTabbedMode) {
        if (msg == WM_MDI_MAXIMIZED) bar->DocumentMaximized((HWND)w);
        else if (msg == WM_MDI_RESTORED || msg == WM_MDIDESTROY) bar->DocumentLeft((HWND)w);
    }
    return ::DefSubclassProc(hWnd, msg, w, l);
}

void CTabbedMdiCommandBar::DocumentMaximized(HWND document) {
    if (!document) return;
    HICON icon = ChildIcon();
    if (document != MaximizedChild()) icon = SmallIconOf(document);
    const bool shownChanged = !ControlsShown();
    const bool iconChanged = icon != ChildIcon();
    SetControls(document, icon, true);
    Relayout(shownChanged, iconChanged);
}

void CTabbedMdiCommandBar::DocumentLeft(HWND document) {
    if (!document || document != MaximizedChild()) return;
    const bool shownChanged = ControlsShown();
    const bool iconChanged = ChildIcon() != nullptr;
    SetControls(nullptr, nullptr, false);
    Relayout(shownChanged, iconChanged);
}

void CTabbedMdiCommandBar::WidenBand(bool wider) {
    HWND rebar = GetParent();
    const int count = rebar ? (int)::SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0) : 0;
    const int delta = LeftReservedWidth() + RightReservedWidth();
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        if (!::SendMessageA(rebar, RB_GETBANDINFOA, i, (LPARAM)&band) || band.hwndChild != m_hWnd) continue;
        if (!(band.fStyle & RBBS_USECHEVRON)) return;
        const auto adjust = [&](UINT value) { return (UINT)std::max(0, (int)value + (wider ? delta : -delta)); };
        band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        band.cxMinChild = adjust(band.cxMinChild);
        band.cxIdeal = adjust(band.cxIdeal);
        ::SendMessageA(rebar, RB_SETBANDINFOA, i, (LPARAM)&band);
        return;
    }
}

void CTabbedMdiCommandBar::Relayout(bool shownChanged, bool iconChanged) {
    if (!m_hWnd) return;
    if (shownChanged) WidenBand(ControlsShown());
    if (!shownChanged && !iconChanged) return;
    // A size change makes the toolbar lay its buttons out again.
    RECT rc{};
    GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, GetParent(), (POINT*)&rc, 2);
    SendMessage(WM_SETREDRAW, FALSE);
    SetWindowPos(nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessage(WM_SETREDRAW, TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_INVALIDATE);
}
