#include "LanguageTable.h"

void LowerCaseAscii(std::string& text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

std::string LookupNameForExtension(const std::string& extension) { return "x." + extension; }

std::vector<LanguageEntry> BuildLanguageTable(const CPropertySet& set) {
    std::string value = set.GetExpanded("menu.language", "");
    std::vector<std::string> items;
    size_t start = 0;
    // Only items closed by '|' count, so an unclosed tail is dropped.
    for (size_t bar; (bar = value.find('|', start)) != std::string::npos; start = bar + 1) {
        items.push_back(value.substr(start, bar - start));
    }
    std::vector<LanguageEntry> table;
    for (size_t i = 0; i + 1 < items.size(); i += 2) {
        if (items[i].starts_with('#')) continue;
        std::string lexer = set.GetExpanded("lexer.", LookupNameForExtension(items[i + 1]));
        table.push_back({items[i], items[i + 1], std::move(lexer)});
    }
    return table;
}

int LanguageIndexForFile(const std::vector<LanguageEntry>& table, const CPropertySet& set, const std::string& path) {
    // '/' as well: a path given on a command line under Wine may use it.
    size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    LowerCaseAscii(name);
    std::string lexer = set.GetExpanded("lexer.", name);
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].lexer == lexer) return static_cast<int>(i);
    }
    return 0;
}
