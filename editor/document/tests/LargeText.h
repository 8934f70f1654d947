#pragma once
// A text of more than two blocks with characters placed across the block
// edges of both its UTF-8 form and its UTF-16 file.
#include <string>

#include "Utf8.h"

class TextBuilder {
public:
    void Add(unsigned codePoint) {
        char bytes[4];
        utf8.append(bytes, EncodeUtf8(codePoint, bytes));
        units += codePoint >= 0x10000 ? 2 : 1;
    }
    void PadToUtf8(size_t size) {
        while (utf8.size() < size) Add(utf8.size() % 64 == 63 ? '\n' : 'a');
    }
    void PadToUnits(size_t count) {
        while (units < count) Add(units % 64 == 63 ? '\n' : 'a');
    }
    std::string utf8;
    size_t units = 0;
};

// UTF-16 files read in 102400-byte blocks after a 2-byte mark: unit k is at
// byte 2 + 2k, so units 51198/51199 and 102398/102399 straddle the edges.
// The UTF-8 text is written in 102400-byte chunks.
inline std::string StraddlingText() {
    TextBuilder b;
    b.PadToUnits(51198);
    b.Add(0x1F600);
    b.PadToUtf8(102399);
    b.Add(0x4E2D);
    b.PadToUnits(102398);
    b.Add(0x1F600);
    b.PadToUtf8(204798);
    b.Add(0x1F601);
    b.PadToUtf8(250000);
    return b.utf8;
}
