#pragma once
// Key/value store of the properties files: exact, case-sensitive keys kept in
// definition order, with an optional parent consulted for missing keys.
#include <string>
#include <unordered_map>
#include <vector>

struct PropertyEntry {
    std::string key;
    std::string value;
};

class PropertyMap {
public:
    void Clear();
    // Setting a key again replaces its value but keeps its first position.
    void Set(const std::string& key, const std::string& value);
    // "key=value" (neither part trimmed); a line without '=' sets key = "1".
    void SetFromLine(const std::string& line);

    // The value here, else in the parent chain, else "".
    std::string Get(const std::string& key) const;
    // Get with "$(" name ")" references replaced the same way.
    std::string GetExpanded(const std::string& key) const;
    // The expanded value read as atoi reads it; defaultValue when empty.
    int GetInt(const std::string& key, int defaultValue = 0) const;

    // This set's own entries, in definition order.
    const std::vector<PropertyEntry>& Entries() const { return m_entries; }

    void SetParent(const PropertyMap* parent) { m_parent = parent; }
    const PropertyMap* Parent() const { return m_parent; }

private:
    const std::string* Find(const std::string& key) const;

    std::vector<PropertyEntry> m_entries;
    std::unordered_map<std::string, size_t> m_index;
    const PropertyMap* m_parent = nullptr;
};
