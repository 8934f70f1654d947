// The pane commands ID_PANE_EXPLORER to ID_PANE_FIND_RESULTS2: showing, toggling, and their check marks, for
// whichever of the six panes exist.
#include "MainFrame.h"

#include "AppSettings.h"
#include "DockPane.h"
#include "PaneCreation.h"
#include "ResourceText.h"
#include "SymbolPane.h"

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

void CMainFrame::RecolourPanes(const CAppSettings& settings) {
    if (CSymbolPane* symbols = GetSymbolPane()) symbols->Recolour(settings.SymbolFore, settings.SymbolBack);
    // The lists of the other panes take their colours when they paint.
    for (CDockPaneBase* pane : m_paneOfCommand)
        if (pane && pane->IsWindow())
            ::RedrawWindow(pane->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool CreateDockedPane(CDockPaneBase& pane, HWND frame, UINT titleId, const DockedPanePlace& place) {
    const std::string title = LoadText(titleId).substr(0, 63);
    const bool across = place.side == kSideBottom || place.side == kSideTop;
    const RECT rect = across ? RECT{100, 100, 500, 300} : RECT{100, 100, 300, 500};
    if (!pane.Create(frame, rect, title.c_str(), kDockedPaneStyle)) return false;
    DockMessage record(nullptr, nullptr, kDockAtPlacement);
    record.place = {place.side, place.position, place.ratio, 100, 100, 0};
    pane.DockAtPlacement(record);
    return true;
}

void CMainFrame::GroupLeftPanes() {
    CDockPaneBase* symbols = PaneOfCommand(ID_PANE_SYMBOLS);
    if (!symbols) return;
    LONG index = 1;
    for (UINT id : {ID_PANE_TEMPLATES, ID_PANE_EXPLORER}) {
        CDockPaneBase* pane = PaneOfCommand(id);
        if (!pane) continue;
        DockMessage onto(nullptr, symbols->m_hWnd, kDockAtPlacement);
        onto.place.index = index++;
        pane->DockAtPlacement(onto);
    }
    symbols->ShowInContainer();
}

void CMainFrame::UpdatePaneChecks() {
    for (UINT id = ID_PANE_EXPLORER; id <= ID_PANE_FIND_RESULTS2; ++id) m_updateUI.UISetCheck(id, IsPaneShown(id));
}
