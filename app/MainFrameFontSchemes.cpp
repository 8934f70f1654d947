// Font schemes: the toolbar's drop-down of schemes, choosing one, and the
// font made from it, which every open document takes.
#include <windows.h>
#include <commctrl.h>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "FontSchemes.h"
#include "Globals.h"
#include "HexView.h"
#include "MainFrame.h"
#include "ResourceText.h"

void CMainFrame::LoadStyleFont(int index) {
    if (!g_appSettings) return;
    HDC dc = ::GetDC(m_hWnd);
    int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(m_hWnd, dc);
    // The old font goes when this one replaces it.
    m_schemeFont = MakeSchemeFont(CFontSchemes(*g_appSettings).Text(index), dpi);
}

LRESULT CMainFrame::OnToolbarDropDown(int, NMHDR* header, bool& handled) {
    auto* drop = reinterpret_cast<NMTOOLBARA*>(header);
    if (drop->iItem != ID_VIEW_FONT_SCHEME || !g_appSettings) {
        handled = false;
        return 0;
    }
    HMENU menu = ::CreatePopupMenu();
    CFontSchemes schemes(*g_appSettings);
    for (int i = 1; i <= CFontSchemes::kCount; ++i) {
        std::string text = SchemeMenuText(i, schemes.Text(i));
        if (text.empty()) break;
        ::AppendMenuA(menu, MF_STRING, ID_FONT_SCHEME_FIRST - 1 + i, text.c_str());
    }
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, ID_OPTIONS_FONTS, LoadText(IDS_EDIT_FONTS).c_str());
    UINT chosen = ID_FONT_SCHEME_FIRST - 1 + m_fontScheme;
    ::CheckMenuRadioItem(menu, ID_FONT_SCHEME_FIRST, ID_FONT_SCHEME_LAST, chosen, MF_BYCOMMAND);
    RECT button{};
    ::SendMessageA(header->hwndFrom, TB_GETRECT, ID_VIEW_FONT_SCHEME, (LPARAM)&button);
    ::MapWindowPoints(header->hwndFrom, nullptr, (POINT*)&button, 2);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, button.left, button.bottom, 0, m_hWnd,
                     nullptr);
    ::DestroyMenu(menu);
    return TBDDRET_DEFAULT;
}

LRESULT CMainFrame::OnFontScheme(WORD, WORD id, HWND, bool&) {
    if (!g_appSettings) return 0;
    if (id >= ID_FONT_SCHEME_FIRST && id <= ID_FONT_SCHEME_LAST) {
        int index = id - (ID_FONT_SCHEME_FIRST - 1);
        if (index <= CFontSchemes::kCount) m_fontScheme = index;
    }
    CFontSchemes(*g_appSettings).SetChosen(m_fontScheme);
    LoadStyleFont(m_fontScheme);
    RestyleDocuments();
    return 0;
}

void CMainFrame::RestyleDocuments() {
    for (HWND window : DocumentWindows()) {
        CDocumentFrame* document = CDocumentFrame::FromWindow(window);
        if (!document) continue;
        if (document->GetEditor()) document->ReapplyLanguage();
        if (CHexView* hex = document->GetHexView()) {
            hex->SetStyle(m_schemeFont.font, m_schemeFont.back);
            ::InvalidateRect(hex->m_hWnd, nullptr, TRUE);
        }
    }
}
