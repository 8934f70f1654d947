#include "GeneralPage.h"

#include <iterator>

#include "AppSettings.h"

namespace {

const BitControl kGeneralBits[] = {
    {IDC_GENERAL_MULTI_INSTANCE, kMaskMultipleInstances},
    {IDC_GENERAL_MAXIMIZED, kMaskOpenMaximized},
    {IDC_GENERAL_FULL_PATH, kMaskFullPathTitle},
    {IDC_GENERAL_NEW_AT_START, kMaskNewDocumentAtStart},
    {IDC_GENERAL_TABS_AT_BOTTOM, kMaskTabsAtBottom},
    {IDC_GENERAL_CLOSE_FIND, kMaskCloseFindDialogs},
};
constexpr int kDoubleClickShift = 6;  // EditorMask bits 6-7
const int kDoubleClickRadios[] = {IDC_GENERAL_DBLCLK_OPEN, IDC_GENERAL_DBLCLK_NEW, IDC_GENERAL_DBLCLK_NOTHING};

}  // namespace

LRESULT CGeneralPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    const CAppSettings& settings = m_context.settings;
    m_recentRead = settings.ReadInt(ini::kEditor, ini::kMruSize, kRecentDefault);
    ::SetDlgItemInt(m_hWnd, IDC_GENERAL_MRU_SIZE, (UINT)m_recentRead, TRUE);
    SetSpinRange(IDC_GENERAL_MRU_SPIN, kRecentMin, kRecentMax);
    CheckBits(kGeneralBits, std::size(kGeneralBits), settings.EditorMask);
    // A value of 3 checks none.
    const uint32_t choice = (settings.EditorMask & kMaskClientDoubleClick) >> kDoubleClickShift;
    if (choice < std::size(kDoubleClickRadios)) Check(kDoubleClickRadios[choice], true);
    return TRUE;
}

LRESULT CGeneralPage::OnRecentCountChange(WORD, WORD, HWND, bool&) {
    if (ReadNumber(IDC_GENERAL_MRU_SIZE, kRecentDefault) != m_recentRead) SetChanged();
    return 0;
}

void CGeneralPage::Apply() {
    CAppSettings& settings = m_context.settings;
    uint32_t mask = StoreBits(kGeneralBits, std::size(kGeneralBits), settings.EditorMask);
    uint32_t choice = 0;  // none checked: the open dialog
    for (uint32_t i = 0; i < std::size(kDoubleClickRadios); ++i)
        if (IsChecked(kDoubleClickRadios[i])) choice = i;
    mask = (mask & ~(uint32_t)kMaskClientDoubleClick) | (choice << kDoubleClickShift);
    settings.EditorMask = mask;
    m_context.host.SetRecentFileCount(
        ReadNumberInRange(IDC_GENERAL_MRU_SIZE, kRecentDefault, kRecentMin, kRecentMax));
}
