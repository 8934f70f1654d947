#pragma once
// CListRowsPage: an options page whose rows sit in a one-column list with the
// list toolbar's Delete, Up and Down (the tools and favourites pages). The
// commands themselves are here, once: the page keeps its own model and says
// how a row leaves it or moves in it; the list's selection, the focus and the
// page's change mark follow the same rules on both pages.
#include <windows.h>

#include "OptionsPage.h"
#include "resource.h"

class CListRowsPage : public COptionsPage {
public:
    CListRowsPage(int templateId, OptionsContext& context, int listId)
        : COptionsPage(templateId, context), m_listId(listId) {}

    TW_BEGIN_MSG_MAP(CListRowsPage)
        TW_COMMAND_ID_HANDLER(ID_LIST_DELETE, OnDelete)
        TW_COMMAND_ID_HANDLER(ID_LIST_UP, OnMove)
        TW_COMMAND_ID_HANDLER(ID_LIST_DOWN, OnMove)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

protected:
    HWND List() const { return GetDlgItem(m_listId); }
    // The selected row; -1 for none.
    int Selected() const;
    // Selects the row (-1 none) and enables the toolbar to match.
    void Select(int item);
    virtual void UpdateEnabling() = 0;
    // Takes row item out of the page's model and out of the list.
    virtual void RemoveRow(int item) = 0;
    // Moves row from to index to, in the model and in the list.
    virtual void MoveRow(int from, int to) = 0;

private:
    LRESULT OnDelete(WORD, WORD, HWND, bool&);
    LRESULT OnMove(WORD, WORD, HWND, bool&);

    int m_listId;
};
