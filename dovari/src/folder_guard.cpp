#include "folder_guard.h"

#include "paths.h"

#include <windows.h>
#include <shlwapi.h>

namespace dovari {
namespace {

// The path fully resolved: "..", "." and '/' are taken out, and an existing
// folder's short name is spelt long, so that two spellings of one folder
// compare equal. Empty when it cannot be resolved.
std::string Resolved(const std::string& path)
{
    char full[kPathBytes];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full)
        return {};
    char longer[kPathBytes];
    DWORD m = GetLongPathNameA(full, longer, sizeof longer);
    return m > 0 && m < sizeof longer ? std::string(longer, m) : std::string(full, n);
}

} // namespace

bool IsProtectedFolder(const std::string& path)
{
    std::string target = Resolved(path);
    if (target.empty())
        return true;
    // "C:\" is a root only with its separator, "\\server\share" only without.
    if (PathIsRootA(target.c_str()))
        return true;
    DropTrailingSeparators(target);
    if (target.empty() || PathIsRootA(target.c_str()))
        return true;
    std::string current = Resolved(CurrentFolder());
    if (current.empty())
        return true;
    DropTrailingSeparators(current);
    // The current folder itself, or any folder above it.
    if (current.size() < target.size())
        return false;
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, target.data(), static_cast<int>(target.size()),
                       current.data(), static_cast<int>(target.size())) != CSTR_EQUAL)
        return false;
    return current.size() == target.size() || IsSeparator(current[target.size()]);
}

} // namespace dovari
