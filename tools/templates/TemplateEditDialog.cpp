#include "TemplateEditDialog.h"

#include "ResourceText.h"
#include "TemplateDatabase.h"
#include "TemplateSql.h"
#include "UiSeams.h"

std::string CTemplateEditDialog::ItemText(int id) const {
    const HWND item = GetDlgItem(id);
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CTemplateEditDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    // What the pane can read back whole: a longer text would be cut there.
    ::SendMessageA(GetDlgItem(IDC_TEMPLATE_NAME), EM_LIMITTEXT, CTemplateDatabase::kNameChars, 0);
    ::SendMessageA(GetDlgItem(IDC_TEMPLATE_CONTENT), EM_LIMITTEXT, CTemplateDatabase::kContentChars, 0);
    if (m_command == ID_TEMPLATE_ADD) {
        ::SetWindowTextA(m_hWnd, LoadText(IDS_TEMPLATE_ADD_CAPTION).c_str());
        ::SetFocus(GetDlgItem(IDC_TEMPLATE_NAME));
        return FALSE;
    }
    CTemplateDatabase database(m_path);
    std::string name, content;
    if (database.IsOpen() && database.ReadTemplate(m_table, m_name, name, content)) {
        ::SetDlgItemTextA(m_hWnd, IDC_TEMPLATE_NAME, name.c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_TEMPLATE_CONTENT, content.c_str());
    }
    ::SetFocus(GetDlgItem(IDC_TEMPLATE_CONTENT));
    return FALSE;
}

LRESULT CTemplateEditDialog::OnOK(WORD, WORD, HWND, bool&) {
    const std::string name = ItemText(IDC_TEMPLATE_NAME);
    if (name.empty()) {
        ShowMessage(m_hWnd, LoadText(IDS_TEMPLATE_NAME_EMPTY), MB_OK);
        return 0;
    }
    const std::string content = ItemText(IDC_TEMPLATE_CONTENT);
    const std::string statement = m_command == ID_TEMPLATE_ADD
                                      ? template_sql::InsertTemplate(m_table, name, content)
                                      : template_sql::UpdateTemplate(m_table, name, content, m_name);
    ExecuteTemplateSql(m_path, statement);
    EndDialog(IDOK);
    return 0;
}

LRESULT CTemplateEditDialog::OnCancel(WORD, WORD, HWND, bool&) {
    EndDialog(IDCANCEL);
    return 0;
}
