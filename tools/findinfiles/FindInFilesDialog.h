#pragma once
// The modeless find-in-files dialog (524): the text, the file types and the
// folder with their histories, and the options. Find closes it and starts
// the search; it deletes itself once its window is gone.
#include <windows.h>

#include "AppSettings.h"
#include "Dialog.h"
#include "FindInFilesHost.h"
#include "FindInFilesSearch.h"
#include "FindReplace.h"
#include "MruStore.h"
#include "SearchHost.h"
#include "resource.h"

class CFindInFilesDialog : public CModelessDialog {
public:
    // Takes the editor's selection or word as the find text, disables the
    // search buttons and shows the dialog over owner; null on failure.
    static HWND Open(HWND owner, IFindInFilesHost& host, ISearchHost& searchHost, CSearchButtonsGate& gate,
                     SearchOptions& options, SearchMessageBox messageBox = nullptr);

    TW_BEGIN_MSG_MAP(CFindInFilesDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnCloseMessage)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_COMMAND_ID_HANDLER(IDOK, OnFind)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCloseCommand)
        TW_COMMAND_HANDLER(IDC_FIF_BROWSE, BN_CLICKED, OnBrowse)
        TW_REFLECT_NOTIFICATIONS()
    TW_END_MSG_MAP()

protected:
    void OnFinalMessage(HWND window) override;

private:
    CFindInFilesDialog(IFindInFilesHost& host, ISearchHost& searchHost, CSearchButtonsGate& gate,
                       SearchOptions& options, SearchMessageBox messageBox);

    void ReadOptions();
    // Reads the options one last time, writes the histories and enables the
    // search buttons again (once).
    void Finish();
    void Close();
    FindInFilesRequest Request() const;

    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCloseMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnFind(WORD, WORD, HWND, bool&);
    LRESULT OnCloseCommand(WORD, WORD, HWND, bool&);
    LRESULT OnBrowse(WORD, WORD, HWND, bool&);

    IFindInFilesHost& m_host;
    ISearchHost& m_searchHost;
    CSearchButtonsGate& m_gate;
    SearchOptions& m_options;
    SearchMessageBox m_messageBox;
    CMruStore m_findHistory;
    CMruStore m_typesHistory;
    CMruStore m_folderHistory;
    bool m_closed = false;
};
