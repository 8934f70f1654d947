#pragma once
// The variables page (IDD_OPTIONS_VARIABLES): the user's name, company and e-mail address that
// templates insert, and a fixed list of the macros templates and tools
// expand.
#include "OptionsPage.h"
#include "resource.h"

class CVariablesPage : public COptionsPage {
public:
    explicit CVariablesPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_VARIABLES, context) {}

    void Apply() override;
    static const char kHelpText[];

    TW_BEGIN_MSG_MAP(CVariablesPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
};
