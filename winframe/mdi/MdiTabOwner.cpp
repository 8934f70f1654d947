#include "MdiTabOwner.h"

#include <windowsx.h>

#include "GdiHandles.h"
#include "MdiMessages.h"

namespace {
const char kUntitled[] = "Untitled";
}

int MdiTabHeightForFont(int fontHeight) { return (::MulDiv(24, fontHeight, 11) - 24) / 2 + 24; }

bool CMdiTabOwner::CreateOwner(HWND frame, HWND mdiClient) {
    if (m_hWnd) return true;
    m_mdiClient = mdiClient;
    RECT empty{};
    return Create(frame, &empty, nullptr, kWindowStyle) != nullptr;
}

LRESULT CMdiTabOwner::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    CreateStrip();
    return 0;
}

void CMdiTabOwner::CreateStrip() {
    if (m_strip.IsWindow()) m_strip.DestroyWindow();
    RECT empty{};
    // The strip makes its own 13x13 image list as it is created.
    m_strip.Create(m_hWnd, &empty, nullptr, CDotNetTabCtrl::kWindowStyle | m_stripStyle);
    UpdateTabHeight();
}

void CMdiTabOwner::SetTabsHidden(bool hide) {
    if (m_strip.hidden == hide) return;
    m_strip.hidden = hide;
    UpdateTabHeight();
    if (hide) HideTabs();
    else ShowTabs();
}

void CMdiTabOwner::UpdateTabHeight() {
    LOGFONTA font{};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0);
    int h = -font.lfHeight;
    if (m_strip.IsWindow() && m_strip.GetFont()) {
        const CClientDc dc(m_strip);
        const CSelectObject selected(dc, m_strip.GetFont());
        TEXTMETRICA tm{};
        if (::GetTextMetricsA(dc, &tm)) h = tm.tmAscent;
    }
    SetTabHeight(MdiTabHeightForFont(h));
}

void CMdiTabOwner::SetTabHeight(int height) {
    if (m_strip.hidden) {
        m_strip.stripHeight = 0;
        return;
    }
    const int old = m_strip.stripHeight;
    if (height == old) return;
    m_strip.stripHeight = height;
    // The client's position change takes the new height off again.
    if (OwnerVisible()) ReplaceClient(old);
}

