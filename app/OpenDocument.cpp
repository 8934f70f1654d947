// Opening documents: finding an open one, choosing the view, creating the
// document frame; the New and Open commands, dropped files and the
// recent-file list.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "AppSettings.h"
#include "DocumentFrameOwner.h"
#include "GoToSymbolDialog.h"
#include "EncodingCodes.h"
#include "FileFilter.h"
#include "ResourceText.h"
#include "UniqueHandle.h"
#include "Globals.h"
#include "IniKeys.h"
#include "MainFrame.h"
#include "MultiOpenDialog.h"
#include "OpenChoice.h"
#include "OpenRefusal.h"
#include "StartFiles.h"
#include "resource.h"
#include "UiSeams.h"

namespace {

std::string ShortPath(const char* path) {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = ::GetShortPathNameA(path, buffer, sizeof(buffer));
    return n > 0 && n < sizeof(buffer) ? buffer : "";
}

bool SamePath(const std::string& a, const std::string& b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

}  // namespace

// ---- the owner adapter ----------------------------------------------------------

HWND CMainFrameDocumentOwner::MainWindow() const { return m_frame.m_hWnd; }
HWND CMainFrameDocumentOwner::Toolbar() const { return m_frame.Toolbar(); }
HWND CMainFrameDocumentOwner::StatusBar() const { return m_frame.StatusBar(); }
bool CMainFrameDocumentOwner::IsMenuBarVisible() const { return m_frame.IsMenuBarVisible(); }
void CMainFrameDocumentOwner::UpdateStatusBar() { m_frame.UpdateStatusBar(); }
void CMainFrameDocumentOwner::SetStatusMessage(const char* text) { m_frame.SetStatusMessage(text); }
void CMainFrameDocumentOwner::ShowPane(UINT id) { m_frame.ShowPane(id); }
void CMainFrameDocumentOwner::AddToRecent(const char* path) { m_frame.AddToRecent(path); }
bool CMainFrameDocumentOwner::HandleEscape() { return m_frame.HandleEscape(); }
void CMainFrameDocumentOwner::DocumentChanged(CDocumentFrame& document, DocumentEvent event) {
    if (event == DocumentEvent::Saved) m_lastSaveFlushMicroseconds = document.LastSaveFlushMicroseconds();
    m_frame.DocumentChanged(document, event);
}
int CMainFrameDocumentOwner::PromptSymbolLine(CDocumentFrame& document, HWND owner) {
    return CGoToSymbolDialog::Prompt(owner, document, [this](const char* text) { m_frame.SetStatusMessage(text); });
}
void CMainFrameDocumentOwner::LocateFile(const char* path) { m_frame.LocateFile(path); }

HFONT CMainFrameDocumentOwner::HexViewFont(COLORREF& background) const {
    background = m_frame.StyleFont().back;
    return m_frame.StyleFont().font;
}
void CMainFrameDocumentOwner::DocumentClosed() {
    if (m_frame.GetActiveMdiChild()) return;
    m_frame.UpdateStatusBar();
    DisableDocumentButtons(m_frame.Toolbar());
}

// ---- opening --------------------------------------------------------------------

CDocumentFrame* CMainFrame::FindDocumentFrame(const char* path) const {
    const std::string wanted = ShortPath(path);
    if (wanted.empty()) return nullptr;
    for (HWND window : DocumentWindows()) {
        CDocumentFrame* frame = CDocumentFrame::FromWindow(window);
        if (!frame || frame->IsUntitled()) continue;
        const std::string other = ShortPath(frame->Path());
        if (!other.empty() && SamePath(wanted, other)) return frame;
    }
    return nullptr;
}

void CMainFrame::ReportOpenFailure(const char* path, const std::string& reason) {
    const std::string text = FormatText(IDS_OPEN_FILE_FAILED, {path, reason});
    if (m_startFailures) m_startFailures->push_back(text);
    else if (!m_starting) ShowMessage(m_hWnd, text, MB_ICONERROR);  // a session opens the rest silently
}

void CMainFrame::OpenStartFiles() {
    std::vector<std::string> failures;
    m_startFailures = &failures;
    for (const std::string& name : StartFiles()) OpenDocument(name.c_str(), kEncodingDefault, true);
    m_startFailures = nullptr;
    if (failures.empty()) return;
    std::string text = failures.front();
    for (size_t i = 1; i < failures.size(); ++i) text += "\n\n" + failures[i];
    ShowMessage(m_hWnd, text, MB_ICONERROR);
}

CDocumentFrame* CMainFrame::OpenDocument(const char* path, EncodingCode openType, bool addToRecent) {
    if (!path || !*path || !m_mdiClient) return nullptr;
    // Refused by name before anything opens them: reading a device can block
    // for ever, and a path cut to fit a buffer would name another file.
    switch (CheckOpenName(path)) {
    case kOpenDeviceName: ReportOpenFailure(path, LoadText(IDS_NOT_A_DISK_FILE)); return nullptr;
    case kOpenPathTooLong: ReportOpenFailure(path, SystemErrorText(ERROR_FILENAME_EXCED_RANGE)); return nullptr;
    case kOpenAllowed: break;
    }
    if (CDocumentFrame* open = FindDocumentFrame(path)) {
        ::BringWindowToTop(*open);
        return open;
    }
    OpenChoice choice;
    {
        UniqueHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            ReportOpenFailure(path, SystemErrorText(::GetLastError()));
            return nullptr;
        }
        // A name the platform maps to a device or pipe under another form.
        if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
            ReportOpenFailure(path, LoadText(IDS_NOT_A_DISK_FILE));
            return nullptr;
        }
        LARGE_INTEGER size{};
        ::GetFileSizeEx(file.get(), &size);
        unsigned char head[kSniffLength] = {};
        DWORD read = 0;
        if (openType == kEncodingDefault && (uint64_t)size.QuadPart <= kLargestTextFile &&
            !::ReadFile(file.get(), head, sizeof(head), &read, nullptr)) {
            ReportOpenFailure(path, SystemErrorText(::GetLastError()));
            return nullptr;
        }
        choice = ChooseOpenView((uint64_t)size.QuadPart, head, read, openType);
    }
    CDocumentFrame* frame = CreateDocumentFrame(path, choice.binary);
    if (!frame) return nullptr;
    if (!frame->Load(path, choice.openType)) {
        ReportOpenFailure(path, SystemErrorText(frame->LoadError() ? frame->LoadError() : ERROR_READ_FAULT));
        // No window stays bound to a file it could not read.
        ::SendMessageA(*frame, WM_DOC_CLOSE, 0, 0);
        if (::IsWindow(*frame)) ::SendMessageA(m_mdiClient, WM_MDIDESTROY, (WPARAM)(HWND)*frame, 0);
        return nullptr;
    }
    if (addToRecent) AddToRecent(path);
    return frame;
}

