// The main frame's creation and layout, its documents and services, the
// message filter and the idle handler.
#include "MainFrame.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "AppMessages.h"
#include "EncodingCodes.h"
#include "AppSettings.h"
#include "AutoHideManager.h"
#include "DocumentFrameOwner.h"
#include "MainFrameExplorer.h"
#include "FontSchemes.h"
#include "Globals.h"
#include "InstanceGuard.h"
#include "MenuState.h"
#include "MessageLoop.h"
#include "ResourceText.h"
#include "SaveFlushMessage.h"
#include "SizeText.h"
#include "StatusBar.h"

namespace {

const int kBarsId = 0xE800;  // the toolbar and the rebar: their parents differ
const int kStatusBarId = 0xE801;
const int kMdiClientId = 0xE900;
const UINT kFirstMdiChildId = 0xFF00;
const int kPackBufBlockSize = 4096;

BOOL CALLBACK SendToWindow(HWND window, LPARAM message) {
    const MSG* msg = (const MSG*)message;
    ::SendMessageA(window, msg->message, msg->wParam, msg->lParam);
    return TRUE;
}

bool HasVisibleStyle(HWND window) { return window && (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE); }

bool FocusHasSelection() {
    HWND focus = ::GetFocus();
    if (!focus) return false;
    DWORD start = 0, end = 0;
    ::SendMessageA(focus, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return start != end;
}

}  // namespace

CMainFrame::CMainFrame()
    : m_saveFlushMessage(::RegisterWindowMessageA(kLastSaveFlushMessageName)),
      m_packBuf(::PackBufCreate(kPackBufBlockSize)) {
    if (g_instanceGuard) m_instanceMessage = g_instanceGuard->Message();
}

CMainFrame::~CMainFrame() {
    if (m_accelerators) ::DestroyAcceleratorTable(m_accelerators);
    // Taken off the window, so the window did not destroy it.
    if (m_menu) ::DestroyMenu(m_menu);
}

WindowClassInfo CMainFrame::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = kMainFrameClassName;
    info.background = (HBRUSH)(COLOR_APPWORKSPACE + 1);
    info.icon = ::LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAINFRAME));
    info.iconSmall = (HICON)::LoadImageA(g_instance, MAKEINTRESOURCEA(IDI_MAINFRAME), IMAGE_ICON, 16, 16, 0);
    return info;
}

bool CMainFrame::CreateMainWindow() {
    std::string title = LoadText(IDS_PRODUCT_NAME);
    if (title.empty()) title = "Tarnwick";
    HMENU menu = ::LoadMenuA(g_instance, MAKEINTRESOURCEA(IDR_MENU_MAIN));
    if (!Create(nullptr, nullptr, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, menu)) {
        if (menu && menu != m_menu) ::DestroyMenu(menu);
        return false;
    }
    return true;
}

// ---- creation, layout, close ------------------------------------------------

bool CMainFrame::CreateBars() {
    m_toolbarImages = CreateToolbarImageList(g_instance, IDB_TOOLBAR);
    m_toolbarDisabledImages = CreateToolbarImageList(g_instance, IDB_TOOLBAR_DISABLED);
    ToolbarTemplate buttons;
    if (!LoadToolbarTemplate(g_instance, IDR_TOOLBAR_MAIN, buttons)) return false;
    m_toolbar = CreateMainToolbar(m_hWnd, kBarsId, buttons, m_toolbarImages.get(), m_toolbarDisabledImages.get());
    m_rebar = CreateMainRebar(m_hWnd, kBarsId);
    if (!m_toolbar || !m_rebar) return false;
    // The menu bar is band 0, the toolbar band 1 on a row of its own.
    if (!m_commandBar.CreateBar(m_rebar, m_hWnd) || !m_commandBar.AttachMenu(m_menu) || !m_commandBar.AddToRebar(0))
        return false;
    AddRebarBand(m_rebar, m_toolbar);
    // The layout store finds the bands by id: each keeps its start-up index.
    for (int i = 0, n = (int)::SendMessageA(m_rebar, RB_GETBANDCOUNT, 0, 0); i < n; ++i) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_ID;
        band.wID = (UINT)i;
        ::SendMessageA(m_rebar, RB_SETBANDINFOA, i, (LPARAM)&band);
    }
    m_statusBar = CreateFrameStatusBar(m_hWnd, kStatusBarId);
    return m_statusBar != nullptr;
}

