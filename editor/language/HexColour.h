#pragma once
// Colour texts of the properties files ("#RRGGBB") and their hex digits,
// shared by the styles and the exporters.
#include <windows.h>

#include <string_view>

// 0-9 for '0'-'9', 10-15 for 'A'-'F' and 'a'-'f', 0 for any other byte.
int HexDigitValue(char c);
// Two hex digits as one byte value.
int ParseHexByte(char high, char low);
// "" gives 0. Otherwise the first byte (the '#') is passed over and the next
// six are read as red, green, blue; missing or bad digits count 0.
COLORREF ColourFromString(std::string_view text);
