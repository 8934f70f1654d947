#pragma once
// Guessing a file's encoding and line-end convention from its first block.
#include <cstddef>

#include "EncodingCodes.h"

// Sets *code to 0-4 from a byte-order mark or a loose UTF-8 scan of the
// block and returns the length of the mark found (0, 2 or 3).
size_t DetectEncoding(const char* block, size_t length, EncodingCode* code);

// The line-end code of the first line end before any NUL byte; 0 (CRLF)
// when there is none.
EolCode DetectEolMode(const char* text, size_t length);
