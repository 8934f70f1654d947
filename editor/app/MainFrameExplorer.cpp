// The main frame's side of the explorer pane.
#include "MainFrameExplorer.h"

#include "Globals.h"
#include "EncodingCodes.h"
#include "MainFrame.h"
#include "PaneCreation.h"
#include "resource.h"

CExplorerParts::CExplorerParts(CMainFrame& frame) : m_frame(frame) {}

bool CExplorerParts::CreatePane(HWND frame) {
    m_pane = std::make_unique<CExplorerPane>(*this);
    return CreateDockedPane(*m_pane, frame, IDS_PANE_EXPLORER, {kSideLeft, 0, 0.0f});
}

bool CExplorerParts::TranslateViewAccelerator(MSG* msg) const {
    if (!m_pane || !m_pane->View() || !m_pane->m_hWnd) return false;
    const HWND parent = ::GetParent(msg->hwnd);
    if (!parent || ::GetParent(parent) != m_pane->m_hWnd) return false;
    return m_pane->View()->TranslateAccelerator(msg) == S_OK;
}

void CExplorerParts::OpenDocument(const char* path) { m_frame.OpenDocument(path, kEncodingDefault, true); }

void CExplorerParts::OrganizeFavorites() { m_frame.PostMessage(WM_COMMAND, ID_OPTIONS_FAVORITES); }

// ---- the frame's part -------------------------------------------------------------

void ExplorerPartsDeleter::operator()(CExplorerParts* parts) const { delete parts; }

void CMainFrame::CreateExplorerPane() {
    m_explorer.reset(new CExplorerParts(*this));
    if (m_explorer->CreatePane(m_hWnd)) m_paneOfCommand[ID_PANE_EXPLORER - ID_PANE_EXPLORER] = m_explorer->Pane();
}

CExplorerPane* CMainFrame::GetExplorerPane() const { return m_explorer ? m_explorer->Pane() : nullptr; }

void CMainFrame::LocateFile(const char* path) {
    if (CExplorerPane* pane = GetExplorerPane()) pane->SelectFile(path);
    ShowPane(ID_PANE_EXPLORER);
}
