#pragma once
// The shipped language folder in the source tree, as a Windows path.
#include <string>

inline std::string ShippedFolder() {
    std::string folder = TW_LANGUAGE_DIR;
    for (char& c : folder) {
        if (c == '/') c = '\\';
    }
    return folder;
}
