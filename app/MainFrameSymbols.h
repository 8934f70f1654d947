#pragma once
// What the main frame keeps for the symbol pane: the pane itself and its
// answers to it (the active document, the status bar, start-up restoring).
#include <memory>

#include "DocumentFrame.h"
#include "SymbolPane.h"

class CMainFrame;

class CSymbolParts : public ISymbolPaneHost {
public:
    explicit CSymbolParts(CMainFrame& frame);

    // Makes the pane and docks it on the left; false when it could not be made.
    bool CreatePane(HWND frame);
    CSymbolPane* Pane() const { return m_pane.get(); }
    // A document's load, save, activation or end, as the pane needs it.
    void DocumentChanged(CDocumentFrame& document, DocumentEvent event);

    // ISymbolPaneHost
    CDocumentFrame* ActiveDocument() override;
    void SetStatusMessage(const char* text) override;
    bool IsRestoringSession() const override;

private:
    CMainFrame& m_frame;
    std::unique_ptr<CSymbolPane> m_pane;
};
