#pragma once
// The styled text the exporters read: characters, their style bytes, lines
// and fold levels. One form reads the editing component, another holds the
// text in memory for tests and benchmarks.
#include <cstddef>
#include <string>
#include <vector>

class StyledText {
public:
    virtual ~StyledText() = default;
    virtual size_t Length() const = 0;
    // Both 0 past the end.
    virtual char CharAt(size_t position) const = 0;
    virtual unsigned char StyleAt(size_t position) const = 0;
    virtual int LineFromPosition(size_t position) const = 0;
    // The component's level word: SC_FOLDLEVELBASE-based, with its flags.
    virtual int FoldLevel(int line) const = 0;
};

// Text with one style byte per character; lines end at CR LF, CR or LF, as
// the component counts them. Lines without a level get SC_FOLDLEVELBASE.
class MemoryStyledText : public StyledText {
public:
    MemoryStyledText() = default;
    // A style for the whole text.
    explicit MemoryStyledText(std::string text, unsigned char style = 0);
    // styles: one byte per character (a short string is padded with 0).
    MemoryStyledText(std::string text, std::string styles);

    void SetFoldLevels(std::vector<int> levels) { m_levels = std::move(levels); }
    // Appends text in one style.
    void Append(const std::string& text, unsigned char style);

    size_t Length() const override { return m_text.size(); }
    char CharAt(size_t position) const override { return position < m_text.size() ? m_text[position] : 0; }
    unsigned char StyleAt(size_t position) const override {
        return position < m_styles.size() ? static_cast<unsigned char>(m_styles[position]) : 0;
    }
    int LineFromPosition(size_t position) const override;
    int FoldLevel(int line) const override;

private:
    void IndexLines(size_t from);

    std::string m_text;
    std::string m_styles;
    std::vector<size_t> m_lineStarts{0};
    std::vector<int> m_levels;
};
