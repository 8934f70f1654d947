#pragma once
// The modeless find-in-files dialog (IDD_FIND_IN_FILES): the text, the file types and the
// folder with their histories, and the options. Find closes it and starts
// the search; it deletes itself once its window is gone.
#include <windows.h>

#include "AppSettings.h"
#include "FindInFilesHost.h"
#include "FindInFilesSearch.h"
#include "FindReplace.h"
#include "MruStore.h"
#include "SearchDialog.h"
#include "SearchHost.h"
#include "resource.h"

class CFindInFilesDialog : public CSearchDialog {
public:
    // Takes the editor's selection or word as the find text, disables the
    // search buttons and shows the dialog over owner; null on failure.
    static HWND Open(HWND owner, IFindInFilesHost& host, ISearchHost& searchHost, CSearchButtonsGate& gate,
                     SearchOptions& options);

    TW_BEGIN_MSG_MAP(CFindInFilesDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_ID_HANDLER(IDOK, OnFind)
        TW_COMMAND_HANDLER(IDC_FIF_BROWSE, BN_CLICKED, OnBrowse)
        TW_REFLECT_NOTIFICATIONS()
        TW_CHAIN_MSG_MAP(CSearchDialog)
    TW_END_MSG_MAP()

private:
    CFindInFilesDialog(IFindInFilesHost& host, ISearchHost& searchHost, CSearchButtonsGate& gate,
                       SearchOptions& options);

    void ReadOptions() override;
    void CloseHistories() override;
    FindInFilesRequest Request() const;

    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnFind(WORD, WORD, HWND, bool&);
    LRESULT OnBrowse(WORD, WORD, HWND, bool&);

    IFindInFilesHost& m_host;
    SearchOptions& m_options;
    CMruStore m_findHistory;
    CMruStore m_typesHistory;
    CMruStore m_folderHistory;
};
