#pragma once
// Where the hex view's bytes come from: the file on disk, read a page at a
// time (never the whole file), or a fake in tests.
#include <cstddef>
#include <cstdint>

class IPageSource {
public:
    virtual ~IPageSource() = default;
    // Reads up to `length` bytes at `offset`; answers how many were read.
    // Bytes not read are left as they were.
    virtual size_t Read(uint64_t offset, uint8_t* buffer, size_t length) = 0;
};
