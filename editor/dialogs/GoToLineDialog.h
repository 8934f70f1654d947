#pragma once
// The go-to-line dialog (IDD_GOTO_LINE): asks for a line number between 1 and the
// document's line count.
#include <windows.h>

#include "Dialog.h"
#include "resource.h"

class CGoToLineDialog : public CMsgDialog {
public:
    explicit CGoToLineDialog(int lineCount) : m_lineCount(lineCount) {}

    // Modal over owner: the number typed (1-based, as typed), or -1 for Cancel.
    static int Prompt(HWND owner, int lineCount);

    TW_BEGIN_MSG_MAP(CGoToLineDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_ID_HANDLER(IDOK, OnOk)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCancel)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnOk(WORD, WORD, HWND, bool&);
    LRESULT OnCancel(WORD, WORD, HWND, bool&);

    int m_lineCount;
};
