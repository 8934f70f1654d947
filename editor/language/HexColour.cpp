#include "HexColour.h"

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

int ParseHexByte(char high, char low) { return HexDigitValue(high) * 16 + HexDigitValue(low); }

COLORREF ColourFromString(std::string_view text) {
    if (text.empty()) return 0;
    auto digit = [&](size_t i) { return i < text.size() ? text[i] : '0'; };
    int red = ParseHexByte(digit(1), digit(2));
    int green = ParseHexByte(digit(3), digit(4));
    int blue = ParseHexByte(digit(5), digit(6));
    return RGB(red, green, blue);
}
