#include "DocumentFrame.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <cstring>

#include "AppSettings.h"
#include "Globals.h"
#include "GoToLineDialog.h"
#include "ModifiedDocument.h"
#include "ReplacingFile.h"
#include "ResourceText.h"
#include "StatusBar.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

constexpr int kDocumentButtons[] = {ID_FILE_SAVE_ALL, ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_SEARCH_FIND,
                                    ID_SEARCH_REPLACE};

SaveAsPrompt g_saveAsPrompt = nullptr;

}  // namespace

bool ShowSaveAsDialog(HWND owner, const char* initialName, SaveAsChoice& choice);

SaveAsPrompt SetSaveAsPrompt(SaveAsPrompt prompt) {
    SaveAsPrompt previous = g_saveAsPrompt;
    g_saveAsPrompt = prompt;
    return previous;
}

void DisableDocumentButtons(HWND toolbar) {
    if (!toolbar) return;
    for (int id : kDocumentButtons) ::PostMessageA(toolbar, TB_ENABLEBUTTON, (WPARAM)id, MAKELPARAM(FALSE, 0));
    for (int id : {ID_VIEW_WRAP, ID_VIEW_LINE_ENDS})
        ::PostMessageA(toolbar, TB_ENABLEBUTTON, (WPARAM)id, MAKELPARAM(FALSE, 0));
}

// ---- life ---------------------------------------------------------------------

CDocumentFrame::CDocumentFrame(IDocumentFrameOwner& owner, const char* path, bool binary)
    // The one place that picks the kind of view.
    : m_owner(owner), m_view(binary ? MakeHexDocumentView(*this, owner) : MakeEditorDocumentView(*this)), m_binary(binary) {
    SetPath(path ? path : kUntitled);
    for (int id : kDocumentButtons) EnableToolbarButton(id, true);
    EnableOptionButtons();
}

CDocumentFrame::~CDocumentFrame() = default;

CDocumentFrame* CDocumentFrame::Create(IDocumentFrameOwner& owner, HWND mdiClient, const char* path, bool binary,
                                       bool maximized) {
    auto* frame = new CDocumentFrame(owner, path, binary);
    const DWORD style = WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (maximized ? WS_MAXIMIZE : 0);
    if (!frame->CreateMdiChild(mdiClient, frame->Title(), style)) {
        delete frame;
        return nullptr;
    }
    return frame;
}

// The class carries the document icon: the maximised document's menu bar
// takes the window's small icon, and without one its slot stays blank.
// Shared icons from the program's own resources, so they are never freed.
WindowClassInfo CDocumentFrame::GetWindowClassInfo() const {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    WindowClassInfo info;
    info.name = kWindowClass;
    info.icon = (HICON)::LoadImageA(module, MAKEINTRESOURCEA(IDI_DOCUMENT), IMAGE_ICON, 0, 0,
                                    LR_DEFAULTSIZE | LR_SHARED);
    info.iconSmall = (HICON)::LoadImageA(module, MAKEINTRESOURCEA(IDI_DOCUMENT), IMAGE_ICON,
                                         ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                         LR_SHARED);
    return info;
}

CDocumentFrame* CDocumentFrame::FromWindow(HWND window) {
    return static_cast<CDocumentFrame*>(FrameDocumentOf(window));
}

LRESULT CDocumentFrame::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    AttachFrameDocument(m_hWnd, this);  // before the activation that follows creation
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    m_viewWindow = m_view->Create(m_hWnd, rect);
    if (!m_viewWindow) return -1;
    m_tabbedChild.SetViewWindow(m_viewWindow);
    UpdateTitle();
    handled = false;
    return 0;
}

void CDocumentFrame::OnFinalMessage(HWND) {
    IDocumentFrameOwner& owner = m_owner;
    owner.DocumentChanged(*this, DocumentEvent::Destroyed);
    delete this;
    owner.DocumentClosed();
}

// ---- path and title -------------------------------------------------------------

void CDocumentFrame::SetPath(const char* path) {
    m_path = path;
    m_titleOffset = 0;
}

