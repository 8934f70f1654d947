#pragma once
// A window holding two or more panes as the tabs of one strip, showing the
// pane of the selected tab, that docks, floats, hides, drags and pins as if
// it were one pane. A pane dropped on another's caption makes one in place
// (the factory below); it collapses into its last pane when only one is left.
//
// The box owns itself once its window exists: it is deleted when the window
// is destroyed. Its panes are never destroyed by it; they leave it first.
#include <windows.h>
#include <commctrl.h>

#include "DockWindowBase.h"
#include "FlyingTabCtrl.h"
#include "UniqueHandle.h"

// WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU |
// WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, hidden.
constexpr DWORD kTabBoxStyle = 0x86CF0000;
// WM_CLOSE wParam: the box's own collapse after a pane left; 0 is the user's close.
constexpr WPARAM kCloseCollapse = 1;

class CTabDockingBox : public CDockWindowBase {
public:
    // A hidden box, a child of the frame, or 0. The factory of
    // MakeTabBoxInPlace, which docks it in a pane's place as it is and makes
    // it a popup only when that pane floats: made a popup first, it would
    // cost an X window under Wine only to lose it at the dock.
    static HWND Make(HWND hostFrame);
    static CTabDockingBox* FromWindow(HWND window);

    bool Undock() override;
    bool Dock(DockMessage& record) override;
    bool Hide() override;
    bool Show() override;

    int PaneCount() const { return m_tabs.GetItemCount(); }
    // The pane of a tab (0 for the placeholder of a drag), tabs in order.
    HWND PaneAt(int index) const { return (HWND)m_tabs.GetItemData(index); }
    int IndexOf(HWND pane) const;
    HWND ActivePane() const { return m_active; }
    const CFlyingTabCtrl& Tabs() const { return m_tabs; }
    const DockMessage& StoredPlacement() const { return m_placement; }
    // Asks the container (through the host frame) where the box is docked.
    bool QueryOwnPlacement(DockMessage& record);

    TW_BEGIN_MSG_MAP(CTabDockingBox)
        TW_MESSAGE_HANDLER(WM_DOCKMESSAGE, OnDockMessage)
        TW_REGISTERED_MESSAGE_HANDLER(m_boxMessage, OnDockMessage)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_SETFOCUS, OnSetFocus)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDBLCLK, OnNcDoubleClick)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDOWN, OnNcButtonDown)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_NOTIFY_FROM_HANDLER(m_tabs.m_hWnd, TCN_SELCHANGE, OnSelChange)
        TW_NOTIFY_FROM_HANDLER(m_tabs.m_hWnd, TSN_DRAGOUT, OnDragOut)
        TW_NOTIFY_FROM_HANDLER(m_tabs.m_hWnd, NM_DBLCLK, OnTabDoubleClick)
        TW_CHAIN_MSG_MAP(CDockWindowBase)
        TW_REFLECT_NOTIFICATIONS()
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;
    void OnFinalMessage(HWND) override { delete this; }

private:
    CTabDockingBox();
    ~CTabDockingBox() override;

    LRESULT OnDockMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSetFocus(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcDoubleClick(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcButtonDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSettingChange(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 0; }
    LRESULT OnSelChange(int, LPNMHDR, bool&);
    LRESULT OnDragOut(int, LPNMHDR, bool&);
    LRESULT OnTabDoubleClick(int, LPNMHDR, bool&);

    // The dock codes at the box.
    LRESULT HitTest(DockMessage& record);
    bool AddPane(HWND pane, int index);
    // Detaches the pane as a hidden popup; false when it is not here.
    bool RemovePane(HWND pane);
    LRESULT RemoveByCode(DockMessage& record);
    LRESULT AnswerPlacement(DockMessage& record);
    LRESULT ShowPaneTab(HWND pane);

    void Layout();
    RECT StripRect() const;
    // One pane left: it takes the box's place, docked or floating.
    void Collapse();
    void DestroyBox();
    void DragBox(POINT press);
    bool Pin();
    // The nested wait of a code-1 test: true when the next message keeps the placeholder.
    bool WaitKeepsPlaceholder(HWND dragged);
    // Whether a screen point lies over the box, moved into the strip when it is on the caption.
    bool OverBox(POINT& screen) const;

    DockMessage m_placement;
    UniqueImageList m_images;
    CFlyingTabCtrl m_tabs;
    HWND m_active = nullptr;
    // Drag tracking: the selection before a placeholder went in, the tab the
    // hit test found after the last move, the last coordinate along the strip.
    int m_selectionBefore = -1;
    int m_trackedTab = -1;
    int m_lastCoordinate = 0;
    int m_placeholder = -1;
    UINT m_boxMessage;
};
