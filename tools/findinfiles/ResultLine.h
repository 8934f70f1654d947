#pragma once
// The text of a result line, "path(line): text", and the way back from it.
#include <string>

// Longest result line, its NUL included.
constexpr size_t kResultLineMax = 512;

std::string FormatResultLine(const char* path, int line, const char* text);
// Splits at the first "(" that begins the line number ("(", digits, "): ");
// false for a line without one (the summary, an error line).
bool ParseResultLine(const std::string& text, std::string& path, int& line);
