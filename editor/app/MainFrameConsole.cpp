// The main frame's command pane: made at start at the bottom, before the
// find-results panes, and reached by the user tools that run in it.
#include "AppSettings.h"
#include "ConsolePane.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PaneCreation.h"

void ConsolePaneDeleter::operator()(CConsolePane* pane) const { delete pane; }

void CMainFrame::CreateConsolePane() {
    std::string programFolder = g_appSettings ? std::string(g_appSettings->folder) : std::string();
    m_consolePane.reset(new CConsolePane(programFolder, g_outputFont));
    if (!CreateDockedPane(*m_consolePane, m_hWnd, IDS_PANE_CONSOLE, {kSideBottom, 3, 0.0f})) {
        m_consolePane.reset();
        return;
    }
    m_paneOfCommand[ID_PANE_CONSOLE - ID_PANE_EXPLORER] = m_consolePane.get();
}

CConsolePane* CMainFrame::ConsolePane() const { return m_consolePane.get(); }

bool CMainFrame::IsConsoleKey(const MSG& msg) const {
    return m_consolePane && msg.hwnd && msg.hwnd == m_consolePane->View() && msg.message >= WM_KEYFIRST &&
           msg.message <= WM_KEYLAST;
}
