#pragma once
// The message layer every document window runs after its own map and
// before the default MDI child handling: it tells the tabbed MDI client of
// activation, maximizing and restoring, and closes on WM_DOC_CLOSE.
// A document window chains it with TW_CHAIN_MSG_MAP_MEMBER.
#include "MdiMessages.h"
#include "MessageMap.h"

class CTabbedMdiChild : public CMessageMap {
public:
    // The view that fills the window and gets the focus with it; may be null.
    void SetViewWindow(HWND view) { m_view = view; }
    bool IsMaximized() const { return m_maximized; }

    TW_BEGIN_MSG_MAP(CTabbedMdiChild)
        m_window = hWnd;
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_SETFOCUS, OnSetFocus)
        TW_MESSAGE_HANDLER(WM_MDIACTIVATE, OnMdiActivate)
        TW_MESSAGE_HANDLER(WM_MOUSEACTIVATE, OnMouseActivate)
        TW_MESSAGE_HANDLER(WM_DOC_CLOSE, OnDocClose)
    TW_END_MSG_MAP()

private:
    LRESULT OnSize(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnSetFocus(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnMdiActivate(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnMouseActivate(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnDocClose(UINT msg, WPARAM w, LPARAM l, bool& handled);

    HWND m_window = nullptr;  // the window whose message is running
    HWND m_view = nullptr;
    bool m_maximized = false;
};
