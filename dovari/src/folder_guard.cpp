#include "folder_guard.h"

#include "paths.h"

#include <windows.h>
#include <shlwapi.h>

namespace dovari {

bool IsProtectedFolder(const std::string& path)
{
    char full[kPathBytes];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full)
        return true;
    std::string target(full, n);
    DropTrailingSeparators(target);
    // "C:\" is a root only with its separator, "\\server\share" only without.
    if (PathIsRootA(full) || PathIsRootA(target.c_str()))
        return true;
    std::string current = CurrentFolder();
    DropTrailingSeparators(current);
    return lstrcmpiA(target.c_str(), current.c_str()) == 0;
}

} // namespace dovari
