#include "ColoursPage.h"

#include "AppSettings.h"

namespace {

struct PaneColour {
    int id;
    COLORREF CAppSettings::*field;
    const char* key;
};
// In the order the keys are written: the backgrounds, then the texts.
const PaneColour kPaneColours[CColoursPage::kButtonCount] = {
    {IDC_COLOURS_TEMPLATE_BACK, &CAppSettings::TemplateBack, ini::kTemplateBack},
    {IDC_COLOURS_SYMBOL_BACK, &CAppSettings::SymbolBack, ini::kSymbolBack},
    {IDC_COLOURS_FIND1_BACK, &CAppSettings::Find1Back, ini::kFind1Back},
    {IDC_COLOURS_FIND2_BACK, &CAppSettings::Find2Back, ini::kFind2Back},
    {IDC_COLOURS_TEMPLATE_FORE, &CAppSettings::TemplateFore, ini::kTemplateFore},
    {IDC_COLOURS_SYMBOL_FORE, &CAppSettings::SymbolFore, ini::kSymbolFore},
    {IDC_COLOURS_FIND1_FORE, &CAppSettings::Find1Fore, ini::kFind1Fore},
    {IDC_COLOURS_FIND2_FORE, &CAppSettings::Find2Fore, ini::kFind2Fore},
};

}  // namespace

LRESULT CColoursPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    for (int i = 0; i < kButtonCount; ++i) {
        // Automatic shows the key's value as it is now.
        m_buttons[i].automaticColor = m_context.settings.*kPaneColours[i].field;
        m_buttons[i].Attach(GetDlgItem(kPaneColours[i].id));
    }
    return TRUE;
}

void CColoursPage::Apply() {
    CAppSettings& settings = m_context.settings;
    for (int i = 0; i < kButtonCount; ++i) settings.*kPaneColours[i].field = m_buttons[i].ShownColor();
    settings.CreatePaneBrushes(true);
    for (const PaneColour& colour : kPaneColours)
        settings.WriteInt(ini::kEditor, colour.key, (int)(settings.*colour.field));
}
