#pragma once
// The bytes changed in the view, keyed by file offset. Every page read is
// laid under it, so edits survive scrolling and reach the file on save.
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class ByteOverlay {
public:
    void Set(uint64_t offset, uint8_t value) { m_bytes[offset] = value; }
    std::optional<uint8_t> Get(uint64_t offset) const;
    // Puts the changed bytes of [start, start + page.size()) into the page.
    void Apply(uint64_t start, std::vector<uint8_t>& page) const;
    bool Empty() const { return m_bytes.empty(); }
    void Clear() { m_bytes.clear(); }

    struct Run {
        uint64_t offset;
        std::vector<uint8_t> bytes;
    };
    // The changes as runs of consecutive bytes, in file order.
    std::vector<Run> Runs() const;

private:
    std::map<uint64_t, uint8_t> m_bytes;
};
