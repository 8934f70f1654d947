// The main frame's side of find in files: the result panes made at start,
// the Find in Files command, and the searches stopped before the frame goes.
#include "MainFrameFindInFiles.h"

#include "AppSettings.h"
#include "ConsolePane.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "FindInFilesDialog.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PaneCreation.h"
#include "UiSeams.h"

CFindInFilesParts::CFindInFilesParts(CMainFrame& frame) : m_frame(frame), m_runner(SharedSearchOptions()) {}

bool CFindInFilesParts::CreatePanes(HWND frame, HWND commandPane) {
    // Bottom side, positions 4 and 5, as the layout store expects them.
    const struct {
        UINT title;
        LONG position;
    } panes[] = {{IDS_PANE_FIND_RESULTS1, 4}, {IDS_PANE_FIND_RESULTS2, 5}};
    for (int i = 0; i < 2; ++i) {
        const ResultPaneLook look =
            g_appSettings ? ResultPaneLookOf(*g_appSettings, i + 1, g_outputFont, g_screenDC) : ResultPaneLook{};
        m_panes[i] = std::make_unique<CFindResultsPane>(i + 1, *this, look);
        // The second goes onto the first (both onto the command pane when
        // there is one), so that they share one tab docking box.
        const HWND beside = commandPane ? commandPane : i == 1 ? m_panes[0]->m_hWnd : nullptr;
        const LONG index = commandPane ? i + 1 : 1;
        if (!CreateTabbedPane(*m_panes[i], frame, panes[i].title, {kSideBottom, panes[i].position, 0.1f}, beside, index))
            return false;
    }
    // The first results pane is the tab shown.
    m_panes[0]->ShowInContainer();
    return true;
}

std::string CFindInFilesParts::ActiveDocumentPath() {
    IFrameDocument* document = FrameDocumentOf(m_frame.GetActiveMdiChild());
    return document ? document->Describe().path : std::string();
}

CFindResultsPane* CFindInFilesParts::ShowFindResultsPane(bool second) {
    m_frame.ShowPane(second ? ID_PANE_FIND_RESULTS2 : ID_PANE_FIND_RESULTS1);
    return Pane(second);
}

CEditorView* CFindInFilesParts::OpenResultFile(const char* path) {
    CDocumentFrame* document = m_frame.OpenDocument(path, kEncodingDefault, true);
    return document ? document->GetEditor() : nullptr;
}

void CFindInFilesParts::SetStatusMessage(const char* text) { m_frame.SetStatusMessage(text); }

// ---- the frame's part -------------------------------------------------------------

void FindInFilesPartsDeleter::operator()(CFindInFilesParts* parts) const { delete parts; }

void CMainFrame::CreateFindResultsPanes() {
    m_findInFiles.reset(new CFindInFilesParts(*this));
    m_findInFiles->CreatePanes(m_hWnd, m_consolePane ? m_consolePane->m_hWnd : nullptr);
    m_paneOfCommand[ID_PANE_FIND_RESULTS1 - ID_PANE_EXPLORER] = m_findInFiles->Pane(false);
    m_paneOfCommand[ID_PANE_FIND_RESULTS2 - ID_PANE_EXPLORER] = m_findInFiles->Pane(true);
}

CFindResultsPane* CMainFrame::GetFindResultsPane(bool second) const {
    return m_findInFiles ? m_findInFiles->Pane(second) : nullptr;
}

CFindInFilesRunner* CMainFrame::FindInFilesRunner() const {
    return m_findInFiles ? &m_findInFiles->SearchRunner() : nullptr;
}

void CMainFrame::StopFindInFiles() {
    if (m_findInFiles) m_findInFiles->SearchRunner().StopAll();
}

LRESULT CMainFrame::OnFindInFiles(WORD, WORD, HWND, bool&) {
    if (m_findInFiles)
        CFindInFilesDialog::Open(m_hWnd, *m_findInFiles, *this, m_searchGate, SharedSearchOptions());
    return 0;
}
