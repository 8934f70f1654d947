#pragma once
// The main frame's services as a document frame asks for them.
#include "DocumentFrame.h"

class CMainFrame;

class CMainFrameDocumentOwner : public IDocumentFrameOwner {
public:
    explicit CMainFrameDocumentOwner(CMainFrame& frame) : m_frame(frame) {}
    HWND MainWindow() const override;
    HWND Toolbar() const override;
    HWND StatusBar() const override;
    bool IsMenuBarVisible() const override;
    void UpdateStatusBar() override;
    void SetStatusMessage(const char* text) override;
    void ShowPane(UINT id) override;
    void AddToRecent(const char* path) override;
    bool HandleEscape() override;
    void DocumentClosed() override;
    void DocumentChanged(CDocumentFrame& document, DocumentEvent event) override;
    int PromptSymbolLine(CDocumentFrame& document, HWND owner) override;
    void LocateFile(const char* path) override;
    HFONT HexViewFont(COLORREF& background) const override;
    // Of the last document saved (kLastSaveFlushMessageName answers it).
    long long LastSaveFlushMicroseconds() const { return m_lastSaveFlushMicroseconds; }

private:
    CMainFrame& m_frame;
    long long m_lastSaveFlushMicroseconds = 0;
};
