#include "EditorPage.h"

#include <commctrl.h>

#include <iterator>

#include "AppSettings.h"

namespace {

const BitControl kEditorBits[] = {
    {IDC_EDITOR_HIGHLIGHT, kMaskSyntaxHighlight},   {IDC_EDITOR_WRAP, kMaskWrap},
    {IDC_EDITOR_LINE_NUMBERS, kMaskLineNumbers},    {IDC_EDITOR_WHITESPACE, kMaskWhiteSpace},
    {IDC_EDITOR_LINE_ENDS, kMaskLineEnds},          {IDC_EDITOR_INDENT_GUIDES, kMaskIndentGuides},
    {IDC_EDITOR_CURRENT_LINE, kMaskHighlightLine},  {IDC_EDITOR_EDGE, kMaskShowEdge},
    {IDC_EDITOR_TRANSPARENT, kMaskTransparentLine},
};
constexpr int kIndentShift = 18;  // EditorMask bits 18-19
constexpr uint32_t kIndentBits = kMaskIndentSpaces | kMaskIndentTabs;
const int kIndentRadios[] = {IDC_EDITOR_INDENT_PROPERTIES, IDC_EDITOR_INDENT_SPACES, IDC_EDITOR_INDENT_TABS};

// What the column-edge and current-line check boxes switch on and off.
const int kEdgeControls[] = {IDC_EDITOR_EDGE_POS,  IDC_EDITOR_EDGE_SPIN,      IDC_EDITOR_EDGE_BACKGROUND,
                             IDC_EDITOR_EDGE_LINE, IDC_EDITOR_EDGE_COLOR,     IDC_EDITOR_EDGE_POS_LABEL,
                             IDC_EDITOR_EDGE_COLOR_LABEL};
const int kLineControls[] = {IDC_EDITOR_TRANSPARENT, IDC_EDITOR_ALPHA, IDC_EDITOR_LINE_COLOR,
                             IDC_EDITOR_LINE_COLOR_LABEL};

}  // namespace

LRESULT CEditorPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    const CAppSettings& settings = m_context.settings;
    const uint32_t mask = settings.EditorMask;
    CheckBits(kEditorBits, std::size(kEditorBits), mask);
    Check((mask & kMaskEdgeLine) ? IDC_EDITOR_EDGE_LINE : IDC_EDITOR_EDGE_BACKGROUND, true);
    const uint32_t indent = (mask & kIndentBits) >> kIndentShift;
    if (indent < std::size(kIndentRadios)) Check(kIndentRadios[indent], true);

    m_lineColor.automaticColor = settings.HighLightColor;
    m_lineColor.Attach(GetDlgItem(IDC_EDITOR_LINE_COLOR));
    m_edgeColor.automaticColor = settings.LineEdgeColor;
    m_edgeColor.Attach(GetDlgItem(IDC_EDITOR_EDGE_COLOR));

    ::SetDlgItemInt(m_hWnd, IDC_EDITOR_TAB_SIZE, settings.TabSize, FALSE);
    ::SetDlgItemInt(m_hWnd, IDC_EDITOR_INDENT_SIZE, settings.IndentSize, FALSE);
    ::SetDlgItemInt(m_hWnd, IDC_EDITOR_ALPHA, settings.LineTransparent, FALSE);
    ::SetDlgItemInt(m_hWnd, IDC_EDITOR_EDGE_POS, (UINT)settings.LineEdgePos, FALSE);
    SetSpinRange(IDC_EDITOR_TAB_SPIN, kWidthMin, kWidthMax);
    SetSpinRange(IDC_EDITOR_INDENT_SPIN, kWidthMin, kWidthMax);
    SetSpinRange(IDC_EDITOR_EDGE_SPIN, kEdgeMin, kEdgeMax);

    HWND slider = GetDlgItem(IDC_EDITOR_ALPHA_SLIDER);
    ::SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(kAlphaMin, kAlphaMax));
    ::SendMessageA(slider, TBM_SETPOS, TRUE, settings.LineTransparent);
    ::SendMessageA(slider, TBM_SETBUDDY, FALSE, (LPARAM)GetDlgItem(IDC_EDITOR_ALPHA));
    ApplyEnablingRules();
    return TRUE;
}

