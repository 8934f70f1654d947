#include "ForwardedFileList.h"

#include <algorithm>
#include <cstring>

#include "DbcsText.h"

namespace {

// Splits at '\' on character boundaries.
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    const char* start = path.c_str();
    for (;;) {
        const char* sep = FindFirstChar(start, '\\');
        if (!sep) {
            parts.emplace_back(start);
            return parts;
        }
        parts.emplace_back(start, sep);
        start = sep + 1;
    }
}

}  // namespace

bool IsForwardingSwitch(const std::string& argument) {
    return !argument.empty() && (argument[0] == '-' || argument[0] == '/' || argument[0] == '\\');
}

std::string MakeForwardedPath(const std::string& folder, const std::string& argument) {
    if (argument.size() >= 2 && argument[1] == ':') return argument;
    std::vector<std::string> parts = SplitPath(folder);
    while (parts.size() > 1 && parts.back().empty()) parts.pop_back();  // a root keeps its '\'
    for (const std::string& part : SplitPath(argument)) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string path = parts.front();
    for (size_t i = 1; i < parts.size(); ++i) path += "\\" + parts[i];
    if (parts.size() == 1) path += "\\";
    return path;
}

size_t BuildForwardedFileList(const std::vector<std::string>& arguments, const std::string& folder, char* block,
                              size_t blockSize, std::vector<std::string>* left) {
    if (!blockSize) return 0;
    size_t used = 0;
    for (const std::string& argument : arguments) {
        if (IsForwardingSwitch(argument)) continue;
        std::string path = MakeForwardedPath(folder, argument);
        // The path, its NUL and the list's final NUL must all fit.
        if (path.empty()) continue;
        if (used + path.size() + 2 > blockSize) {
            if (left) left->push_back(path);
            continue;
        }
        std::memcpy(block + used, path.c_str(), path.size() + 1);
        used += path.size() + 1;
    }
    block[used] = '\0';
    return used;
}

std::vector<std::string> ParseForwardedFileList(const char* block, size_t blockSize, size_t length) {
    std::vector<std::string> paths;
    size_t limit = std::min(length + 1, blockSize);
    size_t pos = 0;
    while (pos < limit && block[pos]) {
        const void* nul = std::memchr(block + pos, '\0', limit - pos);
        if (!nul) break;  // unterminated tail
        size_t end = (size_t)((const char*)nul - block);
        paths.emplace_back(block + pos, end - pos);
        pos = end + 1;
    }
    return paths;
}
