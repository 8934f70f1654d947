// The main frame's side of the explorer pane.
#include "MainFrameExplorer.h"

#include "Globals.h"
#include "EncodingCodes.h"
#include "MainFrame.h"
#include "PaneCreation.h"
#include "resource.h"

CExplorerParts::CExplorerParts(CMainFrame& frame) : m_frame(frame) {}

bool CExplorerParts::CreatePane(HWND frame, HWND beside) {
    m_pane = std::make_unique<CExplorerPane>(*this);
    // The third tab, after the templates.
    return CreateTabbedPane(*m_pane, frame, IDS_PANE_EXPLORER, {kSideLeft, 0, 0.0f}, beside, 2);
}

bool CExplorerParts::TranslateViewAccelerator(MSG* msg) const {
    if (!m_pane || !m_pane->View() || !m_pane->m_hWnd) return false;
    const HWND parent = ::GetParent(msg->hwnd);
    if (!parent || ::GetParent(parent) != m_pane->m_hWnd) return false;
    return m_pane->View()->TranslateAccelerator(msg) == S_OK;
}

bool CExplorerParts::IsViewKey(const MSG& msg) const {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !m_pane) return false;
    const HWND view = m_pane->ViewWindow();
    return view && (msg.hwnd == view || ::IsChild(view, msg.hwnd));
}

void CExplorerParts::OpenDocument(const char* path) { m_frame.OpenDocument(path, kEncodingDefault, true); }

void CExplorerParts::OrganizeFavorites() { m_frame.PostMessage(WM_COMMAND, ID_OPTIONS_FAVORITES); }

// ---- the frame's part -------------------------------------------------------------

void ExplorerPartsDeleter::operator()(CExplorerParts* parts) const { delete parts; }

void CMainFrame::CreateExplorerPane() {
    m_explorer.reset(new CExplorerParts(*this));
    CDockPaneBase* symbols = PaneOfCommand(ID_PANE_SYMBOLS);
    if (m_explorer->CreatePane(m_hWnd, symbols ? symbols->m_hWnd : nullptr))
        m_paneOfCommand[ID_PANE_EXPLORER - ID_PANE_EXPLORER] = m_explorer->Pane();
}

CExplorerPane* CMainFrame::GetExplorerPane() const { return m_explorer ? m_explorer->Pane() : nullptr; }

void CMainFrame::LocateFile(const char* path) {
    if (CExplorerPane* pane = GetExplorerPane()) pane->SelectFile(path);
    ShowPane(ID_PANE_EXPLORER);
}
