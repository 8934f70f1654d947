#include "ApiWordList.h"

#include <algorithm>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares at most the first n characters (all when n is npos).
int Compare(std::string_view a, std::string_view b, bool ignoreCase) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(ignoreCase ? Lower(a[i]) : a[i]);
        const unsigned char y = static_cast<unsigned char>(ignoreCase ? Lower(b[i]) : b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWith(std::string_view line, std::string_view root, bool ignoreCase) {
    return line.size() >= root.size() && Compare(line.substr(0, root.size()), root, ignoreCase) == 0;
}

std::string_view WordPart(std::string_view line, char separator) {
    const size_t end = line.find_first_of(std::string{separator, ' '});
    return end == std::string_view::npos ? line : line.substr(0, end);
}

}  // namespace

void CApiWordList::Clear() {
    m_lines.clear();
    m_byCase.clear();
    m_byNoCase.clear();
}

void CApiWordList::Set(std::string_view text) {
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) m_lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    m_byCase.resize(m_lines.size());
    for (size_t i = 0; i < m_lines.size(); ++i) m_byCase[i] = i;
    m_byNoCase = m_byCase;
    std::stable_sort(m_byCase.begin(), m_byCase.end(),
                     [this](size_t a, size_t b) { return Compare(m_lines[a], m_lines[b], false) < 0; });
    std::stable_sort(m_byNoCase.begin(), m_byNoCase.end(),
                     [this](size_t a, size_t b) { return Compare(m_lines[a], m_lines[b], true) < 0; });
}

std::pair<size_t, size_t> CApiWordList::PrefixRange(std::string_view root, bool ignoreCase) const {
    const std::vector<size_t>& order = Order(ignoreCase);
    // Entries with the prefix are those whose first root.size() characters
    // equal it; in the sorted order they form one run.
    auto head = [&](size_t index) {
        const std::string& line = m_lines[index];
        return std::string_view(line).substr(0, std::min(line.size(), root.size()));
    };
    const auto first = std::lower_bound(order.begin(), order.end(), root, [&](size_t index, std::string_view r) {
        return Compare(head(index), r, ignoreCase) < 0;
    });
    const auto last = std::upper_bound(first, order.end(), root, [&](std::string_view r, size_t index) {
        return Compare(r, head(index), ignoreCase) < 0;
    });
    return {static_cast<size_t>(first - order.begin()), static_cast<size_t>(last - order.begin())};
}

std::optional<std::string> CApiWordList::NearestWords(std::string_view root, bool ignoreCase, char separator,
                                                      bool exactWord) const {
    const auto [first, last] = PrefixRange(root, ignoreCase);
    const std::vector<size_t>& order = Order(ignoreCase);
    std::string words;
    bool any = false;
    for (size_t i = first; i < last; ++i) {
        const std::string_view word = WordPart(m_lines[order[i]], separator);
        if (exactWord && Compare(word, root, ignoreCase) != 0) continue;
        if (word.empty()) continue;
        if (any) words += ' ';
        words += word;
        any = true;
    }
    if (!any) return std::nullopt;
    return words;
}

std::optional<std::string> CApiWordList::NearestWord(std::string_view root, bool ignoreCase,
                                                     std::string_view wordCharacters) const {
    const auto [first, last] = PrefixRange(root, ignoreCase);
    const std::vector<size_t>& order = Order(ignoreCase);
    for (size_t i = first; i < last; ++i) {
        const std::string& line = m_lines[order[i]];
        if (!StartsWith(line, root, ignoreCase)) continue;
        if (line.size() == root.size() || wordCharacters.find(line[root.size()]) == std::string_view::npos)
            return line;
    }
    return std::nullopt;
}
