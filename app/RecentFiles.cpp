#include "RecentFiles.h"

#include <algorithm>
#include <cstdio>

#include "UniqueHandle.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

std::string DoubleAmpersands(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

}  // namespace

void CRecentFiles::SetMaxCount(int count) {
    m_maxCount = std::clamp(count, kMinCount, kMaxCount);
    if ((int)m_entries.size() > m_maxCount) m_entries.erase(m_entries.begin(), m_entries.end() - m_maxCount);
}

std::string CRecentFiles::Newest(int index) const {
    if (index < 0 || index >= Count()) return "";
    return m_entries[m_entries.size() - 1 - index];
}

void CRecentFiles::Add(const std::string& path) {
    std::erase_if(m_entries, [&](const std::string& entry) { return SamePath(entry, path); });
    if ((int)m_entries.size() >= m_maxCount) m_entries.erase(m_entries.begin());
    m_entries.push_back(path.substr(0, MAX_PATH - 1));
}

void CRecentFiles::RemoveNewest(int index) {
    if (index >= 0 && index < Count()) m_entries.erase(m_entries.end() - 1 - index);
}

void CRecentFiles::FillMenu(HMENU submenu, UINT firstId, const char* emptyText) const {
    if (!submenu) return;
    while (::GetMenuItemCount(submenu) > 0) ::DeleteMenu(submenu, 0, MF_BYPOSITION);
    if (m_entries.empty()) {
        ::AppendMenuA(submenu, MF_STRING | MF_GRAYED, firstId, emptyText);
        return;
    }
    for (int i = 0; i < Count(); ++i) {
        char text[MAX_PATH * 2 + 16];
        std::snprintf(text, sizeof(text), "&%i %s", i + 1, DoubleAmpersands(Newest(i)).c_str());
        ::AppendMenuA(submenu, MF_STRING, firstId + i, text);
    }
}

bool CRecentFiles::Write(HKEY root) const {
    const UniqueKey key = CreateRegistryKey(root, CRecentFiles::kRegistryKey);
    if (!key) return false;
    const DWORD count = (DWORD)m_maxCount;
    ::RegSetValueExA(key.get(), "DocumentCount", 0, REG_DWORD, (const BYTE*)&count, sizeof(count));
    char name[32];
    for (int i = 0; i < kMaxCount; ++i) {
        std::snprintf(name, sizeof(name), "Document%i", i + 1);
        if (i < Count()) {
            const std::string entry = Newest(i);
            ::RegSetValueExA(key.get(), name, 0, REG_SZ, (const BYTE*)entry.c_str(), (DWORD)entry.size() + 1);
        } else {
            ::RegDeleteValueA(key.get(), name);
        }
    }
    return true;
}

bool CRecentFiles::Read(HKEY root) {
    const UniqueKey key = CreateRegistryKey(root, CRecentFiles::kRegistryKey);
    if (!key) return false;
    DWORD count = 0, size = sizeof(count), type = 0;
    if (::RegQueryValueExA(key.get(), "DocumentCount", nullptr, &type, (BYTE*)&count, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    m_maxCount = std::clamp((int)count, kMinCount, kMaxCount);
    m_entries.clear();
    char name[32];
    for (int i = m_maxCount; i >= 1; --i) {
        std::snprintf(name, sizeof(name), "Document%i", i);
        char value[MAX_PATH] = {};
        DWORD valueSize = sizeof(value) - 1;
        if (::RegQueryValueExA(key.get(), name, nullptr, &type, (BYTE*)value, &valueSize) == ERROR_SUCCESS &&
            type == REG_SZ && value[0])
            m_entries.push_back(value);
    }
    return true;
}
