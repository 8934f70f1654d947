#include "PathString.h"

#include "DbcsText.h"

namespace {

// "X:\..." paths keep their drive root as the shortest folder.
bool IsDriveRooted(const std::string& text) { return text.size() >= 3 && text[1] == ':' && text[2] == '\\'; }

bool IsAbsolutePath(const std::string& text) {
    return !text.empty() && (text[0] == '\\' || (text.size() > 1 && text[1] == ':'));
}

bool EndsWithBackslash(const std::string& text) {
    const char* last = FindLastChar(text.c_str(), '\\');
    return last && last[1] == '\0';
}

}  // namespace

CPathString::CPathString(const std::string& directory, const std::string& name) : m_text(Join(directory, name).m_text) {}

bool CPathString::IsAbsolute() const { return IsAbsolutePath(m_text); }

bool CPathString::IsRoot() const { return m_text.size() == 3 && IsDriveRooted(m_text); }

CPathString CPathString::Name() const {
    const char* last = FindLastChar(m_text.c_str(), '\\');
    return CPathString(last ? std::string(last + 1) : m_text);
}

CPathString CPathString::Directory() const {
    if (IsRoot()) return *this;
    const char* last = FindLastChar(m_text.c_str(), '\\');
    if (!last) return CPathString();
    size_t end = (size_t)(last - m_text.c_str());
    if (end == 0) return CPathString("\\");               // "\x.txt": the current drive's root
    if (end == 2 && IsDriveRooted(m_text)) end = 3;        // "C:\a.txt": keep "C:\"
    return CPathString(m_text.substr(0, end));
}

CPathString CPathString::Join(const std::string& directory, const std::string& name) {
    if (IsAbsolutePath(name) || directory.empty()) return CPathString(name);
    // A root already ends with its separator; doubling it would defeat path comparisons.
    return CPathString(EndsWithBackslash(directory) ? directory + name : directory + "\\" + name);
}

UniqueFile CPathString::Open(const char* mode) const { return UniqueFile(std::fopen(m_text.c_str(), mode)); }
