#pragma once
// COptionsDialog (IDD_OPTIONS): the list of pages on the left, the current
// page on the right under a band with its title, and OK, Cancel and Apply.
// Pages are created the first time they are shown and live, hidden, until
// the dialog ends.
#include <windows.h>

#include <vector>

#include "Dialog.h"
#include "OptionsPage.h"
#include "resource.h"

class COptionsDialog : public CMsgDialog {
public:
    // The pages in list order; they belong to the caller.
    COptionsDialog(std::vector<COptionsPage*> pages, size_t initialPage)
        : m_pages(std::move(pages)), m_initialPage(initialPage) {}

    // Modal over owner: IDOK or IDCANCEL.
    INT_PTR Run(HWND owner) { return DoModal(owner, IDD_OPTIONS); }
    COptionsPage* CurrentPage() const { return m_current; }

    TW_BEGIN_MSG_MAP(COptionsDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_COMMAND_HANDLER(IDC_OPTIONS_LIST, LBN_SELCHANGE, OnSelectionChange)
        TW_COMMAND_ID_HANDLER(IDC_OPTIONS_APPLY, OnApply)
        TW_COMMAND_ID_HANDLER(IDOK, OnOk)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCancel)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSelectionChange(WORD, WORD, HWND, bool&);
    LRESULT OnApply(WORD, WORD, HWND, bool&);
    LRESULT OnOk(WORD, WORD, HWND, bool&);
    LRESULT OnCancel(WORD, WORD, HWND, bool&);

    void ShowPage(COptionsPage* page);
    void ApplyChangedPages();
    void DestroyCreatedPages();
    void PaintHeader(HDC dc);

    std::vector<COptionsPage*> m_pages;
    size_t m_initialPage;
    COptionsPage* m_current = nullptr;
    HWND m_list = nullptr;
};
