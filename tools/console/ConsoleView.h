#pragma once
// The console pane's picture of its console: a child window that paints the
// cells of a CConsoleScreen in a fixed-pitch font and the console's colours,
// asks its host to refresh the picture on a short timer, and hands the keys
// typed into it to the host as console input records.
#include <windows.h>

#include "ConsoleScreen.h"
#include "GdiHandles.h"
#include "Window.h"

class IConsoleViewHost {
public:
    virtual ~IConsoleViewHost() = default;
    // Reads the console into the screen; called on the view's timer.
    virtual void PollConsole() = 0;
    virtual void TypeRecords(const INPUT_RECORD* records, DWORD count) = 0;
};

class CConsoleView : public CMsgWindow {
public:
    static constexpr const char* kClassName = "CConsoleView";
    static constexpr UINT kPollMs = 75;

    CConsoleView(const CConsoleScreen& screen, IConsoleViewHost& host);

    // font: the output font, or null for the system's fixed font.
    HWND CreateView(HWND parent, HFONT font);
    // One character cell of the font, in pixels.
    SIZE CellSize() const { return m_cell; }
    // Repaints when the screen changed since the last paint.
    void ScreenChanged();

    TW_BEGIN_MSG_MAP(CConsoleView)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_MESSAGE_HANDLER(WM_TIMER, OnTimer)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_MESSAGE_HANDLER(WM_GETDLGCODE, OnGetDlgCode)
        TW_MESSAGE_HANDLER(WM_CHAR, OnChar)
        TW_MESSAGE_HANDLER(WM_KEYDOWN, OnKeyDown)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnButtonDown)
        TW_MESSAGE_HANDLER(WM_SETFOCUS, OnFocusChange)
        TW_MESSAGE_HANDLER(WM_KILLFOCUS, OnFocusChange)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    static constexpr UINT_PTR kPollTimer = 0x434F;

    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnTimer(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 1; }
    LRESULT OnGetDlgCode(UINT, WPARAM, LPARAM, bool&) { return DLGC_WANTALLKEYS | DLGC_WANTCHARS; }
    LRESULT OnChar(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnButtonDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnFocusChange(UINT, WPARAM, LPARAM, bool&);

    void PaintCells(HDC dc, const RECT& client);

    const CConsoleScreen& m_screen;
    IConsoleViewHost& m_host;
    HFONT m_font = nullptr;
    SIZE m_cell{8, 16};
    char m_leadByte = 0;  // the first byte of a double-byte character typed
};
