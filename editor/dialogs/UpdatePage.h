#pragma once
// The update page (IDD_OPTIONS_UPDATE): whether the editor checks for a newer release at
// start, every how many days, and a check run at once.
#include "OptionsPage.h"
#include "resource.h"

class CUpdatePage : public COptionsPage {
public:
    explicit CUpdatePage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_UPDATE, context) {}

    void Apply() override;

    static constexpr int kIntervalDefault = 3;
    static constexpr int kIntervalMax = 30;
    // The interval typed: the default for no number, for 0 and below, and
    // above the maximum, as the settings read it back.
    static int IntervalOf(int typed);

    TW_BEGIN_MSG_MAP(CUpdatePage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_ID_HANDLER(IDC_UPDATE_CHECK_NOW, OnCheckNow)
        TW_COMMAND_HANDLER(IDC_UPDATE_AT_START, BN_CLICKED, OnAtStartClicked)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCheckNow(WORD, WORD, HWND, bool&);
    LRESULT OnAtStartClicked(WORD, WORD, HWND, bool&);
    void ApplyEnablingRule() const;
};
