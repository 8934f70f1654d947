#include "ReplaceAllRecord.h"

#include <cstring>

namespace {

template <class Bytes>
void AppendNumber(Bytes& out, uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<typename Bytes::value_type>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<typename Bytes::value_type>(value));
}

}  // namespace

void CReplaceAllRecord::Add(int64_t start, int64_t length, const char* text) {
    const bool differs = static_cast<size_t>(length) != m_pattern.size() ||
                         std::memcmp(text, m_pattern.data(), m_pattern.size()) != 0;
    AppendNumber(m_steps, (static_cast<uint64_t>(start - m_end) << 1) | (differs ? 1 : 0));
    if (differs) {
        AppendNumber(m_originals, static_cast<uint64_t>(length));
        m_originals.append(text, static_cast<size_t>(length));
    }
    if (m_count == 0) {
        m_undoCaret = start + length;
    } else if (m_firstRun && m_replacement.empty() && start == m_end) {
        m_undoCaret = start + length;
    } else {
        m_firstRun = false;
    }
    m_end = start + length;
    m_growth += static_cast<int64_t>(m_replacement.size()) - length;
    ++m_count;
}

void CReplaceAllRecord::Trim() {
    m_steps.shrink_to_fit();
    m_originals.shrink_to_fit();
}

size_t CReplaceAllRecord::Size() const {
    return sizeof(*this) + m_steps.capacity() + m_originals.capacity() + m_pattern.capacity() +
           m_replacement.capacity();
}