void CDocumentFrame::UpdateTitle() {
    size_t name = 0;
    for (const char* p = m_path.c_str(); *p; p = ::CharNextA(p))
        if (*p == '\\') name = (size_t)(p - m_path.c_str()) + 1;
    m_titleOffset = (CurrentEditorMask() & kMaskFullPathTitle) ? 0 : name;
    if (m_hWnd) ::SetWindowTextA(m_hWnd, Title());
    SendToClient(WM_MDI_TABTEXT, (LPARAM)(m_path.c_str() + name));
    SendToClient(WM_MDI_DOCFRAME, (LPARAM)this);
    SendToClient(WM_MDI_TABTOOLTIP, (LPARAM)m_path.c_str());
}

void CDocumentFrame::SendToClient(UINT message, LPARAM lParam) const {
    if (HWND client = m_hWnd ? ::GetParent(m_hWnd) : nullptr) ::SendMessageA(client, message, (WPARAM)m_hWnd, lParam);
}

// ---- load, save, reload -----------------------------------------------------------

void CDocumentFrame::RememberFileState() {
    GetFileStampDetail(Path(), m_fileState);
    m_stamp = m_fileState.stamp;
}

bool CDocumentFrame::Load(const char* path, EncodingCode openType) {
    UpdateTitle();
    GetFileStampDetail(path, m_fileState);
    m_stamp = m_fileState.stamp;
    ::SetLastError(0);
    const bool loaded = m_view->Load(path, openType);
    m_loadError = loaded ? 0 : ::GetLastError();
    m_view->CheckOptionButtons();
    if (loaded && m_view->IsText()) m_owner.DocumentChanged(*this, DocumentEvent::Loaded);
    const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
    m_fileReadOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (m_fileReadOnly) {
        m_viewReadOnly = true;
        m_view->SetReadOnly(true);
    }
    SetTabState(m_fileReadOnly ? kTabReadOnly : kTabNormal);
    if (loaded) {
        ReportDroppedByte();
        OfferSaveCopy();
    }
    m_owner.UpdateStatusBar();
    return loaded;
}

void CDocumentFrame::ReportDroppedByte() {
    if (m_view->DroppedOddByte()) ShowMessage(m_hWnd, FormatText(IDS_UTF16_ODD_BYTE, {m_path}), MB_OK | MB_ICONWARNING);
}

void CDocumentFrame::OfferSaveCopy() {
    if (!m_view->IsText()) return;
    const std::string copy = SaveCopyFor(m_path);
    if (copy.empty()) return;
    const std::string text = FormatText(IDS_SAVE_COPY_FOUND, {m_path, copy});
    if (ShowMessage(m_hWnd, text, MB_YESNO | MB_ICONWARNING) != IDYES) {
        ::DeleteFileW(ToWide(copy).c_str());
        return;
    }
    // The copy's text, unsaved: the file still holds what the interrupted
    // save left, and the copy stays until the next save replaces it.
    if (m_view->Reload(copy.c_str())) SetDiskChanged(true);
}

void CDocumentFrame::ReportSaveFailure(const char* path) {
    std::string text = FillText("Could not save file \"%s\".", {path});
    if (const DWORD error = m_view->LastSaveError()) text += "\n\n" + SystemErrorText(error);
    ShowMessage(m_hWnd, text, MB_OK | MB_ICONERROR, "ERROR");
}

bool CDocumentFrame::Save() {
    if (IsUntitled()) return SaveAs();
    // A failed save keeps the stamp and the disk-changed flag, so the document
    // still counts as modified.
    if (!m_view->Save(Path())) {
        ReportSaveFailure(Path());
        return false;
    }
    RememberFileState();
    SetDiskChanged(false);
    if (m_view->IsText()) m_owner.DocumentChanged(*this, DocumentEvent::Saved);
    return true;
}