LRESULT CMainFrame::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    // The command bar shows the menu from here on; the frame keeps it.
    m_menu = ::GetMenu(m_hWnd);
    ::SetMenu(m_hWnd, nullptr);
    for (int i = 0; i <= MENU_POS_WINDOW; ++i) m_menuPopups[i] = m_menu ? ::GetSubMenu(m_menu, i) : nullptr;
    // The menus this frame does not update when they open (Help) too.
    if (m_menu) DisablePendingCommands(m_menu);
    if (!CreateBars()) return -1;
    // The Tools menu's items, then the keyboard map with their shortcuts.
    RebuildToolsMenu();
    if (g_appSettings) m_fontScheme = CFontSchemes(*g_appSettings).Chosen();
    LoadStyleFont(m_fontScheme);
    m_windowMenuOwnItems = m_menuPopups[MENU_POS_WINDOW] ? ::GetMenuItemCount(m_menuPopups[MENU_POS_WINDOW]) : 0;

    const OSVERSIONINFOA& os = g_osVersion;
    m_isXpOrLater = os.dwPlatformId == VER_PLATFORM_WIN32_NT &&
                    (os.dwMajorVersion > 5 || (os.dwMajorVersion == 5 && os.dwMinorVersion >= 1));
    if (g_appSettings && !g_appSettings->ReadInt(ini::kEditor, ini::kStatusBarVisible, 1)) {
        ::ShowWindow(m_statusBar, SW_HIDE);
    }

    // The frame draws its own window list, so the client gets no Window menu.
    CLIENTCREATESTRUCT client{};
    client.idFirstChild = kFirstMdiChildId;
    m_mdiClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                    0, 0, 0, 0, m_hWnd, (HMENU)(INT_PTR)kMdiClientId, g_instance, &client);
    if (!m_mdiClient) return -1;
    uint32_t mask = CurrentEditorMask();
    if (mask & kMaskTabsAtBottom) TabOwner().ModifyStripStyle(0, CMdiTabOwner::kTabsAtBottom);
    m_tabbedClient.SubclassWindow(m_mdiClient);
    if (mask & kMaskHideTabs) TabOwner().SetTabsHidden(true);
    AddTabImages();
    SetMdiClient(m_mdiClient);
    m_commandBar.SetMdiClient(m_mdiClient);
    SetDefaultProc(DefaultProc::Frame);
    m_updateUI.UIAddToolBar(m_toolbar);
    // The bars come first: a pane pinned before them would have nowhere to go.
    SetAutoHideBars(std::make_unique<CAutoHideManager>());
    InitDocking(4, &m_mdiClient);
    CreateConsolePane();
    CreateFindResultsPanes();
    CreateSymbolPane();
    CreateExplorerPane();
    CreateTemplatePane();
    GroupLeftPanes();
    if (CMessageLoop* loop = g_module.GetMessageLoop()) {
        loop->AddMessageFilter(this);
        loop->AddIdleHandler(this);
    }
    UpdateLayout();
    AttachRecentFiles();
    FillLanguageMenu();
    BuildLayoutMenu();
    ::DragAcceptFiles(m_hWnd, TRUE);
    if (mask & kMaskUpdateAtStart) CheckForUpdate(false, true);
    PostMessage(WM_RESTORESESSION);
    return 0;
}

void CMainFrame::AddTabImages() {
    // The document states of the tabs: normal, modified, read-only.
    HIMAGELIST images = TabOwner().GetImageList();
    if (!images) return;
    for (int icon : {IDI_TAB_NORMAL, IDI_TAB_MODIFIED, IDI_TAB_READONLY}) {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(images, &cx, &cy);
        HICON image = (HICON)::LoadImageA(g_instance, MAKEINTRESOURCEA(icon), IMAGE_ICON, cx, cy, 0);
        if (!image) continue;
        ::ImageList_AddIcon(images, image);
        ::DestroyIcon(image);
    }
}

