#pragma once
// UTF-8 sequences as the editing component holds them. Surrogate code
// points are accepted as three-byte sequences so that a lone surrogate read
// from a UTF-16 file is written back unchanged.
#include <cstddef>

struct Utf8Sequence {
    unsigned codePoint;  // for an invalid byte, the byte's own value
    size_t length;       // bytes used; 1 for an invalid byte
    bool incomplete;     // valid so far, but the bytes ran out
};

Utf8Sequence DecodeUtf8(const unsigned char* bytes, size_t available);

// Writes codePoint (up to 0x10FFFF, surrogates included) and returns the
// number of bytes written (1-4).
size_t EncodeUtf8(unsigned codePoint, char* out);
