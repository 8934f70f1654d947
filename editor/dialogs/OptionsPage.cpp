#include "OptionsPage.h"

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
