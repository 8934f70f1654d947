// The two screen modes: the title bar and frame moved off the screen (with
// the taskbar hidden and the work area the whole screen), and the document
// area stretched over the whole screen.
#include "AppSettings.h"
#include "Globals.h"
#include "MainFrame.h"
#include "MainFrameLayout.h"

namespace {

// Documents' tab strip, added to the MDI area in full-screen mode.
constexpr int kTabStripAllowance = 24;

HWND Taskbar() { return ::FindWindowA("Shell_TrayWnd", nullptr); }

// Sets the work area and tells the other windows with a bounded broadcast:
// SPIF_SENDCHANGE's own broadcast waits on every top-level window, and one
// that does not answer (a stopped program) would hang the editor.
void SetWorkArea(RECT area) {
    ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000,
                          nullptr);
}

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

}  // namespace

bool CMainFrame::IsDocumentFullScreen() const {
    return m_layout && !::IsRectEmpty(&m_layout->fullScreenRect);
}

LRESULT CMainFrame::OnScreenMode(WORD, WORD id, HWND, bool&) {
    if (id == ID_VIEW_HIDE_TITLE)
        ToggleFullScreen();
    else
        ToggleDocumentFullScreen();
    return 0;
}

void CMainFrame::ToggleFullScreen() {
    if (!m_layout) m_layout.reset(new CMainFrameLayout);
    CMainFrameLayout& state = *m_layout;
    HWND taskbar = Taskbar();
    if (!m_hideTitleBar) {
        m_hideTitleBar = true;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &state.savedWorkArea, 0);
        // An explicit rectangle: a null one is refused (by Wine at least).
        RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        SetWorkArea(screen);
        if (taskbar) ::ShowWindow(taskbar, SW_HIDE);
        state.savedPlacement = WINDOWPLACEMENT{};
        state.savedPlacement.length = sizeof(WINDOWPLACEMENT);
        state.hasSavedPlacement = ::GetWindowPlacement(m_hWnd, &state.savedPlacement) != FALSE;
        // A maximized window would not take the rectangle.
        if (::IsZoomed(m_hWnd)) ShowWindow(SW_RESTORE);
        int frameX = ::GetSystemMetrics(SM_CXFRAME), frameY = ::GetSystemMetrics(SM_CYFRAME);
        int edgeY = ::GetSystemMetrics(SM_CYEDGE), caption = ::GetSystemMetrics(SM_CYCAPTION);
        SetWindowPos(nullptr, -(frameX + 1), -(edgeY + caption + 2), screen.right + 2 * frameX + 2,
                     screen.bottom + edgeY + caption + frameY + 3, SWP_NOZORDER);
    } else {
        m_hideTitleBar = false;
        if (taskbar) ::ShowWindow(taskbar, SW_SHOW);
        if (state.hasSavedPlacement) {
            SetWorkArea(state.savedWorkArea);
            WINDOWPLACEMENT placement = state.savedPlacement;
            bool maximized = placement.showCmd == SW_SHOWMAXIMIZED;
            if (maximized) placement.showCmd = SW_SHOWNORMAL;
            ::SetWindowPlacement(m_hWnd, &placement);
            if (maximized) ShowWindow(SW_SHOWMAXIMIZED);
            state.hasSavedPlacement = false;
        }
    }
    ::SetForegroundWindow(m_hWnd);
}

void CMainFrame::ToggleDocumentFullScreen() {
    if (!m_layout) m_layout.reset(new CMainFrameLayout);
    RECT& saved = m_layout->fullScreenRect;
    if (!::IsRectEmpty(&saved)) {
        SetWindowPos(nullptr, saved.left, saved.top, saved.right - saved.left, saved.bottom - saved.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        saved = RECT{};
        return;
    }
    RECT area = WindowRect(m_mdiClient);
    if (GetActiveMdiChild()) {
        bool atBottom = (CurrentEditorMask() & kMaskTabsAtBottom) != 0;
        if (atBottom)
            area.bottom += kTabStripAllowance;
        else
            area.top -= kTabStripAllowance;
    }
    saved = WindowRect(m_hWnd);
    int left = saved.left - area.left, top = saved.top - area.top;
    int width = ::GetSystemMetrics(SM_CXSCREEN) + saved.right - area.right - left;
    int height = ::GetSystemMetrics(SM_CYSCREEN) + saved.bottom - area.bottom - top;
    SetWindowPos(nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::LeaveScreenModes() {
    if (m_hideTitleBar) ToggleFullScreen();
    if (IsDocumentFullScreen()) ToggleDocumentFullScreen();
}

LRESULT CMainFrame::OnEndSession(UINT, WPARAM ending, LPARAM, bool&) {
    // The session ends without a close: the system-wide work area and the
    // taskbar must not stay as this mode left them.
    if (ending) LeaveScreenModes();
    return 0;
}
