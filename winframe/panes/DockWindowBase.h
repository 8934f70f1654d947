#pragma once
// What every dockable window shares (a pane and the tab docking box): its
// host frame, its container and its float rectangle, the four docking
// operations a container-independent caller uses, and the caption drag.
#include <windows.h>

#include "DockMessage.h"
#include "PaneCaption.h"
#include "Window.h"

class CDockWindowBase : public CMsgWindow {
public:
    HWND HostFrame() const { return m_hostFrame; }
    // 0 while floating.
    HWND Container() const { return m_container; }
    bool IsFloating() const { return m_container == nullptr; }
    // Screen coordinates; empty until the window has floated visibly.
    const RECT& FloatRect() const { return m_floatRect; }

    virtual bool Undock() = 0;
    virtual bool Dock(DockMessage& record) = 0;
    virtual bool Hide() = 0;
    virtual bool Show() = 0;

    // Code 5 to the record's target when it speaks the protocol; else at the
    // float rectangle when the record says floating; else through the host frame.
    bool RestoreDockPlacement(DockMessage& record);
    // Undocks when docked, then restores the record with this window as its pane.
    bool DockAtPlacement(DockMessage& record);
    // False when floating; true when the container keeps the window.
    bool UndockAndPlace(const RECT& rect, UINT flags, HWND insertAfter = nullptr);
    // Floats at the float rectangle; false while that is empty.
    bool Float();

    const CPaneCaption& Caption() const { return m_caption; }

    // What a pane and a box answer alike: their own caption while docked,
    // container notices, the float rectangle following a floating window.
    // Each chains it after its own handlers.
    TW_BEGIN_MSG_MAP(CDockWindowBase)
        TW_MESSAGE_HANDLER(WM_SETTEXT, OnSetTextOrIcon)
        TW_MESSAGE_HANDLER(WM_SETICON, OnSetTextOrIcon)
        TW_MESSAGE_HANDLER(WM_WINDOWPOSCHANGING, OnPosChanging)
        TW_MESSAGE_HANDLER(WM_WINDOWPOSCHANGED, OnPosChanged)
        TW_MESSAGE_HANDLER(WM_NCCALCSIZE, OnNcCalcSize)
        TW_MESSAGE_HANDLER(WM_NCHITTEST, OnNcHitTest)
        TW_MESSAGE_HANDLER(WM_NCPAINT, OnNcPaint)
        TW_MESSAGE_HANDLER(WM_NCMOUSEMOVE, OnNcMouseMove)
        TW_MESSAGE_HANDLER(WM_NCACTIVATE, OnNcActivate)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_DOCKNOTICE, OnDockNotice)
        TW_MESSAGE_HANDLER(WM_TIMER, OnTimer)
    TW_END_MSG_MAP()

protected:
    // The drag from a caption press (screen point): brought to the top, the
    // ghost loop run with code-1 hit tests. True when the drop should happen:
    // a target was found or the cursor moved; the record then holds the drop.
    bool TrackCaptionDrag(POINT press, DockMessage& record);
    // Out of the container, hidden, at the float rectangle when it has one.
    void UndockHidden();

    CPaneCaption m_caption;
    HWND m_hostFrame = nullptr;
    HWND m_container = nullptr;
    RECT m_floatRect{};

private:
    LRESULT OnSetTextOrIcon(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPosChanging(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPosChanged(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcCalcSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcHitTest(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcMouseMove(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcActivate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDockNotice(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnTimer(UINT, WPARAM, LPARAM, bool&);
};
