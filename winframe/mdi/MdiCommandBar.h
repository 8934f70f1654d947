#pragma once
// The frame's menu bar inside a rebar band: a toolbar with one text button
// per top-level menu item that opens the item's popup under it, moves to
// the neighbouring popup with Left and Right or the mouse, and answers Alt,
// F10 and Alt+mnemonic. While an MDI child is maximized it shows that
// child's icon at its left end and minimize, restore and close at its right.
#include <windows.h>
#include <commctrl.h>

#include "Window.h"

class CMdiCommandBar : public CMsgWindow {
public:
    static constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                                       TBSTYLE_LIST | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN;

    CMdiCommandBar() = default;
    // The bar's window goes with it: it was made by the bar, not taken over.
    ~CMdiCommandBar() override;

    // parent: the rebar; frame: where menu messages and commands go.
    HWND CreateBar(HWND parent, HWND frame, UINT id = 0);
    // Makes the buttons from the menu's top-level items. Call again after
    // those change; submenu contents are read each time a popup opens.
    bool AttachMenu(HMENU menu);
    HMENU GetMenu() const { return m_menu; }
    // Inserts the bar as a band that may widen for the maximized child's controls.
    bool AddToRebar(int index = 0);

    // Gives the bar Alt, F10, mnemonics and its keyboard mode first; true when taken.
    bool PreTranslateMessage(MSG* msg);
    // Opens the popup of a top-level item; returns when the menus close.
    void TrackPopup(int index, bool fromKeyboard);
    bool InKeyboardMode() const { return m_keyboardMode; }
    // Menu items by position in the menu (the bar's own spacer is not one).
    int GetHotItem() const;
    int ItemCount() const { return ButtonCount() - kFirstItem; }
    RECT ItemRect(int item) const;

    // Room kept at the two ends for a maximized child's controls.
    int LeftReservedWidth() const;
    int RightReservedWidth() const;
    int IdealWidth() const;

    // The maximized child whose controls the bar shows (null: none).
    HWND MaximizedChild() const { return m_child; }
    HICON ChildIcon() const { return m_childIcon; }
    bool ControlsShown() const { return m_controlsShown; }
    // Where the controls are, in bar client coordinates: 0 icon, 1 minimize, 2 restore, 3 close.
    RECT ControlRect(int control) const;

    TW_BEGIN_MSG_MAP(CMdiCommandBar)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnLButtonDown)
    TW_END_MSG_MAP()

protected:
    virtual const char* BarClassName() const { return "TwMdiCommandBar"; }
    void SetControls(HWND child, HICON icon, bool shown);
    void SizeSpacer();

private:
    LRESULT OnPaint(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnLButtonDown(UINT msg, WPARAM w, LPARAM l, bool& handled);

    void DrawControls(HDC dc) const;
    int ControlAt(POINT pt) const;
    void ControlClicked(int control);
    // Button 0 keeps the room for the child's icon: the toolbar's own
    // indent (TB_SETINDENT) moves nothing on Wine.
    static constexpr int kFirstItem = 1;
    static constexpr int kSpacerId = 0xFFFF;
    void SetHotItem(int item) { SendMessage(TB_SETHOTITEM, item < 0 ? (WPARAM)-1 : (WPARAM)(item + kFirstItem)); }
    int ItemAt(POINT pt) const;
    int ButtonCount() const { return (int)::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0); }
    int FindMnemonic(char ch) const;

    // Keyboard mode: a hot button without an open popup.
    void EnterKeyboardMode();
    void LeaveKeyboardMode();
    bool KeyboardModeMessage(const MSG& msg);
    // The menu loop's messages, through the message-filter hook.
    static LRESULT CALLBACK MenuFilter(int code, WPARAM w, LPARAM l);
    bool MenuMessage(const MSG& msg);
    void SwitchTo(int index, bool byKeyboard);
    bool HilitedItemHasPopup() const;

    HWND m_frame = nullptr;
    HMENU m_menu = nullptr;
    HWND m_child = nullptr;
    HICON m_childIcon = nullptr;  // the child's; not ours to destroy
    bool m_controlsShown = false;

    bool m_keyboardMode = false;
    bool m_altDown = false;
    int m_tracking = -1;     // the item whose popup is open
    HMENU m_trackedMenu = nullptr;
    int m_next = -1;         // the popup to open when the current one closes
    bool m_nextByKeyboard = false;
    HHOOK m_filter = nullptr;
};
