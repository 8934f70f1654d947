#include "HexFormat.h"

#include <cstdio>

namespace hexfmt {

namespace {
bool IsGroupStart(int column) { return column == 0 || column == 8; }
}  // namespace

const char* OffsetHeader() { return "Offset"; }

std::string ColumnLabel(int column) {
    char label[8];
    std::snprintf(label, sizeof(label), "%2X", column);
    return label;
}

std::string RowOffset(uint64_t offset) {
    char text[24];
    std::snprintf(text, sizeof(text), "%08llX", (unsigned long long)offset);
    return text;
}

std::string ByteCell(int column, uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof(text), IsGroupStart(column) ? " %02X " : "%02X ", value);
    return text;
}

std::string ByteDigits(uint8_t value) {
    char text[4];
    std::snprintf(text, sizeof(text), "%02X", value);
    return text;
}

std::string RowHex(const uint8_t* bytes, int count) {
    std::string text;
    for (int column = 0; column < count && column < kBytesPerRow; ++column) text += ByteCell(column, bytes[column]);
    return text;
}

char ByteChar(uint8_t value) {
    // Read as a signed char, so every byte from 128 up is a dot too.
    return value >= 33 && value <= 125 ? (char)value : '.';
}

std::string RowChars(const uint8_t* bytes, int count) {
    std::string text;
    for (int column = 0; column < count && column < kBytesPerRow; ++column) text += ByteChar(bytes[column]);
    return text;
}

std::string StatusText(uint64_t anchor, uint64_t caret) {
    char text[96];
    std::snprintf(text, sizeof(text), "Offset %llXH %llu  Sel %lld", (unsigned long long)anchor,
                  (unsigned long long)anchor, (long long)(caret - anchor));
    return text;
}

}  // namespace hexfmt
