#pragma once
// Names the editor refuses before anything opens them: device names, whose
// reading can block for ever, and paths longer than the ANSI path buffers,
// which would be cut into the name of another file.
#include <cstddef>
#include <string>

// Longest path, in bytes of the ANSI code page, that every path buffer of
// the editor holds whole (MAX_PATH with its NUL).
constexpr size_t kLongestPath = 259;

enum OpenRefusal : int {
    kOpenAllowed = 0,
    kOpenDeviceName = 1,  // CON, AUX, COM1, ... in any folder, with any extension
    kOpenPathTooLong = 2,
};

// A device name is one of the reserved names as the last part of the path
// (before its first '.', trailing blanks and a ':' ignored), or a name in
// the device namespace ("\\.\").
bool IsDeviceName(const std::string& path);

OpenRefusal CheckOpenName(const std::string& path);
