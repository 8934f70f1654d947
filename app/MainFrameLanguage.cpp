// The Language menu: one item per language of the table, each choosing the
// active document's language.
#include "DocumentFrame.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PropertySets.h"

void CMainFrame::FillLanguageMenu() {
    HMENU popup = m_menuPopups[MENU_POS_LANGUAGE];
    if (g_propertySets && popup) g_propertySets->BuildLanguageMenu(popup);
}

LRESULT CMainFrame::OnLanguage(WORD, WORD id, HWND, bool&) {
    if (CDocumentFrame* frame = CDocumentFrame::FromWindow(GetActiveMdiChild()))
        frame->SetLanguage(id - ID_LANGUAGE_FIRST);
    return 0;
}
