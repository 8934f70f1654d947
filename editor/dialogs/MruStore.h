#pragma once
// A most-recently-used list of texts under HKEY_CURRENT_USER, in the
// registry format of the common controls' MRU lists: values "a" to "z"
// (REG_SZ) and "MRUList" naming them, most recent first. Our own, because
// the platform's lists keep duplicates under Wine. Written when closed.
#include <string>
#include <vector>

class CMruStore {
public:
    CMruStore() = default;
    ~CMruStore() { Close(); }
    CMruStore(const CMruStore&) = delete;
    CMruStore& operator=(const CMruStore&) = delete;
    CMruStore(CMruStore&& other) noexcept;
    CMruStore& operator=(CMruStore&& other) noexcept;

    // Reads the list; false (and an empty list) when the key cannot be created.
    bool Open(const char* subKey, size_t maximum = 26);
    // Most recent first.
    const std::vector<std::string>& Entries() const { return m_entries; }
    // Moves text to the front (a repeated text is not kept twice, compared
    // without case); cut to 260 characters.
    void Add(const std::string& text);
    // Writes the list back; nothing when it was never opened.
    void Close();

private:
    std::string m_subKey;
    size_t m_maximum = 0;
    bool m_open = false;
    std::vector<std::string> m_entries;
};
