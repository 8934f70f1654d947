#pragma once
// The tools page (IDD_OPTIONS_TOOLS): the user tools of the "TOOL" section in a list with
// New, Delete, Up and Down, the selected tool's fields beside it, and the
// insert menu for the document macros. Apply writes the section with every
// line it did not show kept, then has the main frame rebuild its Tools menu.
#include <windows.h>
#include <commctrl.h>

#include "ListRowsPage.h"
#include "ToolsPageLogic.h"
#include "resource.h"

class CToolsPage : public CListRowsPage {
public:
    explicit CToolsPage(OptionsContext& context) : CListRowsPage(IDD_OPTIONS_TOOLS, context, IDC_TOOLS_LIST) {}
    ~CToolsPage() override;

    void Apply() override;

    TW_BEGIN_MSG_MAP(CToolsPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_NOTIFY_HANDLER(IDC_TOOLS_LIST, LVN_ITEMCHANGED, OnItemChanged)
        TW_COMMAND_ID_HANDLER(ID_LIST_NEW, OnNew)
        TW_COMMAND_CODE_HANDLER(EN_CHANGE, OnEditChanged)
        TW_COMMAND_HANDLER(IDC_TOOLS_IN_CONSOLE, BN_CLICKED, OnFlagClicked)
        TW_COMMAND_HANDLER(IDC_TOOLS_NEEDS_DOCUMENT, BN_CLICKED, OnFlagClicked)
        TW_COMMAND_HANDLER(IDC_TOOLS_BROWSE_COMMAND, BN_CLICKED, OnBrowseCommand)
        TW_COMMAND_HANDLER(IDC_TOOLS_BROWSE_FOLDER, BN_CLICKED, OnBrowseFolder)
        TW_COMMAND_HANDLER(IDC_TOOLS_INSERT, BN_CLICKED, OnInsertMenu)
        TW_COMMAND_RANGE_HANDLER(ID_TOOLVAR_FILE, ID_TOOLVAR_FILE_EXT, OnInsertMacro)
        TW_CHAIN_MSG_MAP(CListRowsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnItemChanged(int, NMHDR*, bool&);
    LRESULT OnNew(WORD, WORD, HWND, bool&);
    LRESULT OnEditChanged(WORD, WORD, HWND, bool&);
    LRESULT OnFlagClicked(WORD, WORD, HWND, bool&);
    LRESULT OnBrowseCommand(WORD, WORD, HWND, bool&);
    LRESULT OnBrowseFolder(WORD, WORD, HWND, bool&);
    LRESULT OnInsertMenu(WORD, WORD, HWND, bool&);
    LRESULT OnInsertMacro(WORD, WORD, HWND, bool&);

    void InsertItem(int item, size_t tool);
    void RemoveRow(int item) override;
    void MoveRow(int from, int to) override;
    void ShowTool(int item);
    void StoreTool(int item);
    void UpdateEnabling() override;
    bool Refuse(const ToolCheck& check);
    void Applied(const std::vector<std::string>& keysNow);

    ToolsPageModel m_model;
    // The list's items in order, each the index of its tool in m_model.
    std::vector<size_t> m_order;
    HIMAGELIST m_images = nullptr;
    bool m_showing = false;  // controls being filled: no stores, no renames
};
