#pragma once
// The texts of the hex view: header, row offsets, byte cells, the character
// column and the status text.
#include <cstdint>
#include <string>

namespace hexfmt {

constexpr int kBytesPerRow = 16;
// Width of the offset column, in characters.
constexpr int kOffsetColumnChars = 10;

// "Offset" for the header cell of the offset column.
const char* OffsetHeader();
// The header label of one column, "%2X": it stands over the column's two digits.
std::string ColumnLabel(int column);
// "%08X" of a row's offset; wider for offsets of 4 GiB and more.
std::string RowOffset(uint64_t offset);
// The cell of one byte: " %02X " in columns 0 and 8, "%02X " elsewhere.
std::string ByteCell(int column, uint8_t value);
// The two digits of a byte, "%02X".
std::string ByteDigits(uint8_t value);
// The hex cells of up to 16 bytes of one row, as one text.
std::string RowHex(const uint8_t* bytes, int count);
// The character shown for a byte: itself from 33 to 125, else '.'.
char ByteChar(uint8_t value);
std::string RowChars(const uint8_t* bytes, int count);
// "Offset %XH %d  Sel %d": the anchor in hex and decimal, caret - anchor.
std::string StatusText(uint64_t anchor, uint64_t caret);

}  // namespace hexfmt
