// The main frame's side of the symbol pane.
#include "MainFrameSymbols.h"

#include "AppSettings.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PaneCreation.h"
#include "resource.h"

CSymbolParts::CSymbolParts(CMainFrame& frame) : m_frame(frame) {}

bool CSymbolParts::CreatePane(HWND frame) {
    m_pane = std::make_unique<CSymbolPane>(*this);
    return CreateDockedPane(*m_pane, frame, IDS_PANE_SYMBOLS, {kSideLeft, 2, 0.0f});
}

void CSymbolParts::DocumentChanged(CDocumentFrame& document, DocumentEvent event) {
    if (!m_pane) return;
    switch (event) {
    case DocumentEvent::Loaded: m_pane->AddDocument(&document); break;
    case DocumentEvent::Saved: m_pane->RefreshDocument(&document); break;
    case DocumentEvent::Activated: m_pane->ShowDocument(&document); break;
    case DocumentEvent::Destroyed:
        m_pane->RemoveDocument(&document);
        if (!m_frame.GetActiveMdiChild()) m_pane->RemoveAllDocuments();
        break;
    }
}

CDocumentFrame* CSymbolParts::ActiveDocument() { return CDocumentFrame::FromWindow(m_frame.GetActiveMdiChild()); }

void CSymbolParts::SetStatusMessage(const char* text) { m_frame.SetStatusMessage(text); }

bool CSymbolParts::IsRestoringSession() const { return m_frame.IsStarting(); }

// ---- the frame's part -------------------------------------------------------------

void SymbolPartsDeleter::operator()(CSymbolParts* parts) const { delete parts; }

void CMainFrame::CreateSymbolPane() {
    m_symbols.reset(new CSymbolParts(*this));
    SetPaneRecolourHook([](const CAppSettings& settings) {
        if (g_mainFrame) g_mainFrame->RecolourPanes(settings);
    });
    if (m_symbols->CreatePane(m_hWnd)) m_paneOfCommand[ID_PANE_SYMBOLS - ID_PANE_EXPLORER] = m_symbols->Pane();
}

CSymbolPane* CMainFrame::GetSymbolPane() const { return m_symbols ? m_symbols->Pane() : nullptr; }

void CMainFrame::DocumentChanged(CDocumentFrame& document, DocumentEvent event) {
    if (m_symbols) m_symbols->DocumentChanged(document, event);
}

void CMainFrame::ShowActiveSymbols() {
    if (CSymbolPane* pane = GetSymbolPane())
        if (CDocumentFrame* document = CDocumentFrame::FromWindow(GetActiveMdiChild())) pane->ShowDocument(document);
}
