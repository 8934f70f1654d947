#pragma once
// Enabled and checked state per command id, pushed to the toolbars on idle
// and applied to a popup menu as it opens. A frame chains this map so that
// WM_INITMENUPOPUP reaches it.
#include "MessageMap.h"

#include <map>
#include <vector>

class CUpdateUI : public CMessageMap {
public:
    void UIAddToolBar(HWND toolbar) { m_toolbars.push_back(toolbar); }
    void UIEnable(UINT id, bool enabled);
    void UISetCheck(UINT id, int check);
    bool UIIsEnabled(UINT id) const;
    int UIGetCheck(UINT id) const;
    // Sends the changed states to the toolbars.
    void UIUpdateToolBar();
    // Applies the known states to the items of a menu (not its submenus).
    void UIUpdateMenu(HMENU menu) const;

    bool ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD mapId = 0) override;

private:
    struct State {
        bool enabled = true;
        int check = 0;
        bool changed = true;
    };
    std::map<UINT, State> m_states;
    std::vector<HWND> m_toolbars;
};
