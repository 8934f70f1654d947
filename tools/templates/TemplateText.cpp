#include "TemplateText.h"

#include <windows.h>

std::string IndentationText(int columns, int tabWidth, bool useTabs) {
    if (columns <= 0) return {};
    if (!useTabs || tabWidth <= 0) return std::string(static_cast<size_t>(columns), ' ');
    return std::string(static_cast<size_t>(columns / tabWidth), '\t') +
           std::string(static_cast<size_t>(columns % tabWidth), ' ');
}

size_t FindCaretMarker(std::string_view text, unsigned codePage) {
    if (codePage == CP_UTF8) return text.find('|');
    const UINT page = codePage == 0 ? ::GetACP() : codePage;
    for (size_t at = 0; at < text.size(); ++at) {
        const BYTE c = static_cast<BYTE>(text[at]);
        if (c == '|') return at;
        if (::IsDBCSLeadByteEx(page, c)) ++at;  // its trail byte may look like '|'
    }
    return std::string_view::npos;
}

int ChooseCategory(const std::vector<std::string>& tables, const std::string& remembered) {
    if (tables.empty()) return -1;
    int chosen = 0;
    for (size_t i = 0; i < tables.size(); ++i)
        if (::lstrcmpiA(tables[i].c_str(), remembered.c_str()) == 0) chosen = static_cast<int>(i);
    return chosen;
}
