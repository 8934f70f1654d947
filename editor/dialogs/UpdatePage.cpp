#include "UpdatePage.h"

#include "AppSettings.h"

namespace {

const int kIntervalControls[] = {IDC_UPDATE_INTERVAL, IDC_UPDATE_SPIN, IDC_UPDATE_LABEL_BEFORE,
                                 IDC_UPDATE_LABEL_AFTER};

}  // namespace

int CUpdatePage::IntervalOf(int typed) { return typed <= 0 || typed > kIntervalMax ? kIntervalDefault : typed; }

LRESULT CUpdatePage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    const CAppSettings& settings = m_context.settings;
    Check(IDC_UPDATE_AT_START, (settings.EditorMask & kMaskUpdateAtStart) != 0);
    ::SetDlgItemInt(m_hWnd, IDC_UPDATE_INTERVAL, settings.UpdateInterval, FALSE);
    SetSpinRange(IDC_UPDATE_SPIN, 1, kIntervalMax);
    // The check runs through the updater; without one to run, the button
    // stays disabled rather than doing nothing.
    Enable(IDC_UPDATE_CHECK_NOW, m_context.host.CanCheckForUpdate());
    ApplyEnablingRule();
    return TRUE;
}

void CUpdatePage::ApplyEnablingRule() const {
    const bool atStart = IsChecked(IDC_UPDATE_AT_START);
    for (int id : kIntervalControls) Enable(id, atStart);
}

LRESULT CUpdatePage::OnAtStartClicked(WORD, WORD, HWND, bool& handled) {
    ApplyEnablingRule();
    handled = false;  // a change of the page too
    return 0;
}

LRESULT CUpdatePage::OnCheckNow(WORD code, WORD, HWND, bool& handled) {
    if (code != BN_CLICKED) {
        handled = false;
        return 0;
    }
    // Runs at once and is no change of the page.
    m_context.host.CheckForUpdate(true, false);
    return 0;
}

void CUpdatePage::Apply() {
    CAppSettings& settings = m_context.settings;
    settings.EditorMask &= ~(uint32_t)kMaskUpdateAtStart;
    if (IsChecked(IDC_UPDATE_AT_START)) settings.EditorMask |= kMaskUpdateAtStart;
    settings.UpdateInterval = (uint8_t)IntervalOf(ReadNumber(IDC_UPDATE_INTERVAL, kIntervalDefault));
    settings.WriteInt(ini::kUpdate, ini::kUpdateInterval, settings.UpdateInterval);
}
