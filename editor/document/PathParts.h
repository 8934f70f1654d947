#pragma once
// The parts of a document path that the copy commands and the save prompt use.
#include <string>

enum class PathPart {
    Full = 0,
    Name = 1,      // after the last '\'; "" without one
    Folder = 2,    // up to the last '\'; "" without one
    BaseName = 3,  // the name cut at its last '.'; "" without a '\'
    Extension = 4, // after the last '.' of the name; "" when the name has none
};

// Multibyte-aware: a trail byte equal to '\' or '.' is not a separator.
std::string GetPathPart(const char* path, PathPart kind);
