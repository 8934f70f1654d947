#include "PlaceholderDocument.h"

#include "Globals.h"
#include "MainFrame.h"

bool CPlaceholderDocument::Open(HWND mdiClient, const char* path) {
    auto* document = new CPlaceholderDocument(path);
    if (!document->CreateMdiChild(mdiClient, path, WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
        delete document;
        return false;
    }
    return true;
}

LRESULT CPlaceholderDocument::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    AttachFrameDocument(m_hWnd, this);  // before the activation that follows creation
    handled = false;
    return 0;
}

FrameDocumentState CPlaceholderDocument::Describe() const {
    FrameDocumentState state;
    state.path = m_path;
    return state;
}

LRESULT CPlaceholderDocument::OnMdiActivate(UINT, WPARAM, LPARAM lParam, bool& handled) {
    if ((HWND)lParam == m_hWnd && g_mainFrame) g_mainFrame->UpdateStatusBar();
    handled = false;
    return 0;
}
