// The pane commands ID_PANE_EXPLORER to ID_PANE_FIND_RESULTS2: showing, toggling, and their check marks, for
// whichever of the six panes exist.
#include "MainFrame.h"

#include "DockPane.h"

namespace {

// By the style alone: the frame itself stays hidden until the session is restored.
bool HasVisibleStyle(HWND window) { return window && (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE); }

}  // namespace

CDockPaneBase* CMainFrame::PaneOfCommand(UINT id) const {
    if (id < ID_PANE_EXPLORER || id > ID_PANE_FIND_RESULTS2) return nullptr;
    CDockPaneBase* pane = m_paneOfCommand[id - ID_PANE_EXPLORER];
    return pane && pane->IsWindow() ? pane : nullptr;
}

bool CMainFrame::IsPaneShown(UINT id) const {
    CDockPaneBase* pane = PaneOfCommand(id);
    return pane && pane->IsPaneOrBoxVisible();
}

void CMainFrame::ShowPane(UINT id) {
    CDockPaneBase* pane = PaneOfCommand(id);
    if (!pane || HasVisibleStyle(pane->m_hWnd)) return;
    // A pane behind another tab of a visible box is brought forward there.
    const HWND container = pane->Container();
    if (HasVisibleStyle(container) && !pane->IsAutoHidden() && pane->ShowInContainer()) return;
    pane->Show();
}

LRESULT CMainFrame::OnTogglePane(WORD, WORD id, HWND, bool&) {
    CDockPaneBase* pane = PaneOfCommand(id);
    if (!pane) return 0;
    if (!pane->IsPaneVisible()) {
        ShowPane(id);
        return 0;
    }
    const HWND parent = pane->GetParent();
    pane->Hide();
    ::SetFocus(parent && ::IsWindow(parent) ? parent : m_hWnd);
    return 0;
}

void CMainFrame::UpdatePaneChecks() {
    for (UINT id = ID_PANE_EXPLORER; id <= ID_PANE_FIND_RESULTS2; ++id) m_updateUI.UISetCheck(id, IsPaneShown(id));
}
