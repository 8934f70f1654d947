#include "OpenRefusal.h"

#include <windows.h>

#include <cctype>

#include "DbcsText.h"

namespace {

bool SameAscii(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::toupper((unsigned char)a[i]) != std::toupper((unsigned char)b[i])) return false;
    return i == a.size() && !b[i];
}

// The last part of the path: after the last '\' or '/' (the platform takes
// both), on character boundaries so that a trail byte 0x5C is no separator.
std::string LastPart(const std::string& path) {
    const char* start = path.c_str();
    for (const char* p = start; *p; p = ::CharNextA(p))
        if (*p == '\\' || *p == '/') start = p + 1;
    return start;
}

}  // namespace

bool IsDeviceName(const std::string& path) {
    if (path.rfind("\\\\.\\", 0) == 0 || path.rfind("//./", 0) == 0) return true;
    std::string name = LastPart(path);
    if (const char* dot = FindFirstChar(name.c_str(), '.')) name.resize((size_t)(dot - name.c_str()));
    while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
    for (const char* reserved : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (SameAscii(name, reserved)) return true;
    if (name.size() == 4 && (SameAscii(name.substr(0, 3), "COM") || SameAscii(name.substr(0, 3), "LPT")))
        return name[3] >= '1' && name[3] <= '9';
    return false;
}

OpenRefusal CheckOpenName(const std::string& path) {
    if (IsDeviceName(path)) return kOpenDeviceName;
    if (path.size() > kLongestPath) return kOpenPathTooLong;
    return kOpenAllowed;
}
