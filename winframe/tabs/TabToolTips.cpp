#include "TabToolTips.h"

#include <commctrl.h>

namespace {

TOOLINFOA Tool(HWND owner, UINT_PTR id) {
    TOOLINFOA ti{};
    // The oldest layout every comctl32 accepts.
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = owner;
    ti.uId = id;
    return ti;
}

}  // namespace

bool CTabToolTips::Create(HWND owner) {
    Destroy();
    m_owner = owner;
    m_hWnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd) return false;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    const UINT d = ::GetDoubleClickTime();
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(LOWORD(d), 0));
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(LOWORD(20 * d), 0));
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(LOWORD(d / 5), 0));
    return true;
}

void CTabToolTips::Destroy() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

void CTabToolTips::Activate(bool on) {
    if (m_hWnd) ::SendMessageA(m_hWnd, TTM_ACTIVATE, on, 0);
}

void CTabToolTips::AddTool(UINT_PTR id, const char* text, const RECT& rect) {
    if (!m_hWnd) return;
    TOOLINFOA ti = Tool(m_owner, id);
    ti.uFlags = 0;  // mouse input is relayed by the owner
    ti.rect = rect;
    ti.lpszText = text ? const_cast<char*>(text) : LPSTR_TEXTCALLBACKA;
    ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CTabToolTips::DeleteTool(UINT_PTR id) {
    if (!m_hWnd) return;
    TOOLINFOA ti = Tool(m_owner, id);
    ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CTabToolTips::SetToolRect(UINT_PTR id, const RECT& rect) {
    if (!m_hWnd) return;
    TOOLINFOA ti = Tool(m_owner, id);
    ti.rect = rect;
    ::SendMessageA(m_hWnd, TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

void CTabToolTips::Relay(HWND from, UINT msg, WPARAM w, LPARAM l) {
    if (!m_hWnd) return;
    MSG m{from, msg, w, l, (DWORD)::GetMessageTime(), {}};
    DWORD pos = ::GetMessagePos();
    m.pt = {(short)LOWORD(pos), (short)HIWORD(pos)};
    ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, (LPARAM)&m);
}
