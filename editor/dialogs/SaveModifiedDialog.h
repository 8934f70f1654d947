#pragma once
// Asks which of the modified documents to save before the editor closes.
// Answers IDYES (6) with only the ticked items left in the collection,
// IDNO (7), or IDCANCEL (2).
#include <windows.h>
#include <commctrl.h>

#include "Dialog.h"
#include "ModifiedDocument.h"
#include "UniqueHandle.h"

// How the dialog offers Cancel; the caller knows why.
enum class SaveModifiedCancel {
    Offered,  // a working Cancel button
    Refused,  // shown but disabled, and no close box: the updater asked the editor to close
    Hidden,   // no Cancel button
};

class CSaveModifiedDialog : public CMsgDialog {
public:
    CSaveModifiedDialog(CModifiedDocumentList* documents, SaveModifiedCancel cancel);
    ~CSaveModifiedDialog() override;

    // Modal over the given window (the active one when null).
    INT_PTR Run(HWND parent = nullptr);

    TW_BEGIN_MSG_MAP(CSaveModifiedDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_COMMAND_ID_HANDLER(IDYES, OnYes)
        TW_COMMAND_ID_HANDLER(IDNO, OnNo)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCancel)
        TW_NOTIFY_HANDLER(kListId, NM_CLICK, OnListClick)
        TW_NOTIFY_HANDLER(kListId, NM_DBLCLK, OnListClick)
        TW_NOTIFY_HANDLER(kListId, LVN_DELETEITEM, OnDeleteItem)
    TW_END_MSG_MAP()

    static constexpr int kListId = 1000;
    static constexpr int kGripId = 0xE801;

private:
    // The list, subclassed for Space, Y and N.
    class CCheckList : public CMsgWindow {
    public:
        explicit CCheckList(CSaveModifiedDialog& owner) : m_owner(owner) {}
        TW_BEGIN_MSG_MAP(CCheckList)
            TW_MESSAGE_HANDLER(WM_KEYDOWN, OnKeyDown)
            TW_MESSAGE_HANDLER(WM_CHAR, OnChar)
        TW_END_MSG_MAP()
    private:
        LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool&);
        LRESULT OnChar(UINT, WPARAM, LPARAM, bool&);
        CSaveModifiedDialog& m_owner;
    };

    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnYes(WORD, WORD, HWND, bool&);
    LRESULT OnNo(WORD, WORD, HWND, bool&);
    LRESULT OnCancel(WORD, WORD, HWND, bool&);
    LRESULT OnListClick(int, NMHDR*, bool&);
    LRESULT OnDeleteItem(int, NMHDR*, bool&);

    void FillList();
    void SizeColumns();
    void Toggle(int row);
    bool IsTicked(int row) const;
    void SetTicked(int row, bool ticked);
    bool CancelShown() const { return m_cancel != SaveModifiedCancel::Hidden; }
    bool CancelOffered() const { return m_cancel == SaveModifiedCancel::Offered; }

    CModifiedDocumentList* m_documents;
    SaveModifiedCancel m_cancel;
    CCheckList m_list{*this};
    UniqueImageList m_stateImages;
    bool m_hasPath = false;
    bool m_hasTime = false;
};
