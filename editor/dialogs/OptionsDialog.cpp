#include "OptionsDialog.h"

#include "CenterOnOwner.h"
#include "GdiHandles.h"

LRESULT COptionsDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    m_list = GetDlgItem(IDC_OPTIONS_LIST);
    for (COptionsPage* page : m_pages) {
        const int item = (int)::SendMessageA(m_list, LB_ADDSTRING, 0, (LPARAM)page->GetTitle().c_str());
        if (item >= 0) ::SendMessageA(m_list, LB_SETITEMDATA, item, (LPARAM)page);
    }
    CenterOnOwner(m_hWnd);
    if (m_initialPage < m_pages.size()) {
        ::SendMessageA(m_list, LB_SETCURSEL, m_initialPage, 0);
        ShowPage(m_pages[m_initialPage]);
    }
    return TRUE;
}

void COptionsDialog::ShowPage(COptionsPage* page) {
    if (!page || page == m_current) return;
    RECT area{};
    ::GetWindowRect(GetDlgItem(IDC_OPTIONS_PAGE_AREA), &area);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&area, 2);
    if (m_current) m_current->Show(SW_HIDE);
    if (!page->IsCreated()) {
        if (!page->Create(m_hWnd, area, m_list, GetDlgItem(IDC_OPTIONS_APPLY))) return;
        page->SetCreated();
    }
    page->Show(SW_SHOW);
    m_current = page;
    RECT header{};
    ::GetWindowRect(GetDlgItem(IDC_OPTIONS_HEADER), &header);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&header, 2);
    ::InvalidateRect(m_hWnd, &header, TRUE);
}

LRESULT COptionsDialog::OnSelectionChange(WORD, WORD, HWND, bool&) {
    const int item = (int)::SendMessageA(m_list, LB_GETCURSEL, 0, 0);
    if (item >= 0) ShowPage((COptionsPage*)::SendMessageA(m_list, LB_GETITEMDATA, item, 0));
    return 0;
}

void COptionsDialog::PaintHeader(HDC dc) {
    HWND placeholder = GetDlgItem(IDC_OPTIONS_HEADER);
    ::ShowWindow(placeholder, SW_HIDE);
    RECT band{};
    ::GetWindowRect(placeholder, &band);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&band, 2);

    const COLORREF right = ::GetSysColor(COLOR_BTNFACE);
    TRIVERTEX ends[2] = {
        {band.left, band.top, 0x6600, 0x6600, 0x6600, 0},
        {band.right, band.bottom, (COLOR16)(GetRValue(right) << 8), (COLOR16)(GetGValue(right) << 8),
         (COLOR16)(GetBValue(right) << 8), 0},
    };
    GRADIENT_RECT rect{0, 1};
    ::GradientFill(dc, ends, 2, &rect, 1, GRADIENT_FILL_RECT_H);

    if (!m_current) return;
    const int item = (int)::SendMessageA(m_list, LB_GETCURSEL, 0, 0);
    if (item < 0) return;
    const int length = (int)::SendMessageA(m_list, LB_GETTEXTLEN, item, 0);
    if (length < 0) return;
    std::string text(length + 1, ' ');
    ::SendMessageA(m_list, LB_GETTEXT, item, (LPARAM)(text.data() + 1));
    text.resize(length + 1);
    CSelectObject font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextA(dc, text.c_str(), (int)text.size(), &band, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP);
}

LRESULT COptionsDialog::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    PaintHeader(dc);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

void COptionsDialog::ApplyChangedPages() {
    for (COptionsPage* page : m_pages)
        if (page->IsChanged()) page->Apply();
}

void COptionsDialog::DestroyCreatedPages() {
    for (COptionsPage* page : m_pages)
        if (page->IsCreated()) page->Destroy();
    m_current = nullptr;
}

LRESULT COptionsDialog::OnApply(WORD, WORD, HWND, bool&) {
    // The changed flags stay: a later Apply or OK stores those pages again.
    ApplyChangedPages();
    ::EnableWindow(GetDlgItem(IDC_OPTIONS_APPLY), FALSE);
    return 0;
}

LRESULT COptionsDialog::OnOk(WORD, WORD, HWND, bool&) {
    ApplyChangedPages();
    DestroyCreatedPages();
    EndDialog(IDOK);
    return 0;
}

LRESULT COptionsDialog::OnCancel(WORD, WORD, HWND, bool&) {
    // What an earlier Apply stored stays stored.
    for (COptionsPage* page : m_pages) page->Cancel();
    DestroyCreatedPages();
    EndDialog(IDCANCEL);
    return 0;
}
