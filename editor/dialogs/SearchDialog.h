#pragma once
// What the find, replace and find-in-files dialogs share: opening disables
// the search buttons, and closing (by the user, or with the owner going)
// reads the options one last time, writes the histories and lets the gate
// enable the buttons again, once. Each dialog deletes itself when its window
// is gone.
#include <windows.h>

#include "Dialog.h"
#include "SearchHost.h"

class CSearchDialog : public CModelessDialog {
public:
    TW_BEGIN_MSG_MAP(CSearchDialog)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnCloseMessage)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCloseCommand)
    TW_END_MSG_MAP()

protected:
    CSearchDialog(ISearchHost& host, CSearchButtonsGate& gate) : m_searchHost(host), m_gate(gate) {}

    // Shows the dialog of template id over owner; null (and the object
    // deleted) on failure.
    static HWND Show(CSearchDialog* dialog, HWND owner, UINT id);

    virtual void ReadOptions() = 0;
    virtual void CloseHistories() = 0;
    void Close();

    void OnFinalMessage(HWND window) override;

    ISearchHost& m_searchHost;
    CSearchButtonsGate& m_gate;

private:
    void Finish();

    LRESULT OnCloseMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCloseCommand(WORD, WORD, HWND, bool&);

    bool m_closed = false;
};
