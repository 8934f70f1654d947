#include "FileSelection.h"

#include <cstring>

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    const bool absolute = (name.size() >= 2 && name[1] == ':') || (name.size() >= 1 && name[0] == '\\');
    if (absolute || folder.empty()) return name;
    return folder.back() == '\\' ? folder + name : folder + '\\' + name;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> PathsFromBuffer(const char* buffer, bool multiSelect) {
    std::vector<std::string> paths;
    if (!buffer || !*buffer) return paths;
    if (!multiSelect) return {buffer};
    const std::string folder = buffer;
    for (const char* name = buffer + folder.size() + 1; *name; name += std::strlen(name) + 1)
        paths.push_back(Join(folder, name));
    if (paths.empty()) paths.push_back(folder);  // one file: the first text is its path
    return paths;
}

std::vector<std::string> PathsFromSelection(const std::string& folder, const std::string& selection) {
    std::vector<std::string> paths;
    if (selection.find('"') == std::string::npos) {
        const std::string name = Trim(selection);
        if (!name.empty()) paths.push_back(Join(folder, name));
        return paths;
    }
    for (size_t at = selection.find('"'); at != std::string::npos; at = selection.find('"', at)) {
        const size_t close = selection.find('"', at + 1);
        if (close == std::string::npos) break;  // an unclosed quote holds no name
        const std::string name = selection.substr(at + 1, close - at - 1);
        if (!name.empty()) paths.push_back(Join(folder, name));
        at = close + 1;
    }
    return paths;
}
