#include "GoToLineDialog.h"

#include <cstdio>

#include "CenterOnOwner.h"

int CGoToLineDialog::Prompt(HWND owner, int lineCount) {
    CGoToLineDialog dialog(lineCount);
    return static_cast<int>(dialog.DoModal(owner, IDD_GOTO_LINE));
}

LRESULT CGoToLineDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    char format[128] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_GOTO_LINE_LABEL, format, sizeof(format));
    char label[160];
    std::snprintf(label, sizeof(label), format, m_lineCount);
    ::SetDlgItemTextA(m_hWnd, IDC_GOTO_LINE_LABEL, label);
    CenterOnOwner(m_hWnd);
    return TRUE;  // the focus goes to the number box
}

LRESULT CGoToLineDialog::OnOk(WORD, WORD, HWND, bool&) {
    BOOL read = FALSE;
    const int line = static_cast<int>(::GetDlgItemInt(m_hWnd, IDC_GOTO_LINE_NUMBER, &read, TRUE));
    // A box that holds no number goes nowhere, as Cancel does.
    EndDialog(read ? line : -1);
    return 0;
}

LRESULT CGoToLineDialog::OnCancel(WORD, WORD, HWND, bool&) {
    EndDialog(-1);
    return 0;
}
