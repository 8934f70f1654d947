// The Language menu: one item per language of the table, each choosing the
// active document's language.
#include "DocumentFrame.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PropertySets.h"

void CMainFrame::FillLanguageMenu() {
    if (g_propertySets && m_menuPopups[MENU_POS_LANGUAGE]) g_propertySets->BuildLanguageMenu(m_menuPopups[MENU_POS_LANGUAGE]);
}

LRESULT CMainFrame::OnLanguage(WORD, WORD id, HWND, bool&) {
    if (CDocumentFrame* frame = CDocumentFrame::FromWindow(GetActiveMdiChild()))
        frame->SetLanguage(id - ID_LANGUAGE_FIRST);
    return 0;
}
