#pragma once
// The frame's "MDIClient" window, subclassed: it keeps one tab per MDI
// child in its tab owner and makes room for the strip whenever it is moved,
// whoever moves it.
#include "MdiMessages.h"
#include "MdiTabOwner.h"
#include "Window.h"

class CTabbedMdiClient : public CMsgWindow {
public:
    CTabbedMdiClient() = default;
    ~CTabbedMdiClient() override;

    // Takes over the frame's MDI client and creates the tab owner beside it.
    bool SubclassWindow(HWND mdiClient);
    CMdiTabOwner& TabOwner() { return m_owner; }
    const CMdiTabOwner& TabOwner() const { return m_owner; }

    TW_BEGIN_MSG_MAP(CTabbedMdiClient)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnDoubleClick)
        TW_MESSAGE_HANDLER(WM_MDIDESTROY, OnMdiDestroy)
        TW_MESSAGE_RANGE_HANDLER(WM_MDI_TABTEXT, WM_MDI_TABSTATE, OnTabMessage)
    TW_END_MSG_MAP()

private:
    LRESULT OnSettingChange(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnWindowPosChanging(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnDoubleClick(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnMdiDestroy(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnTabMessage(UINT msg, WPARAM w, LPARAM l, bool& handled);

    CMdiTabOwner m_owner;
    WNDPROC m_ourProc = nullptr;  // what SubclassWindow installed
};
