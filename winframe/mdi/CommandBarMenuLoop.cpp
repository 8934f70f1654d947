// The command bar's popups and keyboard: tracking one popup after another
// while the user moves along the bar, and the Alt / F10 keyboard mode.
#include "MdiCommandBar.h"

namespace {
// The bar whose popup is open; one menu loop runs at a time on the thread.
thread_local CMdiCommandBar* t_trackingBar = nullptr;
}  // namespace

void CMdiCommandBar::TrackPopup(int index, bool fromKeyboard) {
    if (!m_menu || m_tracking >= 0) return;
    LeaveKeyboardMode();
    while (index >= 0 && index < ItemCount()) {
        HMENU popup = ::GetSubMenu(m_menu, index);
        if (!popup) {
            // A top-level item without a popup is a command of its own.
            const UINT id = ::GetMenuItemID(m_menu, index);
            if (id != (UINT)-1) ::PostMessageA(m_frame, WM_COMMAND, id, 0);
            break;
        }
        RECT rc = ItemRect(index);
        ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&rc, 2);
        SendMessage(TB_PRESSBUTTON, index + 1, TRUE);
        m_tracking = index;
        m_trackedMenu = popup;
        m_next = -1;
        t_trackingBar = this;
        m_filter = ::SetWindowsHookExA(WH_MSGFILTER, MenuFilter, nullptr, ::GetCurrentThreadId());
        // Opened from the keyboard, the first item starts selected.
        if (fromKeyboard) ::PostMessageA(m_frame, WM_KEYDOWN, VK_DOWN, 0);
        TPMPARAMS params{sizeof(params), rc};
        ::TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, rc.left, rc.bottom,
                           m_frame, &params);
        if (m_filter) ::UnhookWindowsHookEx(m_filter);
        m_filter = nullptr;
        t_trackingBar = nullptr;
        SendMessage(TB_PRESSBUTTON, index + 1, FALSE);
        m_tracking = -1;
        m_trackedMenu = nullptr;
        index = m_next;
        fromKeyboard = m_nextByKeyboard;
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK CMdiCommandBar::MenuFilter(int code, WPARAM w, LPARAM l) {
    CMdiCommandBar* bar = t_trackingBar;
    if (code == MSGF_MENU && bar && l && bar->MenuMessage(*(const MSG*)l)) return 1;
    return ::CallNextHookEx(bar ? bar->m_filter : nullptr, code, w, l);
}

// Whether the open popup's selected item leads to a submenu: then Left and
// Right belong to the menu, else they move along the bar.
bool CMdiCommandBar::HilitedItemHasPopup() const {
    const int count = m_trackedMenu ? ::GetMenuItemCount(m_trackedMenu) : 0;
    for (int i = 0; i < count; ++i) {
        const UINT state = ::GetMenuState(m_trackedMenu, i, MF_BYPOSITION);
        if (state != (UINT)-1 && (state & MF_HILITE)) return ::GetSubMenu(m_trackedMenu, i) != nullptr;
    }
    return false;
}

void CMdiCommandBar::SwitchTo(int index, bool byKeyboard) {
    m_next = index;
    m_nextByKeyboard = byKeyboard;
    ::EndMenu();
}

bool CMdiCommandBar::MenuMessage(const MSG& msg) {
    const int count = ItemCount();
    if (count <= 0 || m_tracking < 0) return false;
    switch (msg.message) {
    case WM_KEYDOWN:
        if ((msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT) && !HilitedItemHasPopup()) {
            const int step = msg.wParam == VK_LEFT ? count - 1 : 1;
            SwitchTo((m_tracking + step) % count, true);
            return true;
        }
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
        POINT pt = msg.pt;
        ::ScreenToClient(m_hWnd, &pt);
        const int button = ItemAt(pt);
        if (button < 0) return false;
        if (msg.message == WM_LBUTTONDOWN && button == m_tracking) {
            // Its own button again: the popup closes and stays closed.
            SwitchTo(-1, false);
            return true;
        }
        if (button != m_tracking) {
            SwitchTo(button, false);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void CMdiCommandBar::EnterKeyboardMode() {
    // A hidden bar would take the arrow keys with nothing to show for it.
    if (ItemCount() <= 0 || !(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE)) return;
    m_keyboardMode = true;
    SetHotItem(0);
}

void CMdiCommandBar::LeaveKeyboardMode() {
    if (!m_keyboardMode) return;
    m_keyboardMode = false;
    SetHotItem(-1);
}

bool CMdiCommandBar::PreTranslateMessage(MSG* msg) {
    if (!m_hWnd || !msg || !::IsWindowEnabled(m_frame)) return false;
    // Only the frame's own keys: a modeless dialog keeps its mnemonics.
    if (msg->hwnd != m_frame && !::IsChild(m_frame, msg->hwnd)) return false;
    switch (msg->message) {
    case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU) {
            if (!(msg->lParam & 0x40000000)) m_altDown = true;  // not a repeat
            return false;
        }
        m_altDown = false;
        if (msg->wParam == VK_F10 && ::GetKeyState(VK_SHIFT) >= 0) {
            if (m_keyboardMode) LeaveKeyboardMode();
            else EnterKeyboardMode();
            return true;
        }
        return false;
    case WM_SYSKEYUP:
        if (msg->wParam == VK_MENU && m_altDown) {
            // Alt alone: the bar takes the place of the system menu loop.
            m_altDown = false;
            if (m_keyboardMode) LeaveKeyboardMode();
            else EnterKeyboardMode();
            return true;
        }
        return msg->wParam == VK_F10;
    case WM_SYSCHAR: {
        m_altDown = false;
        const int index = FindMnemonic((char)msg->wParam);
        if (index < 0) return false;
        TrackPopup(index, true);
        return true;
    }
    default:
        return m_keyboardMode && KeyboardModeMessage(*msg);
    }
}

bool CMdiCommandBar::KeyboardModeMessage(const MSG& msg) {
    const int count = ItemCount();
    if (count <= 0) {
        LeaveKeyboardMode();
        return false;
    }
    int hot = GetHotItem();
    if (hot < 0) hot = 0;
    switch (msg.message) {
    case WM_KEYDOWN:
        switch (msg.wParam) {
        case VK_LEFT:
        case VK_RIGHT:
            SetHotItem((hot + (msg.wParam == VK_LEFT ? count - 1 : 1)) % count);
            return true;
        case VK_DOWN:
        case VK_UP:
        case VK_RETURN:
            TrackPopup(hot, true);
            return true;
        case VK_ESCAPE:
            LeaveKeyboardMode();
            return true;
        default:
            LeaveKeyboardMode();
            return false;
        }
    case WM_CHAR: {
        const int index = FindMnemonic((char)msg.wParam);
        if (index >= 0) TrackPopup(index, true);
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        LeaveKeyboardMode();
        return false;
    default:
        return false;
    }
}
