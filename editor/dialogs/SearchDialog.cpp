#include "SearchDialog.h"

HWND CSearchDialog::Show(CSearchDialog* dialog, HWND owner, UINT id) {
    ISearchHost& host = dialog->m_searchHost;
    CSearchButtonsGate& gate = dialog->m_gate;
    gate.Opened(host);
    const HWND window = dialog->CreateModeless(owner, id);
    if (!window) {
        gate.Closed(host);
        delete dialog;
    }
    return window;
}

void CSearchDialog::OnFinalMessage(HWND window) {
    CModelessDialog::OnFinalMessage(window);
    delete this;
}

void CSearchDialog::Finish() {
    if (m_closed) return;
    m_closed = true;
    ReadOptions();
    CloseHistories();
    m_gate.Closed(m_searchHost);
}

void CSearchDialog::Close() {
    Finish();
    DestroyWindow();
}

// Destroyed with its owner (the main frame closing) without a Close.
LRESULT CSearchDialog::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    Finish();
    handled = false;
    return 0;
}

LRESULT CSearchDialog::OnCloseMessage(UINT, WPARAM, LPARAM, bool&) {
    Close();
    return 0;
}

LRESULT CSearchDialog::OnCloseCommand(WORD, WORD, HWND, bool&) {
    Close();
    return 0;
}
