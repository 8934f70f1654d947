#pragma once
// CColorPickerPopup: the palette window a colour button drops down. It runs
// its own message loop, holding the mouse capture, until an item is chosen
// or the pick is abandoned.
#include <windows.h>

#include "ColorPickerLogic.h"
#include "GdiHandles.h"
#include "Window.h"

class CColorPickerButton;

class CColorPickerPopup : public CMsgWindow {
public:
    explicit CColorPickerPopup(CColorPickerButton& button);
    ~CColorPickerPopup() override;

    struct Outcome {
        bool chosen = false;
        int item = kItemNone;
    };
    // Creates the popup under the button, runs it and destroys it.
    Outcome Run();

    const PopupLayout& Layout() const { return m_layout; }
    int CaretItem() const { return m_caret; }

    TW_BEGIN_MSG_MAP(CColorPickerPopup)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_CAPTURECHANGED, OnCaptureChanged)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCaptureChanged(UINT, WPARAM, LPARAM, bool&);

    void ReadMenuSettings();
    void CreateTooltip();
    // Handles one message of the loop; true when the loop ends.
    bool HandleLoopMessage(const MSG& msg);
    void SelectItem(int item);
    void InvalidateItem(int item);
    void DrawItem(HDC dc, int item);
    POINT PopupPoint(const MSG& msg) const;

    CColorPickerButton& m_button;
    PickerItems m_items;
    PopupLayout m_layout;
    int m_chosen = kItemNone;  // the item of the colour the pick started from
    int m_caret = kItemNone;
    Outcome m_outcome;
    bool m_ended = false;
    bool m_flatMenus = false;
    COLORREF m_menuColor = 0, m_highlight = 0, m_menuHighlight = 0, m_highlightText = 0, m_menuText = 0;
    COLORREF m_blend = 0;
    SIZE m_edge{};
    CFontHandle m_font;
    CGdiObject<HPALETTE> m_palette;
    HWND m_tooltip = nullptr;
};
