#pragma once
// CColorPickerButton: a dialog push button, taken over and drawn by us, that
// shows a colour and drops down the colour popup when clicked. Each step of
// a pick reaches the button's parent as a WM_NOTIFY with a ColorPickerNotify.
// The parent hands the button its WM_DRAWITEM and clicks back with
// TW_REFLECT_COLOR_BUTTONS() in its message map.
#include <windows.h>
#include <uxtheme.h>

#include <string>

#include "ColorPickerLogic.h"
#include "Window.h"

enum ColorPickerCode : UINT {
    kColorChanged = 0x8000,      // the colour changed (tracking, a choice, or a tracked change undone)
    kColorPopupOpened = 0x8001,  // with the colour before the pick
    kColorPopupClosed = 0x8002,  // with the final colour
    kColorChosen = 0x8003,       // after kColorPopupClosed: a choice was made
    kColorAbandoned = 0x8004,    // after kColorPopupClosed: no choice
};

struct ColorPickerNotify {
    NMHDR header;
    COLORREF color;
    BOOL automatic;  // color is kColorAutomatic
};

// Whether the button is drawn with the visual style; tests reach both
// drawings through it (Wine keeps a theme active).
enum class ColorButtonDrawing { Automatic, Themed, Classic };

class CColorPickerButton : public CMsgWindow {
public:
    CColorPickerButton();
    ~CColorPickerButton() override;

    // Takes over a dialog button and makes it owner-drawn.
    bool Attach(HWND button);

    // kColorAutomatic means "automatic": the button shows automaticColor.
    COLORREF color = kColorAutomatic;
    COLORREF automaticColor;
    std::string automaticText;  // empty: no automatic item
    std::string moreText;       // empty: no more-colours item
    // Moving over the palette changes the colour at once.
    bool trackSelection = false;

    COLORREF ShownColor() const { return color == kColorAutomatic ? automaticColor : color; }
    void SetDrawing(ColorButtonDrawing drawing);
    // Draws the button in a state made of ODS_* bits.
    void Draw(HDC dc, const RECT& rect, UINT state);
    // Drops the popup down and runs it to its end, as a click does.
    void Pick();
    // While the popup runs (tests reach it through this).
    HWND PopupWindow() const { return m_popup; }

    // For the parent's message map: WM_DRAWITEM and clicks of a colour button
    // go back to it; true when the message was one of those.
    static bool ReflectFromParent(UINT msg, WPARAM w, LPARAM l, LRESULT& result);

    TW_BEGIN_MSG_MAP(CColorPickerButton)
        TW_MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
        TW_MESSAGE_HANDLER(WM_MOUSELEAVE, OnMouseLeave)
        TW_MESSAGE_HANDLER(WM_QUERYNEWPALETTE, OnPaletteChange)
        TW_MESSAGE_HANDLER(WM_PALETTECHANGED, OnPaletteChange)
        TW_MESSAGE_HANDLER(WM_THEMECHANGED, OnThemeChanged)
        TW_MESSAGE_HANDLER(OCM__BASE + WM_DRAWITEM, OnDrawItem)
        TW_MESSAGE_HANDLER(OCM__BASE + WM_COMMAND, OnReflectedCommand)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    TW_END_MSG_MAP()

private:
    friend class CColorPickerPopup;
    LRESULT OnMouseMove(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMouseLeave(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPaletteChange(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnThemeChanged(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDrawItem(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnReflectedCommand(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);

    void OpenTheme();
    void CloseTheme();
    void Notify(UINT code, COLORREF value);
    // The popup's caret moved onto item with track selection on.
    void TrackItem(int item);
    // The colour dialog from the current colour; false for Cancel.
    bool ChooseMoreColor(COLORREF& chosen);
    void Redraw() { ::InvalidateRect(m_hWnd, nullptr, FALSE); }

    HTHEME m_theme = nullptr;
    ColorButtonDrawing m_drawing = ColorButtonDrawing::Automatic;
    bool m_hot = false;
    bool m_pressed = false;
    HWND m_popup = nullptr;
};

#define TW_REFLECT_COLOR_BUTTONS() \
    if (CColorPickerButton::ReflectFromParent(uMsg, wParam, lParam, lResult)) return true;
