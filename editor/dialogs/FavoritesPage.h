#pragma once
// The favourites page (IDD_OPTIONS_FAVORITES): the explorer pane's favourite folders in a
// list with New, Delete, Up and Down, the selected folder in an edit with a
// folder browser. Apply writes them back as "1" to "N".
#include <windows.h>
#include <commctrl.h>

#include "OptionsPage.h"
#include "resource.h"

class CFavoritesPage : public COptionsPage {
public:
    explicit CFavoritesPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_FAVORITES, context) {}
    ~CFavoritesPage() override;

    void Apply() override;

    TW_BEGIN_MSG_MAP(CFavoritesPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_NOTIFY_HANDLER(IDC_FAVORITES_LIST, LVN_ITEMCHANGED, OnItemChanged)
        TW_COMMAND_ID_HANDLER(ID_LIST_NEW, OnNew)
        TW_COMMAND_ID_HANDLER(ID_LIST_DELETE, OnDelete)
        TW_COMMAND_ID_HANDLER(ID_LIST_UP, OnMove)
        TW_COMMAND_ID_HANDLER(ID_LIST_DOWN, OnMove)
        TW_COMMAND_HANDLER(IDC_FAVORITES_PATH, EN_CHANGE, OnPathChanged)
        TW_COMMAND_HANDLER(IDC_FAVORITES_BROWSE, BN_CLICKED, OnBrowse)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnItemChanged(int, NMHDR*, bool&);
    LRESULT OnNew(WORD, WORD, HWND, bool&);
    LRESULT OnDelete(WORD, WORD, HWND, bool&);
    LRESULT OnMove(WORD, WORD, HWND, bool&);
    LRESULT OnPathChanged(WORD, WORD, HWND, bool&);
    LRESULT OnBrowse(WORD, WORD, HWND, bool&);

    int Selected() const;
    void Select(int item);
    std::string ItemText(int item) const;
    void UpdateEnabling();

    HIMAGELIST m_images = nullptr;
    bool m_showing = false;  // the edit being filled for a selection
};
