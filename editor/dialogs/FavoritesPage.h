#pragma once
// The favourites page (IDD_OPTIONS_FAVORITES): the explorer pane's favourite folders in a
// list with New, Delete, Up and Down, the selected folder in an edit with a
// folder browser. Apply writes them back as "1" to "N".
#include <windows.h>
#include <commctrl.h>

#include "ListRowsPage.h"
#include "resource.h"

class CFavoritesPage : public CListRowsPage {
public:
    explicit CFavoritesPage(OptionsContext& context)
        : CListRowsPage(IDD_OPTIONS_FAVORITES, context, IDC_FAVORITES_LIST) {}
    ~CFavoritesPage() override;

    void Apply() override;

    TW_BEGIN_MSG_MAP(CFavoritesPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_NOTIFY_HANDLER(IDC_FAVORITES_LIST, LVN_ITEMCHANGED, OnItemChanged)
        TW_COMMAND_ID_HANDLER(ID_LIST_NEW, OnNew)
        TW_COMMAND_HANDLER(IDC_FAVORITES_PATH, EN_CHANGE, OnPathChanged)
        TW_COMMAND_HANDLER(IDC_FAVORITES_BROWSE, BN_CLICKED, OnBrowse)
        TW_CHAIN_MSG_MAP(CListRowsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnItemChanged(int, NMHDR*, bool&);
    LRESULT OnNew(WORD, WORD, HWND, bool&);
    LRESULT OnPathChanged(WORD, WORD, HWND, bool&);
    LRESULT OnBrowse(WORD, WORD, HWND, bool&);

    std::string ItemText(int item) const;
    void UpdateEnabling() override;
    void RemoveRow(int item) override;
    void MoveRow(int from, int to) override;

    HIMAGELIST m_images = nullptr;
    bool m_showing = false;  // the edit being filled for a selection
};
