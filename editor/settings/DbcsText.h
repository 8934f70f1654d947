#pragma once
// Byte strings in the ANSI code page, which under code page 936 is double
// byte: a trail byte can be '\' or '|', so scans step by character.
#include <cstddef>
#include <string>

// The last occurrence of ch at a character boundary, or null.
const char* FindLastChar(const char* text, char ch);
// The first occurrence of ch at a character boundary, or null.
const char* FindFirstChar(const char* text, char ch);
// The length of the longest prefix of text that is at most maxBytes long and
// does not end inside a double-byte character.
size_t FitCharacters(const char* text, size_t maxBytes);
// Copies text into buffer (size bytes with its NUL), cut at a character boundary.
void CopyCharacters(char* buffer, size_t size, const char* text);
