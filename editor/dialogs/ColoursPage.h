#pragma once
// The window colours page (IDD_OPTIONS_COLOURS): text and background colours of the
// template pane and the two find-results panes, and of the symbol pane's
// trees. Its Apply renews the pane brushes, so the panes repaint at once.
#include "ColorPickerButton.h"
#include "OptionsPage.h"
#include "resource.h"

class CColoursPage : public COptionsPage {
public:
    explicit CColoursPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_COLOURS, context) {}

    void Apply() override;

    TW_BEGIN_MSG_MAP(CColoursPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

    static constexpr int kButtonCount = 8;

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);

    CColorPickerButton m_buttons[kButtonCount];
};
