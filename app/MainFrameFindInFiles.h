#pragma once
// What the main frame keeps for find in files: the two result panes, the
// searches' runner, and its answers to the panes and the dialog.
#include <memory>
#include <string>

#include "FindInFilesHost.h"
#include "FindInFilesRunner.h"
#include "FindResultsPane.h"

class CMainFrame;

class CFindInFilesParts : public IFindInFilesHost, public IResultFileOpener {
public:
    explicit CFindInFilesParts(CMainFrame& frame);

    // Makes both panes and docks them at the bottom; false when a window
    // could not be made.
    // With a command pane, both become tabs of its box after it.
    bool CreatePanes(HWND frame, HWND commandPane = nullptr);
    CFindResultsPane* Pane(bool second) const { return m_panes[second ? 1 : 0].get(); }

    // IFindInFilesHost
    std::string ActiveDocumentPath() override;
    CFindResultsPane* ShowFindResultsPane(bool second) override;
    CFindInFilesRunner& SearchRunner() override { return m_runner; }
    // IResultFileOpener
    CEditorView* OpenResultFile(const char* path) override;
    void SetStatusMessage(const char* text) override;

private:
    CMainFrame& m_frame;
    CFindInFilesRunner m_runner;
    std::unique_ptr<CFindResultsPane> m_panes[2];
};
