#pragma once
// The slot window of a docking area: a child of the frame holding docked
// panes side by side along its axis, with bars of its own. It closes itself
// when its last pane leaves.
#include <windows.h>

#include "DockMessage.h"
#include "PaneSequence.h"
#include "SlotObject.h"
#include "Window.h"

class CPackageWindowFrame : public ISlotObject {
public:
    class CPackageWindow;

    // The slot object for a new slot window whose panes lie along `panes`; null when the window cannot be made.
    static SlotPtr Create(HWND parent, Axis panes);

    HWND Window() const override { return m_window; }
    LRESULT HitTest(DockMessage& record) override;
    int MinExtent(Axis along) const override;
    void FillMinMax(MINMAXINFO& mmi) const override;
    HDWP Place(HDWP batch, const RECT& rect) override;

private:
    explicit CPackageWindowFrame(HWND window) : m_window(window) {}
    // The window object lives with its window; only the handle is kept.
    HWND m_window;
};

class CPackageWindowFrame::CPackageWindow : public CMsgWindow {
public:
    static constexpr const char* kClassName = "CPackageWindowFrame::CPackageWindow";
    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

    explicit CPackageWindow(Axis panes);
    Axis GetAxis() const { return m_panes.GetAxis(); }
    const CPaneSequence<HWND>& Panes() const { return m_panes; }

    TW_BEGIN_MSG_MAP(CPackageWindow)
        TW_MESSAGE_HANDLER(WM_DOCKMESSAGE, OnDockMessage)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_MESSAGE_HANDLER(WM_SETCURSOR, OnSetCursor)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;
    void OnFinalMessage(HWND) override { delete this; }

private:
    LRESULT OnDockMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 1; }
    LRESULT OnSetCursor(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, bool&);

    LRESULT HitTest(DockMessage& record);
    LRESULT DockAtDrop(DockMessage& record);
    LRESULT Remove(DockMessage& record);
    LRESULT QueryPlacement(DockMessage& record);
    LRESULT DockAtPlacement(DockMessage& record);
    LRESULT Replace(DockMessage& record);

    int PaneMinimum(HWND pane) const;
    void Enter(HWND pane);
    void Leave(HWND pane, HWND notice);
    // Out of this window into `to`, hidden and still a child, told it left.
    void HandOver(HWND pane, HWND to, HWND notice);
    void Show(HWND pane);
    bool Layout();
    bool PlacePanes();
    MINMAXINFO CombinedMinimum() const;

    CPaneSequence<HWND> m_panes;
};

// What the areas call: the seam, whose default is CPackageWindowFrame::Create.
SlotPtr CreatePackageFrame(HWND parent, Axis panes);
