// Closing safely and sessions: the save-modified question, "session.xml"
// at close and start, and the user's own session files.
#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "AppSettings.h"
#include "EncodingCodes.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ModifiedDocument.h"
#include "ResourceText.h"
#include "SaveModifiedDialog.h"
#include "UiSeams.h"

namespace {

const char kSessionFilter[] = "Tarnwick session files (*.tws)\0*.tws\0";
const char kSessionName[] = "session.tws";

// Saves each listed document; false at the first that was not saved, so
// that no unsaved text is dropped by the close that follows.
bool SaveListed(CModifiedDocumentList* list) {
    for (long i = 0; i < list->Count(); ++i) {
        CModifiedDocument* item = nullptr;
        if (FAILED(list->ItemAt(i, &item))) continue;
        HWND window = item->Window();
        item->Release();
        if (::IsWindow(window) && ::SendMessageA(window, WM_DOC_SAVE, 0, 0) != 0) return false;
    }
    return true;
}

bool AskSessionPath(HWND owner, bool save, char* path) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kSessionFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = "tws";
    dialog.Flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    return save ? ::GetSaveFileNameA(&dialog) != 0 : ::GetOpenFileNameA(&dialog) != 0;
}

}  // namespace

bool CMainFrame::SaveAllDocuments(bool ask) {
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    CModifiedDocumentList* list = CModifiedDocumentList::Create();
    for (HWND window : DocumentWindowsInZOrder()) {
        std::string title = CWindowHandle(window).GetWindowText();
        CModifiedDocument* item = CModifiedDocument::Create(window, title.c_str(), 0);
        if (::SendMessageA(window, WM_DOC_DESCRIBE, 0, (LPARAM)item)) list->InsertAt(list->Count(), item);
        item->Release();
    }
    ::SetCursor(previous);
    bool proceed = true;
    if (list->Count() > 0) {
        INT_PTR answer = IDYES;
        if (ask) {
            // The updater's close leaves no way back.
            CSaveModifiedDialog dialog(list, UpdateCloseRequested ? SaveModifiedCancel::Refused
                                                                  : SaveModifiedCancel::Offered);
            answer = dialog.Run(m_hWnd);
        }
        if (answer == IDYES) {
            previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
            proceed = SaveListed(list);
            ::SetCursor(previous);
        } else {
            // A dialog that could not be shown keeps everything, as Cancel does.
            proceed = answer == IDNO;
        }
    }
    list->Release();
    return proceed;
}

std::string CMainFrame::DefaultSessionPath() const {
    char path[MAX_PATH] = {};
    if (!g_appSettings) return std::string();
    char* end = g_appSettings->GetFolder(path, kFolderData);
    if (end == path) return std::string();
    std::string result = path;
    return result + "\\session.xml";
}

bool CMainFrame::SaveSession(const std::string& path) {
    Session session;
    HWND active = GetActiveMdiChild();
    for (HWND window : DocumentWindows()) {
        IFrameDocument* document = FrameDocumentOf(window);
        if (!document) continue;
        SessionEntry entry;
        document->DescribeSession(entry);
        // Untitled documents ("<new>") have nothing to reopen.
        if (entry.path.empty() || entry.path[0] == '<') continue;
        // Counted over the written entries, as the reader counts them.
        if (window == active) session.index = (int)session.files.size();
        session.files.push_back(std::move(entry));
    }
    return WriteSessionFile(path, session);
}

void CMainFrame::LoadSession(const std::string& path) {
    Session session;
    if (path.empty() || !ReadSessionFile(path, session)) return;
    HWND remembered = nullptr;
    for (size_t i = 0; i < session.files.size(); ++i) {
        const SessionEntry& entry = session.files[i];
        // Missing or unreadable files are skipped; the rest still open.
        if (entry.path.empty() || !OpenDocument(entry.path.c_str(), kEncodingDefault, false)) continue;
        HWND window = GetActiveMdiChild();
        if (IFrameDocument* document = FrameDocumentOf(window)) document->RestoreSession(entry);
        if ((int)i == session.index) remembered = window;
    }
    if (remembered) ActivateDocument(remembered);
}

bool CMainFrame::SaveDefaultSession() {
    if (!SaveAllDocuments(true)) return false;
    std::string path = DefaultSessionPath();
    if (!path.empty()) SaveSession(path);  // silent: closing goes on regardless
    CloseAllDocuments(true);
    return true;
}

LRESULT CMainFrame::OnCloseAll(WORD, WORD, HWND, bool&) {
    SaveDefaultSession();
    return 0;
}

LRESULT CMainFrame::OnOpenSessionFile(WORD, WORD, HWND, bool&) {
    char path[MAX_PATH] = {};
    if (AskSessionPath(m_hWnd, false, path)) LoadSession(path);
    return 0;
}

LRESULT CMainFrame::OnSaveSessionAs(WORD, WORD, HWND, bool&) {
    char path[MAX_PATH] = {};
    std::strcpy(path, kSessionName);
    if (!AskSessionPath(m_hWnd, true, path)) return 0;
    if (!SaveSession(path)) {
        ShowMessage(m_hWnd, FormatText(IDS_SESSION_SAVE_FAILED, {path}), MB_OK | MB_ICONERROR);
    }
    return 0;
}
