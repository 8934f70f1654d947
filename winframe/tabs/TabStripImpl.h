#pragma once
// The owner-drawn tab strip shared by the docking-box and document strips:
// tabs with images and labels, a close button for the selected tab, scroll
// buttons, tool tips, hot tracking, keyboard selection and dragging of tabs.
// Every user action reaches the parent as WM_NOTIFY (TabStripDefs.h).
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "GdiHandles.h"
#include "TabLayout.h"
#include "TabStripDefs.h"
#include "TabStripItem.h"
#include "TabStripState.h"
#include "TabToolTips.h"
#include "Window.h"

class CTabStripImpl : public CMsgWindow {
public:
    CTabStripImpl() = default;
    ~CTabStripImpl() override;

    // Items. Indexes are 0-based; bad indexes give false, -1 or null.
    int GetItemCount() const { return (int)m_items.size(); }
    CTabStripItem* GetItem(int index) const;
    LPARAM GetItemData(int index) const;
    // An index below 0 or past the count appends. The first tab is always selected.
    int InsertItem(int index, const char* text, int image = -1, LPARAM data = 0, bool select = false);
    bool DeleteItem(int index, bool adjustSelection = true, bool notify = true);
    void DeleteAllItems(bool redraw = true);
    // The first match after startAfter (negative: from 0); fills the template.
    int FindItem(CTabStripItem* pattern, UINT flags, int startAfter = -1) const;
    bool MoveItem(int from, int to, bool followSelection = true, bool notify = true);
    bool SwapItems(int a, int b, bool followSelection = true, bool notify = true);

    int GetCurSel() const { return m_selected; }
    // The previous selection, or -1 when TCN_SELCHANGING vetoed it.
    int SetCurSel(int index, bool notify = true);
    int GetHotItem() const { return m_hot; }

    bool EnsureVisible(int index, bool partialOk = false, bool redraw = true);
    int HitTest(POINT pt, UINT* flags = nullptr) const;
    // The tab as shown (shifted by the scroll offset).
    bool GetItemRect(int index, RECT* rect) const;
    const RECT& GetTabArea() const { return m_layout.tabArea; }
    const RECT& GetCloseButtonRect() const { return m_layout.closeButton; }
    const RECT& GetScrollRightRect() const { return m_layout.scrollRight; }
    const RECT& GetScrollLeftRect() const { return m_layout.scrollLeft; }
    int GetScrollOffset() const { return m_scrollOffset; }

    // Borrowed; the owner keeps it alive.
    HIMAGELIST SetImageList(HIMAGELIST list);
    HIMAGELIST GetImageList() const { return m_imageList; }
    HWND GetToolTips() const { return m_toolTips.Handle(); }
    HFONT GetFont() const { return m_font; }
    HFONT GetSelectedFont() const { return m_fontSelected; }

    DWORD GetStateWord() const { return m_state.Word(); }
    void SetScrollStep(int px) { m_state.SetScrollStep(px); }
    // 0 no repeat, 1 every 100 ms, 2 every 25 ms, 3 every 10 ms.
    void SetScrollRepeat(int speed) { m_state.SetRepeatSpeed(speed); }

    // Lays the tabs out again (after an owner changed a label or image).
    void UpdateLayout();

