#pragma once
// Texts of the program's string table, loaded and formatted.
#include <windows.h>

#include <string>

// "" when the table has no such string.
std::string LoadResourceText(UINT id);
// The string as a printf format with one %s.
std::string FormatResourceText(UINT id, const char* argument);
