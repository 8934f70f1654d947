#include "PathParts.h"

#include <windows.h>

namespace {

// Offsets of the last '\' and of the last '.' after it, or npos.
struct Separators {
    size_t slash = std::string::npos;
    size_t dot = std::string::npos;
};

Separators FindSeparators(const char* path) {
    Separators found;
    for (const char* p = path; *p; p = ::CharNextA(p)) {
        if (*p == '\\') {
            found.slash = (size_t)(p - path);
            found.dot = std::string::npos;
        } else if (*p == '.') {
            found.dot = (size_t)(p - path);
        }
    }
    return found;
}

}  // namespace

std::string GetPathPart(const char* path, PathPart kind) {
    const std::string text = path ? path : "";
    const Separators at = FindSeparators(text.c_str());
    const bool hasSlash = at.slash != std::string::npos;
    switch (kind) {
    case PathPart::Full: return text;
    case PathPart::Name: return hasSlash ? text.substr(at.slash + 1) : "";
    case PathPart::Folder: return hasSlash ? text.substr(0, at.slash) : "";
    case PathPart::BaseName:
        if (!hasSlash) return "";
        return at.dot == std::string::npos ? text.substr(at.slash + 1)
                                           : text.substr(at.slash + 1, at.dot - at.slash - 1);
    case PathPart::Extension: return at.dot == std::string::npos ? "" : text.substr(at.dot + 1);
    }
    return "";
}
