#include "UpdateUI.h"

#include <commctrl.h>

void CUpdateUI::UIEnable(UINT id, bool enabled) {
    State& state = m_states[id];
    if (state.enabled != enabled) state.changed = true;
    state.enabled = enabled;
}

void CUpdateUI::UISetCheck(UINT id, int check) {
    State& state = m_states[id];
    if (state.check != check) state.changed = true;
    state.check = check;
}

bool CUpdateUI::UIIsEnabled(UINT id) const {
    auto it = m_states.find(id);
    return it == m_states.end() || it->second.enabled;
}

int CUpdateUI::UIGetCheck(UINT id) const {
    auto it = m_states.find(id);
    return it == m_states.end() ? 0 : it->second.check;
}

void CUpdateUI::UIUpdateToolBar() {
    for (auto& [id, state] : m_states) {
        if (!state.changed) continue;
        for (HWND toolbar : m_toolbars) {
            if (!::IsWindow(toolbar)) continue;
            ::SendMessageA(toolbar, TB_ENABLEBUTTON, id, MAKELPARAM(state.enabled ? TRUE : FALSE, 0));
            ::SendMessageA(toolbar, TB_CHECKBUTTON, id, MAKELPARAM(state.check ? TRUE : FALSE, 0));
        }
        state.changed = false;
    }
}

void CUpdateUI::UIUpdateMenu(HMENU menu) const {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(menu, i);
        if (id == (UINT)-1) continue;  // a submenu
        auto it = m_states.find(id);
        if (it == m_states.end()) continue;
        ::EnableMenuItem(menu, id, MF_BYCOMMAND | (it->second.enabled ? MF_ENABLED : MF_GRAYED));
        ::CheckMenuItem(menu, id, MF_BYCOMMAND | (it->second.check ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool CUpdateUI::ProcessWindowMessage(HWND, UINT uMsg, WPARAM wParam, LPARAM, LRESULT&, DWORD) {
    // Never consumes the message: the frame's own handler may still run.
    if (uMsg == WM_INITMENUPOPUP) UIUpdateMenu((HMENU)wParam);
    return false;
}
