#include "StyledText.h"

#include <algorithm>

#include <scintilla/Scintilla.h>

MemoryStyledText::MemoryStyledText(std::string text, unsigned char style)
    : m_text(std::move(text)), m_styles(m_text.size(), static_cast<char>(style)) {
    IndexLines(0);
}

MemoryStyledText::MemoryStyledText(std::string text, std::string styles)
    : m_text(std::move(text)), m_styles(std::move(styles)) {
    m_styles.resize(m_text.size(), '\0');
    IndexLines(0);
}

void MemoryStyledText::Append(const std::string& text, unsigned char style) {
    // A CR at the old end may pair with an LF that arrives now.
    const size_t from = m_text.empty() ? 0 : m_text.size() - 1;
    if (!m_text.empty() && m_text.back() == '\r' && !m_lineStarts.empty() && m_lineStarts.back() == m_text.size())
        m_lineStarts.pop_back();
    m_text += text;
    m_styles.append(text.size(), static_cast<char>(style));
    IndexLines(from);
}

void MemoryStyledText::IndexLines(size_t from) {
    for (size_t i = from; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= m_text.size() || m_text[i + 1] != '\n'))) {
            if (m_lineStarts.back() < i + 1) m_lineStarts.push_back(i + 1);
        }
    }
}

int MemoryStyledText::LineFromPosition(size_t position) const {
    auto next = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), position);
    return static_cast<int>(next - m_lineStarts.begin()) - 1;
}

int MemoryStyledText::FoldLevel(int line) const {
    if (line < 0 || static_cast<size_t>(line) >= m_levels.size()) return SC_FOLDLEVELBASE;
    return m_levels[static_cast<size_t>(line)];
}
