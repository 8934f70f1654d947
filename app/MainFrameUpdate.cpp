// The update check, the about box and the Help menu's links to the maker's
// pages (commands ID_HELP_TOPICS to ID_APP_ABOUT).
#include "MainFrame.h"

#include <ctime>

#include <dovari_common/process_start.h>

#include "AboutPage.h"
#include "AppSettings.h"
#include "Globals.h"
#include "ResourceText.h"
#include "UiSeams.h"
#include "UpdateCheck.h"

void CMainFrame::CheckForUpdate(bool force, bool silent) {
    if (!g_appSettings) return;
    const int32_t day = DayNumber(std::time(nullptr));
    if (!IsUpdateCheckDue(g_appSettings->LastUpdate, g_appSettings->UpdateInterval, day, force)) return;
    // Written whether or not the updater can be started.
    g_appSettings->LastUpdate = day;
    g_appSettings->WriteInt(ini::kUpdate, ini::kLastUpdate, day);
    LaunchUpdater(silent ? 0 : 1);
}

void CMainFrame::LaunchUpdater(UINT id) {
    if (!g_appSettings) return;
    const std::string command = UpdaterCommandLine(g_appSettings->folder, LOWORD(id) == 0);
    // Not waited for: the updater asks the editor to close when it installs.
    // A failure to start is not reported.
    dovari_common::RunProcess(command.c_str(), nullptr, false);
}

LRESULT CMainFrame::OnCheckForUpdate(WORD, WORD id, HWND, bool&) {
    LaunchUpdater(id);
    return 0;
}

LRESULT CMainFrame::OnAbout(WORD, WORD, HWND, bool&) {
    if (g_appSettings) ShowAboutPage(m_hWnd, g_appSettings->folder, AboutVersionText());
    return 0;
}

LRESULT CMainFrame::OnOpenWebLink(WORD, WORD id, HWND, bool&) {
    UINT text = IDS_HOME_PAGE;
    int show = SW_SHOW;
    if (id == ID_HELP_FEEDBACK) text = IDS_FEEDBACK_MAIL;
    if (id == ID_HELP_DONATE) {
        text = IDS_DONATE_PAGE;
        show = SW_SHOWMAXIMIZED;
    }
    const std::string link = LoadText(text);
    if (!link.empty()) ShellOpen(m_hWnd, link.c_str(), show);
    return 0;
}
