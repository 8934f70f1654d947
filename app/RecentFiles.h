#pragma once
// The recent-file list: kept oldest first, shown newest first in the File
// menu's recent-files submenu, stored under
// HKEY_CURRENT_USER "Software\Tarnwick\Recent Document List".
#include <windows.h>

#include <string>
#include <vector>

class CRecentFiles {
public:
    static constexpr int kMinCount = 2;
    static constexpr int kMaxCount = 16;
    static constexpr const char* kRegistryKey = "Software\\Tarnwick\\Recent Document List";

    // Clamped to 2..16; the oldest entries beyond it are dropped.
    void SetMaxCount(int count);
    int MaxCount() const { return m_maxCount; }
    int Count() const { return (int)m_entries.size(); }
    // 0 = the newest; "" beyond the list.
    std::string Newest(int index) const;
    // Moves a case-insensitive equal entry to the top, or adds the path as
    // the newest, dropping the oldest of a full list.
    void Add(const std::string& path);
    void RemoveNewest(int index);

    // The submenu's items: "&1 path" newest first with ids from first, or one
    // grayed item with emptyText. '&' in a path is doubled.
    void FillMenu(HMENU submenu, UINT firstId, const char* emptyText) const;

    // "DocumentCount" and "Document1".."DocumentN" (1 the newest); stale
    // values up to Document16 are deleted. False when the key cannot be made.
    bool Write(HKEY root) const;
    // False (list unchanged) without the key or "DocumentCount".
    bool Read(HKEY root);

private:
    std::vector<std::string> m_entries;  // oldest first
    int m_maxCount = 12;
};