void CEditorPage::ApplyEnablingRules() const {
    const bool edge = IsChecked(IDC_EDITOR_EDGE);
    for (int id : kEdgeControls) Enable(id, edge);
    const bool line = IsChecked(IDC_EDITOR_CURRENT_LINE);
    for (int id : kLineControls) Enable(id, line);
    Enable(IDC_EDITOR_ALPHA_SLIDER, line && IsChecked(IDC_EDITOR_TRANSPARENT));
}

LRESULT CEditorPage::OnButtonClicked(WORD, WORD, HWND, bool& handled) {
    ApplyEnablingRules();
    handled = false;  // the page's own change reporting follows
    return 0;
}

LRESULT CEditorPage::OnSlider(UINT, WPARAM, LPARAM l, bool& handled) {
    if ((HWND)l != GetDlgItem(IDC_EDITOR_ALPHA_SLIDER)) {
        handled = false;
        return 0;
    }
    const int position = (int)::SendMessageA((HWND)l, TBM_GETPOS, 0, 0);
    ::SetDlgItemInt(m_hWnd, IDC_EDITOR_ALPHA, (UINT)position, FALSE);
    SetChanged();
    return 0;
}

LRESULT CEditorPage::OnAlphaTyped(WORD, WORD, HWND, bool&) {
    // The slider follows what is typed.
    const int value = ReadNumberInRange(IDC_EDITOR_ALPHA, 0, kAlphaMin, kAlphaMax);
    ::SendDlgItemMessageA(m_hWnd, IDC_EDITOR_ALPHA_SLIDER, TBM_SETPOS, TRUE, value);
    SetChanged();
    return 0;
}

void CEditorPage::Apply() {
    CAppSettings& settings = m_context.settings;
    uint32_t mask = StoreBits(kEditorBits, std::size(kEditorBits), settings.EditorMask);
    mask &= ~(uint32_t)kMaskEdgeLine;
    if (!IsChecked(IDC_EDITOR_EDGE_BACKGROUND)) mask |= kMaskEdgeLine;
    uint32_t indent = 0;  // none checked: from the properties files
    for (uint32_t i = 0; i < std::size(kIndentRadios); ++i)
        if (IsChecked(kIndentRadios[i])) indent = i;
    settings.EditorMask = (mask & ~kIndentBits) | (indent << kIndentShift);

    // A button still automatic gives the value its key had when the page opened.
    settings.HighLightColor = m_lineColor.ShownColor();
    settings.LineEdgeColor = m_edgeColor.ShownColor();
    settings.WriteInt(ini::kEditor, ini::kHighLightColor, (int)settings.HighLightColor);
    settings.WriteInt(ini::kEditor, ini::kLineEdgeColor, (int)settings.LineEdgeColor);

    // Typed values outside a range are kept at its nearest end.
    settings.TabSize = (uint8_t)ReadNumberInRange(IDC_EDITOR_TAB_SIZE, 4, kWidthMin, kWidthMax);
    settings.IndentSize = (uint8_t)ReadNumberInRange(IDC_EDITOR_INDENT_SIZE, 4, kWidthMin, kWidthMax);
    settings.LineTransparent = (uint8_t)ReadNumberInRange(IDC_EDITOR_ALPHA, 24, kAlphaMin, kAlphaMax);
    settings.LineEdgePos = ReadNumberInRange(IDC_EDITOR_EDGE_POS, 90, kEdgeMin, kEdgeMax);
    settings.WriteInt(ini::kEditor, ini::kTabSize, settings.TabSize);
    settings.WriteInt(ini::kEditor, ini::kIndentSize, settings.IndentSize);
    settings.WriteInt(ini::kEditor, ini::kLineTransparent, settings.LineTransparent);
    settings.WriteInt(ini::kEditor, ini::kLineEdgePos, settings.LineEdgePos);
    m_context.EditorSettingsChanged = true;
}