RECT CMainFrame::DockingRect() {
    RECT client{};
    GetClientRect(&client);
    RECT rc{};
    if (HasVisibleStyle(m_rebar)) {
        ::GetWindowRect(m_rebar, &rc);
        client.top += rc.bottom - rc.top;
    }
    if (HasVisibleStyle(m_statusBar)) {
        ::GetWindowRect(m_statusBar, &rc);
        client.bottom -= rc.bottom - rc.top;
    }
    if (client.bottom < client.top) client.bottom = client.top;
    return client;
}

void CMainFrame::UpdateLayout() {
    // The bars place themselves; the docking areas and the MDI client share the rest.
    if (HasVisibleStyle(m_rebar)) ::SendMessageA(m_rebar, WM_SIZE, 0, 0);
    if (HasVisibleStyle(m_statusBar)) ::SendMessageA(m_statusBar, WM_SIZE, 0, 0);
    CDockSiteFrame::UpdateLayout();
}

LRESULT CMainFrame::OnSize(UINT, WPARAM wParam, LPARAM, bool&) {
    // Not to the default: it would stretch the MDI client over the bars.
    if (wParam != SIZE_MINIMIZED) UpdateLayout();
    return 0;
}

LRESULT CMainFrame::OnRebarHeightChange(int, NMHDR*, bool&) {
    UpdateLayout();
    return 0;
}

LRESULT CMainFrame::OnRestoreSession(UINT, WPARAM, LPARAM, bool&) {
    // The layout shows the frame.
    RestoreLayout();
    OpenStartFiles();
    if (!GetActiveMdiChild()) {
        if (CurrentEditorMask() & kMaskNewDocumentAtStart) SendMessage(WM_COMMAND, ID_FILE_NEW);
        LoadSession(DefaultSessionPath());
    }
    m_starting = false;
    ShowActiveSymbols();
    return 0;
}

LRESULT CMainFrame::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    // Refused when the user cancels saving; otherwise the default
    // processing destroys the frame.
    if (!SaveDefaultSession()) return 0;
    StopFindInFiles();
    if (CExplorerPane* explorer = GetExplorerPane()) explorer->SaveState();
    // The work area and the taskbar come back before the layout is written.
    LeaveScreenModes();
    SaveLayout();
    handled = false;
    return 0;
}

LRESULT CMainFrame::OnDestroy(UINT, WPARAM, LPARAM, bool&) {
    // Also when destroyed without a close: no search outlives the panes, and
    // no screen mode leaves the taskbar hidden.
    StopFindInFiles();
    LeaveScreenModes();
    if (CMessageLoop* loop = g_module.GetMessageLoop()) {
        loop->RemoveMessageFilter(this);
        loop->RemoveIdleHandler(this);
    }
    ::PostQuitMessage(0);
    return 0;
}

LRESULT CMainFrame::OnActivate(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
        if (HWND active = GetActiveMdiChild()) ::PostMessageA(active, WM_DOC_CHECKFILE, 0, 0);
    }
    handled = false;
    return 0;
}

// ---- the instance message -----------------------------------------------------

void CMainFrame::BringToFront() {
    if (::IsIconic(m_hWnd)) ShowWindow(SW_RESTORE);
    ::SetForegroundWindow(m_hWnd);
}

LRESULT CMainFrame::OnInstanceMessage(UINT, WPARAM wParam, LPARAM lParam, bool&) {
    switch (wParam) {
    case kInstanceCloseForUpdate:
        if (HasModifiedDocument()) BringToFront();
        UpdateCloseRequested = true;
        SendMessage(WM_CLOSE);
        break;
    case kInstanceOpenFiles: {
        // Copied out first: the sender frees the block once we return.
        std::vector<std::string> files;
        if (g_instanceGuard) g_instanceGuard->ReadForwardedFiles(files, (size_t)lParam);
        for (const std::string& file : files) OpenDocument(file.c_str(), kEncodingDefault, true);
        BringToFront();
        break;
    }
    default:
        BringToFront();
        break;
    }
    return 0;
}

LRESULT CMainFrame::OnSaveFlushMessage(UINT, WPARAM, LPARAM, bool&) {
    return m_documentOwner ? static_cast<LRESULT>(m_documentOwner->LastSaveFlushMicroseconds()) : 0;
}

// ---- documents ------------------------------------------------------------------