    TW_BEGIN_MSG_MAP(CTabStripImpl)
        TW_MESSAGE_RANGE_HANDLER(WM_MOUSEFIRST, WM_MOUSELAST, OnMouseRelay)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_PRINTCLIENT, OnPrintClient)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_MESSAGE_HANDLER(WM_SETREDRAW, OnSetRedraw)
        TW_MESSAGE_HANDLER(WM_STYLECHANGED, OnStyleChanged)
        TW_MESSAGE_HANDLER(WM_GETDLGCODE, OnGetDlgCode)
        TW_MESSAGE_HANDLER(WM_KEYDOWN, OnKeyDown)
        TW_MESSAGE_HANDLER(WM_SETFONT, OnSetFont)
        TW_MESSAGE_HANDLER(WM_GETFONT, OnGetFont)
        TW_MESSAGE_HANDLER(WM_MOUSELEAVE, OnMouseLeave)
        TW_MESSAGE_HANDLER(WM_CAPTURECHANGED, OnCaptureChanged)
        TW_MESSAGE_HANDLER(WM_TIMER, OnTimer)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
        TW_MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
        TW_MESSAGE_HANDLER(WM_LBUTTONUP, OnLButtonUp)
        TW_MESSAGE_HANDLER(WM_RBUTTONDOWN, OnRButtonDown)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnClickNotify)
        TW_MESSAGE_HANDLER(WM_RBUTTONDBLCLK, OnClickNotify)
        TW_MESSAGE_HANDLER(WM_MBUTTONDOWN, OnClickNotify)
        TW_MESSAGE_HANDLER(WM_MBUTTONDBLCLK, OnClickNotify)
        TW_NOTIFY_CODE_HANDLER(TTN_GETDISPINFOA, OnGetToolText)
    TW_END_MSG_MAP()

protected:
    LRESULT OnMouseRelay(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnCreate(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnDestroy(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnSize(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnSettingChange(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnPaint(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnPrintClient(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 1; }
    LRESULT OnSetRedraw(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnStyleChanged(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnGetDlgCode(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnKeyDown(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnSetFont(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnGetFont(UINT, WPARAM, LPARAM, bool&) { return (LRESULT)m_font.Get(); }
    LRESULT OnMouseLeave(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnCaptureChanged(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnTimer(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnLButtonDown(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnMouseMove(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnLButtonUp(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnRButtonDown(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnClickNotify(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnGetToolText(int id, NMHDR* header, bool& handled);

    // Notifications to the parent; the reply comes back.
    LRESULT NotifyHeader(UINT code);
    LRESULT NotifyItem(UINT code, int item, POINT pt = {-1, -1});
    LRESULT NotifyPair(UINT code, int first, int second, POINT pt = {-1, -1});

    DWORD StripStyle() const;
    void Invalidate(const RECT* rect = nullptr) const;
    void ScrollOneStep(bool left, bool redraw = true);

private:
    void UpdateMetrics();
    void UpdateToolRects();
    tabs::StripLayout CurrentLayout() const;
    RECT ElementRect(int element) const;
    void TrackElements(POINT pt);
    void KillScrollTimers();
    void CancelPress();

    // Tab drag (style TSS_DRAGREORDER).
    void BeginDrag(POINT pt);
    void DragMove(POINT pt);
    void EndDrag(bool notify);
    void CancelDrag();

    // Painting (TabStripPaint.cpp).
    void Paint(HDC dc);
    void DrawBackground(HDC dc, const NMTABSTRIPCUSTOMDRAW& cd, const RECT& client);
    void DrawTabs(HDC dc, NMTABSTRIPCUSTOMDRAW& cd, bool notifyItems, const RECT& paintRect);
    void DrawTab(HDC dc, const NMTABSTRIPCUSTOMDRAW& cd, int index, const RECT& r);
    void DrawButtons(HDC dc, const NMTABSTRIPCUSTOMDRAW& cd);
    void DrawButtonEdge(HDC dc, int element, const RECT& r);

    std::vector<std::unique_ptr<CTabStripItem>> m_items;
    int m_selected = -1;
    int m_hot = -1;
    tabs::StripMetrics m_metrics;
    tabs::StripLayout m_layout;
    int m_scrollOffset = 0;
    TabStripState m_state;

    CFontHandle m_font;
    CFontHandle m_fontSelected;
    CBrushHandle m_background;
    COLORREF m_inactiveText = ::GetSysColor(COLOR_GRAYTEXT);
    COLORREF m_selectedTab = ::GetSysColor(COLOR_BTNFACE);
    int m_textOffset = 0;

    HIMAGELIST m_imageList = nullptr;
    CTabToolTips m_toolTips;

    int m_dragItem = -1;
    int m_dragOrigin = -1;
    POINT m_downPoint{};
    HMODULE m_oleLibrary = nullptr;
    HCURSOR m_cursorInside = nullptr;
    HCURSOR m_cursorOutside = nullptr;
};
