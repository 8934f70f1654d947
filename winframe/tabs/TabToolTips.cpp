#include "TabToolTips.h"

#include <commctrl.h>

#include <algorithm>

namespace {

TOOLINFOA ToolInfo(HWND owner, UINT_PTR id) {
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
    m_active = true;
    return owner != nullptr;
}

HWND CTabToolTips::Handle() const {
    if (m_hWnd || !m_owner || !::IsWindow(m_owner)) return m_hWnd;
    m_hWnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_owner, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd) return nullptr;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    const UINT d = ::GetDoubleClickTime();
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(LOWORD(d), 0));
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(LOWORD(20 * d), 0));
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(LOWORD(d / 5), 0));
    ::SendMessageA(m_hWnd, TTM_ACTIVATE, m_active, 0);
    for (const Tool& tool : m_tools) SendTool(TTM_ADDTOOLA, tool);
    return m_hWnd;
}

void CTabToolTips::Destroy() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    m_owner = nullptr;
    m_tools.clear();
}

void CTabToolTips::SendTool(UINT message, const Tool& tool) const {
    TOOLINFOA ti = ToolInfo(m_owner, tool.id);
    ti.uFlags = 0;  // mouse input is relayed by the owner
    ti.rect = tool.rect;
    ti.lpszText = tool.callback ? LPSTR_TEXTCALLBACKA : const_cast<char*>(tool.text.c_str());
    ::SendMessageA(m_hWnd, message, 0, (LPARAM)&ti);
}

void CTabToolTips::Activate(bool on) {
    m_active = on;
    if (m_hWnd) ::SendMessageA(m_hWnd, TTM_ACTIVATE, on, 0);
}

void CTabToolTips::AddTool(UINT_PTR id, const char* text, const RECT& rect) {
    if (!m_owner) return;
    m_tools.push_back({id, text == nullptr, text ? text : "", rect});
    if (m_hWnd) SendTool(TTM_ADDTOOLA, m_tools.back());
}

void CTabToolTips::DeleteTool(UINT_PTR id) {
    const auto tool = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.id == id; });
    if (tool == m_tools.end()) return;
    m_tools.erase(tool);
    if (!m_hWnd) return;
    TOOLINFOA ti = ToolInfo(m_owner, id);
    ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CTabToolTips::SetToolRect(UINT_PTR id, const RECT& rect) {
    const auto tool = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.id == id; });
    if (tool == m_tools.end()) return;
    tool->rect = rect;
    if (m_hWnd) SendTool(TTM_NEWTOOLRECTA, *tool);
}

void CTabToolTips::Relay(HWND from, UINT msg, WPARAM w, LPARAM l) {
    if (!Handle()) return;
    MSG m{from, msg, w, l, (DWORD)::GetMessageTime(), {}};
    DWORD pos = ::GetMessagePos();
    m.pt = {(short)LOWORD(pos), (short)HIWORD(pos)};
    ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, (LPARAM)&m);
}
