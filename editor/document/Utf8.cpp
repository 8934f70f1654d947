#include "Utf8.h"

namespace {

bool InRange(unsigned char b, unsigned char low, unsigned char high) { return b >= low && b <= high; }

}  // namespace

Utf8Sequence DecodeUtf8(const unsigned char* bytes, size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return {lead, 1, false};

    size_t length = 0;
    unsigned value = 0;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
        value = lead & 0x1F;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0) secondLow = 0xA0;  // no overlong forms
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;  // nothing above U+10FFFF
    } else {
        return {lead, 1, false};
    }

    for (size_t i = 1; i < length; ++i) {
        if (i >= available) return {lead, 1, true};
        const unsigned char b = bytes[i];
        const bool ok = i == 1 ? InRange(b, secondLow, secondHigh) : InRange(b, 0x80, 0xBF);
        if (!ok) return {lead, 1, false};
        value = (value << 6) | (b & 0x3F);
    }
    return {value, length, false};
}

size_t EncodeUtf8(unsigned codePoint, char* out) {
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}
