#pragma once
// Byte strings written as hexadecimal, the way the tables give them.
#include <cstdio>
#include <string>

inline std::string Hex(const char* text) {
    std::string bytes;
    unsigned value = 0;
    int digits = 0;
    for (const char* p = text;; ++p) {
        const char ch = *p;
        int digit = -1;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        if (digit >= 0) {
            value = value * 16 + static_cast<unsigned>(digit);
            if (++digits == 2) {
                bytes += static_cast<char>(value);
                value = 0;
                digits = 0;
            }
        }
        if (ch == '\0') break;
    }
    return bytes;
}

inline std::string ToHex(const std::string& bytes) {
    std::string text;
    char piece[4];
    for (size_t i = 0; i < bytes.size() && i < 64; ++i) {
        std::snprintf(piece, sizeof(piece), i ? " %02X" : "%02X", static_cast<unsigned char>(bytes[i]));
        text += piece;
    }
    if (bytes.size() > 64) text += " ... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}
