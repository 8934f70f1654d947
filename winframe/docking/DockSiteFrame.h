#pragma once
// The docking part of the main frame: an outer area stacking slots top to
// bottom whose centre is an inner area lining slots up left to right around
// the MDI client, with 5-pixel bars the user drags.
//
// A frame adopts it by deriving from it and chaining its map last:
//   class CMainFrame : public CDockSiteFrame { ... TW_CHAIN_MSG_MAP(CDockSiteFrame) };
//   OnCreate: create the MDI client, then InitDocking(4, &m_mdiClient);
//   WM_SIZE: place the toolbar and status bar, then UpdateLayout();
//   override DockingRect() to leave the bars out of the docking space.
// Panes dock by sending DockMessage records to the frame (WM_DOCKMESSAGE):
// code 5 with a placement, or codes 1 and 2 from a drag.
#include <windows.h>

#include <memory>

#include "AutoHideBars.h"
#include "DockMessage.h"
#include "DockSplitter.h"
#include "Window.h"

class CDockSiteFrame : public CMsgWindow {
public:
    CDockSiteFrame();
    ~CDockSiteFrame() override;

    // Sets the drag mode, creates the auto-hide bars, refreshes the metrics,
    // lays out and sets the centres; runs once. centre: read at each use.
    void InitDocking(DWORD mode, HWND* centre = nullptr);
    void RefreshMetrics();
    void UpdateLayout();
    void DrawBars(HDC dc);
    // Until the auto-hide bars exist a frame has none; set before InitDocking.
    void SetAutoHideBars(std::unique_ptr<IAutoHideBars> bars) { m_autoHide = std::move(bars); }
    IAutoHideBars* AutoHideBars() const { return m_autoHide.get(); }

    const CDockSplitter& OuterArea() const { return m_outer; }
    const CDockSplitter& InnerArea() const { return m_inner; }

    TW_BEGIN_MSG_MAP(CDockSiteFrame)
        TW_MESSAGE_HANDLER(WM_DOCKMESSAGE, OnDockMessage)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_WINDOWPOSCHANGED, OnPosChanged)
        TW_MESSAGE_HANDLER(WM_ACTIVATE, OnActivate)
        TW_MESSAGE_HANDLER(WM_TIMER, OnTimer)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDOWN, OnNcLButtonDown)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_SETCURSOR, OnSetCursor)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
        TW_MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseOverBars)
        TW_MESSAGE_HANDLER(WM_MOUSEHOVER, OnMouseOverBars)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSettingChange)
    TW_END_MSG_MAP()

protected:
    // The part of the client that the docking areas share; a frame with
    // toolbars and a status bar leaves them out.
    virtual RECT DockingRect();

private:
    LRESULT OnDockMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPosChanged(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnActivate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnTimer(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcLButtonDown(UINT, WPARAM, LPARAM, bool&);
    void RaiseOwnedPopups();
    void RaiseOwnedPopupsForAWhile();
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSetCursor(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMouseOverBars(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSettingChange(UINT, WPARAM, LPARAM, bool&);

    LRESULT HitTest(DockMessage& record);
    LRESULT ClampFloat(DockMessage& record);
    LRESULT QueryPlacement(DockMessage& record);
    LRESULT Pin(DockMessage& record);
    void Redraw();
    // The area under a client point, inner first.
    CDockSplitter* AreaAt(POINT p);

    CDockSplitter m_outer{Axis::Y};
    CDockSplitter m_inner{Axis::X};
    HWND* m_centre = &m_noCentre;
    HWND m_noCentre = nullptr;
    bool m_initialised = false;
    // The floating panes and boxes were hidden with the frame's minimising.
    bool m_floatersHidden = false;
    int m_raiseTicks = 0;  // ticks left of the raise after a show or a caption press
    // Declared last: destroyed before the areas.
    std::unique_ptr<IAutoHideBars> m_autoHide;
};
