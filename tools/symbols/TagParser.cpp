#include "TagParser.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

struct Span {
    const char* p;
    size_t n;
    std::string Text() const { return std::string(p, n); }
    bool Is(const char* s) const { return n == std::strlen(s) && std::memcmp(p, s, n) == 0; }
};

// Whole decimal text; -1 when it is not one.
int ParseNumber(Span s) {
    if (!s.n || s.n > 9) return -1;
    int value = 0;
    for (size_t i = 0; i < s.n; ++i) {
        if (s.p[i] < '0' || s.p[i] > '9') return -1;
        value = value * 10 + (s.p[i] - '0');
    }
    return value;
}

const char* Find(const char* from, const char* end, const char* what) {
    const size_t n = std::strlen(what);
    for (const char* p = from; p + n <= end; ++p)
        if (std::memcmp(p, what, n) == 0) return p;
    return nullptr;
}

}  // namespace

CTagLineParser::CTagLineParser(TagSink& sink, std::string lexer, TagMask mask)
    : m_sink(sink), m_lexer(std::move(lexer)), m_mask(mask) {}

bool CTagLineParser::ParseLine(const std::string& lexer, const char* line, size_t size, TagRecord& record) {
    record = TagRecord{};
    if (!size || line[0] == '!') return false;
    const char* end = line + size;
    const char* tab1 = static_cast<const char*>(std::memchr(line, '\t', size));
    if (!tab1 || tab1 == line) return false;
    const char* tab2 = static_cast<const char*>(std::memchr(tab1 + 1, '\t', end - tab1 - 1));
    if (!tab2) return false;  // no file field: a warning or other text
    record.name.assign(line, tab1);

    // The address: a search pattern or a line number, closed by ;" .
    const char* address = tab2 + 1;
    const char* extensions = nullptr;
    int addressLine = -1;
    if (end - address >= 2 && address[0] == '/' && address[1] == '^') {
        const char* close = Find(address + 2, end, "/;\"");
        if (!close) return false;
        const char* patternEnd = close > address + 2 && close[-1] == '$' ? close - 1 : close;
        record.pattern.assign(address + 2, patternEnd);
        extensions = close + 3;
    } else {
        const char* close = Find(address, end, ";\"");
        if (!close) return false;
        addressLine = ParseNumber({address, static_cast<size_t>(close - address)});
        extensions = close + 2;
    }

    int fieldLine = -1;
    std::string kind;
    for (const char* p = extensions; p < end;) {
        const char* q = static_cast<const char*>(std::memchr(p, '\t', end - p));
        if (!q) q = end;
        const Span field{p, static_cast<size_t>(q - p)};
        p = q + 1;
        if (!field.n) continue;
        const char* colon = static_cast<const char*>(std::memchr(field.p, ':', field.n));
        if (!colon) {
            kind = field.Text();
            continue;
        }
        const Span key{field.p, static_cast<size_t>(colon - field.p)};
        const Span value{colon + 1, static_cast<size_t>(field.p + field.n - colon - 1)};
        if (key.Is("line")) fieldLine = ParseNumber(value);
        else if (key.Is("class") || key.Is("struct") || key.Is("union")) record.scope = value.Text();
    }
    record.category = TagCategoryOfKind(lexer, kind);
    record.line = fieldLine > 0 ? fieldLine : addressLine > 0 ? addressLine : 0;
    return true;
}

void CTagLineParser::Line(const char* line, size_t size) {
    TagRecord record;
    if (ParseLine(m_lexer, line, size, record) && m_mask.Passes(record.category)) m_sink.AddTag(1, record);
}

void CTagLineParser::Feed(const char* data, size_t size) {
    const char* end = data + size;
    const char* p = data;
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!lf) {
            // An unfinished line waits for the next read, unless it has outgrown the carry area.
            if (!m_skipping && m_carry.size() + (end - p) <= kCarrySize) {
                m_carry.append(p, end);
            } else {
                m_carry.clear();
                m_skipping = true;
            }
            return;
        }
        if (m_skipping) {
            m_skipping = false;
        } else if (m_carry.empty()) {
            Line(p, (lf > p && lf[-1] == '\r') ? lf - p - 1 : lf - p);
        } else {
            m_carry.append(p, lf);
            if (!m_carry.empty() && m_carry.back() == '\r') m_carry.pop_back();
            Line(m_carry.data(), m_carry.size());
        }
        m_carry.clear();
        p = lf + 1;
    }
}

void CTagLineParser::Finish() {
    if (!m_skipping && !m_carry.empty()) {
        if (m_carry.back() == '\r') m_carry.pop_back();
        Line(m_carry.data(), m_carry.size());
    }
    m_carry.clear();
    m_skipping = false;
}
