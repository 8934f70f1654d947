#pragma once
// The keys page (IDD_OPTIONS_KEYS): the main menu's commands as a tree, the keys of the
// selected command, and a hot-key control to add a key with. Apply writes
// "keymap.key" and the user tools' shortcut lists, then has the main frame
// reload its accelerator table.
#include <windows.h>
#include <commctrl.h>

#include "KeysPageLogic.h"
#include "OptionsPage.h"
#include "resource.h"

class CKeyboardPage : public COptionsPage {
public:
    explicit CKeyboardPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_KEYS, context) {}

    void Apply() override;

    TW_BEGIN_MSG_MAP(CKeyboardPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_NOTIFY_HANDLER(IDC_KEYS_TREE, TVN_SELCHANGEDA, OnSelChanged)
        TW_NOTIFY_HANDLER(IDC_KEYS_TREE, TVN_SELCHANGEDW, OnSelChanged)
        TW_COMMAND_ID_HANDLER(IDC_KEYS_ADD, OnAdd)
        TW_COMMAND_ID_HANDLER(IDC_KEYS_REMOVE, OnRemove)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSelChanged(int, NMHDR*, bool&);
    LRESULT OnAdd(WORD, WORD, HWND, bool&);
    LRESULT OnRemove(WORD, WORD, HWND, bool&);

    void InsertItems(const std::vector<KeyTreeItem>& items, HTREEITEM parent, bool expand);
    // The record of the selected tree item; -1 for none or a submenu.
    int SelectedRecord() const;
    void ShowRecord(int record);

    // The table as it was when the page opened: the keys the tree does not
    // show are written back from it.
    std::vector<ACCEL> m_table;
    // Owned here; the tree items hold record indexes only, so nothing
    // points at freed records while the tree goes away.
    KeyTree m_tree;
};