CDocumentFrame* CMainFrame::CreateDocumentFrame(const char* path, bool binary) {
    if (!m_documentOwner) m_documentOwner = std::make_unique<CMainFrameDocumentOwner>(*this);
    BOOL activeMaximized = FALSE;
    ::SendMessageA(m_mdiClient, WM_MDIGETACTIVE, 0, (LPARAM)&activeMaximized);
    const bool maximized = activeMaximized || (CurrentEditorMask() & kMaskOpenMaximized) != 0;
    if (activeMaximized) ::SendMessageA(m_mdiClient, WM_SETREDRAW, FALSE, 0);
    CDocumentFrame* frame = CDocumentFrame::Create(*m_documentOwner, m_mdiClient, path, binary, maximized);
    if (activeMaximized) {
        ::SendMessageA(m_mdiClient, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_mdiClient, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
    }
    if (frame && frame->ViewWindow()) ::SetFocus(frame->ViewWindow());
    return frame;
}

LRESULT CMainFrame::OnFileNew(WORD, WORD, HWND, bool&) {
    if (CDocumentFrame* frame = CreateDocumentFrame(nullptr, false)) {
        if (CEditorView* editor = frame->GetEditor()) editor->ApplyLanguage(0, nullptr);
        frame->UpdateTitle();
        UpdateStatusBar();
    }
    return 0;
}

LRESULT CMainFrame::OnFileOpen(WORD, WORD, HWND, bool&) {
    const std::string filter = LoadFileFilter();
    CMultiOpenDialog dialog(filter.c_str());
    dialog.SetMultiSelect(true);
    if (CDocumentFrame* active = CDocumentFrame::FromWindow(GetActiveMdiChild()); active && !active->IsUntitled())
        dialog.SetInitialFolder(active->GetPathPart(PathPart::Folder).c_str());
    HWND owner = ::GetActiveWindow() ? ::GetActiveWindow() : m_hWnd;
    if (dialog.Run(owner) != IDOK) return 0;
    for (const std::string& path : dialog.Paths()) OpenDocument(path.c_str(), dialog.Encoding(), true);
    return 0;
}

LRESULT CMainFrame::OnDropFiles(UINT, WPARAM wParam, LPARAM, bool&) {
    HDROP drop = (HDROP)wParam;
    POINT point{};
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    // The point is in client coordinates; the explorer pane takes its own drops.
    if (::DragQueryPoint(drop, &point) && ::PtInRect(&client, point)) {
        const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            // Sized by the drop itself: a long path is refused whole, never cut.
            std::string path(::DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
            if (!::DragQueryFileA(drop, i, path.data(), (UINT)path.size())) continue;
            path.resize(std::strlen(path.c_str()));
            const DWORD attributes = ::GetFileAttributesA(path.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) break;
            OpenDocument(path.c_str(), kEncodingDefault, true);
        }
    }
    ::DragFinish(drop);
    return 0;
}

// ---- the recent-file list ----------------------------------------------------------

HMENU CMainFrame::RecentFilesMenu() const {
    HMENU file = m_menuPopups[0];
    const int count = file ? ::GetMenuItemCount(file) : 0;
    for (int i = 0; i < count; ++i) {
        HMENU sub = ::GetSubMenu(file, i);
        if (sub && ::GetMenuItemCount(sub) > 0 && ::GetMenuItemID(sub, 0) == ID_FILE_MRU_FIRST) return sub;
    }
    return nullptr;
}

void CMainFrame::AttachRecentFiles() {
    if (HMENU menu = RecentFilesMenu()) {
        char text[128] = {};
        m_recentEmptyText = ::GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION) > 0 ? text : "(empty)";
        m_recentMenu = menu;
    }
    m_recentFiles.SetMaxCount(g_appSettings ? g_appSettings->ReadInt(ini::kEditor, ini::kMruSize, 12) : 12);
    ReadRecentFiles();
}

