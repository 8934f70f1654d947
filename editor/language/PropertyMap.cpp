#include "PropertyMap.h"

#include <climits>
#include <cstdlib>

#include "Expansion.h"

void PropertyMap::Clear() {
    m_entries.clear();
    m_index.clear();
}

void PropertyMap::Set(const std::string& key, const std::string& value) {
    auto [slot, added] = m_index.try_emplace(key, m_entries.size());
    if (added) {
        m_entries.push_back({key, value});
    } else {
        m_entries[slot->second].value = value;
    }
}

void PropertyMap::SetFromLine(const std::string& line) {
    size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || (line[start] >= '\t' && line[start] <= '\r'))) ++start;
    if (start == line.size()) return;
    size_t equals = line.find('=', start);
    if (equals == std::string::npos) {
        Set(line.substr(start), "1");
    } else if (equals > start) {
        // An empty key ("=v") names nothing a reader could ask for.
        Set(line.substr(start, equals - start), line.substr(equals + 1));
    }
}

const std::string* PropertyMap::Find(const std::string& key) const {
    for (const PropertyMap* set = this; set; set = set->m_parent) {
        auto found = set->m_index.find(key);
        if (found != set->m_index.end()) return &set->m_entries[found->second].value;
    }
    return nullptr;
}

std::string PropertyMap::Get(const std::string& key) const {
    const std::string* value = Find(key);
    return value ? *value : std::string();
}

std::string PropertyMap::GetExpanded(const std::string& key) const {
    return ExpandReferences(Get(key), key, [this](const std::string& name) { return Get(name); });
}

int PropertyMap::GetInt(const std::string& key, int defaultValue) const {
    std::string text = GetExpanded(key);
    if (text.empty()) return defaultValue;
    // atoi's reading, but an out-of-range number is clamped rather than undefined.
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