bool CDocumentFrame::SaveAs() {
    SaveAsChoice choice;
    const HWND owner = ::GetActiveWindow() ? ::GetActiveWindow() : m_owner.MainWindow();
    const char* initial = IsUntitled() ? "" : Path();
    const bool chosen = g_saveAsPrompt ? g_saveAsPrompt(owner, initial, choice) : ShowSaveAsDialog(owner, initial, choice);
    if (!chosen || choice.path.empty()) return false;
    // Nothing is adopted unless the file was written: a failed or cancelled
    // Save As leaves text, encoding, path and modified state as they were.
    const auto confirmLoss = [this, &choice] {
        return ShowMessage(m_hWnd, FormatText(IDS_SAVE_ANSI_LOSSY, {choice.path}), MB_YESNO | MB_ICONWARNING) == IDYES;
    };
    using Result = IDocumentView::SaveAsResult;
    const Result result = m_view->SaveAs(choice.path.c_str(), choice.encoding, choice.lineEnd, confirmLoss);
    if (result == Result::kCancelled) return false;
    if (result == Result::kFailed) {
        ReportSaveFailure(choice.path.c_str());
        return false;
    }
    SetPath(choice.path.c_str());
    RememberFileState();
    SetDiskChanged(false);
    m_view->PathChanged(Path());
    UpdateTitle();
    m_owner.AddToRecent(Path());
    if (m_view->IsText()) m_owner.DocumentChanged(*this, DocumentEvent::Saved);
    return true;
}

bool CDocumentFrame::Reload() {
    if (IsUntitled()) return false;
    ::SetLastError(0);
    if (!m_view->Reload(Path())) {
        // A locked or deleted file: the text stays, and the user is told why.
        m_loadError = ::GetLastError();
        ShowMessage(m_hWnd, FormatText(IDS_OPEN_FILE_FAILED, {m_path, SystemErrorText(m_loadError ? m_loadError : ERROR_READ_FAULT)}),
                    MB_ICONERROR);
        return false;
    }
    RememberFileState();
    SetDiskChanged(false);
    return true;
}

bool CDocumentFrame::IsModified() const {
    return m_diskChanged || m_view->IsModified();
}

void CDocumentFrame::SetDiskChanged(bool changed) {
    m_diskChanged = changed;
    m_owner.UpdateStatusBar();
}

bool CDocumentFrame::QuerySave() {
    if (!IsModified()) return true;
    const std::string text = FormatText(IDS_SAVE_CHANGES, {Title()});
    switch (ShowMessage(m_hWnd, text, MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES: return Save();
    case IDNO: return true;
    default: return false;
    }
}

bool CDocumentFrame::CheckFile(bool quiet) {
    if (IsUntitled()) return false;
    // The stamp alone misses a rewrite within its two seconds.
    FileStampDetail now;
    GetFileStampDetail(Path(), now);
    if (!FileStateDiffers(now, m_fileState)) return false;
    if (quiet) return true;
    if (FileExists(Path())) {
        m_checking = true;
        const std::string text = FormatText(IDS_FILE_CHANGED_RELOAD, {m_path});
        const int answer = ShowMessage(m_hWnd, text, MB_YESNO | MB_ICONQUESTION);
        m_checking = false;
        if (answer == IDYES && m_view->Reload(Path())) {
            RememberFileState();
            SetDiskChanged(false);
        } else {
            // Declined or failed: the text no longer matches the file.
            m_fileState = now;
            m_stamp = now.stamp;
            SetDiskChanged(true);
        }
    } else {
        m_owner.SetStatusMessage(FormatText(IDS_FILE_VANISHED, {m_path}).c_str());
        SetDiskChanged(true);
    }
    return true;
}

// ---- read-only ------------------------------------------------------------------

DocumentTabState CDocumentFrame::CurrentTabState() const {
    return m_viewReadOnly ? kTabReadOnly : (IsModified() ? kTabModified : kTabNormal);
}

LRESULT CDocumentFrame::OnToggleReadOnly(WORD, WORD, HWND, bool&) {
    m_viewReadOnly = !m_viewReadOnly;
    m_view->SetReadOnly(m_viewReadOnly);
    SetTabState(CurrentTabState());
    return 0;
}

LRESULT CDocumentFrame::OnToggleFileReadOnly(WORD, WORD, HWND, bool&) {
    const std::wstring path = ToWide(m_path);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    // Cleared, never flipped; the flags follow only a change that took.
    if (!::SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) return 0;
    m_fileReadOnly = false;
    m_view->SetReadOnly(false);
    m_viewReadOnly = false;
    SetTabState(CurrentTabState());
    return 0;
}

// ---- commands -------------------------------------------------------------------

LRESULT CDocumentFrame::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    if (QuerySave()) {
        m_closing = true;
        handled = false;
    }
    return 0;
}

