#pragma once
// Whether a file opens in the editor or in the hex view, and with which
// encoding code.
#include <cstddef>
#include <cstdint>

#include "EncodingCodes.h"

constexpr uint64_t kLargestTextFile = 52428800;  // bytes; larger files go to the hex view
constexpr size_t kSniffLength = 64;

struct OpenChoice {
    bool binary = false;
    EncodingCode openType = kEncodingDefault;  // the encoding code passed to the document
};

// head: the first bytes of the file (up to kSniffLength), read only for open
// kEncodingDefault. Two adjacent NUL bytes in a full head mean binary, unless the file
// starts with a UTF-16 or UTF-8 byte-order mark.
OpenChoice ChooseOpenView(uint64_t size, const unsigned char* head, size_t headLength,
                           EncodingCode openType);
