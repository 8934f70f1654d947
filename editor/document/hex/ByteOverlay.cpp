#include "ByteOverlay.h"

std::optional<uint8_t> ByteOverlay::Get(uint64_t offset) const {
    auto found = m_bytes.find(offset);
    if (found == m_bytes.end()) return std::nullopt;
    return found->second;
}

void ByteOverlay::Apply(uint64_t start, std::vector<uint8_t>& page) const {
    if (page.empty()) return;
    uint64_t end = start + page.size();
    for (auto it = m_bytes.lower_bound(start); it != m_bytes.end() && it->first < end; ++it)
        page[(size_t)(it->first - start)] = it->second;
}

std::vector<ByteOverlay::Run> ByteOverlay::Runs() const {
    std::vector<Run> runs;
    for (const auto& [offset, value] : m_bytes) {
        if (runs.empty() || runs.back().offset + runs.back().bytes.size() != offset) runs.push_back({offset, {}});
        runs.back().bytes.push_back(value);
    }
    return runs;
}