void CMdiTabOwner::ReplaceClient(int extra) const {
    if (!m_mdiClient) return;
    RECT rc{};
    ::GetWindowRect(m_mdiClient, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), (POINT*)&rc, 2);
    if (TabsAtBottom()) rc.bottom += extra;
    else rc.top -= extra;
    ::SetWindowPos(m_mdiClient, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMdiTabOwner::ShowTabs() {
    if (!m_hWnd || OwnerVisible()) return;
    ShowWindow(SW_SHOWNA);
    ReplaceClient(0);
}

void CMdiTabOwner::HideTabs() {
    if (!OwnerVisible()) return;
    RECT strip{};
    m_strip.GetWindowRect(&strip);
    ShowWindow(SW_HIDE);
    ReplaceClient(strip.bottom - strip.top);
}

LRESULT CMdiTabOwner::OnSize(UINT, WPARAM, LPARAM, bool&) {
    if (!m_strip.IsWindow()) return 0;
    RECT rc{};
    GetClientRect(&rc);
    m_strip.SetWindowPos(nullptr, 0, 0, rc.right, rc.bottom, SWP_NOACTIVATE | SWP_NOZORDER);
    m_strip.UpdateLayout();
    return 0;
}

LRESULT CMdiTabOwner::OnEraseBackground(UINT, WPARAM, LPARAM, bool& handled) {
    if (!m_strip.IsWindow()) handled = false;
    return 1;
}

// ---- tabs by document window ----------------------------------------------

int CMdiTabOwner::FindTab(HWND document) const {
    if (!document || !m_strip.IsWindow()) return -1;
    CTabStripItem pattern;
    pattern.data = (LPARAM)document;
    return m_strip.FindItem(&pattern, TSIF_DATA);
}

HWND CMdiTabOwner::TabWindow(int index) const {
    const CTabStripItem* item = m_strip.GetItem(index);
    return item ? (HWND)item->data : nullptr;
}

void CMdiTabOwner::Repaint() {
    m_strip.UpdateLayout();
    ::InvalidateRect(m_strip, nullptr, FALSE);
}

void CMdiTabOwner::ActivateTab(HWND document) {
    if (!document || !m_strip.IsWindow()) return;
    int index = FindTab(document);
    if (index < 0) {
        std::string text = CWindowHandle(document).GetWindowText();
        index = m_strip.InsertItem(-1, text.empty() ? kUntitled : text.c_str(), -1, (LPARAM)document);
        if (m_strip.GetItemCount() == m_strip.minTabCount) SetTabsHidden(false);
    }
    m_strip.SetCurSel(index, true);
}

void CMdiTabOwner::RemoveTab(HWND document) {
    const int index = FindTab(document);
    if (index < 0) return;
    m_strip.DeleteItem(index, true, true);
    if (m_strip.GetItemCount() < m_strip.minTabCount) SetTabsHidden(true);
}

bool CMdiTabOwner::SetTabText(HWND document, const char* text) {
    CTabStripItem* item = m_strip.GetItem(FindTab(document));
    if (!item) return false;
    std::string value = text ? std::string(text) : CWindowHandle(document).GetWindowText();
    if (item->text == value) return false;
    item->text = std::move(value);
    Repaint();
    return true;
}

bool CMdiTabOwner::SetTabToolTip(HWND document, const char* text) {
    CTabStripItem* item = m_strip.GetItem(FindTab(document));
    const std::string value = text ? text : "";
    if (!item || item->tooltip == value) return false;
    item->tooltip = value;
    return true;
}

bool CMdiTabOwner::SetTabUserValue(HWND document, LPARAM value) {
    CTabStripItem* item = m_strip.GetItem(FindTab(document));
    if (!item) return false;
    item->userValue = value;
    return true;
}

bool CMdiTabOwner::SetTabImage(HWND document, int image) {
    CTabStripItem* item = m_strip.GetItem(FindTab(document));
    if (!item || item->image == image) return false;
    item->image = image;
    Repaint();
    return true;
}

// ---- strip notifications -------------------------------------------------

void CMdiTabOwner::FocusTab(int index) const {
    if (HWND window = TabWindow(index)) ::SetFocus(window);
}

void CMdiTabOwner::ActivateSelected() {
    HWND window = TabWindow(m_strip.GetCurSel());
    if (!window || !m_mdiClient) return;
    HWND active = (HWND)::SendMessageA(m_mdiClient, WM_MDIGETACTIVE, 0, 0);
    if (window == active) return;
    WINDOWPLACEMENT place{sizeof(place)};
    // Switching from a maximized child would show the restored frames in between.
    const bool freeze = active && ::GetWindowPlacement(active, &place) && place.showCmd == SW_SHOWMAXIMIZED;
    if (freeze) ::SendMessageA(m_mdiClient, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(m_mdiClient, WM_MDIACTIVATE, (WPARAM)window, 0);
    place = WINDOWPLACEMENT{sizeof(place)};
    if (::GetWindowPlacement(window, &place) && place.showCmd == SW_SHOWMINIMIZED) ::ShowWindow(window, SW_RESTORE);
    if (freeze) {
        ::SendMessageA(m_mdiClient, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_mdiClient, nullptr, nullptr, RDW_ALLCHILDREN | RDW_INVALIDATE);
    }
}

LRESULT CMdiTabOwner::OnNotify(UINT, WPARAM, LPARAM l, bool& handled) {
    const NMHDR* hdr = (const NMHDR*)l;
    if (!hdr || hdr->hwndFrom != m_strip.m_hWnd) {
        handled = false;
        return 0;
    }
    const auto* item = (const NMTABSTRIPITEM*)l;
    const auto* pair = (const NMTABSTRIPPAIR*)l;
    switch (hdr->code) {
    case NM_CLICK:
        if (item->item >= 0 && item->item == m_strip.GetCurSel()) FocusTab(item->item);
        return 0;
    case NM_DBLCLK:
        // A double click beside the tabs names no tab and closes nothing.
        if (HWND window = TabWindow(item->item)) ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case TCN_SELCHANGE:
        ActivateSelected();
        return 0;
    case TSN_CLOSECLICK:
        if (HWND window = TabWindow(m_strip.GetCurSel())) ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case TSN_ENDDRAG:
        FocusTab(pair->second);
        return 0;
    case TSN_CANCELDRAG:
        FocusTab(item->item);
        return 0;
    default:
        // TCN_SELCHANGING and TSN_ITEMDELETING are allowed.
        return 0;
    }
}

LRESULT CMdiTabOwner::OnContextMenu(UINT, WPARAM w, LPARAM l, bool&) {
    POINT pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    int index = -1;
    if (pt.x == -1 && pt.y == -1) {
        RECT rc{};
        index = m_strip.GetCurSel();
        if (!m_strip.GetItemRect(index, &rc)) return 0;
        pt = POINT{rc.left, rc.bottom};
        ::MapWindowPoints(m_strip, nullptr, &pt, 1);
    } else {
        POINT local = pt;
        ::MapWindowPoints(nullptr, m_strip, &local, 1);
        index = m_strip.HitTest(local);
    }
    if (HWND window = TabWindow(index)) {
        ::SendMessageA(window, WM_DOC_TABMENU, w, MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y));
    }
    return 0;
}