LRESULT CDocumentFrame::OnToolTipText(int, NMHDR* header, bool&) {
    auto* tip = reinterpret_cast<NMTBGETINFOTIPA*>(header);
    if (tip->pszText && tip->cchTextMax > 0)
        ::lstrcpynA(tip->pszText, LoadText((UINT)tip->iItem).c_str(), tip->cchTextMax);
    return 0;
}

LRESULT CDocumentFrame::OnCloseCommand(WORD, WORD, HWND, bool&) {
    PostMessage(WM_CLOSE);
    return 0;
}

LRESULT CDocumentFrame::OnSaveCommand(WORD, WORD, HWND, bool&) {
    Save();
    return 0;
}

LRESULT CDocumentFrame::OnSaveAsCommand(WORD, WORD, HWND, bool&) {
    SaveAs();
    return 0;
}

LRESULT CDocumentFrame::OnReloadCommand(WORD, WORD, HWND, bool&) {
    Reload();
    return 0;
}

LRESULT CDocumentFrame::OnCopyPathPart(WORD, WORD id, HWND, bool&) {
    const PathPart kind = id == ID_EDIT_COPY_FILENAME ? PathPart::Name
                          : id == ID_EDIT_COPY_FOLDER ? PathPart::Folder
                                                      : PathPart::Full;
    if (!::OpenClipboard(m_hWnd)) return 0;
    ::EmptyClipboard();
    const std::string text = GetPathPart(kind);
    if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* p = ::GlobalLock(block)) {
            std::memcpy(p, text.c_str(), text.size() + 1);
            ::GlobalUnlock(block);
            if (!::SetClipboardData(CF_TEXT, block)) ::GlobalFree(block);
        } else {
            ::GlobalFree(block);
        }
    }
    ::CloseClipboard();
    return 0;
}

LRESULT CDocumentFrame::OnLocateFile(WORD, WORD, HWND, bool&) {
    if (!IsUntitled()) m_owner.LocateFile(Path());
    return 0;
}

LRESULT CDocumentFrame::OnOpenWithDefaultProgram(WORD, WORD, HWND, bool&) {
    if (!IsUntitled()) ShellOpen(m_hWnd, Path(), SW_SHOWNORMAL);
    return 0;
}

LRESULT CDocumentFrame::OnOtherCommand(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    // The view's own notifications are reflected back to it below.
    if (m_viewWindow && (HWND)lParam != m_viewWindow) ::SendMessageA(m_viewWindow, WM_COMMAND, wParam, lParam);
    handled = false;
    return 0;
}

void CDocumentFrame::EnableOptionButtons() {
    EnableToolbarButton(ID_VIEW_WRAP, m_view->IsText());
    EnableToolbarButton(ID_VIEW_LINE_ENDS, m_view->IsText());
    // The hex view does not zoom: with it the zoom buttons would do nothing.
    EnableToolbarButton(ID_VIEW_ZOOM_IN, m_view->IsText());
    EnableToolbarButton(ID_VIEW_ZOOM_OUT, m_view->IsText());
}

LRESULT CDocumentFrame::OnMdiActivate(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    if (!lParam) return 0;
    if ((HWND)lParam == m_hWnd) {
        m_owner.DocumentChanged(*this, DocumentEvent::Activated);
        if (Title()[0]) m_owner.UpdateStatusBar();
        EnableOptionButtons();
        m_view->CheckOptionButtons();
    }
    PostMessage(WM_DOC_CHECKFILE);
    return 0;
}

LRESULT CDocumentFrame::OnForwardMessage(UINT, WPARAM, LPARAM lParam, bool&) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return m_owner.HandleEscape() ? 1 : 0;
    return 0;
}

LRESULT CDocumentFrame::OnCheckFileMessage(UINT, WPARAM, LPARAM, bool&) {
    // A check's question runs a modal loop that may deliver another check.
    if (!m_closing && !m_checking) CheckFile(false);
    return 0;
}

