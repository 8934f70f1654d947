#pragma once
// The dialog that adds a template to a category or edits one (IDD_TEMPLATE_EDIT): its
// name and its content, stored when the user confirms.
#include <windows.h>

#include <string>

#include "Dialog.h"
#include "resource.h"

class CTemplateEditDialog : public CMsgDialog {
public:
    // command: ID_TEMPLATE_ADD or ID_TEMPLATE_EDIT; name: the template being
    // edited (unused for add).
    CTemplateEditDialog(UINT command, std::string databasePath, std::string table, std::string name)
        : m_command(command), m_path(std::move(databasePath)), m_table(std::move(table)), m_name(std::move(name)) {}

    TW_BEGIN_MSG_MAP(CTemplateEditDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_ID_HANDLER(IDOK, OnOK)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnCancel)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnOK(WORD, WORD, HWND, bool&);
    LRESULT OnCancel(WORD, WORD, HWND, bool&);
    std::string ItemText(int id) const;

    UINT m_command;
    std::string m_path;
    std::string m_table;
    std::string m_name;
};
