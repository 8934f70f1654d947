#pragma once
// The byte-wise scan of one file's contents for the find text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ResultSink.h"

// What the scan needs to know; a copy owned by the search.
struct BufferSearch {
    std::string pattern;
    uint32_t mask = 0;  // SearchMask: bit 0 whole word, bit 1 match case
    IFindResultSink* sink = nullptr;
    int hits = 0;       // counted matches, added to by every buffer
};

// Longest line text shown for a match.
constexpr size_t kResultTextMax = 256;

// Reports every match in bytes[0, size) to the sink, one result line each
// (overlapping ones too), and counts them; true when there was at least one.
// An empty pattern matches nothing.
bool SearchBuffer(BufferSearch& search, const char* bytes, const char* path, size_t size);
