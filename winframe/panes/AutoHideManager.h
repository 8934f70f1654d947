#pragma once
// The auto-hide bars of a dock site frame and the window a pinned pane
// slides out in: four bars along the client edges whose tabs stand for
// pinned panes and boxes, and a child window of the frame with a caption
// (pin and close) and a 5-pixel edge the user resizes it by. It slides back
// once the mouse and the keyboard focus have left it.
//
// The frame installs it before InitDocking:
//   SetAutoHideBars(std::make_unique<CAutoHideManager>());
#include <windows.h>

#include <functional>

#include "AutoHideBar.h"
#include "AutoHideBars.h"
#include "PaneCaption.h"
#include "Window.h"

// The auto-hide check, while a pane is out.
constexpr UINT_PTR kAutoHideTimer = 1;
constexpr UINT kAutoHideCheckMs = 1300;
// The slide: ten steps over 100 ms.
constexpr int kSlideSteps = 10;
constexpr DWORD kSlideMs = 100;

class CAutoHideManager : public CMsgWindow, public IAutoHideBars {
public:
    // WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION, hidden.
    static constexpr DWORD kStyle = 0x46C00000;

    CAutoHideManager();
    ~CAutoHideManager() override;

    // The frame's side.
    bool Create(HWND frame) override;
    HWND Window() const override { return m_hWnd; }
    void UpdateMetrics() override;
    RECT Place(const RECT& available) override;
    void DrawBars(HDC dc) override;
    SIZE OccupiedThickness() const override;
    LRESULT QueryPlacement(DockMessage& record) override;
    LRESULT Pin(DockMessage& record, bool& barWasEmpty) override;
    void SetFrameLayout(std::function<void()> layout) override { m_frameLayout = std::move(layout); }
    void MouseMove(POINT client, WPARAM keys) override;
    void MouseHover(POINT client, WPARAM keys) override;

    // Slides (or, without full-window dragging, shows) the entry's active pane out.
    bool ShowPane(CAutoHideBarEntry* entry, DWORD side, bool slide);
    // Places the window for the shown pane in the area the bars leave.
    bool Reposition();
    bool HidePane(bool animate);
    // Takes the pane off its bar; giving back docks it (or its group) again at that side.
    bool RemovePane(HWND pane, bool giveBack);

    int Thickness() const { return m_thickness; }
    const CAutoHideBar& Bar(DWORD side) const { return m_bars[side & 3]; }
    HWND ShownPane() const { return m_shownPane; }
    const RECT& Area() const { return m_area; }
    const CPaneCaption& Caption() const { return m_caption; }
    // The first bar's tab under a frame client point.
    AutoHideHit HitTest(POINT client, bool select, DWORD* side = nullptr);

    TW_BEGIN_MSG_MAP(CAutoHideManager)
        TW_MESSAGE_HANDLER(WM_DOCKMESSAGE, OnDockMessage)
        TW_MESSAGE_HANDLER(WM_NCCALCSIZE, OnNcCalcSize)
        TW_MESSAGE_HANDLER(WM_NCPAINT, OnNcPaint)
        TW_MESSAGE_HANDLER(WM_NCHITTEST, OnNcHitTest)
        TW_MESSAGE_HANDLER(WM_NCMOUSEMOVE, OnNcMouseMove)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDOWN, OnNcButtonDown)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDBLCLK, OnNcDoubleClick)
        TW_MESSAGE_HANDLER(WM_NCACTIVATE, OnNcActivate)
        TW_MESSAGE_HANDLER(WM_SETTEXT, OnSetTextOrIcon)
        TW_MESSAGE_HANDLER(WM_SETICON, OnSetTextOrIcon)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_TIMER, OnTimer)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    LRESULT OnDockMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcCalcSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcHitTest(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcMouseMove(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcButtonDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcDoubleClick(UINT, WPARAM, LPARAM, bool&) { return 0; }
    LRESULT OnNcActivate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSetTextOrIcon(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSettingChange(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnTimer(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);

    // Hides the shown pane and the window at once, without sliding.
    void PutAway();
    bool Slide(bool out);
    void ResizeByEdge(POINT screen);
    void RedrawBar(CAutoHideBar& bar);
    void FillClient();
    RECT WindowInFrame() const;

    CPaneCaption m_caption;
    RECT m_edge{};               // window coordinates
    bool m_edgeHorizontal = true;
    DWORD m_side = 8;
    bool m_sliding = false;
    int m_thickness = 0;
    CAutoHideBarEntry* m_shown = nullptr;
    HWND m_shownPane = nullptr;
    HWND m_hoverPane = nullptr;  // the hover candidate
    RECT m_area{};
    CAutoHideBar m_bars[4];
    HWND m_frame = nullptr;
    std::function<void()> m_frameLayout;
};

// Code 12 to a frame window: pins the record's pane (or panes).
bool RequestPinToAutoHide(HWND frame, DockMessage& record);
