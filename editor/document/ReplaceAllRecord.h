#pragma once
// What a plain Replace All changed, kept compactly so that the editor can
// undo and redo it itself: the place of every match, each as its distance
// from the end of the one before (a byte or two for text where matches are
// close), and the text a match had only where it differs from the search
// text (another case with match case off). Positions are of the text before
// the Replace All.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CReplaceAllRecord {
public:
    // pattern: the search text; replacement: what every match became.
    CReplaceAllRecord(std::string pattern, std::string replacement)
        : m_pattern(std::move(pattern)), m_replacement(std::move(replacement)) {}

    // The next match, after the last one: [start, start + length) held text.
    void Add(int64_t start, int64_t length, const char* text);
    // Gives back the room that growing took.
    void Trim();

    struct Match {
        int64_t start;   // in the text before
        int64_t length;  // in the text before
        std::string_view original;
    };
    // Calls f(const Match&) for every match, in order.
    template <class F>
    void ForEach(F f) const;

    size_t Count() const { return m_count; }
    const std::string& Replacement() const { return m_replacement; }
    // How much longer the text became.
    int64_t Growth() const { return m_growth; }
    // Where undoing the replacements one by one leaves the caret: after the
    // first match's text, and for an empty replacement after the run of
    // matches that touch the first (their removals join in one).
    int64_t UndoCaret() const { return m_undoCaret; }
    // Where redoing them one by one leaves it: after the last replacement.
    int64_t RedoCaret() const { return m_end + m_growth; }
    // The bytes the record holds.
    size_t Size() const;

private:
    std::string m_pattern;
    std::string m_replacement;
    // Per match: (distance << 1) | (its text differs), 7 bits a byte.
    std::vector<uint8_t> m_steps;
    // For each match that differs: its length, 7 bits a byte, then its text.
    std::string m_originals;
    size_t m_count = 0;
    int64_t m_end = 0;  // of the last match
    int64_t m_growth = 0;
    int64_t m_undoCaret = 0;
    bool m_firstRun = true;  // the matches so far touch the first one
};

namespace replace_all_record {

inline uint64_t ReadNumber(const uint8_t*& at) {
    uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t byte = *at++;
        value |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return value;
    }
}

}  // namespace replace_all_record

template <class F>
void CReplaceAllRecord::ForEach(F f) const {
    const uint8_t* step = m_steps.data();
    const auto* original = reinterpret_cast<const uint8_t*>(m_originals.data());
    int64_t end = 0;
    for (size_t i = 0; i < m_count; ++i) {
        const uint64_t value = replace_all_record::ReadNumber(step);
        Match match{end + static_cast<int64_t>(value >> 1), static_cast<int64_t>(m_pattern.size()), m_pattern};
        if (value & 1) {
            match.length = static_cast<int64_t>(replace_all_record::ReadNumber(original));
            match.original = std::string_view(reinterpret_cast<const char*>(original), static_cast<size_t>(match.length));
            original += match.length;
        }
        end = match.start + match.length;
        f(static_cast<const Match&>(match));
    }
}
