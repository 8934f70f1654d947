#pragma once
// Texts of numbers for the status bar and dialogs: byte sizes with the
// user's thousands separator, and bytes as hex digits.
#include <cstddef>
#include <cstdint>
#include <string>

// The first character of the user locale's thousands separator; "'" when it
// cannot be read, "" when the locale has none.
std::string UserThousandsSeparator();
// Puts separator before every third character from the end (never at the
// start), in place. False, text unchanged, when the result would not fit in
// capacity bytes with its NUL.
bool AddThousandsSeparator(char* text, size_t capacity, const std::string& separator);
bool AddThousandsSeparator(char* text, size_t capacity);
// "1,023 Bytes", "1.50 KB", "4.00 GB": the unit is the one reached after at
// most three divisions by 1024, so larger counts stay in GB.
void FormatByteSize(char* buffer, size_t size, uint64_t count);
// Two upper-case hex digits per byte; out holds 2 * count + 1 characters.
void FormatHex(char* out, const unsigned char* bytes, size_t count);
