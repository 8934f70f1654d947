#include "VariablesPage.h"

#include "AppSettings.h"

namespace {

struct UserField {
    int id;
    const char* key;
    const char* defaultText;
};
const UserField kUserFields[] = {
    {IDC_VARIABLES_USER, ini::kUserName, ini::kDefaultUserName},
    {IDC_VARIABLES_COMPANY, ini::kUserCompany, ini::kDefaultUserCompany},
    {IDC_VARIABLES_EMAIL, ini::kUserEmail, ini::kDefaultUserEmail},
};

}  // namespace

const char CVariablesPage::kHelpText[] =
    "File Macro Variables: (C:\\Projects\\Notes\\readme.txt)\r\n"
    "\t$(FILE)\t-> C:\\Projects\\Notes\\readme.txt\r\n"
    "\t$(FILENAME)\t-> readme.txt\r\n"
    "\t$(FILE_PATH)\t-> C:\\Projects\\Notes\r\n"
    "\t$(FILE_BASE)\t-> readme\r\n"
    "\t$(FILE_EXT)\t-> txt\r\n"
    "\r\n"
    "DateTime Macro Variables: (2008-08-08 21:58)\r\n"
    "\t$(YEAR)\t-> 2008\r\n"
    "\t$(MONTH)\t-> 8\r\n"
    "\t$(MONTH_02)\t-> 08\r\n"
    "\t$(MONTHNAME)\t-> Aug\r\n"
    "\t$(DAY)\t-> 8\r\n"
    "\t$(DAY_02)\t-> 08\r\n"
    "\t$(HOUR)\t-> 21\r\n"
    "\t$(HOUR_02)\t-> 21\r\n"
    "\t$(MINUTE)\t-> 58\r\n"
    "\t$(DATE)\t-> 2008-08-08\r\n"
    "\t$(DATENAME)\t-> Aug-08-2008\r\n"
    "\r\n"
    "Misc:\r\n"
    "\tLOWER(FILE_EXT)\t-> txt\r\n"
    "\tUPPER(FILE_EXT)\t-> TXT";

LRESULT CVariablesPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    for (const UserField& field : kUserFields)
        ::SetDlgItemTextA(m_hWnd, field.id,
                          m_context.settings.ReadString(ini::kUser, field.key, field.defaultText).c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_VARIABLES_HELP, kHelpText);
    return TRUE;
}

void CVariablesPage::Apply() {
    // An emptied field leaves the value in the ini as it was.
    for (const UserField& field : kUserFields) {
        const std::string text = ReadText(field.id, 256);
        if (!text.empty()) m_context.settings.WriteString(ini::kUser, field.key, text.c_str());
    }
}
