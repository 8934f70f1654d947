#include "OptionsPage.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "DialogTemplateCaption.h"

HWND COptionsPage::Create(HWND dialog, const RECT& rect, HWND after, HWND applyButton) {
    m_apply = applyButton;
    HWND page = CreateModeless(dialog, m_templateId);
    if (!page) return nullptr;
    ::SetWindowPos(page, after, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOACTIVATE);
    return page;
}

void COptionsPage::Destroy() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

std::string COptionsPage::GetTitle() const {
    return DialogResourceCaption(::GetModuleHandleA(nullptr), m_templateId, 64);
}

void COptionsPage::SetChanged() {
    if (!m_created) return;
    m_changed = true;
    if (m_apply) ::EnableWindow(m_apply, TRUE);
}

int COptionsPage::ReadNumber(int id, int fallback) const {
    // Read as text: GetDlgItemInt would wrap a long run of digits.
    const std::string text = ReadText(id, 32);
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str()) return fallback;
    while (*end == ' ') ++end;
    if (*end) return fallback;
    if (value > 0x7FFFFFFF) return 0x7FFFFFFF;
    if (value < -0x7FFFFFFF) return -0x7FFFFFFF;
    return (int)value;
}

std::string COptionsPage::ReadText(int id, size_t maxBytes) const {
    std::vector<char> text(maxBytes, '\0');
    ::GetDlgItemTextA(m_hWnd, id, text.data(), (int)maxBytes);
    return text.data();
}

int COptionsPage::ReadNumberInRange(int id, int fallback, int low, int high) const {
    return std::clamp(ReadNumber(id, fallback), low, high);
}

void COptionsPage::CheckBits(const BitControl* controls, size_t count, uint32_t word) const {
    for (size_t i = 0; i < count; ++i) Check(controls[i].id, (word & controls[i].bit) != 0);
}

uint32_t COptionsPage::StoreBits(const BitControl* controls, size_t count, uint32_t word) const {
    for (size_t i = 0; i < count; ++i) {
        word &= ~controls[i].bit;
        if (IsChecked(controls[i].id)) word |= controls[i].bit;
    }
    return word;
}

void COptionsPage::SetSpinRange(int id, int low, int high) const {
    ::SendDlgItemMessageA(m_hWnd, id, UDM_SETRANGE32, (WPARAM)low, (LPARAM)high);
}