void CMainFrame::RebuildRecentMenu() {
    m_recentFiles.FillMenu(m_recentMenu, ID_FILE_MRU_FIRST, m_recentEmptyText.c_str());
}

void CMainFrame::ReadRecentFiles() {
    m_recentFiles.Read(m_recentRoot);
    RebuildRecentMenu();
}

void CMainFrame::WriteRecentFiles() { m_recentFiles.Write(m_recentRoot); }

void CMainFrame::AddToRecent(const char* path) {
    m_recentFiles.Add(path);
    RebuildRecentMenu();
    WriteRecentFiles();
}

void CMainFrame::SetRecentFileCount(int count) {
    if (g_appSettings) g_appSettings->WriteInt(ini::kEditor, ini::kMruSize, count);
    m_recentFiles.SetMaxCount(count);
    WriteRecentFiles();
    ReadRecentFiles();
}

void CMainFrame::OpenRecentFile(UINT id) {
    const int index = (int)(id - ID_FILE_MRU_FIRST);
    const std::string path = m_recentFiles.Newest(index);
    if (path.empty()) {
        ::MessageBeep(MB_ICONHAND);
        return;
    }
    // Success moves the entry to the top through AddToRecent.
    if (!OpenDocument(path.c_str(), kEncodingDefault, true)) {
        m_recentFiles.RemoveNewest(index);
        RebuildRecentMenu();
    }
    WriteRecentFiles();
}

LRESULT CMainFrame::OnRecentFile(WORD, WORD id, HWND, bool&) {
    OpenRecentFile(id);
    return 0;
}

LRESULT CMainFrame::OnSaveAll(WORD, WORD, HWND, bool&) {
    for (HWND window : DocumentWindows()) {
        IFrameDocument* document = FrameDocumentOf(window);
        if (document && document->Describe().modified) ::SendMessageA(window, WM_DOC_SAVE, 0, 0);
    }
    return 0;
}
