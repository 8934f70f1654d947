// The document's language: chosen in the Language menu, applied again after
// the options changed, and its styles renewed after a font change.
#include "DocumentFrame.h"
#include "HexView.h"

void CDocumentFrame::SetLanguage(int index) {
    if (m_editor)
        m_editor->SetLanguage(index);
    else if (m_viewWindow)
        ::InvalidateRect(m_viewWindow, nullptr, TRUE);
}

void CDocumentFrame::ReapplyLanguage() { SetLanguage(m_editor ? m_editor->LanguageIndex() : 0); }

void CDocumentFrame::RestyleView() {
    if (m_editor)
        m_editor->Restyle();
    else if (m_viewWindow)
        ::InvalidateRect(m_viewWindow, nullptr, TRUE);
}
