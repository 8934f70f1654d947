#include "EncodingDetect.h"

#include "EncodingCodes.h"

namespace {

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// Loose on purpose: a lead byte needs one continuation byte after it, and a
// run of continuation bytes of any length is accepted.
bool LooksLikeUtf8(const unsigned char* bytes, size_t length) {
    int state = 0;
    size_t continuations = 0;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char b = bytes[i];
        if (state == 1 && !IsContinuation(b)) return false;
        if (state == 0 && IsContinuation(b)) return false;
        if (b >= 0xC0 && b <= 0xFD) {
            state = 1;
        } else if (b <= 0x7F) {
            state = 0;
        } else if (IsContinuation(b)) {
            ++state;
            ++continuations;
        }
    }
    return continuations > 0;
}

}  // namespace

size_t DetectEncoding(const char* block, size_t length, EncodingCode* code) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(block);
    *code = kEncodingAnsi;
    if (length < 2) return 0;
    if (bytes[0] == 0xFE && bytes[1] == 0xFF) {
        *code = kEncodingUtf16Be;
        return 2;
    }
    if (bytes[0] == 0xFF && bytes[1] == 0xFE) {
        *code = kEncodingUtf16Le;
        return 2;
    }
    if (length > 2 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        *code = kEncodingUtf8;
        return 3;
    }
    if (LooksLikeUtf8(bytes, length)) *code = kEncodingUtf8NoBom;
    return 0;
}

EolCode DetectEolMode(const char* text, size_t length) {
    for (size_t i = 0; i < length && text[i] != '\0'; ++i) {
        if (text[i] == '\r') return i + 1 < length && text[i + 1] == '\n' ? kEolCrLf : kEolCr;
        if (text[i] == '\n') return kEolLf;
    }
    return kEolCrLf;
}
