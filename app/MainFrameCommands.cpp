// The main frame's menus and the commands it handles itself.
#include "MainFrame.h"

#include <ole2.h>

#include <algorithm>
#include <string>

#include "AppSettings.h"
#include "Globals.h"
#include "MenuState.h"
#include "PathString.h"
#include "ResourceText.h"
#include "UiSeams.h"

namespace {

const int kWindowListMax = ID_WINDOW_LIST_LAST - ID_WINDOW_LIST_FIRST + 1;

// The help viewer's automation class and interface.
const CLSID kHelpViewerClass = {0x854D7AC5, 0xBC3D, 0x11D0, {0xB4, 0x21, 0x00, 0xA0, 0xC9, 0x0F, 0x9D, 0xC4}};
const IID kHelpViewerInterface = {0x854D7AC0, 0xBC3D, 0x11D0, {0xB4, 0x21, 0x00, 0xA0, 0xC9, 0x0F, 0x9D, 0xC4}};

bool ClipboardHasText() {
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_UNICODETEXT);
}

}  // namespace

// ---- menus --------------------------------------------------------------------

LRESULT CMainFrame::OnInitMenuPopup(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    HMENU popup = (HMENU)wParam;
    // By handle, not by position: a maximised document puts its system menu
    // in front of the menu bar's own items.
    auto found = std::find(std::begin(m_menuPopups), std::end(m_menuPopups), popup);
    if (HIWORD(lParam) || !popup || found == std::end(m_menuPopups)) {
        handled = false;
        return 0;
    }
    int index = (int)(found - std::begin(m_menuPopups));
    FrameDocumentState state;
    MenuContext context;
    if (IFrameDocument* document = FrameDocumentOf(GetActiveMdiChild())) {
        state = document->Describe();
        context.document = &state;
    }
    context.clipboardHasText = ClipboardHasText();
    context.hideTitleBar = m_hideTitleBar;
    context.menuBarVisible = IsMenuBarVisible();
    context.toolbarVisible = IsToolbarVisible();
    context.statusBarVisible = IsStatusBarVisible();
    for (int i = 0; i < 6; ++i) context.paneVisible[i] = IsPaneShown(ID_PANE_EXPLORER + i);
    ApplyMenuState(index, popup, context);
    if (index == MENU_POS_TOOLS) UpdateToolItems(popup, context.document ? state.path : std::string());
    if (index == MENU_POS_WINDOW) RebuildWindowList(popup);
    return 0;
}

void CMainFrame::RebuildWindowList(HMENU windowMenu) {
    while (::GetMenuItemCount(windowMenu) > m_windowMenuOwnItems) {
        ::DeleteMenu(windowMenu, m_windowMenuOwnItems, MF_BYPOSITION);
    }
    std::vector<HWND> windows = DocumentWindows();
    if (windows.empty()) return;
    ::AppendMenuA(windowMenu, MF_SEPARATOR, 0, nullptr);
    HWND active = GetActiveMdiChild();
    // The ids end at 958; documents past them get no item.
    size_t count = std::min(windows.size(), (size_t)kWindowListMax);
    for (size_t i = 0; i < count; ++i) {
        IFrameDocument* document = FrameDocumentOf(windows[i]);
        std::string path = document ? document->Describe().path : CWindowHandle(windows[i]).GetWindowText();
        std::string name = CPathString(path).Name().AsText();
        UINT flags = MF_STRING | (windows[i] == active ? MF_CHECKED : MF_UNCHECKED);
        ::AppendMenuA(windowMenu, flags, ID_WINDOW_LIST_FIRST + i, name.c_str());
    }
}

LRESULT CMainFrame::OnToolbarContextMenu(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    // A click on the toolbar arrives with the toolbar's handle.
    HWND clicked = (HWND)wParam;
    if (!m_rebar || (clicked != m_rebar && !::IsChild(m_rebar, clicked))) {
        handled = false;
        return 0;
    }
    POINT at{(short)LOWORD(lParam), (short)HIWORD(lParam)};
    if (lParam == -1) ::GetCursorPos(&at);
    HMENU menu = ::LoadMenuA(g_instance, MAKEINTRESOURCEA(IDR_MENU_REBAR));
    if (!menu) return 0;
    HMENU popup = ::GetSubMenu(menu, 0);
    ::CheckMenuItem(popup, ID_VIEW_MENUBAR, MF_BYCOMMAND | (IsMenuBarVisible() ? MF_CHECKED : MF_UNCHECKED));
    ::CheckMenuItem(popup, ID_VIEW_TOOLBAR, MF_BYCOMMAND | (IsToolbarVisible() ? MF_CHECKED : MF_UNCHECKED));
    ::TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
    return 0;
}

// ---- commands -------------------------------------------------------------------

