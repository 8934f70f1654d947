#pragma once
// The command pane: a console of the editor's own with the platform's
// command processor running on it. The console's window stays hidden; the
// pane shows the console through its view (ConsoleView.h), which paints the
// screen buffer and passes typed keys on. Other parts type whole lines into
// it with SendToConsole.
#include <windows.h>

#include <memory>
#include <string>

#include "CommandProcessor.h"
#include "ConsoleScreen.h"
#include "ConsoleView.h"
#include "DockPane.h"

class CConsolePane : public CDockPaneImpl<CConsolePane>, private IConsoleViewHost {
public:
    static constexpr const char* kClassName = "CConsolePane";
    // The attribute's low byte while the pane owns the console: black text
    // on a bright white background.
    static constexpr WORD kPaneColours = 0xF0;
    // A processor that ended is started again on the timer only this long
    // after its last start, so one that cannot run is not started over and over.
    static constexpr DWORD kRestartPauseMs = 2000;

    // programFolder: where "initcmd.bat" is looked for; font: the output
    // font (null: the system's fixed font).
    CConsolePane(std::string programFolder, HFONT font);
    ~CConsolePane() override;

    // Types a line into the console, ending it with Enter unless it ends in
    // a carriage return already; a processor that ended is started again
    // first. False when the pane has no console.
    bool SendToConsole(const char* text);
    // Ties the console's buffer width to the screen and its window to the pane.
    void FitConsoleToPane();

    // Whether creation got a console (it fails when the process has one).
    bool HasConsole() const { return m_ownsConsole; }
    const CConsoleScreen& Screen() const { return m_screen; }
    HWND View() const { return m_view.m_hWnd; }
    SIZE ViewCellSize() const { return m_view.CellSize(); }
    CCommandProcessor* Processor() const { return m_processor.get(); }
    // Reads the console now (the view's timer does it too).
    void PollConsole() override;

    TW_BEGIN_MSG_MAP(CConsolePane)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_SETFOCUS, OnSetFocus)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CConsolePane>)
    TW_END_MSG_MAP()

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSetFocus(UINT, WPARAM, LPARAM, bool&);

    void TypeRecords(const INPUT_RECORD* records, DWORD count) override;
    // Allocates the console, hidden, and starts the processor on it; false
    // when the process has a console already.
    bool OpenOwnedConsole();
    void FreeOwnedConsole();
    // A processor that ended is started again; true when one runs.
    bool EnsureProcessor();

    std::string m_programFolder;
    HFONT m_font;
    HICON m_icon = nullptr;
    bool m_ownsConsole = false;
    std::unique_ptr<CCommandProcessor> m_processor;
    CConsoleScreen m_screen;
    CConsoleView m_view;
};
