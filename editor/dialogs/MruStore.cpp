#include "MruStore.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "UniqueHandle.h"

namespace {

constexpr size_t kMaxEntry = 260;
constexpr size_t kMaxSlots = 26;

// The store's key under HKEY_CURRENT_USER with its string values.
class CMruKey {
public:
    explicit CMruKey(const std::string& subKey) : m_key(CreateRegistryKey(HKEY_CURRENT_USER, subKey.c_str())) {}
    HKEY Get() const { return m_key.get(); }

    bool Read(const char* name, std::string& value) const {
        char buffer[kMaxEntry + 1] = {};
        DWORD size = sizeof(buffer) - 1, type = 0;
        if (::RegQueryValueExA(m_key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            return false;
        value = buffer;
        return true;
    }
    void Write(const char* name, const std::string& value) const {
        ::RegSetValueExA(m_key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }

private:
    UniqueKey m_key;
};

bool SameText(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

}  // namespace

CMruStore::CMruStore(CMruStore&& other) noexcept
    : m_subKey(std::move(other.m_subKey)), m_maximum(other.m_maximum), m_open(std::exchange(other.m_open, false)),
      m_entries(std::move(other.m_entries)) {}

CMruStore& CMruStore::operator=(CMruStore&& other) noexcept {
    if (this != &other) {
        Close();
        m_subKey = std::move(other.m_subKey);
        m_maximum = other.m_maximum;
        m_open = std::exchange(other.m_open, false);
        m_entries = std::move(other.m_entries);
    }
    return *this;
}

bool CMruStore::Open(const char* subKey, size_t maximum) {
    Close();
    m_entries.clear();
    m_subKey = subKey;
    m_maximum = std::min(std::max<size_t>(maximum, 1), kMaxSlots);
    const CMruKey key(m_subKey);
    if (!key.Get()) return false;
    m_open = true;
    std::string order;
    key.Read("MRUList", order);
    for (const char letter : order) {
        if (letter < 'a' || letter >= static_cast<char>('a' + kMaxSlots) || m_entries.size() >= m_maximum) continue;
        const char name[2] = {letter, '\0'};
        std::string value;
        if (!key.Read(name, value)) continue;
        const bool seen = std::any_of(m_entries.begin(), m_entries.end(),
                                      [&](const std::string& e) { return SameText(e, value); });
        if (!seen) m_entries.push_back(value);
    }
    return true;
}

void CMruStore::Add(const std::string& text) {
    if (!m_open || text.empty()) return;
    const std::string entry = text.substr(0, kMaxEntry);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](const std::string& e) { return SameText(e, entry); }),
                    m_entries.end());
    m_entries.insert(m_entries.begin(), entry);
    if (m_entries.size() > m_maximum) m_entries.resize(m_maximum);
}

void CMruStore::Close() {
    if (!m_open) return;
    m_open = false;
    const CMruKey key(m_subKey);
    if (!key.Get()) return;
    std::string order;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const char name[2] = {static_cast<char>('a' + i), '\0'};
        key.Write(name, m_entries[i]);
        order += name[0];
    }
    // Slots no longer listed are removed, so that no stale text remains.
    for (size_t i = m_entries.size(); i < kMaxSlots; ++i) {
        const char name[2] = {static_cast<char>('a' + i), '\0'};
        ::RegDeleteValueA(key.Get(), name);
    }
    key.Write("MRUList", order);
}
