// The main frame's side of find and replace: it opens the dialogs and
// answers them with the documents' searches.
#include "MainFrame.h"

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "FindReplaceDialog.h"
#include "Globals.h"
#include "UiSeams.h"

CViewSearch* CMainFrame::ActiveSearch() {
    CDocumentFrame* document = CDocumentFrame::FromWindow(GetActiveMdiChild());
    return document ? document->GetSearch() : nullptr;
}

void CMainFrame::ForEachSearch(const std::function<bool(CViewSearch&)>& call) {
    for (HWND window : DocumentWindows()) {
        CDocumentFrame* document = CDocumentFrame::FromWindow(window);
        if (CViewSearch* search = document ? document->GetSearch() : nullptr)
            if (!call(*search)) return;
    }
}

uint32_t CMainFrame::EditorMask() const { return CurrentEditorMask(); }

// Each command makes a new dialog, as many as the user asks for.
LRESULT CMainFrame::OnFindReplace(WORD, WORD id, HWND, bool&) {
    const auto kind = id == ID_SEARCH_FIND ? CFindReplaceDialog::kFind : CFindReplaceDialog::kReplace;
    CFindReplaceDialog::Open(kind, m_hWnd, *this, m_searchGate, SharedSearchOptions());
    return 0;
}
