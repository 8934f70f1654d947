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

namespace {

bool CreateHiddenPane(CDockPaneBase& pane, HWND frame, UINT titleId, const DockedPanePlace& place) {
    const std::string title = LoadText(titleId).substr(0, 63);
    const bool across = place.side == kSideBottom || place.side == kSideTop;
    const RECT rect = across ? RECT{100, 100, 500, 300} : RECT{100, 100, 300, 500};
    return pane.Create(frame, rect, title.c_str(), kDockedPaneStyle) != nullptr;
}

void DockAtPlace(CDockPaneBase& pane, const DockedPanePlace& place) {
    DockMessage record(nullptr, nullptr, kDockAtPlacement);
    record.place = {place.side, place.position, place.ratio, 100, 100, 0};
    pane.DockAtPlacement(record);
}

}  // namespace

bool CreateDockedPane(CDockPaneBase& pane, HWND frame, UINT titleId, const DockedPanePlace& place) {
    if (!CreateHiddenPane(pane, frame, titleId, place)) return false;
    DockAtPlace(pane, place);
    return true;
}

bool CreateTabbedPane(CDockPaneBase& pane, HWND frame, UINT titleId, const DockedPanePlace& place, HWND beside,
                      LONG index) {
    if (!CreateHiddenPane(pane, frame, titleId, place)) return false;
    if (beside) {
        DockMessage onto(nullptr, beside, kDockAtPlacement);
        onto.place.index = index;
        if (pane.DockAtPlacement(onto)) return true;
    }
    DockAtPlace(pane, place);
    return true;
}

void CMainFrame::GroupLeftPanes() {
    // The explorer and the templates joined the symbol pane as they were made.
    if (CDockPaneBase* symbols = PaneOfCommand(ID_PANE_SYMBOLS)) symbols->ShowInContainer();
}

void CMainFrame::UpdatePaneChecks() {
    for (UINT id = ID_PANE_EXPLORER; id <= ID_PANE_FIND_RESULTS2; ++id) m_updateUI.UISetCheck(id, IsPaneShown(id));
}
