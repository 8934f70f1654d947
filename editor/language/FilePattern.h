#pragma once
// One item of a file-name pattern list ("*.c", "make*", "README") against a
// file name; ASCII letters match either case.
#include <cstddef>

bool MatchFilePattern(const char* item, size_t itemLength, const char* fileName);
