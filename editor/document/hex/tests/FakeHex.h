#pragma once
// Stand-ins for the hex view's surroundings: a page source over bytes in
// memory that counts its reads, and a host that records what it was told.
#include <string>
#include <vector>

#include "HexHost.h"
#include "PageSource.h"

class FakePageSource : public IPageSource {
public:
    struct ReadCall {
        uint64_t offset;
        size_t length;
    };
    std::vector<uint8_t> bytes;
    std::vector<ReadCall> reads;
    bool gone = false;  // the file vanished after opening

    size_t Read(uint64_t offset, uint8_t* buffer, size_t length) override {
        reads.push_back({offset, length});
        if (gone || offset >= bytes.size()) return 0;
        size_t count = std::min<size_t>(length, bytes.size() - (size_t)offset);
        std::copy_n(bytes.begin() + (ptrdiff_t)offset, count, buffer);
        return count;
    }
};

class FakeHost : public IHexHost {
public:
    bool readOnly = false;
    std::vector<int> tabStates;
    std::string status;
    int beeps = 0;

    bool IsReadOnly() const override { return readOnly; }
    void SetTabState(DocumentTabState state) override { tabStates.push_back(state); }
    void SetStatusText(const char* text) override { status = text; }
    void Beep() override { ++beeps; }
};

// Bytes 0, 1, 2, ... of a given count.
inline std::vector<uint8_t> CountingBytes(size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = (uint8_t)i;
    return bytes;
}
