#pragma once
// The modeless find (508) and replace (509) dialogs: they read their boxes
// into SearchOptions and hand the searching to the active document. Each
// deletes itself when its window is gone.
#include <windows.h>

#include "AppSettings.h"
#include "Dialog.h"
#include "FindReplace.h"
#include "MruStore.h"
#include "SearchHost.h"
#include "resource.h"

class CFindReplaceDialog : public CModelessDialog {
public:
    enum Kind { kFind = 0, kReplace = 1 };

    // Creates the window over owner and shows it; null on failure (and the
    // object is gone).
    static HWND Open(Kind kind, HWND owner, ISearchHost& host, CSearchButtonsGate& gate, SearchOptions& options,
                     SearchMessageBox messageBox);

    TW_BEGIN_MSG_MAP(CFindReplaceDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnCloseMessage)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_COMMAND_ID_HANDLER(IDOK, OnFind)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_MARK, OnMark)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_REPLACE, OnReplace)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_REPLACE_ALL, OnReplaceAll)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_REGEX, OnRegexBox)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_FIND_TOKENS, OnTokenButton)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_TAGS, OnTokenButton)
        TW_COMMAND_RANGE_HANDLER(ID_REGEX_FIRST, ID_REGEX_FIRST + 10, OnToken)
        TW_COMMAND_RANGE_HANDLER(50, 58, OnTag)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCloseCommand)
    TW_END_MSG_MAP()

protected:
    void OnFinalMessage(HWND window) override;

private:
    CFindReplaceDialog(Kind kind, ISearchHost& host, CSearchButtonsGate& gate, SearchOptions& options,
                       SearchMessageBox messageBox);

    void ReadOptions();
    void ReadComboText(int id, char* buffer, size_t size) const;
    void Close();
    // Reads the options one last time and writes the histories.
    void Finish();
    void Message(UINT id, const char* text, int number) const;
    void AddHistory(bool withReplace);

    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCloseMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnFind(WORD, WORD, HWND, bool&);
    LRESULT OnMark(WORD, WORD, HWND, bool&);
    LRESULT OnReplace(WORD, WORD, HWND, bool&);
    LRESULT OnReplaceAll(WORD, WORD, HWND, bool&);
    LRESULT OnRegexBox(WORD, WORD, HWND, bool&);
    LRESULT OnTokenButton(WORD, WORD, HWND, bool&);
    LRESULT OnToken(WORD, WORD, HWND, bool&);
    LRESULT OnTag(WORD, WORD, HWND, bool&);
    LRESULT OnCloseCommand(WORD, WORD, HWND, bool&);

    Kind m_kind;
    ISearchHost& m_host;
    CSearchButtonsGate& m_gate;
    SearchOptions& m_options;
    SearchMessageBox m_messageBox;
    CMruStore m_findHistory;
    CMruStore m_replaceHistory;
    bool m_closed = false;
};
