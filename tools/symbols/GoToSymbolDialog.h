#pragma once
// The go-to-symbol dialog (IDD_GOTO_SYMBOL): the document's symbols in a table of
// name, scope and line; typing a name's beginning selects the first match.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "ControlWrappers.h"
#include "CtagsRunner.h"
#include "Dialog.h"
#include "FillSymbols.h"
#include "TagRecord.h"
#include "resource.h"

class CDocumentFrame;

class CGoToSymbolDialog : public CMsgDialog, public TagSink {
public:
    // Symbols come from ctags over the document's file, or, when filler is
    // set, from it.
    using Filler = std::function<void(TagSink& sink)>;
    CGoToSymbolDialog(const CDocumentFrame* document, StatusReporter status, CtagsProgram program = {});
    void SetFiller(Filler filler) { m_filler = std::move(filler); }

    // Modal over owner: the chosen symbol's line, or -1 for Cancel.
    static int Prompt(HWND owner, const CDocumentFrame& document, StatusReporter status);

    int GetSelectedLine() const { return m_line; }
    void AddTag(int kind, const TagRecord& record) override;

    TW_BEGIN_MSG_MAP(CGoToSymbolDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_COMMAND_HANDLER(IDC_GOTO_SYMBOL_NAME, EN_CHANGE, OnNameChange)
        TW_NOTIFY_HANDLER(IDC_GOTO_SYMBOL_LIST, NM_DBLCLK, OnDoubleClick)
        TW_COMMAND_ID_HANDLER(IDOK, OnOk)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCancel)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNameChange(WORD, WORD, HWND, bool&);
    LRESULT OnDoubleClick(int, NMHDR*, bool&);
    LRESULT OnOk(WORD, WORD, HWND, bool&);
    LRESULT OnCancel(WORD, WORD, HWND, bool&);
    void Choose();
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    const CDocumentFrame* m_document;
    StatusReporter m_status;
    CtagsProgram m_program;
    Filler m_filler;
    ListViewControl m_list;
    HWND m_edit = nullptr;
    int m_line = -1;
    // Distances of the list and the buttons to the right and bottom edges.
    SIZE m_listMargin{}, m_okMargin{}, m_cancelMargin{};
};
