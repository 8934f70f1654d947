#pragma once
// Backslash escapes in search and replacement texts. The results may hold
// NUL bytes, so they are strings with their own length.
#include <string>

// "\a\b\f\n\r\t\v", "\" + 1-3 octal digits, "\x" + 1-2 hex digits, and "\"
// before any other character; a trailing "\" gives a NUL byte.
std::string UnescapeString(const std::string& text);
// Only "\0" + two octal digits: the regular-expression engine keeps its own
// escapes.
std::string UnescapeLowOctal(const std::string& text);
// Unchanged without escapes; else one of the two above.
std::string UnescapePattern(const std::string& text, bool escapes, bool regex);