bool CMainFrame::HasModifiedDocument() const {
    bool modified = false;
    EnumDocuments(
        [](IFrameDocument* document, void*, void* result) {
            *(bool*)result = document->Describe().modified;
            return *(bool*)result ? 0 : 1;
        },
        nullptr, &modified);
    return modified;
}

HWND CMainFrame::GetActiveMdiChild() const {
    return m_mdiClient ? (HWND)::SendMessageA(m_mdiClient, WM_MDIGETACTIVE, 0, 0) : nullptr;
}

std::vector<HWND> CMainFrame::DocumentWindows() const {
    // The tabs' order (the user may drag them); a window that has not been
    // activated yet has no tab and comes after them, oldest first.
    std::vector<HWND> windows;
    if (!m_mdiClient) return windows;
    const CDotNetTabCtrl& strip = TabOwner().Strip();
    for (int i = 0; i < strip.GetItemCount(); ++i) {
        HWND window = (HWND)strip.GetItem(i)->data;
        if (::IsWindow(window) && ::GetParent(window) == m_mdiClient) windows.push_back(window);
    }
    std::vector<HWND> untabbed;
    for (HWND child = ::GetWindow(m_mdiClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::GetWindow(child, GW_OWNER) && std::find(windows.begin(), windows.end(), child) == windows.end())
            untabbed.push_back(child);
    }
    std::sort(untabbed.begin(), untabbed.end(),
              [](HWND a, HWND b) { return ::GetDlgCtrlID(a) < ::GetDlgCtrlID(b); });
    windows.insert(windows.end(), untabbed.begin(), untabbed.end());
    return windows;
}

void CMainFrame::EnumDocuments(DocumentCallback callback, void* argument, void* result) const {
    for (HWND window : DocumentWindows()) {
        IFrameDocument* document = FrameDocumentOf(window);
        if (document && !callback(document, argument, result)) break;
    }
}

FrameDocumentState CMainFrame::DescribeOrEmpty(IFrameDocument* document) {
    return document ? document->Describe() : FrameDocumentState();
}

void CMainFrame::ActivateDocument(HWND document) {
    if (document) ::SendMessageA(m_mdiClient, WM_MDIACTIVATE, (WPARAM)document, 0);
}

std::vector<HWND> CMainFrame::DocumentWindowsInZOrder() const {
    std::vector<HWND> windows;
    if (!m_mdiClient) return windows;
    for (HWND child = ::GetWindow(m_mdiClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::GetWindow(child, GW_OWNER)) windows.push_back(child);
    }
    return windows;
}

void CMainFrame::CloseAllDocuments(bool markClosing) {
    for (HWND window : DocumentWindowsInZOrder()) {
        if (markClosing) ::SendMessageA(window, WM_DOC_CLOSE, 0, 0);
        if (::IsWindow(window)) ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

// ---- services -------------------------------------------------------------------

void CMainFrame::EnableSearchButtons(bool enable) {
    for (UINT id : {ID_SEARCH_FIND, ID_SEARCH_REPLACE, ID_SEARCH_FIND_IN_FILES}) {
        ::PostMessageA(m_toolbar, TB_ENABLEBUTTON, id, MAKELPARAM(enable ? TRUE : FALSE, 0));
    }
}

void CMainFrame::SetStatusMessage(const char* text) { SetStatusText(m_statusBar, kStatusMessage, text); }

void CMainFrame::UpdateStatusBar() {
    if (!m_statusBar) return;
    IFrameDocument* document = FrameDocumentOf(GetActiveMdiChild());
    if (!document) {
        for (int part = 0; part < kStatusPartCount; ++part) SetStatusText(m_statusBar, static_cast<StatusPart>(part), "");
        return;
    }
    FrameDocumentState state = document->Describe();
    if (state.kind == DocumentKind::Hex) {
        char size[50];
        FormatByteSize(size, sizeof(size), state.fileSize);
        SetStatusText(m_statusBar, kStatusSize, size);
        SetStatusText(m_statusBar, kStatusEncoding, "Binary");
        SetStatusText(m_statusBar, kStatusMode, "OVR");
    } else {
        SetStatusText(m_statusBar, kStatusEncoding, EncodingStatusName(state.encoding));
        SetStatusText(m_statusBar, kStatusMode, state.overtype ? "OVR" : "INS");
    }
    document->FillStatusBar(m_statusBar);
}

bool CMainFrame::HandleEscape() {
    if (!m_hideTitleBar && !IsDocumentFullScreen()) return false;
    LeaveScreenModes();
    return true;
}

void CMainFrame::ShowPopupMenu(HWND owner, UINT menuId, int x, int y) {
    HMENU menu = ::LoadMenuA(g_instance, MAKEINTRESOURCEA(menuId));
    if (!menu) return;
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTBUTTON, x, y, 0, owner, nullptr);
    ::DestroyMenu(menu);
}

// ---- message filter and idle ------------------------------------------------

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
    // Alt, F10 and Alt+mnemonic open the menus before any shortcut is looked up.
    if (m_commandBar.PreTranslateMessage(msg)) return TRUE;
    // The command pane takes every key, Ctrl+C included, as a console does.
    if (IsConsoleKey(*msg)) return FALSE;
    // The folder view first: F2 or Ctrl+C there rename or copy its items.
    // Wine's folder view takes no key through its translation, so its keys
    // go straight to it rather than to the document's shortcuts.
    if (m_explorer && m_explorer->TranslateViewAccelerator(msg)) return TRUE;
    if (m_explorer && m_explorer->IsViewKey(*msg)) return FALSE;
    if (m_accelerators && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST &&
        ::TranslateAcceleratorA(m_hWnd, m_accelerators, msg)) {
        return TRUE;
    }
    if (m_mdiClient && ::TranslateMDISysAccel(m_mdiClient, msg)) return TRUE;
    HWND active = GetActiveMdiChild();
    return active && ::SendMessageA(active, WM_FORWARDMSG, 0, (LPARAM)msg) != 0;
}

