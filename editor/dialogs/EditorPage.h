#pragma once
// The editor page (IDD_OPTIONS_EDITOR): the display and indentation bits of EditorMask,
// tab and indent widths, the column edge and the current-line highlight.
// Its Apply marks the documents for restyling.
#include "ColorPickerButton.h"
#include "OptionsPage.h"
#include "resource.h"

class CEditorPage : public COptionsPage {
public:
    explicit CEditorPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_EDITOR, context) {}

    void Apply() override;

    // The ranges the settings keep at load, so that a stored value is read
    // back as it was set.
    static constexpr int kWidthMin = 1, kWidthMax = 255;  // tab and indent widths
    static constexpr int kEdgeMin = 1, kEdgeMax = 300;
    static constexpr int kAlphaMin = 0, kAlphaMax = 100;  // current-line transparency

    TW_BEGIN_MSG_MAP(CEditorPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_HSCROLL, OnSlider)
        TW_COMMAND_HANDLER(IDC_EDITOR_ALPHA, EN_CHANGE, OnAlphaTyped)
        TW_COMMAND_CODE_HANDLER(BN_CLICKED, OnButtonClicked)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSlider(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnAlphaTyped(WORD, WORD, HWND, bool&);
    LRESULT OnButtonClicked(WORD, WORD, HWND, bool&);
    void ApplyEnablingRules() const;

    CColorPickerButton m_lineColor;  // 1170 HighLightColor
    CColorPickerButton m_edgeColor;  // 1174 LineEdgeColor
};
