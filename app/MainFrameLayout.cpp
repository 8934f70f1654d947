// Window layouts: "default.ui" restored at start and written at close, and
// the layout files of the Window menu's layouts submenu.
#include "MainFrameLayout.h"

#include <commdlg.h>

#include "AppSettings.h"
#include "DockPane.h"
#include "EncodingFileDialog.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PaneLayout.h"
#include "ResourceText.h"
#include "UiSeams.h"
#include "WindowLayoutItems.h"

namespace {

const char kLayoutFilter[] = "Tarnwick window position file (*.ui)\0*.ui\0";
const char kDefaultLayout[] = "\\default.ui";
// The buttons a document frame enables for its document.
const UINT kDocumentButtons[] = {ID_FILE_PRINT, ID_SEARCH_FIND, ID_SEARCH_REPLACE, ID_VIEW_ZOOM_IN,
                                 ID_VIEW_ZOOM_OUT, ID_VIEW_WRAP, ID_VIEW_LINE_ENDS};

std::string Folder(FolderKind kind) {
    char path[MAX_PATH] = "";
    if (g_appSettings) g_appSettings->GetFolder(path, kind);
    return path;
}

bool SameFolder(const std::string& a, const std::string& b) {
    char shortA[MAX_PATH] = "", shortB[MAX_PATH] = "";
    if (!::GetShortPathNameA(a.c_str(), shortA, MAX_PATH) || !::GetShortPathNameA(b.c_str(), shortB, MAX_PATH))
        return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
    return ::lstrcmpiA(shortA, shortB) == 0;
}

}  // namespace

void CMainFrameLayoutDeleter::operator()(CMainFrameLayout* layout) const { delete layout; }

std::vector<std::string> ListLayoutFiles(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "\\*.ui").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while ((int)names.size() < kMaxLayoutFiles && ::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

std::string CMainFrame::DefaultLayoutPath() const { return Folder(kFolderData) + kDefaultLayout; }

void CMainFrame::RestoreLayout() {
    if (!m_layout) m_layout.reset(new CMainFrameLayout);
    // The panes first, then the rebar and the group under the main window.
    auto* group = new CPaneLayoutGroup(m_hWnd);
    for (CDockPaneBase* pane : m_paneOfCommand) group->AddPane(pane);
    auto* root = new CMainWindowLayoutItem(m_hWnd, SW_SHOWDEFAULT);
    auto* rebar = new CRebarLayoutItem(m_rebar);
    root->AddChild(rebar);
    root->AddChild(group);
    rebar->Release();
    group->Release();
    m_layout->manager = std::make_unique<CLayoutStateManager>(CLayoutItemPtr::Adopt(root));
    m_layout->manager->RestoreOrCreate(DefaultLayoutPath());
    for (UINT id : kDocumentButtons) ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, id, FALSE);
    UpdateLayout();
}

void CMainFrame::SaveLayout() {
    if (m_layout && m_layout->manager) m_layout->manager->SaveToFile(DefaultLayoutPath());
}

void CMainFrame::RestoreLayoutFile(const std::string& path) {
    if (!m_layout || !m_layout->manager) return;
    CLayoutFile file(path);
    m_layout->manager->Restore(file);
    UpdateLayout();
}

void CMainFrame::BuildLayoutMenu() {
    HMENU window = m_menuPopups[MENU_POS_WINDOW];
    HMENU layouts = window ? ::GetSubMenu(window, MENU_POS_WINDOW_LAYOUTS) : nullptr;
    if (!layouts) return;
    if (!m_layout) m_layout.reset(new CMainFrameLayout);
    // Keeps the load and save commands.
    while (::GetMenuItemCount(layouts) > 2) ::DeleteMenu(layouts, 2, MF_BYPOSITION);
    m_layout->files = ListLayoutFiles(Folder(kFolderUi));
    if (m_layout->files.empty()) return;
    ::AppendMenuA(layouts, MF_SEPARATOR, 0, nullptr);
    for (size_t k = 0; k < m_layout->files.size(); ++k)
        ::AppendMenuA(layouts, MF_STRING, ID_LAYOUT_FIRST + k, m_layout->files[k].c_str());
}

LRESULT CMainFrame::OnLayoutFile(WORD, WORD id, HWND, bool&) {
    if (!m_layout || !m_layout->manager) return 0;
    const bool save = id == ID_LAYOUT_SAVE;
    std::string folder = Folder(kFolderUi);
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_hWnd;
    dialog.lpstrFilter = kLayoutFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = "ui";
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    FileDialogRunner runner = CurrentFileDialogRunner();
    BOOL chosen = runner ? runner(&dialog) : save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    if (!chosen) return 0;
    if (!save) {
        RestoreLayoutFile(path);
        return 0;
    }
    if (!m_layout->manager->SaveToFile(path)) {
        ShowMessage(m_hWnd, FormatText(IDS_LAYOUT_SAVE_FAILED, {path}), MB_OK | MB_ICONERROR);
        return 0;
    }
    std::string written(path);
    size_t slash = written.find_last_of('\\');
    if (slash != std::string::npos && SameFolder(written.substr(0, slash), folder)) BuildLayoutMenu();
    return 0;
}

LRESULT CMainFrame::OnLayoutFromMenu(WORD, WORD id, HWND, bool&) {
    size_t k = id - ID_LAYOUT_FIRST;
    if (m_layout && k < m_layout->files.size()) RestoreLayoutFile(Folder(kFolderUi) + "\\" + m_layout->files[k]);
    return 0;
}