LRESULT CMainFrame::OnCloseOthers(WORD, WORD, HWND, bool&) {
    HWND active = GetActiveMdiChild();
    for (HWND window : DocumentWindows()) {
        if (window != active && ::IsWindow(window)) ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
}

LRESULT CMainFrame::OnExit(WORD, WORD, HWND, bool&) {
    PostMessage(WM_CLOSE);
    return 0;
}

LRESULT CMainFrame::OnClipboardCommand(WORD, WORD id, HWND, bool&) {
    static const UINT kMessages[] = {WM_CUT, WM_COPY, WM_PASTE};
    if (HWND focus = ::GetFocus()) ::PostMessageA(focus, kMessages[id - ID_EDIT_CUT], 0, 0);
    return 0;
}

LRESULT CMainFrame::OnToggleBar(WORD, WORD id, HWND, bool&) {
    const bool menuBar = id == ID_VIEW_MENUBAR;
    const bool show = !(menuBar ? IsMenuBarVisible() : IsToolbarVisible());
    ShowRebarBand(m_rebar, menuBar ? m_commandBar.m_hWnd : m_toolbar, show);
    ::CheckMenuItem(m_menu, id, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    UpdateLayout();
    return 0;
}

void CMainFrame::ShowStatusBar(bool show) {
    ::ShowWindow(m_statusBar, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    ::CheckMenuItem(m_menu, ID_VIEW_STATUS_BAR, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    if (g_appSettings) g_appSettings->WriteInt(ini::kEditor, ini::kStatusBarVisible, show ? 1 : 0);
    UpdateLayout();
}

LRESULT CMainFrame::OnToggleStatusBar(WORD, WORD, HWND, bool&) {
    ShowStatusBar(!IsStatusBarVisible());
    return 0;
}

LRESULT CMainFrame::OnContextHelp(WORD, WORD, HWND, bool&) {
    IFrameDocument* document = FrameDocumentOf(GetActiveMdiChild());
    if (!document) return 0;
    FrameDocumentState state = document->Describe();
    if (state.kind != DocumentKind::Editor) return 0;
    std::string keyword = document->HelpKeyword();
    UINT codePage = IsUnicodeEncoding(state.encoding) ? CP_UTF8 : CP_ACP;
    std::wstring wide = ToWide(keyword, codePage);
    IUnknown* viewer = nullptr;
    if (FAILED(::CoCreateInstance(kHelpViewerClass, nullptr, CLSCTX_SERVER, kHelpViewerInterface, (void**)&viewer)) ||
        !viewer) {
        ShowMessage(m_hWnd, "Cannot register vshelp.dll", MB_OK, "");  // the empty caption is its own
        return 0;
    }
    // The viewer is not part of the editor: it is started and handed the
    // keyword through its automation interface; what it shows is its own matter.
    ::OleRun(viewer);
    IDispatch* automation = nullptr;
    if (SUCCEEDED(viewer->QueryInterface(IID_IDispatch, (void**)&automation)) && automation) {
        OLECHAR* method = const_cast<OLECHAR*>(L"DisplayTopicFromKeyword");
        DISPID id = 0;
        if (SUCCEEDED(automation->GetIDsOfNames(IID_NULL, &method, 1, LOCALE_USER_DEFAULT, &id))) {
            VARIANT argument;
            ::VariantInit(&argument);
            argument.vt = VT_BSTR;
            argument.bstrVal = ::SysAllocString(wide.c_str());
            DISPPARAMS parameters{&argument, nullptr, 1, 0};
            automation->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                               nullptr);
            ::VariantClear(&argument);
        }
        automation->Release();
    }
    viewer->Release();
    return 0;
}

LRESULT CMainFrame::OnNextPreviousTab(WORD, WORD id, HWND, bool&) {
    std::vector<HWND> windows = DocumentWindows();
    auto current = std::find(windows.begin(), windows.end(), GetActiveMdiChild());
    if (current == windows.end()) return 0;
    size_t count = windows.size();
    size_t index = (size_t)(current - windows.begin());
    index = id == ID_WINDOW_NEXT ? (index + 1) % count : (index + count - 1) % count;
    ActivateDocument(windows[index]);
    return 0;
}

LRESULT CMainFrame::OnTopmost(WORD, WORD, HWND, bool&) {
    bool topmost = !(::GetMenuState(m_menu, ID_WINDOW_TOPMOST, MF_BYCOMMAND) & MF_CHECKED);
    ::CheckMenuItem(m_menu, ID_WINDOW_TOPMOST, MF_BYCOMMAND | (topmost ? MF_CHECKED : MF_UNCHECKED));
    SetWindowPos(topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return 0;
}

LRESULT CMainFrame::OnArrangeWindows(WORD, WORD id, HWND, bool&) {
    switch (id) {
    case ID_WINDOW_CASCADE: ::SendMessageA(m_mdiClient, WM_MDICASCADE, 0, 0); break;
    case ID_WINDOW_TILE_HORZ: ::SendMessageA(m_mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0); break;
    case ID_WINDOW_TILE_VERT: ::SendMessageA(m_mdiClient, WM_MDITILE, MDITILE_VERTICAL, 0); break;
    default: ::SendMessageA(m_mdiClient, WM_MDIICONARRANGE, 0, 0); break;
    }
    return 0;
}

LRESULT CMainFrame::OnWindowListItem(WORD, WORD id, HWND, bool&) {
    std::vector<HWND> windows = DocumentWindows();
    size_t index = id - ID_WINDOW_LIST_FIRST;
    if (index < windows.size()) ActivateDocument(windows[index]);
    return 0;
}

LRESULT CMainFrame::OnForwardCommand(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (HWND active = GetActiveMdiChild()) ::SendMessageA(active, WM_COMMAND, wParam, lParam);
    handled = false;  // then offered to the chained maps
    return 0;
}
