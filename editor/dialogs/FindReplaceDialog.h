#pragma once
// The modeless find (IDD_FIND) and replace (IDD_REPLACE) dialogs: they read their boxes
// into SearchOptions and hand the searching to the active document. Each
// deletes itself when its window is gone.
#include <windows.h>

#include "AppSettings.h"
#include "FindReplace.h"
#include "MruStore.h"
#include "SearchDialog.h"
#include "SearchHost.h"
#include "resource.h"

class CFindReplaceDialog : public CSearchDialog {
public:
    enum Kind { kFind = 0, kReplace = 1 };

    // Creates the window over owner and shows it; null on failure (and the
    // object is gone).
    static HWND Open(Kind kind, HWND owner, ISearchHost& host, CSearchButtonsGate& gate, SearchOptions& options);

    TW_BEGIN_MSG_MAP(CFindReplaceDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_ID_HANDLER(IDOK, OnFind)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_MARK, OnMark)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_REPLACE, OnReplace)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_REPLACE_ALL, OnReplaceAll)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_REGEX, OnRegexBox)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_FIND_TOKENS, OnTokenButton)
        TW_COMMAND_ID_HANDLER(IDC_SEARCH_TAGS, OnTokenButton)
        TW_COMMAND_RANGE_HANDLER(ID_REGEX_FIRST, ID_REGEX_FIRST + 10, OnToken)
        TW_COMMAND_RANGE_HANDLER(50, 58, OnTag)
        TW_CHAIN_MSG_MAP(CSearchDialog)
    TW_END_MSG_MAP()

private:
    CFindReplaceDialog(Kind kind, ISearchHost& host, CSearchButtonsGate& gate, SearchOptions& options);

    void ReadOptions() override;
    void CloseHistories() override;
    void ReadComboText(int id, char* buffer, size_t size) const;
    void Message(UINT id, const char* text, int number) const;
    void AddHistory(bool withReplace);

    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnFind(WORD, WORD, HWND, bool&);
    LRESULT OnMark(WORD, WORD, HWND, bool&);
    LRESULT OnReplace(WORD, WORD, HWND, bool&);
    LRESULT OnReplaceAll(WORD, WORD, HWND, bool&);
    LRESULT OnRegexBox(WORD, WORD, HWND, bool&);
    LRESULT OnTokenButton(WORD, WORD, HWND, bool&);
    LRESULT OnToken(WORD, WORD, HWND, bool&);
    LRESULT OnTag(WORD, WORD, HWND, bool&);

    Kind m_kind;
    SearchOptions& m_options;
    CMruStore m_findHistory;
    CMruStore m_replaceHistory;
};
