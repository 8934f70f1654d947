#pragma once
// What the find-in-files dialog offers when its histories are empty, taken
// from the active document's path.
#include <string>

// "*" and the text after the last '.' of the file name ("main.cpp" gives
// "*cpp"); "*" for a name without '.'. A '.' in a folder name does not count.
std::string DefaultFileTypes(const std::string& documentPath);
// The path up to its last '\'; empty when it has none.
std::string DefaultFolder(const std::string& documentPath);
