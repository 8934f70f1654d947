// Limits and small path helpers shared by the DLL's sources.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace dovari {

// A path and its NUL fit in 260 bytes throughout the library.
constexpr size_t kPathBytes = 260;

inline bool FitsPath(const char* text)
{
    return text != nullptr && std::strlen(text) < kPathBytes;
}

inline bool IsSeparator(char c) { return c == '\\' || c == '/'; }

inline void DropTrailingSeparators(std::string& path)
{
    while (!path.empty() && IsSeparator(path.back()))
        path.pop_back();
}

// The process's current folder, empty when it cannot be read.
std::string CurrentFolder();

} // namespace dovari