LRESULT CDocumentFrame::OnTabMenu(UINT, WPARAM, LPARAM lParam, bool&) {
    HMENU menu = ::LoadMenuA(g_instance ? g_instance : ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_DOCTAB));
    if (!menu) return 0;
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0,
                     m_owner.MainWindow(), nullptr);
    ::DestroyMenu(menu);
    return 0;
}

LRESULT CDocumentFrame::OnDocSave(UINT, WPARAM, LPARAM, bool&) {
    // Non-zero stops whoever is closing: the document was not written.
    return Save() ? 0 : E_ABORT;
}

LRESULT CDocumentFrame::OnDocDescribe(UINT, WPARAM, LPARAM lParam, bool&) {
    auto* item = reinterpret_cast<CModifiedDocument*>(lParam);
    if (!IsModified()) return 0;
    if (!item) return 1;
    // The save-modified list shows ANSI texts.
    item->SetDisplayName(GetPathPart(PathPart::Name));
    item->SetFullPath(IsUntitled() ? LoadText(IDS_UNTITLED) : m_path);
    item->SetWindow(m_hWnd);
    return 1;
}

LRESULT CDocumentFrame::OnDocClose(UINT, WPARAM, LPARAM, bool& handled) {
    m_closing = true;
    handled = false;
    return 0;
}

// ---- hosts ----------------------------------------------------------------------

void CDocumentFrame::SetTabState(DocumentTabState state) { SendToClient(WM_MDI_TABSTATE, state); }

void CDocumentFrame::EnableToolbarButton(int id, bool enable) {
    if (HWND toolbar = m_owner.Toolbar()) ::PostMessageA(toolbar, TB_ENABLEBUTTON, (WPARAM)id, MAKELPARAM(enable, 0));
}

void CDocumentFrame::CheckToolbarButton(int id, bool check) {
    if (HWND toolbar = m_owner.Toolbar()) ::PostMessageA(toolbar, TB_CHECKBUTTON, (WPARAM)id, MAKELPARAM(check, 0));
}

bool CDocumentFrame::IsMenuBarVisible() const { return m_owner.IsMenuBarVisible(); }

bool CDocumentFrame::IsToolbarVisible() const {
    HWND toolbar = m_owner.Toolbar();
    return toolbar && ::IsWindowVisible(toolbar);
}

int CDocumentFrame::PromptLineNumber(HWND owner, int lineCount) { return CGoToLineDialog::Prompt(owner, lineCount); }

int CDocumentFrame::PromptSymbolLine(HWND owner) { return m_owner.PromptSymbolLine(*this, owner); }

void CDocumentFrame::UpdateStatusBar(const ViewStatusTexts& texts) {
    HWND bar = m_owner.StatusBar();
    if (!bar || !m_hWnd || ::GetParent(m_hWnd) == nullptr) return;
    if ((HWND)::SendMessageA(::GetParent(m_hWnd), WM_MDIGETACTIVE, 0, 0) != m_hWnd) return;
    ShowViewStatusTexts(bar, texts);
}

void CDocumentFrame::SetStatusText(const char* text) {
    if (HWND bar = m_owner.StatusBar()) ::SetStatusText(bar, kStatusPosition, text);
}

// ---- what the main frame asks ---------------------------------------------------------

FrameDocumentState CDocumentFrame::Describe() const {
    FrameDocumentState state;
    state.path = m_path;
    state.modified = IsModified();
    state.readOnly = m_viewReadOnly;
    state.fileReadOnly = m_fileReadOnly;
    m_view->Describe(state);
    return state;
}

void CDocumentFrame::FillStatusBar(HWND statusBar) const { m_view->FillStatusBar(statusBar); }

std::string CDocumentFrame::HelpKeyword() const { return m_view->HelpKeyword(); }

void CDocumentFrame::DescribeSession(SessionEntry& entry) const {
    entry.path = m_path;
    m_view->DescribeSession(entry);
}

void CDocumentFrame::RestoreSession(const SessionEntry& entry) { m_view->RestoreSession(entry); }
