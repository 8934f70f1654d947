#include "ComponentStyledText.h"

#include <algorithm>

ComponentStyledText::ComponentStyledText(const CEditingComponent& component)
    : m_component(component), m_length(component.Length()) {}

const char* ComponentStyledText::Cell(size_t position) const {
    if (position >= m_length) return nullptr;
    if (position < m_blockStart || position >= m_blockStart + m_blockLength) {
        m_blockStart = position - position % kBlockSize;
        m_blockLength = std::min(kBlockSize, m_length - m_blockStart);
        m_block.assign(2 * m_blockLength + 2, '\0');
        Sci_TextRangeFull range{};
        range.chrg.cpMin = static_cast<Sci_Position>(m_blockStart);
        range.chrg.cpMax = static_cast<Sci_Position>(m_blockStart + m_blockLength);
        range.lpstrText = m_block.data();
        m_component.Send(SCI_GETSTYLEDTEXTFULL, 0, reinterpret_cast<sptr_t>(&range));
    }
    return m_block.data() + 2 * (position - m_blockStart);
}

char ComponentStyledText::CharAt(size_t position) const {
    const char* cell = Cell(position);
    return cell ? cell[0] : 0;
}

unsigned char ComponentStyledText::StyleAt(size_t position) const {
    const char* cell = Cell(position);
    return cell ? static_cast<unsigned char>(cell[1]) : 0;
}

int ComponentStyledText::LineFromPosition(size_t position) const {
    return static_cast<int>(m_component.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(position)));
}

int ComponentStyledText::FoldLevel(int line) const {
    return static_cast<int>(m_component.Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
}
