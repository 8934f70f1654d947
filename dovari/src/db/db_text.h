// Text conversions of the database layer: callers speak the ANSI code page,
// the engine keeps UTF-16 (as the platform's data components do) and SQLite
// takes file names in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace dovari::db {

std::wstring WideFromAnsi(std::string_view ansi);
std::string AnsiFromWide(std::wstring_view wide);
std::string Utf8FromWide(std::wstring_view wide);

// Names of tables, columns and keywords: equal letters in any case.
bool SameIgnoringCase(std::wstring_view a, std::wstring_view b);

// Copies text into buffer as at most size - 1 bytes followed by a NUL,
// cutting before a double-byte character of the ANSI code page that would
// not fit whole. Answers the bytes copied; nothing is written when size < 1.
int CopyCut(std::string_view text, char* buffer, int size);

// The length of the longest prefix of at most limit bytes that ends on a
// character boundary of the ANSI code page.
size_t BoundaryBefore(std::string_view text, size_t limit);

} // namespace dovari::db
