#pragma once
// The entries of a language's api files, one per line, with the nearest-word
// look-ups that autocompletion and call tips use. The lines are kept sorted
// both with case and without it, so every look-up is a binary search.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CApiWordList {
public:
    // Replaces the entries with the lines of text (CR, LF or CRLF ends;
    // empty lines are no entries).
    void Set(std::string_view text);
    void Clear();
    bool Empty() const { return m_lines.empty(); }
    size_t Size() const { return m_lines.size(); }

    // The word parts of the entries that begin with root (each entry cut at
    // the separator or at a blank), sorted and joined by blanks; with
    // exactWord only those whose word part is root itself. Nothing when no
    // entry matches.
    std::optional<std::string> NearestWords(std::string_view root, bool ignoreCase, char separator,
                                            bool exactWord) const;
    // The first whole entry that begins with root where root is not followed
    // by one of wordCharacters.
    std::optional<std::string> NearestWord(std::string_view root, bool ignoreCase,
                                           std::string_view wordCharacters) const;

private:
    // Indexes into m_lines in the order of the look-up.
    const std::vector<size_t>& Order(bool ignoreCase) const { return ignoreCase ? m_byNoCase : m_byCase; }
    // The first and one-past-last positions in Order of the entries with the prefix.
    std::pair<size_t, size_t> PrefixRange(std::string_view root, bool ignoreCase) const;

    std::vector<std::string> m_lines;
    std::vector<size_t> m_byCase;
    std::vector<size_t> m_byNoCase;
};
