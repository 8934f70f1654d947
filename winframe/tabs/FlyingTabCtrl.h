#pragma once
// The tab strip of a tab docking box: it works out its own height from its
// font and reorders tabs in a modal loop started by DragDetect; a tab dropped
// outside every tab is reported with TSN_DRAGOUT.
#include "TabStripImpl.h"

class CFlyingTabCtrl : public CTabStripImpl {
public:
    static constexpr DWORD kCreateStyle = 0x56004002;
    // Whether the pointer left the drag rectangle, screen coordinates.
    using DragDetectProc = BOOL (*)(HWND, POINT);

    // Always selects the new tab; its tool tip is its label.
    int InsertItem(int index, const char* text, int image = -1, LPARAM data = 0);
    int GetHeight() const { return m_height; }
    // Tests decide whether a drag happened; null restores the platform's.
    void SetDragDetect(DragDetectProc proc) { m_dragDetect = proc ? proc : &::DragDetect; }

    TW_BEGIN_MSG_MAP(CFlyingTabCtrl)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SETFONT, OnSetFont)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnLButtonDblClk)
        TW_CHAIN_MSG_MAP(CTabStripImpl)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"CFlyingTabCtrl", CS_DBLCLKS, nullptr}; }

private:
    LRESULT OnCreate(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnSetFont(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnLButtonDown(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnLButtonDblClk(UINT msg, WPARAM w, LPARAM l, bool& handled);

    void UpdateHeight();
    // True when the loop completed (button released), false when cancelled.
    bool RunReorderLoop(POINT start, POINT* last);
    void Reorder(POINT pt);

    int m_height = 24;
    DragDetectProc m_dragDetect = &::DragDetect;
    // Reorder loop state.
    int m_loopDragged = -1;
    int m_loopLastSwapped = -1;
    int m_loopPrevious = 0;
};
