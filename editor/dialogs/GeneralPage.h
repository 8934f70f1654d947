#pragma once
// The general page (IDD_OPTIONS_GENERAL): start-up and window options of EditorMask, the
// double click on the empty document area, and the length of the recent-file
// list.
#include "OptionsPage.h"
#include "resource.h"

class CGeneralPage : public COptionsPage {
public:
    explicit CGeneralPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_GENERAL, context) {}

    void Apply() override;

    TW_BEGIN_MSG_MAP(CGeneralPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_HANDLER(IDC_GENERAL_MRU_SIZE, EN_CHANGE, OnRecentCountChange)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

    static constexpr int kRecentDefault = 12;
    static constexpr int kRecentMin = 2;
    static constexpr int kRecentMax = 16;

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRecentCountChange(WORD, WORD, HWND, bool&);

    int m_recentRead = kRecentDefault;
};