BOOL CMainFrame::OnIdle() {
    UpdatePaneChecks();
    IFrameDocument* document = FrameDocumentOf(GetActiveMdiChild());
    FrameDocumentState state = DescribeOrEmpty(document);
    bool editor = document && state.kind == DocumentKind::Editor;
    bool selection = editor ? state.hasSelection : FocusHasSelection();
    m_updateUI.UIEnable(ID_FILE_SAVE, document && state.modified);
    for (UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE}) m_updateUI.UIEnable(id, selection);
    m_updateUI.UIEnable(ID_EDIT_PASTE, ::IsClipboardFormatAvailable(CF_TEXT) != FALSE);
    m_updateUI.UIEnable(ID_EDIT_UNDO, document && state.canUndo);
    m_updateUI.UIEnable(ID_EDIT_REDO, editor && state.canRedo);
    m_updateUI.UIUpdateToolBar();
    return FALSE;
}

// By the bands' own state: IsWindowVisible also asks the frame, which is hidden until the session is restored.
bool CMainFrame::IsMenuBarVisible() const { return IsRebarBandVisible(m_rebar, m_commandBar.m_hWnd); }

bool CMainFrame::IsToolbarVisible() const { return IsRebarBandVisible(m_rebar, m_toolbar); }

bool CMainFrame::IsStatusBarVisible() const { return HasVisibleStyle(m_statusBar); }

// ---- other messages -------------------------------------------------------------

LRESULT CMainFrame::OnClientDoubleClick(UINT, WPARAM, LPARAM, bool&) {
    uint32_t mask = CurrentEditorMask();
    switch ((mask & kMaskClientDoubleClick) >> 6) {
    case 0: SendMessage(WM_COMMAND, ID_FILE_OPEN); break;
    case 1: SendMessage(WM_COMMAND, ID_FILE_NEW); break;
    default: break;
    }
    return 0;
}

LRESULT CMainFrame::OnSendToDescendants(UINT msg, WPARAM wParam, LPARAM lParam, bool&) {
    MSG message{m_hWnd, msg, wParam, lParam, 0, {0, 0}};
    ::EnumChildWindows(m_hWnd, SendToWindow, (LPARAM)&message);  // every descendant, not only children
    return 0;
}

LRESULT CMainFrame::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& handled) {
    auto* info = (MINMAXINFO*)lParam;
    POINT twice{2 * ::GetSystemMetrics(SM_CXSCREEN), 2 * ::GetSystemMetrics(SM_CYSCREEN)};
    info->ptMaxSize = twice;
    info->ptMaxTrackSize = twice;
    handled = false;  // the docking part adds its minimum size
    return 0;
}
